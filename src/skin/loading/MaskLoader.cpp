#include "skin/loading/MaskLoader.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

#include "skin/loading/OptionsStore.h"
#include "skin/loading/PictureSource.h"
#include "skin/loading/SkinContent.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinNames.h"
#include "skin/loading/SkinNumbers.h"

namespace {

constexpr QRgb kOpaqueWhite = 0xFFFFFF;
const QString kMasterKey = QStringLiteral("MASTERBITMAP");

struct Source {
    const QString& section;
    const QString& key;
    const QString& value;
    QString Where() const { return QStringLiteral("[%1] %2").arg(section, key); }
};

// Characters `from` to `to` of the value, counted from 1, as a number.
int Columns(const Source& source, int from, int to) {
    return SkinNumbers::Require(QStringView(source.value).mid(from - 1, to - from + 1), source.Where());
}

MaskSlice FixedSlice(const Source& source) {
    return {Columns(source, 2, 5), Columns(source, 7, 10), Columns(source, 12, 15), Columns(source, 17, 20)};
}

MaskSlice WholePicture(const QImage& picture) {
    return {0, 0, picture.width(), picture.height()};
}

TsMaskData NewMask(const Source& source, bool upperCase) {
    TsMaskData mask;
    mask.SectionName = upperCase ? source.section.toUpper() : source.section;
    mask.PropertyName = upperCase ? source.key.toUpper() : source.key;
    return mask;
}

// A PNG with alpha keeps it, except that pure white becomes fully transparent: skins paint the
// background of their glyphs white.
QImage AdaptPng(QImage picture) {
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB888);
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == kOpaqueWhite)
                line[x] = 0;
        }
    }
    return picture;
}

std::optional<TsMaskData> ExternalPicture(const Source& source, const PictureSource& pictures) {
    const QStringList words = source.value.split(u'!', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;
    const QString& file = words.first();
    const bool png = file.contains(QLatin1String(".PNG"));
    if (!png && !file.contains(QLatin1String(".BMP")))
        return std::nullopt;
    TsMaskData mask = NewMask(source, false);
    mask.ImageCount = SkinNumbers::Require(words.value(1), source.Where());
    mask.MaskType = SkinNumbers::Require(words.value(2), source.Where());
    mask.ImgType = static_cast<TacImgType>(std::clamp(SkinNumbers::Require(words.value(3), source.Where()), 0, 3));
    mask.PaintMode = 4;
    std::optional<std::array<int, 4>> margins;
    if (words.size() >= 5) {
        margins.emplace();
        for (int i = 0; i < 4; ++i)
            (*margins)[i] = SkinNumbers::Require(words.value(4 + i), source.Where());
    }

    QImage picture = pictures.Picture(file);
    if (picture.isNull() || picture.width() == 0)
        return std::nullopt;
    if (png)
        picture = AdaptPng(std::move(picture));
    else if (mask.ImgType != itisaTexture || !picture.hasAlphaChannel())
        picture = picture.convertToFormat(QImage::Format_RGB888);
    mask.Slice = WholePicture(picture);
    mask.Picture = std::move(picture);
    if (margins) {
        mask.MarginLeft = (*margins)[0];
        mask.MarginTop = (*margins)[1];
        mask.MarginRight = (*margins)[2];
        mask.MarginBottom = (*margins)[3];
    } else {
        mask.ComputeMargins();
    }
    return mask;
}

TsMaskData MasterGlyph(const Source& source) {
    TsMaskData mask = NewMask(source, false);
    mask.Slice = FixedSlice(source);
    mask.ImageCount = Columns(source, 22, 22);
    mask.MaskType = Columns(source, 24, 24);
    mask.ImgType = itisaGlyph;
    return mask;
}

TsMaskData MasterBorder(const Source& source) {
    TsMaskData mask = NewMask(source, false);
    mask.Slice = FixedSlice(source);
    mask.MarginLeft = Columns(source, 22, 25);
    mask.MarginTop = Columns(source, 27, 30);
    mask.MarginRight = Columns(source, 32, 35);
    mask.MarginBottom = Columns(source, 37, 40);
    mask.ImageCount = Columns(source, 42, 42);
    mask.MaskType = Columns(source, 44, 44);
    mask.PaintMode = Columns(source, 46, 46);
    mask.BorderWidth = Columns(source, 48, 48);
    mask.ImgType = itisaBorder;
    if (mask.MarginLeft == 0 && mask.MarginTop == 0 && mask.MarginRight == 0 && mask.MarginBottom == 0) {
        if (mask.BorderWidth != 0)
            mask.SetAllMargins(mask.BorderWidth);
        else
            mask.ComputeMargins();
    }
    return mask;
}

TsMaskData MasterTexture(const Source& source) {
    TsMaskData mask = NewMask(source, false);
    mask.Slice = FixedSlice(source);
    mask.ImageCount = 1;
    mask.PaintMode = Columns(source, 22, 23);
    mask.MaskType = source.value.size() >= 25 ? Columns(source, 25, 25) : 0;
    mask.ImgType = itisaTexture;
    return mask;
}

TsMaskData FreeFormSlice(const Source& source) {
    // Words are separated by blanks and parentheses; blanks inside a parenthesised list are taken as
    // part of it, as people write "(0, 0, 90, 30)".
    static const QRegularExpression wordBreaks(QStringLiteral("[ ()]+"));
    static const QRegularExpression listBreaks(QStringLiteral("\\s*[()]+\\s*"));
    static const QRegularExpression numberBreaks(QStringLiteral("[ ,]+"));
    const QStringList words =
        source.value.split(source.value.contains(u'(') ? listBreaks : wordBreaks, Qt::SkipEmptyParts);
    const QStringList rect = words.value(1).split(numberBreaks, Qt::SkipEmptyParts);
    const QStringList options = words.value(2).split(numberBreaks, Qt::SkipEmptyParts);
    const auto number = [&](const QStringList& list, int i) {
        return SkinNumbers::Require(list.value(i), source.Where());
    };

    TsMaskData mask = NewMask(source, true);
    mask.Slice = {number(rect, 0), number(rect, 1), number(rect, 2), number(rect, 3)};
    mask.ImageCount = std::max(1, number(options, 0));
    mask.MaskType = std::max(0, number(options, 1));
    mask.BorderWidth = options.size() > 2 ? std::max(0, number(options, 2)) : 0;
    mask.PaintMode = options.size() > 3 ? number(options, 3) : 1;
    mask.ImgType = itisaBorder;
    if (mask.BorderWidth != 0)
        mask.SetAllMargins(mask.BorderWidth);
    else
        mask.ComputeMargins();
    return mask;
}

std::optional<TsMaskData> WholeBitmap(const Source& source, const PictureSource& pictures) {
    const QString name = source.value.toUpper();
    if (!name.contains(QLatin1String(".BMP")))
        return std::nullopt;
    const QImage picture = pictures.Picture(name);
    if (picture.isNull() || picture.width() == 0)
        return std::nullopt;
    TsMaskData mask = NewMask(source, true);
    mask.Picture = picture.convertToFormat(QImage::Format_RGB888);
    mask.Slice = WholePicture(mask.Picture);
    mask.ImageCount = 3;
    mask.MaskType = 1;
    mask.ComputeMargins();
    return mask;
}

std::optional<TsMaskData> MaskOf(const Source& source, const PictureSource& pictures) {
    const QString& value = source.value;
    switch (value.front().unicode()) {
        case u'!':
            return ExternalPicture(source, pictures);
        case u'@':
            return MasterGlyph(source);
        case u'^':
            return MasterBorder(source);
        case u'~':
            return MasterTexture(source);
        default:
            break;
    }
    if (value.contains(u'#') && value != QLatin1String("#"))
        return FreeFormSlice(source);
    return WholeBitmap(source, pictures);
}

// Keys whose values are free text (a "#" there is part of the words, not a slice) or a section name.
bool IsTextKey(bool isGlobal, const QString& key) {
    const auto is = [&](const QString& name) { return key.compare(name, Qt::CaseInsensitive) == 0; };
    return is(SkinNames::ParentClass) || (isGlobal && (is(SkinNames::Author) || is(SkinNames::Description)));
}

}  // namespace

