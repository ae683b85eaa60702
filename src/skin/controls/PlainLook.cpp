#include "skin/controls/PlainLook.h"

#include <QAbstractButton>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>

namespace PlainLook {

void PaintRaised(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom, int radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, gradient);
    painter.setPen(kBorder);
    painter.drawPath(path);
    painter.restore();
}

void PaintButtonFace(QPainter& painter, const QRect& rect, bool hot, bool down, int radius) {
    if (down) {
        PaintRaised(painter, rect, kDownTop, kDownBottom, radius);
    } else if (hot) {
        PaintRaised(painter, rect, kHotTop, kHotBottom, radius);
    } else {
        PaintRaised(painter, rect, kFaceTop, kFaceBottom, radius);
    }
}

void PaintCheckable(QAbstractButton& button, bool radio) {
    QPainter painter(&button);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.state |= button.isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (button.isDown())
        option.state |= QStyle::State_Sunken;
    QStyle* style = button.style();
    option.rect =
        style->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, &button);
    style->drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &option, &painter,
                         &button);

    const QRect caption(option.rect.right() + 5, 0, button.width() - option.rect.right() - 5, button.height());
    painter.setPen(
        button.palette().color(button.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip, button.text());
    if (button.hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(&button);
        focus.rect =
            painter.boundingRect(caption, Qt::AlignVCenter | Qt::AlignLeft, button.text()).adjusted(-1, 0, 1, 0);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &button);
    }
}

}  // namespace PlainLook
