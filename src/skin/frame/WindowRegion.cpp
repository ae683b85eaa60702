#include "skin/frame/WindowRegion.h"

#include <algorithm>

#include "skin/loading/SkinContent.h"
#include "skin/raster/Pixels.h"

namespace WindowRegion {

namespace {

class CutOutScanner {
public:
    CutOutScanner(const SkinContent& skin, QSize window, std::vector<QRect>& cutOuts)
        : skin_(skin), window_(window), cutOuts_(cutOuts) {}

    // Scans the border mask of `sectionName`: its top margin rows, and its bottom ones when `bottomToo`.
    void Scan(const QString& sectionName, bool bottomToo) {
        const int section = skin_.SectionIndexOf(sectionName);
        if (section < 0)
            return;
        const int maskIndex = skin_.Sections[static_cast<std::size_t>(section)].BorderMaskIndex;
        if (maskIndex < 0 || maskIndex >= static_cast<int>(skin_.Masks.size()))
            return;
        const TsMaskData& mask = skin_.Masks[static_cast<std::size_t>(maskIndex)];
        const QImage& source = mask.Picture.isNull() ? skin_.MasterBitmap : mask.Picture;
        if (source.isNull())
            return;
        picture_ = Pixels::As24(source);
        imageLeft_ = mask.Slice.Left;
        imageTop_ = mask.Slice.Top;
        width_ = mask.ImageWidth();
        const int height = mask.RowHeight();
        left_ = std::min(mask.BorderLeft(), width_);
        right_ = std::min(mask.BorderRight(), width_);

        for (int row = 0; row < std::min(mask.BorderTop(), height); ++row)
            ScanRow(row, row);
        if (bottomToo) {
            for (int row = height - std::min(mask.BorderBottom(), height); row < height; ++row)
                ScanRow(row, window_.height() - height + row);
        }
    }

private:
    void ScanRow(int row, int y) {
        AddRuns(row, 0, left_, 0, y);
        AddRuns(row, width_ - right_, width_, window_.width() - width_, y);
    }

    bool IsKey(int column, int row) const {
        const int x = imageLeft_ + column, y = imageTop_ + row;
        return picture_.valid(x, y) && Pixels::Get(picture_, x, y) == Pixels::kKey;
    }

    // Every run of key pixels among columns [from, to) of the image row becomes one cut-out, `offset`
    // pixels further right in the window.
    void AddRuns(int row, int from, int to, int offset, int y) {
        int column = from;
        while (column < to) {
            if (!IsKey(column, row)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < to && IsKey(column, row))
                ++column;
            const QRect cut = QRect(offset + start, y, column - start, 1) & QRect(QPoint(0, 0), window_);
            if (!cut.isEmpty())
                cutOuts_.push_back(cut);
        }
    }

    const SkinContent& skin_;
    QSize window_;
    std::vector<QRect>& cutOuts_;
    QImage picture_;
    int imageLeft_ = 0, imageTop_ = 0, width_ = 0, left_ = 0, right_ = 0;
};

}  // namespace

WindowOutline Build(const SkinContent& skin, const QString& formSection, const QString& titleSection, QSize window,
                    bool maximized, const QMargins& frame) {
    const QRect whole(QPoint(0, 0), window);
    WindowOutline region;
    if (maximized) {
        region.Region = QRegion(whole.marginsRemoved(frame));
        return region;
    }
    CutOutScanner scanner(skin, window, region.CutOuts);
    scanner.Scan(formSection, true);
    scanner.Scan(titleSection, false);
    region.Region = QRegion(whole);
    for (const QRect& cut : region.CutOuts)
        region.Region -= cut;
    return region;
}

}  // namespace WindowRegion
