#pragma once

#include <QBuffer>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

#include "platform/GbkText.h"
#include "skin/TacSkinConvertor.h"
#include "skin/TacSkinLoader.h"

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

inline TsSkinContent Load(const QString& options, const Pictures& pictures = {}) {
    QStringList warnings;
    TsSkinContent skin =
        TacSkinLoader::FromPackage(Package(options, pictures), QStringLiteral("/nonexistent/"), {}, warnings);
    skin.RebuildCachedIndexes();
    return skin;
}

}  // namespace SkinFixtures
