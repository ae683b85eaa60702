#include "ui/Application.h"

#include "platform/Exception.h"
#include "ui/MessageBox.h"

namespace {
QString MessageOf(const std::exception& error) {
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->Message();
    return QString::fromLocal8Bit(error.what());
}
}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

// Every event passes here, so the net costs no more than a try block.
bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return false;
    }
}

void Application::RunHandled(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

void Application::ShowException(const std::exception& error) {
    ShowMessageBox(QApplication::activeWindow(),
                   {QApplication::applicationDisplayName(), MessageOf(error), QMessageBox::Critical, QMessageBox::Ok});
}
