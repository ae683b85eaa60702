#include "questionview/AnswerKeys.h"

#include <QKeyEvent>

namespace AnswerKeys {

Key Read(const QKeyEvent& event) {
    if (event.modifiers() != Qt::AltModifier)
        return {};
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_D)
        return {Action::Option, key - Qt::Key_A + 1};
    if (key == Qt::Key_N)
        return {Action::Next, 0};
    if (key == Qt::Key_P)
        return {Action::Prior, 0};
    return {};
}

QString OptionHint(int option) {
    return QStringLiteral("快捷键：Alt+") + QChar(u'A' + option - 1);
}

QString NextHint() {
    return QStringLiteral("快捷键：Alt+N");
}

QString PriorHint() {
    return QStringLiteral("快捷键：Alt+P");
}

}  // namespace AnswerKeys
