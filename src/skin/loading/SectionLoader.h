#pragma once

#include <QString>
#include <QStringList>

class OptionsStore;
class SkinContent;

// The third loader of a skin: the global facts of "GLOBALINFO" and one record per section, each key
// looked up in the section and, when missing, in its parent sections ("PARENTCLASS"); the integer value
// -1 counts as missing, and a loop of parents ends the search like a missing parent. Glow margins and
// the label shadow are held within the bounds of SkinLimits.
class SectionLoader {
public:
    static constexpr double kNewestVersion = 6.29;
    static inline const QString kNewerVersionMessage = QStringLiteral(
        "This version of skin have not complete supported by the Corvennic package.\r\n"
        "Components must be updated to latest version for using this skin.");

    // Fills the facts and sections and links every section to its border and corner masks. A skin
    // newer than this engine still loads; the notice for it is added to `warnings`.
    static void Load(const OptionsStore& options, SkinContent& skin, QStringList& warnings);

    // A colour as stored; negative values name a system colour, which becomes its RGB value.
    static int ColorToRgb(int color);

    // Links every section but "GLOBALINFO" to its "BORDERSMASK" and corner ornament masks.
    static void LinkMasks(SkinContent& skin);
};
