#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "skin/loading/SkinIndexes.h"
#include "skin/loading/TsGeneralData.h"
#include "skin/loading/TsMaskData.h"
#include "skin/loading/TsPatternData.h"
#include "skin/loading/TsSkinData.h"

// Everything one load of a skin produces. A load builds a whole new one aside; the manager swaps it in
// only when the load succeeded, so a broken skin never leaves half of itself behind.
class SkinContent {
public:
    TsSkinData SkinData;
    TsGeneralDataArray Sections;
    TsMaskArray Masks;
    TsPatternArray Patterns;
    QImage MasterBitmap;  // 24 bits per pixel; 0xFF00FF is transparent
    SkinIndexes CachedIndexes;

    // The first section of exactly this name (case matters), or -1.
    int SectionIndexOf(const QString& name) const;
    // The section's mask of that name, else its parent's (and so on up the chain), or -1.
    int MaskIndexOf(int sectionIndex, const QString& sectionName, const QString& maskName) const;
    // As MaskIndexOf, counting texture masks only.
    int TextureIndexOf(int sectionIndex, const QString& sectionName, const QString& maskName) const;
    // As MaskIndexOf, over the patterns.
    int PatternIndexOf(int sectionIndex, const QString& sectionName, const QString& patternName) const;
    // The section's own mask of that name, without asking parents, or -1.
    int OwnMaskIndexOf(const QString& sectionName, const QString& maskName) const;

    // Frees masks, patterns, sections and the master bitmap; the global facts stay.
    void ClearSkin();
    // Looks up the indexes painting asks for all the time; after every load and unload.
    void RebuildCachedIndexes();

private:
    using OwnLookup = std::function<int(const QString& sectionName)>;
    int InheritedIndexOf(int sectionIndex, const QString& sectionName, const OwnLookup& own) const;
};
