#include "skin/loading/PatternLoader.h"

#include <QHash>

#include "skin/loading/OptionsStore.h"
#include "skin/loading/PictureSource.h"
#include "skin/loading/SkinContent.h"

void PatternLoader::Load(const OptionsStore& options, const PictureSource& pictures, SkinContent& skin) {
    // Skins name one photo for several keys (a pattern and its hot pattern): it is decoded once and shared.
    QHash<QString, QImage> decoded;
    for (const OptionsStore::Section& section : options.Sections()) {
        for (const OptionsStore::Line& line : section.Lines) {
            if (!line.HasKey)
                continue;
            const QString name = line.Value.toUpper();
            if (!name.contains(QLatin1String(".JPG")) && !name.contains(QLatin1String(".JPEG")))
                continue;
            if (!decoded.contains(name))
                decoded.insert(name, pictures.Picture(name, "JPEG"));
            QImage photo = decoded.value(name);
            if (photo.isNull() || photo.width() == 0)
                continue;
            if (static_cast<qint64>(photo.width()) * photo.height() >= kMinPatternPixels) {
                skin.Patterns.push_back({std::move(photo), section.Name.toUpper(), line.Key.toUpper()});
                continue;
            }
            TsMaskData texture;
            texture.Picture = photo.convertToFormat(QImage::Format_RGB888);
            texture.SectionName = section.Name.toUpper();
            texture.PropertyName = line.Key.toUpper();
            texture.ImgType = itisaTexture;
            texture.ImageCount = 1;
            skin.Masks.push_back(std::move(texture));
        }
    }
}