std::vector<TsMaskData> MaskLoader::ReadMasks(const OptionsStore& options, const PictureSource& pictures) {
    std::vector<TsMaskData> masks;
    for (const OptionsStore::Section& section : options.Sections()) {
        const bool isGlobal = section.Name.compare(SkinNames::GlobalInfo, Qt::CaseInsensitive) == 0;
        for (const OptionsStore::Line& line : section.Lines) {
            if (!line.HasKey || line.Value.isEmpty())
                continue;
            if ((isGlobal && line.Key.compare(kMasterKey, Qt::CaseInsensitive) == 0) || IsTextKey(isGlobal, line.Key))
                continue;
            if (std::optional<TsMaskData> mask = MaskOf({section.Name, line.Key, line.Value}, pictures))
                masks.push_back(std::move(*mask));
        }
    }
    return masks;
}

void MaskLoader::Load(const OptionsStore& options, const PictureSource& pictures, SkinContent& skin) {
    skin.Masks.clear();
    skin.Patterns.clear();
    skin.MasterBitmap = QImage();
    const QString master = options.ReadString(SkinNames::GlobalInfo, kMasterKey, {});
    if (!master.isEmpty()) {
        // Without it every slice of the master would be blank: no check marks, no title buttons.
        const QImage picture = pictures.Picture(master);
        if (picture.isNull() || picture.width() == 0)
            throw SkinError(QStringLiteral("皮肤的主位图 %1 缺失或无法读取。").arg(master));
        skin.MasterBitmap = picture.convertToFormat(QImage::Format_RGB888);
    }
    // A slice reaching past its picture is cut at its edge, and its margins at its images; one that lies
    // wholly outside, or in a master bitmap the skin does not name, is dropped.
    for (TsMaskData& mask : ReadMasks(options, pictures)) {
        const QImage& picture = mask.Picture.isNull() ? skin.MasterBitmap : mask.Picture;
        if (mask.FitTo(picture.size()))
            skin.Masks.push_back(std::move(mask));
    }
}
