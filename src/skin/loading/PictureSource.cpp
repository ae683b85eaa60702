#include "skin/loading/PictureSource.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "platform/AppDir.h"
#include "platform/ImageFormat.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinLimits.h"
#include "skin/loading/TacSkinConvertor.h"

PictureSource::PictureSource(const TacSkinConvertor& package) : package_(&package) {
    // The first of several equal names wins, as a front-to-back search would find it.
    for (qsizetype i = static_cast<qsizetype>(package.Entries.size()) - 1; i >= 0; --i)
        entryByUpperName_[package.Entries[i].Name.toUpper()] = i;
}

PictureSource::PictureSource(QString skinFolder) : skinFolder_(std::move(skinFolder)) {}

std::optional<QByteArray> PictureSource::Bytes(const QString& name) const {
    if (!package_)
        return FileBytes(name);
    const auto found = entryByUpperName_.constFind(name);
    if (found == entryByUpperName_.constEnd())
        return std::nullopt;
    return package_->Entries[*found].Bytes;
}

std::optional<QByteArray> PictureSource::FileBytes(const QString& name) const {
    // No file system has such a name; asking it would only draw a warning.
    if (name.contains(QChar(0)))
        return std::nullopt;
    QString path = FileSystemPath(name.contains(u':') ? name : skinFolder_ + name);
    if (!QFileInfo(path).isFile()) {
        // Skins name their pictures in capitals while the files were written on a system that does not
        // care about case: look for the file name ignoring case.
        const QFileInfo wanted(path);
        const QStringList files = wanted.dir().entryList(QDir::Files, QDir::Name);
        const auto match = std::find_if(files.begin(), files.end(), [&](const QString& file) {
            return file.compare(wanted.fileName(), Qt::CaseInsensitive) == 0;
        });
        if (match == files.end())
            return std::nullopt;
        path = wanted.dir().filePath(*match);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > SkinLimits::kEntryBytes)
        throw SkinError(QStringLiteral("皮肤图片 %1 过大。").arg(name));
    return file.read(SkinLimits::kEntryBytes);
}

QImage PictureSource::Picture(const QString& name, const char* format) const {
    const std::optional<QByteArray> bytes = Bytes(name);
    if (!bytes)
        return {};
    // Without a format named by the caller, the name's extension says it.
    const QByteArray kind = format ? QByteArray(format) : QFileInfo(name).suffix().toLatin1();
    // The size a picture declares is checked before it is decoded, and what it decodes to after.
    QBuffer buffer;
    buffer.setData(*bytes);
    CheckSize(name, QImageReader(&buffer, kind).size());
    QImage picture = ImageFromBytesAs(*bytes, kind);
    CheckSize(name, picture.size());
    pixelsDecoded_ += static_cast<qint64>(picture.width()) * picture.height();
    if (pixelsDecoded_ > SkinLimits::kLoadPixels)
        throw SkinError(QStringLiteral("皮肤的图片合计过大。"));
    return picture;
}

void PictureSource::CheckSize(const QString& name, QSize size) {
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > SkinLimits::kPicturePixels) {
        throw SkinError(
            QStringLiteral("皮肤图片 %1 过大（%2 × %3 像素）。").arg(name).arg(size.width()).arg(size.height()));
    }
}
