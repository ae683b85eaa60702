#pragma once

#include <QApplication>
#include <exception>
#include <functional>

// The application object. An exception that escapes an event handler ends that action only: the
// default handler shows its message in a message box and the window stays usable.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs a step the way an event handler runs: an exception is reported and swallowed.
    static void RunHandled(const std::function<void()>& step);
    static void ShowException(const std::exception& error);
};
