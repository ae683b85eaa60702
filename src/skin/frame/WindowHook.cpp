#include "skin/frame/WindowHook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>
#include <optional>

#include "skin/controls/TsSkinManager.h"
#include "skin/frame/SkinnedMenu.h"
#include "skin/frame/TsSkinProvider.h"
#include "ui/X11Display.h"

void WindowHook::Install() {
    static WindowHook* hook = nullptr;
    if (hook || !QCoreApplication::instance())
        return;
    hook = new WindowHook(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(hook);
}

// A menu or list opens at a place worked out from where Qt believes its window is. A window manager can leave
// Qt wrong about that for a moment; the popup and its window then move to where the display shows the window.
void WindowHook::PlaceBesideWindow(QWidget& popup) {
    QWidget* owner = popup.parentWidget() != nullptr ? popup.parentWidget()->window() : nullptr;
    const std::optional<QPoint> shown = owner != nullptr ? DisplayPosition(*owner) : std::nullopt;
    if (!shown)
        return;
    const QPoint off = *shown - owner->mapToGlobal(QPoint(0, 0));
    if (off.isNull())
        return;
    owner->move(owner->pos() + off);
    popup.move(popup.pos() + off);
}

bool WindowHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->windowType() == Qt::Popup) {
        PlaceBesideWindow(*static_cast<QWidget*>(watched));
        return false;
    }
    if (event->type() != QEvent::Polish || !watched->isWidgetType())
        return false;
    // A popup menu is a window without a frame: its adapter paints it whole.
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        if (!SkinnedMenu::Of(menu))
            new SkinnedMenu(menu);
        return false;
    }
    auto* form = static_cast<QWidget*>(watched);
    const Qt::WindowType type = form->windowType();
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!form->isWindow() || (type != Qt::Window && type != Qt::Dialog) || !manager || TsSkinProvider::Of(form))
        return false;
    // Message boxes follow the rule for standard dialogs; every other form, modal or not, the rule for forms.
    const bool messageBox = qobject_cast<QMessageBox*>(form) != nullptr;
    if (manager->SkinningRules.testFlag(messageBox ? TsSkinManager::srStdDialogs : TsSkinManager::srStdForms))
        new TsSkinProvider(form);
    return false;
}
