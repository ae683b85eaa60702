#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// A learner's steps on the real display. They run on a thread of their own and send real X input, while the
// test's thread serves the program's events, its modal windows and menus included, as the program's own
// thread does for a person. A step that fails is noted and ends the steps; whatever popup or modal window
// they leave open is closed afterwards, so the next test starts from the main window alone.
class DesktopScript {
public:
    using Steps = std::function<void(DesktopScript&)>;
    // Runs the steps; hands back what failed, one line each.
    static QStringList Run(const Steps& steps);

    // Runs `work` on the test's thread and waits for it. `work` must not open a modal window or a menu: Post
    // such work.
    void Gui(const std::function<void()>& work);
    template <typename T>
    T Read(const std::function<T()>& read) {
        T value{};
        Gui([&value, &read] { value = read(); });
        return value;
    }
    // Queues `work` on the test's thread without waiting for it.
    void Post(const std::function<void()>& work);

    // Waits until `condition`, asked on the test's thread, holds, and says whether it came to hold within
    // `milliseconds`.
    bool Holds(const std::function<bool()>& condition, int milliseconds = 3000);
    // The same; if it does not hold, the steps fail with `what` and what `describe` says of the display then.
    void WaitFor(const std::function<bool()>& condition, const QString& what,
                 const std::function<QString()>& describe = {}, int milliseconds = 3000);
    // Notes a failure and goes on.
    void Note(const QString& failure);
    // Notes a failure and ends the steps.
    [[noreturn]] void Fail(const QString& failure);

    // The pointer, moved as a person moves it, and the left button clicked there, in screen coordinates.
    void MoveTo(QPoint global);
    void ClickAt(QPoint global);
    // Keys in xdotool's names, as the learner presses them.
    void Keys(const QStringList& keys);

private:
    DesktopScript() = default;
    void CloseLeftovers();

    QStringList failures_;
};

// What a window is called in a failure: its class, object name and place on the screen, and the program's
// idea of its place where that differs.
QString Describe(const QWidget* window);
// The top-level windows shown now, each described.
QString ShownWindows();
