#include "skin/TacSkinLoader.h"

#include <QFile>
#include <QFileInfo>

#include "skin/TacColorShift.h"
#include "skin/TacMaskLoader.h"
#include "skin/TacOptionsStore.h"
#include "skin/TacPatternLoader.h"
#include "skin/TacPictureSource.h"
#include "skin/TacSectionLoader.h"
#include "skin/TacSkinConvertor.h"
#include "skin/TsSkinError.h"

QByteArray TacSkinLoader::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TsSkinError(QStringLiteral("无法读取皮肤文件 %1：%2").arg(path, file.errorString()));
    return file.readAll();
}

TsSkinContent TacSkinLoader::Build(const TacOptionsStore& options, const TacPictureSource& pictures,
                                   const QString& skinFolder, const Settings& settings, QStringList& warnings) {
    TsSkinContent skin;
    skin.SkinData.SkinFolder = skinFolder;
    TacMaskLoader::Load(options, pictures, skin);
    TacPatternLoader::Load(options, pictures, skin);
    TacSectionLoader::Load(options, skin, warnings);
    if (settings.HueOffset != 0 || settings.Saturation != 0)
        TacColorShift::Apply(skin, settings.HueOffset, settings.Saturation);
    TacSectionLoader::LinkMasks(skin);
    return skin;
}

TsSkinContent TacSkinLoader::FromPackage(const QByteArray& package, const QString& skinFolder, const Settings& settings,
                                         QStringList& warnings) {
    TacSkinConvertor convertor;
    convertor.Unpack(package);
    if (!convertor.OptionsText)
        throw TsSkinError(QStringLiteral("皮肤包中没有 Options.dat。"));
    return Build(TacOptionsStore::Parse(*convertor.OptionsText), TacPictureSource(convertor), skinFolder, settings,
                 warnings);
}

TsSkinContent TacSkinLoader::FromFolder(const QByteArray& optionsText, const QString& skinFolder,
                                        const Settings& settings, QStringList& warnings) {
    return Build(TacOptionsStore::Parse(optionsText), TacPictureSource(skinFolder), skinFolder, settings, warnings);
}

TsSkinContent TacSkinLoader::FromPath(const QString& path, QStringList& warnings) {
    const QFileInfo info(path);
    if (info.isDir()) {
        const QString folder = info.absoluteFilePath() + u'/';
        const QString options = folder + QStringLiteral("Options.dat");
        if (!QFileInfo(options).isFile())
            throw TsSkinError(QStringLiteral("文件夹 %1 中没有 Options.dat。").arg(path));
        return FromFolder(ReadFile(options), folder, {}, warnings);
    }
    return FromPackage(ReadFile(path), info.absolutePath() + u'/', {}, warnings);
}
