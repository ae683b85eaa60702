#include "skin/loading/SectionLoader.h"

#include <functional>
#include <optional>

#include "skin/TsSkinContent.h"
#include "skin/loading/OptionsStore.h"
#include "skin/loading/SkinNames.h"

namespace {

const QString kMissing = QStringLiteral("?");
constexpr int kMissingInteger = -1;

// Walks the section and its parents until `read` finds a value; a chain longer than the number of
// sections has looped.
template <typename T>
std::optional<T> Inherited(const OptionsStore& options, const QString& section,
                           const std::function<std::optional<T>(const QString&)>& read) {
    QString name = section;
    for (std::size_t step = 0; step <= options.Sections().size(); ++step) {
        if (std::optional<T> value = read(name))
            return value;
        const QString parent = options.ReadString(name, SkinNames::ParentClass, kMissing);
        if (parent.isEmpty() || parent == kMissing || parent.compare(name, Qt::CaseInsensitive) == 0)
            return std::nullopt;
        name = parent;
    }
    return std::nullopt;
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
}

TsGeneralData ReadSection(const OptionsStore& options, const QString& name) {
    TsGeneralData data;
    data.Name = name;
    data.ParentClass = options.ReadString(name, SkinNames::ParentClass, {});
    for (const auto& key : TsGeneralData::IntegerKeys()) {
        data.*key.Field =
            SectionLoader::ReadInheritedInteger(options, name, QLatin1String(key.OptionKey), data.*key.Field);
    }
    for (const auto& key : TsGeneralData::BooleanKeys()) {
        const QString value =
            SectionLoader::ReadInheritedString(options, name, QLatin1String(key.OptionKey), QStringLiteral("FALSE"));
        data.*key.Field = value.toUpper() == QLatin1String("TRUE");
    }
    for (const auto& key : TsGeneralData::StringKeys()) {
        data.*key.Field =
            SectionLoader::ReadInheritedString(options, name, QLatin1String(key.OptionKey), data.*key.Field);
    }
    data.Color = SectionLoader::ColorToRgb(data.Color);
    const QString where = QStringLiteral("[%1] ").arg(name);
    if (data.GradientData != QLatin1String(" "))
        data.GradientSteps = ParseGradientData(data.GradientData, where + QStringLiteral("GRADIENTDATA"));
    if (data.HotGradientData != QLatin1String(" "))
        data.HotGradientSteps = ParseGradientData(data.HotGradientData, where + QStringLiteral("HOTGRADIENTDATA"));
    return data;
}

}  // namespace

QString SectionLoader::ReadInheritedString(const OptionsStore& options, const QString& section, const QString& key,
                                           const QString& defaultValue) {
    const std::optional<QString> found =
        Inherited<QString>(options, section, [&](const QString& name) -> std::optional<QString> {
            QString value = options.ReadString(name, key, kMissing);
            return value == kMissing ? std::nullopt : std::optional<QString>(std::move(value));
        });
    return found.value_or(defaultValue);
}

int SectionLoader::ReadInheritedInteger(const OptionsStore& options, const QString& section, const QString& key,
                                        int defaultValue) {
    const std::optional<int> found = Inherited<int>(options, section, [&](const QString& name) -> std::optional<int> {
        const int value = options.ReadInteger(name, key, kMissingInteger);
        return value == kMissingInteger ? std::nullopt : std::optional<int>(value);
    });
    return found.value_or(defaultValue);
}

int SectionLoader::ColorToRgb(int color) {
    return color < 0 ? SystemColor(color & 0xFF) : color;
}

void SectionLoader::LinkMasks(TsSkinContent& skin) {
    for (std::size_t i = 0; i < skin.Sections.size(); ++i) {
        TsGeneralData& section = skin.Sections[i];
        if (section.Name == SkinNames::GlobalInfo)
            continue;
        const auto mask = [&](const char* name) {
            return skin.MaskIndexOf(static_cast<int>(i), section.Name, QLatin1String(name));
        };
        section.BorderMaskIndex = skin.MaskIndexOf(static_cast<int>(i), section.Name, SkinNames::BordersMask);
        section.ImgTopLeft = mask("IMGTOPLEFT");
        section.ImgTopRight = mask("IMGTOPRIGHT");
        section.ImgBottomLeft = mask("IMGBTMLEFT");
        section.ImgBottomRight = mask("IMGBTMRIGHT");
    }
}

void SectionLoader::Load(const OptionsStore& options, TsSkinContent& skin, QStringList& warnings) {
    ReadGlobalFacts(options, skin.SkinData);
    skin.Sections.clear();
    for (const OptionsStore::Section& section : options.Sections())
        skin.Sections.push_back(ReadSection(options, section.Name));
    if (skin.SkinData.Version > kNewestVersion)
        warnings << kNewerVersionMessage;
}
