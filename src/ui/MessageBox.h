#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Every message box of the program goes through here, so that they all look alike and a test can
// answer them without a modal loop.
struct MessageBoxRequest {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const MessageBoxRequest& request);

// Builds the box that ShowMessageBox would show, without showing it (the screenshot tour uses it).
QMessageBox* CreateMessageBox(QWidget* parent, const MessageBoxRequest& request);

// While a hook is set, boxes are not shown: the hook sees each request and gives the answer. Tests
// answer with it, and the screenshot tour, which must never wait for a person.
using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;
void SetMessageBoxHook(MessageBoxHook hook);
