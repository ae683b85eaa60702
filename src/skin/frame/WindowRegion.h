#pragma once

#include <QMargins>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <vector>

class SkinContent;

struct WindowOutline {
    QRegion Region;
    std::vector<QRect> CutOuts;  // one pixel high, in window coordinates
};

// The outline of a skinned window: its rectangle without the 0xFF00FF pixels that the frame's border
// masks show along the window's edges, so that rounded or notched corners let the desktop through.
namespace WindowRegion {

// Scans the first state image of the form section's border mask (its top margin rows against the
// window's top edge, its bottom margin rows against the bottom edge) and of the title section's
// border mask (top margin rows only); in each of those rows the left margin columns lie at the window's
// left edge and the right margin columns at its right edge. A maximised window (a top-level one without
// size limits) keeps its frame outside the region instead, and cuts nothing.
WindowOutline Build(const SkinContent& skin, const QString& formSection, const QString& titleSection, QSize window,
                    bool maximized, const QMargins& frame);

}  // namespace WindowRegion
