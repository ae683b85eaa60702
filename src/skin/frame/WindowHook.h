#pragma once

#include <QObject>

class QWidget;

// Gives every form and dialog of the application a skin provider before it is first shown, as the skin
// manager's skinning rules allow, so that all windows share the skinned frame; and opens every menu and list
// where its window really is.
class WindowHook : public QObject {
    Q_OBJECT

public:
    // Watches the whole application from now on; once is enough.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void PlaceBesideWindow(QWidget& popup);
};
