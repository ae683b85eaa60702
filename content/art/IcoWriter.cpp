#include "IcoWriter.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

bool IcoWriter::write(const QString& path, const QList<QImage>& images) {
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        if (image.width() > 256 || image.height() > 256) {
            return false;
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            return false;
        }
        pngs.append(png);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());  // reserved, type 1 = icon, entry count
    constexpr quint32 kHeaderSize = 6;
    constexpr quint32 kEntrySize = 16;
    quint32 offset = kHeaderSize + kEntrySize * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A stored size of 0 means 256: the field is a single byte.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0) << quint8(0)
            << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        out.writeRawData(png.constData(), int(png.size()));
    }
    return out.status() == QDataStream::Ok && file.flush();
}
