#include "skin/loading/SectionLoader.h"

#include <QHash>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "skin/loading/OptionsStore.h"
#include "skin/loading/ParentChains.h"
#include "skin/loading/SkinContent.h"
#include "skin/loading/SkinLimits.h"
#include "skin/loading/SkinNames.h"

namespace {

const QString kMissing = QStringLiteral("?");
constexpr int kMissingInteger = -1;

// Each section's parent, by its index among the options' sections, or -1 where its chain ends: at a
// section without "PARENTCLASS", one naming itself, or one naming a section that does not exist.
std::vector<int> ParentsOf(const OptionsStore& options) {
    std::vector<int> parents;
    for (const OptionsStore::Section& section : options.Sections()) {
        const QString parent = options.ReadString(section.Name, SkinNames::ParentClass, kMissing);
        const bool ends =
            parent.isEmpty() || parent == kMissing || parent.compare(section.Name, Qt::CaseInsensitive) == 0;
        parents.push_back(ends ? -1 : options.IndexOfSection(parent));
    }
    return parents;
}

// A key's text in every section or, failing that, up its chain of parents.
std::vector<std::optional<QString>> InheritedStrings(const OptionsStore& options, const std::vector<int>& parents,
                                                     const QString& key) {
    return ParentChains::Resolve<QString>(parents, [&](std::size_t i) -> std::optional<QString> {
        QString value = options.ReadString(options.Sections()[i].Name, key, kMissing);
        return value == kMissing ? std::nullopt : std::optional<QString>(std::move(value));
    });
}

// The same for integers: the value -1 counts as missing.
std::vector<std::optional<int>> InheritedIntegers(const OptionsStore& options, const std::vector<int>& parents,
                                                  const QString& key) {
    return ParentChains::Resolve<int>(parents, [&](std::size_t i) -> std::optional<int> {
        const int value = options.ReadInteger(options.Sections()[i].Name, key, kMissingInteger);
        return value == kMissingInteger ? std::nullopt : std::optional<int>(value);
    });
}

int BoundGlowMargin(int margin) {
    return std::clamp(margin, -SkinLimits::kGlowMargin, SkinLimits::kGlowMargin);
}

// The colours of the classic system palette, red in the lowest byte, by their system index.
int SystemColor(int index) {
    switch (index) {
        case 5:   // window
        case 14:  // highlighted text
        case 20:  // button highlight
            return 0xFFFFFF;
        case 8:   // window text
        case 18:  // button text
            return 0x000000;
        case 13:  // highlight
            return 0xD77800;
        case 16:  // button shadow
            return 0xA0A0A0;
        case 17:  // grey text
            return 0x6D6D6D;
        default:  // button face and the rest
            return 0xF0F0F0;
    }
}

void ReadGlobalFacts(const OptionsStore& options, TsSkinData& facts) {
    bool ok = false;
    // Always "." as decimal separator, whatever the user's locale; unreadable counts as 0.
    facts.Version = options.ReadString(SkinNames::GlobalInfo, QStringLiteral("VERSION"), {}).toDouble(&ok);
    if (!ok)
        facts.Version = 0;
    facts.Author = options.ReadString(SkinNames::GlobalInfo, SkinNames::Author, {});
    facts.Description = options.ReadString(SkinNames::GlobalInfo, SkinNames::Description, {});
    for (const TsSkinData::IntegerKey& key : TsSkinData::IntegerKeys())
        facts.*key.Field = options.ReadInteger(SkinNames::GlobalInfo, QLatin1String(key.OptionKey), key.Default);
    for (int* margin : {&facts.BICloseGlowMargin, &facts.BIMaxGlowMargin, &facts.BIMinGlowMargin})
        *margin = BoundGlowMargin(*margin);
    facts.Shadow1Offset = std::clamp(facts.Shadow1Offset, -SkinLimits::kShadowReach, SkinLimits::kShadowReach);
    facts.Shadow1Blur = std::clamp(facts.Shadow1Blur, -1, SkinLimits::kShadowReach);
}

// Every section's record, each key resolved once for all sections along their chains of parents.
std::vector<TsGeneralData> ReadSections(const OptionsStore& options) {
    const std::vector<OptionsStore::Section>& list = options.Sections();
    const std::vector<int> parents = ParentsOf(options);
    std::vector<TsGeneralData> sections(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        sections[i].Name = list[i].Name;
        sections[i].ParentClass = options.ReadString(list[i].Name, SkinNames::ParentClass, {});
    }
    for (const auto& key : TsGeneralData::IntegerKeys()) {
        const std::vector<std::optional<int>> values =
            InheritedIntegers(options, parents, QLatin1String(key.OptionKey));
        for (std::size_t i = 0; i < sections.size(); ++i)
            sections[i].*key.Field = values[i].value_or(sections[i].*key.Field);
    }
    for (const auto& key : TsGeneralData::BooleanKeys()) {
        const std::vector<std::optional<QString>> values =
            InheritedStrings(options, parents, QLatin1String(key.OptionKey));
        for (std::size_t i = 0; i < sections.size(); ++i)
            sections[i].*key.Field = values[i].value_or(QString()).toUpper() == QLatin1String("TRUE");
    }
    for (const auto& key : TsGeneralData::StringKeys()) {
        const std::vector<std::optional<QString>> values =
            InheritedStrings(options, parents, QLatin1String(key.OptionKey));
        for (std::size_t i = 0; i < sections.size(); ++i)
            sections[i].*key.Field = values[i].value_or(sections[i].*key.Field);
    }
    for (TsGeneralData& data : sections) {
        data.Color = SectionLoader::ColorToRgb(data.Color);
        data.GlowMargin = BoundGlowMargin(data.GlowMargin);
        const QString where = QStringLiteral("[%1] ").arg(data.Name);
        if (data.GradientData != QLatin1String(" "))
            data.GradientSteps = ParseGradientData(data.GradientData, where + QStringLiteral("GRADIENTDATA"));
        if (data.HotGradientData != QLatin1String(" "))
            data.HotGradientSteps = ParseGradientData(data.HotGradientData, where + QStringLiteral("HOTGRADIENTDATA"));
    }
    return sections;
}

}  // namespace

