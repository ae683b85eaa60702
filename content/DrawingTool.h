#pragma once

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>

// The frame of the build's drawing tools: `name OUTDIR`, run on the offscreen platform (build machines
// have no display), the folder made when missing; `draw` saves its pictures there with `save`.
namespace DrawingTool {

using Save = std::function<bool(const QImage& picture, const QString& fileName, const char* format, int quality)>;

inline int Run(int argc, char* argv[], const char* name, const std::function<bool(const Save&)>& draw) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", name);
        return 1;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create %s\n", name, qUtf8Printable(args[1]));
        return 1;
    }
    const Save save = [&](const QImage& picture, const QString& fileName, const char* format, int quality) {
        const QString path = out.filePath(fileName);
        if (picture.save(path, format, quality))
            return true;
        std::fprintf(stderr, "%s: cannot write %s\n", name, qUtf8Printable(QDir::toNativeSeparators(path)));
        return false;
    };
    return draw(save) ? 0 : 1;
}

}  // namespace DrawingTool
