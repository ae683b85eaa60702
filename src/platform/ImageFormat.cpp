#include "platform/ImageFormat.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {
QImage Read(QIODevice& device, const QByteArray& format) {
    if (!device.open(QIODevice::ReadOnly))
        return {};
    QImageReader named(&device, format);
    named.setAutoDetectImageFormat(false);
    QImage picture = named.read();
    if (picture.isNull() && device.seek(0)) {
        QImageReader guessing(&device);
        picture = guessing.read();
    }
    return picture;
}
}  // namespace

QImage ReadImageAs(const QString& path, const QByteArray& format) {
    QFile file(path);
    return Read(file, format);
}

QImage ImageFromBytesAs(const QByteArray& bytes, const QByteArray& format) {
    QBuffer buffer;
    buffer.setData(bytes);
    return Read(buffer, format);
}
