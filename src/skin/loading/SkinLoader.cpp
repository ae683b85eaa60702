#include "skin/loading/SkinLoader.h"

#include <QFile>
#include <QFileInfo>
#include <new>

#include "skin/loading/ColorShift.h"
#include "skin/loading/MaskLoader.h"
#include "skin/loading/OptionsStore.h"
#include "skin/loading/PatternLoader.h"
#include "skin/loading/PictureSource.h"
#include "skin/loading/SectionLoader.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/TacSkinConvertor.h"

namespace {

// A failed allocation during a load is the skin's fault like any other: the load fails with one message
// and the previous look stays.
template <typename Load>
SkinContent Guarded(Load load) {
    try {
        return load();
    } catch (const std::bad_alloc&) {
        throw SkinError(QStringLiteral("内存不足，无法载入皮肤。"));
    }
}

}  // namespace

QByteArray SkinLoader::ReadFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SkinError(QStringLiteral("无法读取皮肤文件 %1：%2").arg(path, file.errorString()));
    if (file.size() > limit)
        throw SkinError(QStringLiteral("皮肤文件 %1 过大。").arg(path));
    return file.read(limit);
}

SkinContent SkinLoader::Build(const OptionsStore& options, const PictureSource& pictures, const QString& skinFolder,
                              const Settings& settings, QStringList& warnings) {
    SkinContent skin;
    skin.SkinData.SkinFolder = skinFolder;
    MaskLoader::Load(options, pictures, skin);
    PatternLoader::Load(options, pictures, skin);
    SectionLoader::Load(options, skin, warnings);
    if (settings.HueOffset != 0 || settings.Saturation != 0)
        ColorShift::Apply(skin, settings.HueOffset, settings.Saturation);
    SectionLoader::LinkMasks(skin);
    return skin;
}

SkinContent SkinLoader::FromPackage(const QByteArray& package, const QString& skinFolder, const Settings& settings,
                                    QStringList& warnings) {
    return Guarded([&] {
        TacSkinConvertor convertor;
        convertor.Unpack(package);
        if (!convertor.OptionsText)
            throw SkinError(QStringLiteral("皮肤包中没有 Options.dat。"));
        return Build(OptionsStore::Parse(*convertor.OptionsText), PictureSource(convertor), skinFolder, settings,
                     warnings);
    });
}

SkinContent SkinLoader::FromFolder(const QByteArray& optionsText, const QString& skinFolder, const Settings& settings,
                                   QStringList& warnings) {
    return Guarded([&] {
        return Build(OptionsStore::Parse(optionsText), PictureSource(skinFolder), skinFolder, settings, warnings);
    });
}

SkinContent SkinLoader::FromPath(const QString& path, QStringList& warnings) {
    const QFileInfo info(path);
    if (info.isDir()) {
        const QString folder = info.absoluteFilePath() + u'/';
        const QString options = folder + QStringLiteral("Options.dat");
        if (!QFileInfo(options).isFile())
            throw SkinError(QStringLiteral("文件夹 %1 中没有 Options.dat。").arg(path));
        return FromFolder(ReadFile(options, SkinLimits::kOptionsBytes), folder, {}, warnings);
    }
    return FromPackage(ReadFile(path), info.absolutePath() + u'/', {}, warnings);
}
