#include "ui/ActivateOnShow.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Asks for the activation once the window is first on the screen, from the event loop: asked while the
// display is still mapping it, the request is lost.
class Activator : public QObject {
public:
    explicit Activator(QWindow* window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_->isExposed()) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, window_, [window = window_] { window->requestActivate(); });
            deleteLater();
        }
        return false;
    }

private:
    QWindow* window_;
};

}  // namespace

void ActivateOnShow(QWidget& window) {
    window.winId();
    new Activator(window.windowHandle());
}
