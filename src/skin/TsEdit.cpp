#include "skin/TsEdit.h"

TsEdit::TsEdit(QWidget* parent) : QLineEdit(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}
