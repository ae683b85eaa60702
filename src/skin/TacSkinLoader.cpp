#include "skin/TacSkinLoader.h"

#include <QFile>
#include <QFileInfo>
#include <new>

#include "skin/TacSkinConvertor.h"
#include "skin/TsSkinError.h"
#include "skin/loading/ColorShift.h"
#include "skin/loading/MaskLoader.h"
#include "skin/loading/OptionsStore.h"
#include "skin/loading/PatternLoader.h"
#include "skin/loading/PictureSource.h"
#include "skin/loading/SectionLoader.h"

namespace {

// A failed allocation during a load is the skin's fault like any other: the load fails with one message
// and the previous look stays.
template <typename Load>
TsSkinContent Guarded(Load load) {
    try {
        return load();
    } catch (const std::bad_alloc&) {
        throw TsSkinError(QStringLiteral("内存不足，无法载入皮肤。"));
    }
}

}  // namespace

QByteArray TacSkinLoader::ReadFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TsSkinError(QStringLiteral("无法读取皮肤文件 %1：%2").arg(path, file.errorString()));
    if (file.size() > limit)
        throw TsSkinError(QStringLiteral("皮肤文件 %1 过大。").arg(path));
    return file.read(limit);
}

TsSkinContent TacSkinLoader::Build(const OptionsStore& options, const PictureSource& pictures,
                                   const QString& skinFolder, const Settings& settings, QStringList& warnings) {
    TsSkinContent skin;
    skin.SkinData.SkinFolder = skinFolder;
    MaskLoader::Load(options, pictures, skin);
    PatternLoader::Load(options, pictures, skin);
    SectionLoader::Load(options, skin, warnings);
    if (settings.HueOffset != 0 || settings.Saturation != 0)
        ColorShift::Apply(skin, settings.HueOffset, settings.Saturation);
    SectionLoader::LinkMasks(skin);
    return skin;
}

TsSkinContent TacSkinLoader::FromPackage(const QByteArray& package, const QString& skinFolder, const Settings& settings,
                                         QStringList& warnings) {
    return Guarded([&] {
        TacSkinConvertor convertor;
        convertor.Unpack(package);
        if (!convertor.OptionsText)
            throw TsSkinError(QStringLiteral("皮肤包中没有 Options.dat。"));
        return Build(OptionsStore::Parse(*convertor.OptionsText), PictureSource(convertor), skinFolder, settings,
                     warnings);
    });
}

TsSkinContent TacSkinLoader::FromFolder(const QByteArray& optionsText, const QString& skinFolder,
                                        const Settings& settings, QStringList& warnings) {
    return Guarded([&] {
        return Build(OptionsStore::Parse(optionsText), PictureSource(skinFolder), skinFolder, settings, warnings);
    });
}

TsSkinContent TacSkinLoader::FromPath(const QString& path, QStringList& warnings) {
    const QFileInfo info(path);
    if (info.isDir()) {
        const QString folder = info.absoluteFilePath() + u'/';
        const QString options = folder + QStringLiteral("Options.dat");
        if (!QFileInfo(options).isFile())
            throw TsSkinError(QStringLiteral("文件夹 %1 中没有 Options.dat。").arg(path));
        return FromFolder(ReadFile(options, SkinLimits::kOptionsBytes), folder, {}, warnings);
    }
    return FromPackage(ReadFile(path), info.absolutePath() + u'/', {}, warnings);
}
