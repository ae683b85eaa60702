#include "skin/controls/TsStatusBar.h"

#include <QPainter>

#include "skin/controls/BottomAnchor.h"
#include "skin/controls/ControlPainter.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/raster/MaskPainter.h"
#include "skin/raster/TextPainter.h"

TsStatusBar::TsStatusBar(QWidget* parent) : QWidget(parent) {
    new BottomAnchor(this, kHeight);
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) { PaintSkinned(cache, background); });
}

// One panel over the whole bar, in the section's panel frame when it has one; the text is cut with "..."
// to fit inside the panel less 2 pixels left, 4 right and 1 at the bottom.
void TsStatusBar::PaintSkinned(QImage& cache, const BackgroundInfo& background) {
    ControlPainter(skinData_).PaintItem(cache, background, true, 0, cache.rect());
    const SkinContent& skin = skinData_.Manager()->Skin();
    const int panelMask =
        skin.MaskIndexOf(skinData_.SectionIdx(), skinData_.SkinSection(), QStringLiteral("STATUSPANELMASK"));
    if (panelMask >= 0)
        MaskPainter::DrawBorder(cache, cache.rect(), true, 0, skin, panelMask, background, QPoint(0, 0));
    const QRect area = cache.rect().adjusted(2, 0, -4, -1);
    QPainter painter(&cache);
    painter.setFont(font());
    ControlPainter(skinData_).DrawText(painter, TextPainter::CutToFit(painter.fontMetrics(), text_, area.width()), area,
                                       Qt::AlignCenter, false);
}

void TsStatusBar::SetPanelText(const QString& text) {
    text_ = text;
    update();
}

void TsStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (skinData_.PaintCached(painter, {.Text = text_}))
        return;
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, PlainLook::kFaceBottom);
    gradient.setColorAt(1, QColor(196, 214, 236));
    painter.fillRect(rect(), gradient);
    painter.setPen(PlainLook::kBorder);
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(PlainLook::kText);
    painter.drawText(rect().adjusted(2, 1, -2, 0), Qt::AlignCenter, text_);
}
