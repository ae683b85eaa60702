#pragma once

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "platform/GbkText.h"
#include "skin/loading/SkinLoader.h"
#include "skin/loading/TacSkinConvertor.h"

// Small skins made on the spot: an options text and a few pictures, packed as the build packs skins.
namespace SkinFixtures {

inline QByteArray ImageBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QImage Filled(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

using Pictures = std::vector<std::pair<QString, QByteArray>>;

inline QByteArray Package(const QString& options, const Pictures& pictures = {}) {
    std::vector<TacSkinConvertor::SourceEntry> entries{{QStringLiteral("Options.dat"), EncodeGbk(options)}};
    for (const auto& [name, bytes] : pictures)
        entries.push_back({name, bytes});
    return TacSkinConvertor::Pack(entries);
}

inline SkinContent Load(const QString& options, const Pictures& pictures = {}) {
    QStringList warnings;
    SkinContent skin =
        SkinLoader::FromPackage(Package(options, pictures), QStringLiteral("/nonexistent/"), {}, warnings);
    skin.RebuildCachedIndexes();
    return skin;
}

// An options text made of keys "KEY" (of "GLOBALINFO", which names MASTER.BMP as its master bitmap) and
// "SECTION.KEY", after the changes "KEY=VALUE|SECTION.KEY=VALUE" (an empty value takes the key away).
inline QString OptionsWith(QMap<QString, QString> keys, const QString& changes) {
    for (const QString& change : changes.split(u'|', Qt::SkipEmptyParts)) {
        const QString key = change.section(u'=', 0, 0), value = change.section(u'=', 1);
        if (value.isEmpty())
            keys.remove(key);
        else
            keys[key] = value;
    }
    QMap<QString, QStringList> sections{{QStringLiteral("GLOBALINFO"), {QStringLiteral("MASTERBITMAP=MASTER.BMP")}}};
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        const bool global = !it.key().contains(u'.');
        const QString section = global ? QStringLiteral("GLOBALINFO") : it.key().section(u'.', 0, 0);
        sections[section] << (global ? it.key() : it.key().section(u'.', 1)) + u'=' + it.value();
    }
    QString options;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        options += QStringLiteral("[%1]\r\n%2\r\n").arg(it.key(), it.value().join(QStringLiteral("\r\n")));
    return options;
}

inline QString Describe(QRgb c) {
    return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// The probed pixels whose colour differs from the expected one, described.
inline QStringList WrongPixels(const QImage& picture, const QList<QPoint>& points, const QList<uint>& colours) {
    QStringList wrong;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QRgb actual = picture.pixel(points[i]);
        if ((actual & 0xFFFFFF) != (colours[i] & 0xFFFFFF)) {
            wrong << QStringLiteral("at (%1,%2) %3, expected %4")
                         .arg(points[i].x())
                         .arg(points[i].y())
                         .arg(Describe(actual), Describe(colours[i]));
        }
    }
    return wrong;
}

// What went wrong, one line each, with the picture written out for a look when anything did.
inline QString Report(QStringList wrong, const QImage& picture, const QString& name) {
    if (!wrong.isEmpty()) {
        const QString file = QDir::temp().filePath(name + QStringLiteral(".png"));
        picture.save(file);
        wrong << QStringLiteral("picture written to ") + file;
    }
    return wrong.join(u'\n');
}

}  // namespace SkinFixtures
