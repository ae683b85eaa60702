#include "skin/TsMemo.h"

TsMemo::TsMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFocusPolicy(Qt::ClickFocus);
}

void TsMemo::SetText(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(lines);
}

void TsMemo::SetBackground(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, color);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}
