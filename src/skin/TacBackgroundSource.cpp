#include "skin/TacBackgroundSource.h"

#include <QCoreApplication>
#include <QWidget>

#include "skin/TsSkinCommandEvent.h"
#include "skin/raster/ItemPainter.h"

namespace TacBackgroundSource {

TsBackgroundInfo InfoOf(const TsBackgroundRequest& request) {
    TsBackgroundInfo info;
    info.PlainColor = request.PlainColor;
    if (request.Kind == TsBackgroundRequest::Picture) {
        info.ParentPicture = request.ParentPicture;
        info.X = request.X;
        info.Y = request.Y;
        info.Ready = true;
    }
    return info;
}

namespace {

// The siblings lower in the stack that share some of the control's place (a picture filling the window, say).
QList<QWidget*> LowerSiblings(QWidget* child) {
    QList<QWidget*> lower;
    for (QObject* object : child->parentWidget()->children()) {
        if (object == child)
            break;
        auto* sibling = qobject_cast<QWidget*>(object);
        if (sibling && !sibling->isWindow() && sibling->isVisibleTo(child->parentWidget()) &&
            sibling->geometry().intersects(child->geometry()))
            lower << sibling;
    }
    return lower;
}

bool LowerSibling(QWidget* child) {
    return !LowerSiblings(child).isEmpty();
}

// A widget's background is painted only when it fills it itself: the rest shows what lies beneath.
QWidget::RenderFlags OwnBackground(const QWidget* widget) {
    return widget->isWindow() || widget->autoFillBackground() ? QWidget::DrawWindowBackground : QWidget::RenderFlags();
}

// The picture under the control: `beneath` (in the parent's coordinates), the parent's own painting over it
// when `paintParent`, and the siblings below the control over that.
TsBackgroundRequest Layered(QWidget* child, const TsBackgroundInfo& beneath, bool paintParent) {
    QWidget* parent = child->parentWidget();
    QImage picture(child->size(), QImage::Format_RGB888);
    ItemPainter::PaintParent(picture, picture.rect(), beneath, child->pos());
    if (paintParent)
        parent->render(&picture, QPoint(0, 0), QRegion(child->geometry()), OwnBackground(parent));
    for (QWidget* sibling : LowerSiblings(child)) {
        const QRect shared = sibling->geometry().intersected(child->geometry());
        sibling->render(&picture, shared.topLeft() - child->pos(), QRegion(shared.translated(-sibling->pos())),
                        OwnBackground(sibling) | QWidget::DrawChildren);
    }
    TsBackgroundRequest request;
    request.Kind = TsBackgroundRequest::Picture;
    request.ParentPicture = picture;
    // The caller adds the control's place back.
    request.X = -child->x();
    request.Y = -child->y();
    return request;
}

// What an unskinned parent shows under the control: what lies beneath the parent, with the parent's own
// painting and the siblings below the control over it.
TsBackgroundRequest PaintedParent(QWidget* child, QWidget* parent, TsSkinManager* manager, int globalColor) {
    TsBackgroundInfo beneath;
    if (parent->isWindow() || parent->autoFillBackground())
        beneath.PlainColor = TacPixels::FromQColor(parent->palette().color(parent->backgroundRole()));
    else
        beneath = InfoOf(Ask(parent, manager, globalColor));
    return Layered(child, beneath, true);
}

}  // namespace

// Asks the parent of `child` what lies under it. A parent that is not skinned does not answer: a plain
// coloured one then gives its colour, any other one is painted (PaintedParent). Siblings below the control
// (a picture filling the window, say) lie over whatever the parent gives.
TsBackgroundRequest Ask(QWidget* child, TsSkinManager* manager, int globalColor) {
    TsBackgroundRequest request;
    QWidget* parent = child->isWindow() ? nullptr : child->parentWidget();
    if (!parent) {
        request.Kind = TsBackgroundRequest::Colour;
        request.PlainColor = globalColor;
        return request;
    }
    TsSkinCommandEvent event(cmdBackgroundRequest, 0, manager, &request);
    QCoreApplication::sendEvent(parent, &event);
    if (request.Kind == TsBackgroundRequest::NotAnswered) {
        if ((parent->isWindow() || parent->autoFillBackground()) && !LowerSibling(child)) {
            request.Kind = TsBackgroundRequest::Colour;
            request.PlainColor = TacPixels::FromQColor(parent->palette().color(parent->backgroundRole()));
        } else if (!child->size().isEmpty()) {
            request = PaintedParent(child, parent, manager, globalColor);
        }
    } else if (LowerSibling(child) && !child->size().isEmpty()) {
        request = Layered(child, InfoOf(request), false);
    }
    if (request.Kind == TsBackgroundRequest::Picture) {
        request.X += child->x();
        request.Y += child->y();
    }
    return request;
}

}  // namespace TacBackgroundSource
