// Compares the pictures of two screenshot tours, for changes that must not change how any window looks:
//   tour-compare BEFORE AFTER
// Prints one line per picture that differs and exits with status 1 if any does, 0 if all are alike.
#include <QCoreApplication>
#include <cstdio>

#include "TourCompare.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: tour-compare BEFORE AFTER\n", stderr);
        return 2;
    }
    const std::vector<TourDifference> differences = CompareTours(args[1], args[2]);
    for (const TourDifference& d : differences) {
        QString line = d.Picture + QLatin1Char(' ') + d.Kind;
        if (d.Kind == QLatin1String("pixels"))
            line += QStringLiteral(" %1 in %2,%3 %4x%5")
                        .arg(d.Pixels)
                        .arg(d.Bounds.x())
                        .arg(d.Bounds.y())
                        .arg(d.Bounds.width())
                        .arg(d.Bounds.height());
        std::puts(line.toUtf8().constData());
    }
    if (differences.empty())
        std::puts("all pictures alike");
    return differences.empty() ? 0 : 1;
}
