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
    std::future<FetchedSkin> Result;
};

Started& Pending() {
    static Started pending;
    return pending;
}

}  // namespace

FetchedSkin Load(const QString& directory, const QString& name, const QString& resolved,
                 SkinLoader::Settings settings) {
    FetchedSkin fetched;
    try {
        // The package is looked for in the directory as given, the folder in the resolved one.
        const QString package = SkinPaths::IncludeBackslash(directory) + name + QStringLiteral(".asz");
        const QString folder = resolved + u'\\' + name + u'\\';
        const QString options = FileSystemPath(folder + QStringLiteral("Options.dat"));
        if (QFileInfo(FileSystemPath(package)).isFile()) {
            fetched.Packed = true;
            fetched.Content = SkinLoader::FromPackage(SkinLoader::ReadFile(FileSystemPath(package)), resolved + u'\\',
                                                      settings, fetched.Warnings);
        } else if (QFileInfo(options).isFile()) {
            fetched.Content = SkinLoader::FromFolder(SkinLoader::ReadFile(options, SkinLimits::kOptionsBytes), folder,
                                                     settings, fetched.Warnings);
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
    pending.Result = std::async(std::launch::async, Load, directory, name, resolved, SkinLoader::Settings{});
}

std::optional<FetchedSkin> Take(const QString& directory, const QString& name, SkinLoader::Settings settings) {
    Started& pending = Pending();
    if (!pending.Result.valid())
        return std::nullopt;
    FetchedSkin fetched = pending.Result.get();
    const SkinLoader::Settings plain;
    if (pending.Directory != directory || pending.Name != name || settings.HueOffset != plain.HueOffset ||
        settings.Saturation != plain.Saturation)
        return std::nullopt;
    return fetched;
}

}  // namespace SkinFetch
