#include "skin/controls/BackgroundSource.h"

#include <QCoreApplication>
#include <QWidget>

#include "skin/controls/SkinCommandEvent.h"
#include "skin/raster/ItemPainter.h"

namespace BackgroundSource {

BackgroundInfo InfoOf(const BackgroundRequest& request) {
    BackgroundInfo info;
    info.PlainColor = request.PlainColor;
    if (request.Kind == BackgroundRequest::Picture) {
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
BackgroundRequest Layered(QWidget* child, const BackgroundInfo& beneath, bool paintParent) {
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
    BackgroundRequest request;
    request.Kind = BackgroundRequest::Picture;
    request.ParentPicture = picture;
    // The caller adds the control's place back.
    request.X = -child->x();
    request.Y = -child->y();
    return request;
}

// What an unskinned parent shows under the control: what lies beneath the parent, with the parent's own
// painting and the siblings below the control over it.
BackgroundRequest PaintedParent(QWidget* child, QWidget* parent, TsSkinManager* manager, int globalColor) {
    BackgroundInfo beneath;
    if (parent->isWindow() || parent->autoFillBackground())
        beneath.PlainColor = Pixels::FromQColor(parent->palette().color(parent->backgroundRole()));
    else
        beneath = InfoOf(Ask(parent, manager, globalColor));
    return Layered(child, beneath, true);
}

}  // namespace

// Asks the parent of `child` what lies under it. A parent that is not skinned does not answer: a plain
// coloured one then gives its colour, any other one is painted (PaintedParent). Siblings below the control
// (a picture filling the window, say) lie over whatever the parent gives.
BackgroundRequest Ask(QWidget* child, TsSkinManager* manager, int globalColor) {
    BackgroundRequest request;
    QWidget* parent = child->isWindow() ? nullptr : child->parentWidget();
    if (!parent) {
        request.Kind = BackgroundRequest::Colour;
        request.PlainColor = globalColor;
        return request;
    }
    SkinCommandEvent event(cmdBackgroundRequest, 0, manager, &request);
    QCoreApplication::sendEvent(parent, &event);
    if (request.Kind == BackgroundRequest::NotAnswered) {
        if ((parent->isWindow() || parent->autoFillBackground()) && !LowerSibling(child)) {
            request.Kind = BackgroundRequest::Colour;
            request.PlainColor = Pixels::FromQColor(parent->palette().color(parent->backgroundRole()));
        } else if (!child->size().isEmpty()) {
            request = PaintedParent(child, parent, manager, globalColor);
        }
    } else if (LowerSibling(child) && !child->size().isEmpty()) {
        request = Layered(child, InfoOf(request), false);
    }
    if (request.Kind == BackgroundRequest::Picture) {
        request.X += child->x();
        request.Y += child->y();
    }
    return request;
}

}  // namespace BackgroundSource
