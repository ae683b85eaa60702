#include "skin/TsSkinContent.h"

int TsSkinContent::SectionIndexOf(const QString& name) const {
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        if (Sections[i].Name == name)
            return static_cast<int>(i);
    }
    return -1;
}

int TsSkinContent::InheritedIndexOf(int sectionIndex, const QString& sectionName, const OwnLookup& own) const {
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

int TsSkinContent::OwnMaskIndexOf(const QString& sectionName, const QString& maskName) const {
    for (std::size_t i = 0; i < Masks.size(); ++i) {
        if (Masks[i].SectionName == sectionName && Masks[i].PropertyName == maskName)
            return static_cast<int>(i);
    }
    return -1;
}

int TsSkinContent::MaskIndexOf(int sectionIndex, const QString& sectionName, const QString& maskName) const {
    return InheritedIndexOf(sectionIndex, sectionName,
                            [&](const QString& name) { return OwnMaskIndexOf(name, maskName); });
}

int TsSkinContent::TextureIndexOf(int sectionIndex, const QString& sectionName, const QString& maskName) const {
    return InheritedIndexOf(sectionIndex, sectionName, [&](const QString& name) {
        for (std::size_t i = 0; i < Masks.size(); ++i) {
            const TsMaskData& mask = Masks[i];
            if (mask.ImgType == itisaTexture && mask.SectionName == name && mask.PropertyName == maskName)
                return static_cast<int>(i);
        }
        return -1;
    });
}

int TsSkinContent::PatternIndexOf(int sectionIndex, const QString& sectionName, const QString& patternName) const {
    return InheritedIndexOf(sectionIndex, sectionName, [&](const QString& name) {
        for (std::size_t i = 0; i < Patterns.size(); ++i) {
            if (Patterns[i].SectionName == name && Patterns[i].PropertyName == patternName)
                return static_cast<int>(i);
        }
        return -1;
    });
}

void TsSkinContent::ClearSkin() {
    Sections.clear();
    Masks.clear();
    Patterns.clear();
    MasterBitmap = QImage();
}
