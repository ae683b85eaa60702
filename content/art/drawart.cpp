// Draws the program's pictures at build time: drawart OUTDIR

#include "BannerPainter.h"
#include "ExamBackgroundPainter.h"
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

    const bool ok = save(BannerPainter::paint(), out.filePath(QStringLiteral("banner.bmp")), "BMP") &&
                    save(IconPainter::paint(256), out.filePath(QStringLiteral("quorvane.png")), "PNG") &&
                    save(ExamBackgroundPainter::paint(), out.filePath(QStringLiteral("exam.bmp")), "BMP");
    return ok ? 0 : 1;
}
