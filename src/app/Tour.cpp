#include "app/Tour.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>
#include <functional>
#include <memory>

#include "app/UFrmMain.h"
#include "app/UfrmConfig.h"
#include "platform/Exception.h"
#include "platform/FormSnapshot.h"
#include "platform/MessageBox.h"

namespace {
void Snapshot(QWidget* window, const QString& dir) {
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    SaveFormSnapshot(window, dir);
    window->hide();
}
}  // namespace

int RunTour(const QString& dir) {
    QTextStream err(stderr);
    if (!QDir().mkpath(dir)) {
        err << "Cannot create the folder " << dir << "\n";
        return 1;
    }
    try {
        Snapshot(frmMain, dir);
        frmMain->show();
        Snapshot(std::make_unique<TfrmConfig>(frmMain).get(), dir);
        std::unique_ptr<QMessageBox> box(CreateMessageBox(
            frmMain,
            {QStringLiteral("提示"), QStringLiteral("进度已保存"), QMessageBox::Information, QMessageBox::Ok}));
        Snapshot(box.get(), dir);
    } catch (const Exception& error) {
        err << error.Message() << "\n";
        return 1;
    }
    QTextStream(stdout) << "The pictures of every window are in " << QDir(dir).absolutePath() << "\n";
    return 0;
}
