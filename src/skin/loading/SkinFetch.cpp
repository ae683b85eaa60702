#include "skin/loading/SkinFetch.h"

#include <QFileInfo>
#include <future>

#include "platform/AppDir.h"
#include "skin/loading/SkinPaths.h"

namespace SkinFetch {

namespace {

struct Started {
    QString Directory;
    QString Name;
    std::future<TsFetchedSkin> Result;
};

Started& Pending() {
    static Started pending;
    return pending;
}

}  // namespace

TsFetchedSkin Load(const QString& directory, const QString& name, const QString& resolved,
                   TacSkinLoader::Settings settings) {
    TsFetchedSkin fetched;
    try {
        // The package is looked for in the directory as given, the folder in the resolved one.
        const QString package = SkinPaths::IncludeBackslash(directory) + name + QStringLiteral(".asz");
        const QString folder = resolved + u'\\' + name + u'\\';
        const QString options = FileSystemPath(folder + QStringLiteral("Options.dat"));
        if (QFileInfo(FileSystemPath(package)).isFile()) {
            fetched.Packed = true;
            fetched.Content = TacSkinLoader::FromPackage(TacSkinLoader::ReadFile(FileSystemPath(package)),
                                                         resolved + u'\\', settings, fetched.Warnings);
        } else if (QFileInfo(options).isFile()) {
            fetched.Content = TacSkinLoader::FromFolder(TacSkinLoader::ReadFile(options, SkinLimits::kOptionsBytes),
                                                        folder, settings, fetched.Warnings);
        }
    } catch (...) {
        fetched.Error = std::current_exception();
    }
    return fetched;
}

void Start(const QString& directory, const QString& name, const QString& resolved) {
    Started& pending = Pending();
    if (pending.Result.valid())
        pending.Result.wait();
    pending.Directory = directory;
    pending.Name = name;
    pending.Result = std::async(std::launch::async, Load, directory, name, resolved, TacSkinLoader::Settings{});
}

std::optional<TsFetchedSkin> Take(const QString& directory, const QString& name, TacSkinLoader::Settings settings) {
    Started& pending = Pending();
    if (!pending.Result.valid())
        return std::nullopt;
    TsFetchedSkin fetched = pending.Result.get();
    const TacSkinLoader::Settings plain;
    if (pending.Directory != directory || pending.Name != name || settings.HueOffset != plain.HueOffset ||
        settings.Saturation != plain.Saturation)
        return std::nullopt;
    return fetched;
}

}  // namespace SkinFetch
