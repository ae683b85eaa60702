#include "BankPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The decoders the practice window reads question pictures with, by extension.
const char* FormatFor(const QString& extension) {
    static const std::pair<QLatin1String, const char*> kFormats[] = {{QLatin1String("bmp"), "BMP"},
                                                                     {QLatin1String("jpg"), "JPEG"},
                                                                     {QLatin1String("jpeg"), "JPEG"},
                                                                     {QLatin1String("png"), "PNG"},
                                                                     {QLatin1String("ico"), "ICO"}};
    for (const auto& [known, format] : kFormats) {
        if (extension.compare(known, Qt::CaseInsensitive) == 0)
            return format;
    }
    return nullptr;
}

}  // namespace

std::optional<QString> BankPicture::Problem(const QString& imageFolder, const QString& name) {
    const QString path = imageFolder + name;
    if (!QFileInfo(path).isFile())
        return QStringLiteral("不在 %1 中").arg(QDir::toNativeSeparators(imageFolder));
    const char* format = FormatFor(QFileInfo(name).suffix());
    if (format == nullptr) {
        return QStringLiteral(
            "不是程序能显示的图片：程序只显示扩展名为 bmp、jpg、jpeg、png 或 ico 的图片，练习时这道题的图片"
            "会是空白");
    }
    QImageReader reader(path, format);
    if (reader.read().isNull()) {
        return QStringLiteral("不是程序能显示的图片：文件的内容不是图片，或者图片已经损坏，练习时这道题的图片会是空白");
    }
    return std::nullopt;
}
