#include "practice/CommandKeys.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace CommandKeys {

void MakeTabStop(QAbstractButton* button) {
    button->setFocusPolicy(Qt::TabFocus);
}

// The shortcut belongs to the button, so it is off while the button is hidden or disabled.
void Bind(QAbstractButton* button, const QKeySequence& key) {
    auto* shortcut = new QShortcut(key, button);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    button->setToolTip(Hint(key));
}

QString Hint(const QKeySequence& key) {
    return QStringLiteral("快捷键：") + key.toString(QKeySequence::PortableText);
}

void ChainTabStops(std::initializer_list<QWidget*> widgets) {
    for (auto widget = widgets.begin(); widget + 1 != widgets.end(); ++widget)
        QWidget::setTabOrder(*widget, *(widget + 1));
}

}  // namespace CommandKeys