int SectionLoader::ColorToRgb(int color) {
    return color < 0 ? SystemColor(color & 0xFF) : color;
}

void SectionLoader::LinkMasks(SkinContent& skin) {
    // The chains as the content's lookups follow them: names match exactly, the first section of a name
    // stands for it, and the first mask of a section and key is the one found.
    QHash<QString, int> sectionOfName;
    QHash<std::pair<QString, QString>, int> maskOfName;
    for (std::size_t i = skin.Sections.size(); i-- > 0;)
        sectionOfName.insert(skin.Sections[i].Name, static_cast<int>(i));
    for (std::size_t i = skin.Masks.size(); i-- > 0;)
        maskOfName.insert({skin.Masks[i].SectionName, skin.Masks[i].PropertyName}, static_cast<int>(i));
    std::vector<int> parents;
    for (const TsGeneralData& section : skin.Sections) {
        const bool ends =
            section.Name.isEmpty() || section.ParentClass.isEmpty() || section.ParentClass == section.Name;
        parents.push_back(ends ? -1 : sectionOfName.value(section.ParentClass, -1));
    }
    const auto link = [&](const QString& maskName) {
        return ParentChains::Resolve<int>(parents, [&](std::size_t i) -> std::optional<int> {
            const QString& name = skin.Sections[i].Name;
            const int found = name.isEmpty() ? -1 : maskOfName.value({name, maskName}, -1);
            return found >= 0 ? std::optional<int>(found) : std::nullopt;
        });
    };
    const std::vector<std::optional<int>> borders = link(SkinNames::BordersMask);
    const std::vector<std::optional<int>> topLeft = link(QStringLiteral("IMGTOPLEFT"));
    const std::vector<std::optional<int>> topRight = link(QStringLiteral("IMGTOPRIGHT"));
    const std::vector<std::optional<int>> bottomLeft = link(QStringLiteral("IMGBTMLEFT"));
    const std::vector<std::optional<int>> bottomRight = link(QStringLiteral("IMGBTMRIGHT"));
    for (std::size_t i = 0; i < skin.Sections.size(); ++i) {
        TsGeneralData& section = skin.Sections[i];
        if (section.Name == SkinNames::GlobalInfo)
            continue;
        section.BorderMaskIndex = borders[i].value_or(-1);
        section.ImgTopLeft = topLeft[i].value_or(-1);
        section.ImgTopRight = topRight[i].value_or(-1);
        section.ImgBottomLeft = bottomLeft[i].value_or(-1);
        section.ImgBottomRight = bottomRight[i].value_or(-1);
    }
}

void SectionLoader::Load(const OptionsStore& options, SkinContent& skin, QStringList& warnings) {
    ReadGlobalFacts(options, skin.SkinData);
    skin.Sections = ReadSections(options);
    if (skin.SkinData.Version > kNewestVersion)
        warnings << kNewerVersionMessage;
}
