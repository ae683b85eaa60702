#include "questionview/QuestionPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <cerrno>
#include <cstring>

#include "platform/AppDir.h"
#include "platform/Exception.h"

namespace {
struct Decoder {
    const char* extension;
    const char* format;
};

constexpr Decoder kDecoders[] = {
    {"bmp", "BMP"}, {"jpg", "JPEG"}, {"jpeg", "JPEG"}, {"png", "PNG"}, {"ico", "ICO"},
};

const char* FormatFor(const QString& extension) {
    for (const Decoder& decoder : kDecoders) {
        if (extension == QLatin1String(decoder.extension))
            return decoder.format;
    }
    return nullptr;
}

// The file as named, or else the one entry of its folder whose name differs only in case.
QString FindPicture(const QString& path) {
    if (QFileInfo::exists(path))
        return path;
    const QFileInfo wanted(path);
    const QDir folder = wanted.dir();
    for (const QString& entry : folder.entryList(QDir::Files)) {
        if (entry.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return path;
}

Exception CannotOpen(const QString& path, const QString& reason) {
    return Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}
}  // namespace

QImage LoadQuestionPicture(const QString& bmp) {
    const QString path = FileSystemPath(AppDir() + "image\\" + bmp);
    const QString extension = QFileInfo(bmp).suffix().toLower();
    if (extension == QLatin1String("wmf") || extension == QLatin1String("emf")) {
        throw Exception(
            QStringLiteral("Cannot show \"%1\": metafile pictures (.%2) are not supported").arg(path, extension));
    }
    const char* format = FormatFor(extension);
    if (format == nullptr)
        throw Exception(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));

    const QString found = FindPicture(path);
    if (!QFileInfo::exists(found))
        throw CannotOpen(path, QString::fromLocal8Bit(std::strerror(ENOENT)));
    QImageReader reader(found, format);
    QImage picture = reader.read();
    if (picture.isNull())
        throw CannotOpen(path, reader.errorString());
    return picture;
}
