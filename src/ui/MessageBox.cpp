#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <utility>

#include "ui/FocusReturn.h"

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}
}  // namespace

QMessageBox* CreateMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    auto* box = new QMessageBox(request.icon, request.caption, request.text, request.buttons, parent);
    box->setObjectName("MessageBox");
    // The buttons speak the program's language, whatever the system's is.
    const std::pair<QMessageBox::StandardButton, const char16_t*> captions[] = {{QMessageBox::Ok, u"确定"},
                                                                                {QMessageBox::Cancel, u"取消"},
                                                                                {QMessageBox::Yes, u"是"},
                                                                                {QMessageBox::No, u"否"}};
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* shown = box->button(button))
            shown->setText(QString::fromUtf16(caption));
    }
    return box;
}

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    if (Hook())
        return Hook()(request);
    const FocusReturn focus(parent);
    QMessageBox* box = CreateMessageBox(parent, request);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box;
    return answer;
}

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}
