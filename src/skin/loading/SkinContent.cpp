#include "skin/loading/SkinContent.h"

#include "skin/loading/SkinNames.h"

int SkinContent::SectionIndexOf(const QString& name) const {
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        if (Sections[i].Name == name)
            return static_cast<int>(i);
    }
    return -1;
}

int SkinContent::InheritedIndexOf(int sectionIndex, const QString& sectionName, const OwnLookup& own) const {
    QString name = sectionName;
    // Each step climbs to a parent; more steps than there are sections can only mean a loop of parents,
    // which a hand-written skin may well contain.
    for (std::size_t step = 0; step <= Sections.size(); ++step) {
        if (sectionIndex < 0 || sectionIndex >= static_cast<int>(Sections.size()) || name.isEmpty())
            return -1;
        if (const int found = own(name); found >= 0)
            return found;
        const QString parent = Sections[sectionIndex].ParentClass;
        if (parent.isEmpty() || parent == name)
            return -1;
        sectionIndex = SectionIndexOf(parent);
        name = parent;
    }
    return -1;
}

int SkinContent::OwnMaskIndexOf(const QString& sectionName, const QString& maskName) const {
    for (std::size_t i = 0; i < Masks.size(); ++i) {
        if (Masks[i].SectionName == sectionName && Masks[i].PropertyName == maskName)
            return static_cast<int>(i);
    }
    return -1;
}

int SkinContent::MaskIndexOf(int sectionIndex, const QString& sectionName, const QString& maskName) const {
    return InheritedIndexOf(sectionIndex, sectionName,
                            [&](const QString& name) { return OwnMaskIndexOf(name, maskName); });
}

int SkinContent::TextureIndexOf(int sectionIndex, const QString& sectionName, const QString& maskName) const {
    return InheritedIndexOf(sectionIndex, sectionName, [&](const QString& name) {
        for (std::size_t i = 0; i < Masks.size(); ++i) {
            const TsMaskData& mask = Masks[i];
            if (mask.ImgType == itisaTexture && mask.SectionName == name && mask.PropertyName == maskName)
                return static_cast<int>(i);
        }
        return -1;
    });
}

int SkinContent::PatternIndexOf(int sectionIndex, const QString& sectionName, const QString& patternName) const {
    return InheritedIndexOf(sectionIndex, sectionName, [&](const QString& name) {
        for (std::size_t i = 0; i < Patterns.size(); ++i) {
            if (Patterns[i].SectionName == name && Patterns[i].PropertyName == patternName)
                return static_cast<int>(i);
        }
        return -1;
    });
}

void SkinContent::ClearSkin() {
    Sections.clear();
    Masks.clear();
    Patterns.clear();
    MasterBitmap = QImage();
}

namespace {

enum Wanted { WantBorders = 1, WantGlyph = 2, WantPatterns = 4 };

SkinIndexes::Part LookUp(const SkinContent& skin, const QString& name, int wanted) {
    SkinIndexes::Part part;
    part.Section = skin.SectionIndexOf(name);
    if (part.Section < 0)
        return part;
    if (wanted & WantBorders)
        part.BordersMask = skin.MaskIndexOf(part.Section, name, SkinNames::BordersMask);
    if (wanted & WantGlyph)
        part.GlyphMask = skin.MaskIndexOf(part.Section, name, QStringLiteral("GLYPHMASK"));
    if (wanted & WantPatterns) {
        part.Pattern = skin.TextureIndexOf(part.Section, name, SkinNames::Pattern);
        part.HotPattern = skin.TextureIndexOf(part.Section, name, SkinNames::HotPattern);
    }
    return part;
}

}  // namespace

void SkinContent::RebuildCachedIndexes() {
    const SkinContent& skin = *this;
    SkinIndexes cached;
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

    cached.ComboBtn = LookUp(skin, QStringLiteral("COMBOBTN"), WantBorders | WantPatterns);
    const QString comboBox = QStringLiteral("COMBOBOX");
    cached.ComboBoxGlyph = skin.MaskIndexOf(skin.SectionIndexOf(comboBox), comboBox, QStringLiteral("GLYPHMASK"));

    const char* tabs[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    for (int i = 0; i < 4; ++i)
        cached.Tabs[i] = LookUp(skin, QLatin1String(tabs[i]), WantBorders);
    const char* buttons[] = {"SCROLLBTNTOP",   "SCROLLBTNBOTTOM", "SCROLLBTNLEFT",
                             "SCROLLBTNRIGHT", "SCROLLSLIDERV",   "SCROLLSLIDERH"};
    for (int i = 0; i < 6; ++i)
        cached.ScrollButtons[i] = LookUp(skin, QLatin1String(buttons[i]), WantBorders | WantGlyph | WantPatterns);
    const char* bars[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
    for (int i = 0; i < 4; ++i)
        cached.ScrollBars[i] = LookUp(skin, QLatin1String(bars[i]), WantBorders | WantPatterns);
    CachedIndexes = cached;
}
