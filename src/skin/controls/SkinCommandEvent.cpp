#include "skin/controls/SkinCommandEvent.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

void Deliver(QWidget* widget, int command, TsSkinManager* manager) {
    // A control may well destroy children (or itself) while it acts on a command.
    const QPointer<QWidget> alive(widget);
    SkinCommandEvent::Send(widget, command, 0, manager);
    if (!alive || SkinCommandEvent::Send(widget, cmdIsSkinned, 0, manager) == 1)
        return;
    SkinCommandEvent::PassToChildren(widget, command, manager);
}

}  // namespace

void SkinCommandEvent::PassToChildren(QWidget* widget, int command, TsSkinManager* manager) {
    // Windows among the children are top-level forms of their own and are reached as such.
    QList<QPointer<QWidget>> children;
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            children << child;
    }
    for (const QPointer<QWidget>& child : children) {
        if (child)
            Deliver(child, command, manager);
    }
}

int SkinCommandEvent::Send(QWidget* target, int command, int argument, TsSkinManager* manager) {
    SkinCommandEvent event(command, argument, manager);
    QCoreApplication::sendEvent(target, &event);
    return event.Answer;
}

void SkinCommandEvent::Broadcast(int command, TsSkinManager* manager) {
    QList<QPointer<QWidget>> forms;
    for (QWidget* form : QApplication::topLevelWidgets())
        forms.prepend(form);
    for (const QPointer<QWidget>& form : forms) {
        if (form)
            Deliver(form, command, manager);
    }
}
