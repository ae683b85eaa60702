#include "TourCompare.h"

#include <QDir>
#include <QImage>
#include <QSet>

namespace {

QSet<QString> PicturesIn(const QString& folder) {
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    return {names.begin(), names.end()};
}

void ComparePixels(const QImage& a, const QImage& b, TourDifference& difference) {
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (rowA[x] != rowB[x]) {
                ++difference.Pixels;
                difference.Bounds |= QRect(x, y, 1, 1);
            }
        }
    }
}

}  // namespace

std::vector<TourDifference> CompareTours(const QString& before, const QString& after) {
    const QSet<QString> first = PicturesIn(before);
    const QSet<QString> second = PicturesIn(after);
    QStringList all = (first | second).values();
    all.sort();
    std::vector<TourDifference> differences;
    for (const QString& name : all) {
        TourDifference difference{name, {}, 0, {}};
        const QImage a = QImage(QDir(before).filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage b = QImage(QDir(after).filePath(name)).convertToFormat(QImage::Format_ARGB32);
        if (a.isNull() || b.isNull())
            difference.Kind = a.isNull() && !b.isNull() ? QStringLiteral("new") : QStringLiteral("missing");
        else if (a.size() != b.size())
            difference.Kind = QStringLiteral("size");
        else
            ComparePixels(a, b, difference);
        if (difference.Pixels > 0)
            difference.Kind = QStringLiteral("pixels");
        if (!difference.Kind.isEmpty())
            differences.push_back(difference);
    }
    return differences;
}
