#include "DesktopScript.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "ScreenPlace.h"
#include "XTools.h"

namespace {
// Thrown through the steps when one fails.
struct StepsEnded {};

constexpr auto kPoll = std::chrono::milliseconds(20);
}  // namespace

QStringList DesktopScript::Run(const Steps& steps) {
    DesktopScript script;
    std::atomic<bool> done{false};
    std::thread worker([&script, &steps, &done] {
        try {
            steps(script);
        } catch (const StepsEnded&) {
        }
        script.CloseLeftovers();
        done = true;
    });
    while (!done)
        QTest::qWait(10);
    worker.join();
    return script.failures_;
}

void DesktopScript::Gui(const std::function<void()>& work) {
    QMetaObject::invokeMethod(qApp, work, Qt::BlockingQueuedConnection);
}

void DesktopScript::Post(const std::function<void()>& work) {
    QMetaObject::invokeMethod(qApp, work, Qt::QueuedConnection);
}

bool DesktopScript::Holds(const std::function<bool()>& condition, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!Read<bool>(condition)) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

void DesktopScript::WaitFor(const std::function<bool()>& condition, const QString& what,
                            const std::function<QString()>& describe, int milliseconds) {
    if (Holds(condition, milliseconds))
        return;
    Fail(what + (describe ? QStringLiteral(": ") + Read<QString>(describe) : QString()));
}

void DesktopScript::Note(const QString& failure) {
    failures_ << failure;
}

void DesktopScript::Fail(const QString& failure) {
    Note(failure);
    throw StepsEnded{};
}

void DesktopScript::MoveTo(QPoint global) {
    XTools::MoveTo(global);
    WaitFor([global] { return QCursor::pos() == global; },
            QStringLiteral("the pointer did not reach (%1,%2)").arg(global.x()).arg(global.y()));
}

void DesktopScript::ClickAt(QPoint global) {
    MoveTo(global);
    XTools::Click();
}

void DesktopScript::Keys(const QStringList& keys) {
    XTools::Keys(keys);
}

// Menus first, then modal windows from the top down; each is given two seconds to go.
void DesktopScript::CloseLeftovers() {
    for (int round = 0; round < 20; ++round) {
        const QPointer<QWidget> left = Read<QPointer<QWidget>>([] {
            QWidget* popup = QApplication::activePopupWidget();
            return QPointer<QWidget>(popup != nullptr ? popup : QApplication::activeModalWidget());
        });
        if (left.isNull())
            return;
        Post([left] {
            if (auto* dialog = qobject_cast<QDialog*>(left.data()))
                dialog->reject();
            else if (left)
                left->close();
        });
        Holds([left] { return left.isNull() || !left->isVisible(); }, 2000);
    }
    Note(QStringLiteral("windows were left open that would not close: ") + Read<QString>(&ShownWindows));
}

QString Describe(const QWidget* window) {
    const auto where = [](const QRect& rect) {
        return QStringLiteral("(%1,%2) %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    };
    const QRect shown = OnScreen(window);
    QString description =
        QStringLiteral("%1 %2 at %3")
            .arg(QString::fromLatin1(window->metaObject()->className()), window->objectName(), where(shown));
    if (shown != window->geometry())
        description += QStringLiteral(" (the program places it at %1)").arg(where(window->geometry()));
    return description;
}

QString ShownWindows() {
    QStringList shown;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown << Describe(window);
    }
    return shown.join(QStringLiteral("; "));
}
