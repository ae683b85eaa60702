#include "platform/MessageBox.h"

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}
}  // namespace

QMessageBox* CreateMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    auto* box = new QMessageBox(request.icon, request.caption, request.text, request.buttons, parent);
    box->setObjectName("MessageBox");
    return box;
}

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    if (Hook()) return Hook()(request);
    QMessageBox* box = CreateMessageBox(parent, request);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box;
    return answer;
}

void SetMessageBoxHookForTesting(MessageBoxHook hook) { Hook() = std::move(hook); }
