#pragma once

#include <QRect>
#include <QString>
#include <vector>

// How the pictures of two screenshot tours differ, window by window ("frmMain.png" and so on).
struct TourDifference {
    QString Picture;  // the file name, the same in both folders
    QString Kind;     // "missing" (only in the first), "new" (only in the second), "size" or "pixels"
    int Pixels = 0;   // for "pixels": how many differ
    QRect Bounds;     // for "pixels": the smallest rectangle holding them
};

// Compares every PNG picture of `before` with the one of the same name in `after`, pixel by pixel.
// An empty list means the tours look exactly alike. A picture that cannot be read counts as missing.
std::vector<TourDifference> CompareTours(const QString& before, const QString& after);
