// The least a Qt Widgets program does to show a window: the baseline for start-up measurements.
#include <QApplication>
#include <QWidget>

#include "ui/QuitAfterPaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(705, 430);
    new QuitAfterPaint(&window);
    window.show();
    return QApplication::exec();
}
