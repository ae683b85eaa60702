// Draws the program's pictures at build time: drawart OUTDIR

#include "BannerPainter.h"
#include "IcoWriter.h"
#include "IconPainter.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format)) {
        return true;
    }
    std::fprintf(stderr, "drawart: cannot write %s\n", qUtf8Printable(QDir::toNativeSeparators(path)));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Runs on build machines without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: drawart OUTDIR\n");
        return 1;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "drawart: cannot create %s\n", qUtf8Printable(args[1]));
        return 1;
    }

    const QImage icon = IconPainter::paint(256);
    const QList<QImage> iconSizes{IconPainter::paint(16), IconPainter::paint(24), IconPainter::paint(32),
                                  IconPainter::paint(48), icon};
    const bool ok = save(BannerPainter::paint(), out.filePath(QStringLiteral("banner.bmp")), "BMP") &&
                    save(icon, out.filePath(QStringLiteral("quorvane.png")), "PNG");
    if (!ok) {
        return 1;
    }
    if (!IcoWriter::write(out.filePath(QStringLiteral("quorvane.ico")), iconSizes)) {
        std::fprintf(stderr, "drawart: cannot write quorvane.ico\n");
        return 1;
    }
    return 0;
}
