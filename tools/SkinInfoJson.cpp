#include "SkinInfoJson.h"

#include <QJsonArray>

#include "skin/loading/SkinContent.h"

namespace {

QJsonArray Steps(const TsGradArray& steps) {
    QJsonArray array;
    for (const GradientStep& step : steps)
        array.append(QJsonArray{step.FromColor, step.ToColor, step.Share, step.Direction});
    return array;
}

QJsonObject Global(const TsSkinData& facts) {
    QJsonObject global{{"Version", facts.Version}, {"Author", facts.Author}, {"Description", facts.Description}};
    for (const TsSkinData::IntegerKey& key : TsSkinData::IntegerKeys())
        global.insert(QLatin1String(key.FieldName), facts.*key.Field);
    return global;
}

QJsonObject Section(const TsGeneralData& section) {
    QJsonObject object{{"Name", section.Name},
                       {"ParentClass", section.ParentClass},
                       {"GradientSteps", Steps(section.GradientSteps)},
                       {"HotGradientSteps", Steps(section.HotGradientSteps)},
                       {"BorderMaskIndex", section.BorderMaskIndex},
                       {"ImgTopLeft", section.ImgTopLeft},
                       {"ImgTopRight", section.ImgTopRight},
                       {"ImgBottomLeft", section.ImgBottomLeft},
                       {"ImgBottomRight", section.ImgBottomRight}};
    for (const auto& key : TsGeneralData::IntegerKeys())
        object.insert(QLatin1String(key.FieldName), section.*key.Field);
    for (const auto& key : TsGeneralData::BooleanKeys())
        object.insert(QLatin1String(key.FieldName), section.*key.Field);
    for (const auto& key : TsGeneralData::StringKeys())
        object.insert(QLatin1String(key.FieldName), section.*key.Field);
    return object;
}

QJsonObject Mask(const TsMaskData& mask) {
    return {{"SectionName", mask.SectionName},
            {"PropertyName", mask.PropertyName},
            {"ImgType", int(mask.ImgType)},
            {"Slice", QJsonArray{mask.Slice.Left, mask.Slice.Top, mask.Slice.Right, mask.Slice.Bottom}},
            {"ImageCount", mask.ImageCount},
            {"MaskType", mask.MaskType},
            {"BorderWidth", mask.BorderWidth},
            {"PaintMode", mask.PaintMode},
            {"MarginLeft", mask.MarginLeft},
            {"MarginTop", mask.MarginTop},
            {"MarginRight", mask.MarginRight},
            {"MarginBottom", mask.MarginBottom},
            {"HasPicture", !mask.Picture.isNull()}};
}

}  // namespace

QJsonObject SkinInfoJson::Describe(const SkinContent& skin) {
    QJsonArray sections, masks, patterns;
    for (const TsGeneralData& section : skin.Sections)
        sections.append(Section(section));
    for (const TsMaskData& mask : skin.Masks)
        masks.append(Mask(mask));
    for (const TsPatternData& pattern : skin.Patterns) {
        patterns.append(QJsonObject{{"SectionName", pattern.SectionName},
                                    {"PropertyName", pattern.PropertyName},
                                    {"Width", pattern.Photo.width()},
                                    {"Height", pattern.Photo.height()}});
    }
    return {{"global", Global(skin.SkinData)}, {"sections", sections}, {"masks", masks}, {"patterns", patterns}};
}
