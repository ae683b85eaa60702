#include "skin/TsCachedIndexes.h"

#include "skin/TsSkinContent.h"
#include "skin/loading/SkinNames.h"

namespace {

enum Wanted { Borders = 1, Glyph = 2, Patterns = 4 };

TsCachedIndexes::Part LookUp(const TsSkinContent& skin, const QString& name, int wanted) {
    TsCachedIndexes::Part part;
    part.Section = skin.SectionIndexOf(name);
    if (part.Section < 0)
        return part;
    if (wanted & Borders)
        part.BordersMask = skin.MaskIndexOf(part.Section, name, SkinNames::BordersMask);
    if (wanted & Glyph)
        part.GlyphMask = skin.MaskIndexOf(part.Section, name, QStringLiteral("GLYPHMASK"));
    if (wanted & Patterns) {
        part.Pattern = skin.TextureIndexOf(part.Section, name, SkinNames::Pattern);
        part.HotPattern = skin.TextureIndexOf(part.Section, name, SkinNames::HotPattern);
    }
    return part;
}

}  // namespace

TsCachedIndexes TsCachedIndexes::Build(const TsSkinContent& skin) {
    TsCachedIndexes cached;
    cached.GlobalInfo = skin.SectionIndexOf(SkinNames::GlobalInfo);
    const auto global = [&](const char* mask) {
        return skin.MaskIndexOf(cached.GlobalInfo, SkinNames::GlobalInfo, QLatin1String(mask));
    };
    cached.BoxChecked = global("BOXCHECKED");
    cached.BoxUnchecked = global("BOXUNCHECKED");
    cached.BoxGrayed = global("BOXGRAYED");
    cached.RadioChecked = global("RADIOCHECKED");
    cached.RadioUnchecked = global("RADIOUNCHECKED");
    cached.RadioGrayed = global("RADIOGRAYED");
    cached.SmallChecked = global("SMALLCHECKED");
    cached.SmallUnchecked = global("SMALLUNCHECKED");
    cached.SmallGrayed = global("SMALLGRAYED");

    cached.ComboBtn = LookUp(skin, QStringLiteral("COMBOBTN"), Borders | Patterns);
    const QString comboBox = QStringLiteral("COMBOBOX");
    cached.ComboBoxGlyph = skin.MaskIndexOf(skin.SectionIndexOf(comboBox), comboBox, QStringLiteral("GLYPHMASK"));

    const char* tabs[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    for (int i = 0; i < 4; ++i)
        cached.Tabs[i] = LookUp(skin, QLatin1String(tabs[i]), Borders);
    const char* buttons[] = {"SCROLLBTNTOP",   "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                             "SCROLLBTNRIGHT", "SCROLLSLIDERV",   "SCROLLSLIDERH"};
    for (int i = 0; i < 6; ++i)
        cached.ScrollButtons[i] = LookUp(skin, QLatin1String(buttons[i]), Borders | Glyph | Patterns);
    const char* bars[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
    for (int i = 0; i < 4; ++i)
        cached.ScrollBars[i] = LookUp(skin, QLatin1String(bars[i]), Borders | Patterns);
    return cached;
}
