#pragma once

#include <QApplication>
#include <exception>
#include <functional>
#include <utility>

// The application object. An exception that escapes an event handler ends that action only: the
// default handler shows its message in a message box and the window stays usable.
//
// Command handlers are connected through Handled(), which reports an exception at the handler's own
// boundary: unwinding through the toolkit's event delivery would leave its event state behind. The
// override of notify() is the net for everything else.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs a step the way an event handler runs: an exception is reported and swallowed.
    static void RunHandled(const std::function<void()>& step);
    static void ShowException(const std::exception& error);
};

// A command handler for connect(): runs `handler` under the default handler.
inline auto Handled(std::function<void()> handler) {
    return [handler = std::move(handler)] { Application::RunHandled(handler); };
}
