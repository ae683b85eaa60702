#pragma once

#include <QObject>

// Gives every form and dialog of the application a skin provider before it is first shown, as the skin
// manager's skinning rules allow, so that all windows share the skinned frame.
class WindowHook : public QObject {
    Q_OBJECT

public:
    // Watches the whole application from now on; once is enough.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
