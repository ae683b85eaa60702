#include <QFileInfo>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

#include "app/Tour.h"
#include "app/UFrmMain.h"
#include "app/UserFoldersCheck.h"
#include "bank/UDM.h"
#include "browse/BrowserEngine.h"
#include "platform/DataFolders.h"
#include "platform/Fonts.h"
#include "platform/QtChinese.h"
#include "records/RecordsDatabase.h"
#include "ui/ActivateOnShow.h"
#include "ui/Application.h"
#include "ui/MessageBox.h"
#include "ui/QuitAfterPaint.h"

int main(int argc, char** argv) {
    UseProgramFontConfiguration();
    PrepareBrowserEngine();
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    UseChineseForQt(app);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(MakeFont(QStringLiteral("宋体"), 12));

    const QStringList arguments = QApplication::arguments();
    const qsizetype tourAt = arguments.indexOf(QStringLiteral("--tour"));
    // Start-up measurements end the program as soon as the main window is up.
    const bool exitAfterShow = arguments.contains(QStringLiteral("--exit-after-show"));

    // Runs that nobody watches print what a message box would say instead of waiting for an answer.
    if (tourAt >= 0 || exitAfterShow) {
        SetMessageBoxHook([](const MessageBoxRequest& request) {
            QTextStream(stderr) << request.caption << ": " << request.text << "\n";
            return QMessageBox::Ok;
        });
    }

    // The records come before the main window, which shows the current learner; the tour keeps its own. In a user
    // folder that cannot be written they are read as they are; one that holds none yet is reported once, below.
    QTemporaryDir tourRecords;
    std::unique_ptr<RecordsDatabase> records;
    Application::RunHandled([&] {
        const QString file =
            tourAt >= 0 ? tourRecords.filePath(QStringLiteral("records.db")) : RecordsDatabase::DefaultFile();
        if (tourAt < 0 && !DataFolders::UnwritableUserFolders().isEmpty() && !QFileInfo::exists(file))
            return;
        records = std::make_unique<RecordsDatabase>(file);
        Records = records.get();
    });
    frmMain = new TfrmMain;
    DM = new TDM(&app);
    Application::RunHandled([] { DM->DataModuleCreate(); });
    if (const QString told = DM->TakeProgressMessage(); !told.isEmpty())
        ShowMessageBox(frmMain, {QStringLiteral("提示"), told, QMessageBox::Warning, QMessageBox::Ok});
    WarnOfUnwritableUserFolders();
    // Records that are read-only because their folder is have been spoken for by the warning above.
    const bool toldOfFolders = tourAt < 0 && !DataFolders::UnwritableUserFolders().isEmpty();
    if (records && !records->OpeningMessage().isEmpty() && !(records->ReadOnly() && toldOfFolders)) {
        ShowMessageBox(frmMain,
                       {QStringLiteral("提示"), records->OpeningMessage(), QMessageBox::Warning, QMessageBox::Ok});
    }

    int result = 0;
    if (tourAt >= 0) {
        result = RunTour(tourAt + 1 < arguments.size() ? arguments.at(tourAt + 1) : QStringLiteral("tour"));
    } else {
        if (exitAfterShow)
            new QuitAfterPaint(frmMain);
        ActivateOnShow(*frmMain);
        frmMain->show();
        result = QApplication::exec();
    }
    delete frmMain;
    Records = nullptr;
    return result;
}
