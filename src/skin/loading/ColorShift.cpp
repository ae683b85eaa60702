#include "skin/loading/ColorShift.h"

#include <QColor>
#include <algorithm>

#include "skin/loading/SkinContent.h"

namespace {

constexpr int kMagenta = 0xFF00FF;

QRgb ShiftRgb(QRgb rgb, int hueOffset, int saturation) {
    QColor color = QColor::fromRgb(rgb).toHsv();
    int hue = color.hsvHue();
    if (hue >= 0)
        hue = ((hue + hueOffset) % 360 + 360) % 360;
    const int sat = std::clamp(color.hsvSaturation() + color.hsvSaturation() * saturation / 100, 0, 255);
    color.setHsv(hue, sat, color.value());
    return (color.rgb() & 0xFFFFFF) | (rgb & 0xFF000000);
}

void ShiftPicture(QImage& picture, int hueOffset, int saturation) {
    if (picture.isNull())
        return;
    const bool alpha = picture.hasAlphaChannel();
    QImage work = picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < work.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
        for (int x = 0; x < work.width(); ++x) {
            if ((line[x] & 0xFFFFFF) != kMagenta)
                line[x] = ShiftRgb(line[x], hueOffset, saturation);
        }
    }
    picture = work.convertToFormat(picture.format());
}

}  // namespace

int ColorShift::Shift(int color, int hueOffset, int saturation) {
    if (color < 0 || color > 0xFFFFFF || color == kMagenta)
        return color;
    // Skin colours keep red in the lowest byte; QRgb keeps it in the third.
    const QRgb rgb = qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const QRgb shifted = ShiftRgb(rgb, hueOffset, saturation);
    return qRed(shifted) | (qGreen(shifted) << 8) | (qBlue(shifted) << 16);
}

void ColorShift::Apply(SkinContent& skin, int hueOffset, int saturation) {
    ShiftPicture(skin.MasterBitmap, hueOffset, saturation);
    for (TsMaskData& mask : skin.Masks)
        ShiftPicture(mask.Picture, hueOffset, saturation);
    for (TsPatternData& pattern : skin.Patterns)
        ShiftPicture(pattern.Photo, hueOffset, saturation);
    for (TsGeneralData& section : skin.Sections) {
        for (const auto& key : TsGeneralData::IntegerKeys()) {
            if (key.IsColor)
                section.*key.Field = Shift(section.*key.Field, hueOffset, saturation);
        }
        for (TsGradArray* steps : {&section.GradientSteps, &section.HotGradientSteps}) {
            for (GradientStep& step : *steps) {
                step.FromColor = Shift(step.FromColor, hueOffset, saturation);
                step.ToColor = Shift(step.ToColor, hueOffset, saturation);
            }
        }
    }
}
