#include "skin/TsLabel.h"

TsLabel::TsLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

void TsLabel::SetFontColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}
