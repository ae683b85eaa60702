#include "Openings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <optional>

#include "DesktopScript.h"
#include "ScreenPlace.h"
#include "app/UFrmMain.h"

namespace {
// How far from the middle of its owner a window may lie: a window manager's frame moves it a little.
constexpr int kCentreSlack = 16;
// How far from its control's corner a menu or list may open.
constexpr int kBesideSlack = 4;

QRect ScreenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QRect GlobalRect(const QWidget* control) {
    return {OnScreen(control, QPoint(0, 0)), control->size()};
}

bool CentredOver(const QRect& frame, const QRect& owner) {
    const QPoint offset = frame.center() - owner.center();
    return std::abs(offset.x()) <= kCentreSlack && std::abs(offset.y()) <= kCentreSlack;
}

QString Where(const QRect& rect) {
    return QStringLiteral("(%1,%2) %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// The control of that name on top, once it can be pressed: an item of the open menu, else a control of the
// top window.
QObject* Control(const QString& name) {
    QWidget* top = TopWindow();
    if (auto* menu = qobject_cast<QMenu*>(top)) {
        for (QAction* item : menu->actions()) {
            if (item->objectName() == name)
                return item;
        }
        return nullptr;
    }
    auto* control = top->findChild<QWidget*>(name);
    if (control == nullptr || !control->isVisible() || !control->isEnabled() || top->windowHandle() == nullptr ||
        !top->windowHandle()->isExposed())
        return nullptr;
    return control;
}

void Press(QObject* control) {
    if (auto* item = qobject_cast<QAction*>(control)) {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            menu->close();
        item->trigger();
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->showPopup();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->click();
    }
}
}  // namespace

const std::vector<Opening>& Openings() {
    static const std::vector<Opening> openings{
        // The settings dialog, the practice windows, the exam and the pages open centred on the screen, as
        // their layouts say; every other window over the window that opens it.
        {QStringLiteral("settings dialog"), {"sBitBtn8"}, "frmConfig", "screen"},
        {QStringLiteral("records window"), {"btnRecords"}, "frmRecords", "frmMain"},
        {QStringLiteral("sequential practice"), {"sBitBtn1"}, "frmTest", "screen"},
        {QStringLiteral("random practice"), {"sBitBtn2"}, "frmTest2", "screen"},
        {QStringLiteral("mock exam"), {"sSpeedButton1"}, "frmMNKS", "screen"},
        {QStringLiteral("exam unanswered box"), {"sSpeedButton1", "btnNext"}, "QMessageBox", "frmMNKS"},
        {QStringLiteral("practice end box"), {"sBitBtn1", "sSpeedButton7"}, "QMessageBox", "frmTest"},
        {QStringLiteral("progress saved box"), {"sBitBtn1", "sSpeedButton6"}, "QMessageBox", "frmTest"},
        {QStringLiteral("remove learner box"), {"btnRecords", "btnRemove"}, "QMessageBox", "frmRecords"},
        {QStringLiteral("chapter menu"), {"btnZJ"}, "PopupMenu1", "btnZJ"},
        {QStringLiteral("law menu"), {"btnFG"}, "PopupMenu2", "btnFG"},
        {QStringLiteral("sign menu"), {"btnBZ"}, "PopupMenu3", "btnBZ"},
        {QStringLiteral("tip menu"), {"btnJQ"}, "PopupMenu4", "btnJQ"},
        {QStringLiteral("game menu"), {"btnGame"}, "PopupMenu5", "btnGame"},
        {QStringLiteral("learner list"), {"btnRecords", "cbLearner"}, "popup", "cbLearner"},
        {QStringLiteral("law page"), {"btnFG", "N11"}, "frmBrowse", "screen", true},
        {QStringLiteral("game window"), {"btnGame", "N22"}, "frmBrowse", "screen", true},
    };
    return openings;
}

QWidget* Shown(const QString& name) {
    if (name == QLatin1String("QMessageBox"))
        return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (name == QLatin1String("popup"))
        return QApplication::activePopupWidget();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == name)
            return window;
    }
    return nullptr;
}

QWidget* TopWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return frmMain;
}

void PressThrough(DesktopScript& script, const QStringList& clicks) {
    for (const QString& name : clicks) {
        QObject* control = nullptr;
        script.WaitFor(
            [&control, &name] {
                control = Control(name);
                return control != nullptr;
            },
            QStringLiteral("%1 is not there to press on the window on top").arg(name),
            [] { return QStringLiteral("on top is ") + Describe(TopWindow()); }, 3000);
        // A person presses only once the window stands still: a window manager may still be placing it.
        QRect seen;
        int still = 0;
        script.Holds(
            [&control, &seen, &still] {
                const auto* widget = qobject_cast<const QWidget*>(control);
                const QRect now = widget != nullptr ? OnScreen(widget->window()) : QRect();
                still = now == seen ? still + 1 : 0;
                seen = now;
                return still >= 6;
            },
            1500);
        const QPointer<QObject> pressed(control);
        script.Post([pressed] {
            if (pressed)
                Press(pressed);
        });
        script.Holds([pressed] { return pressed.isNull() || Control(pressed->objectName()) != pressed; }, 1000);
    }
}

void Open(DesktopScript& script, const Opening& opening) {
    PressThrough(script, opening.clicks);
    script.WaitFor([&opening] { return Shown(opening.opens) != nullptr; },
                   opening.opens + QStringLiteral(" does not open"), &ShownWindows, opening.pages ? 15000 : 3000);
}

QString PlacementFault(const Opening& opening) {
    const QWidget* shown = Shown(opening.opens);
    if (shown == nullptr)
        return opening.opens + QStringLiteral(" is not shown");
    const QRect frame = OnScreen(shown);
    if (!PlacedAsShown(shown))
        return Describe(shown) + QStringLiteral(": the program places it elsewhere");
    if (!ScreenArea().contains(frame))
        return Describe(shown) + QStringLiteral(" is not wholly on the screen ") + Where(ScreenArea());
    QStringList owners;
    for (const QString& owner : opening.owner.split(u'|')) {
        if (owner == QLatin1String("screen")) {
            if (CentredOver(frame, ScreenArea()))
                return {};
            owners << QStringLiteral("the screen ") + Where(ScreenArea());
            continue;
        }
        if (const QWidget* window = Shown(owner)) {
            if (CentredOver(frame, OnScreen(window)))
                return {};
            owners << Describe(window);
            continue;
        }
        const QWidget* control = nullptr;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (control == nullptr && window->isVisible())
                control = window->findChild<QWidget*>(owner);
        }
        if (control == nullptr)
            return owner + QStringLiteral(" is not shown");
        const QRect beside = GlobalRect(control);
        const QPoint corner =
            qobject_cast<const QMenu*>(shown) != nullptr ? beside.bottomLeft() + QPoint(0, 1) : beside.topLeft();
        const bool besideIt = qobject_cast<const QMenu*>(shown) != nullptr
                                  ? (frame.topLeft() - corner).manhattanLength() <= kBesideSlack
                                  : std::abs(frame.left() - corner.x()) <= 2 * kBesideSlack &&
                                        frame.top() <= beside.bottom() + kBesideSlack &&
                                        frame.bottom() >= beside.top() - kBesideSlack;
        if (besideIt)
            return {};
        owners << QStringLiteral("its control %1 at %2").arg(owner, Where(beside));
    }
    return Describe(shown) + QStringLiteral(" does not lie over or beside ") + owners.join(QStringLiteral(" or "));
}
