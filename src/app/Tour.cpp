#include "app/Tour.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QTextStream>
#include <functional>
#include <memory>

#include "app/SkinStatesForm.h"
#include "app/UFrmMain.h"
#include "app/UfrmConfig.h"
#include "app/UfrmRecords.h"
#include "bank/BankQueries.h"
#include "bank/TQuestion.h"
#include "browse/BrowserEngine.h"
#include "browse/UfrmBrowse.h"
#include "exam/UfrmMNKS.h"
#include "exam/UfrmResult.h"
#include "paper/ExamKinds.h"
#include "platform/AppDir.h"
#include "platform/DrawSeed.h"
#include "platform/Exception.h"
#include "practice/UFrmTest2.h"
#include "practice/UfrmMistakes.h"
#include "practice/UfrmTest.h"
#include "records/AnswerLog.h"
#include "records/ExamHistory.h"
#include "records/MistakeBook.h"
#include "records/RecordsDatabase.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsRadioButton.h"
#include "ui/FormSnapshot.h"
#include "ui/MessageBox.h"
#include "ui/TImage.h"

namespace {
// `arrange` brings a window that is already showing into the state the picture should catch.
void Snapshot(QWidget* window, const QString& dir, const std::function<void()>& arrange = {}) {
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    if (arrange)
        arrange();
    QApplication::processEvents();
    SaveFormSnapshot(window, dir);
    window->hide();
}
// The chapter menu open at the lower-left corner of its button, where a click on the button opens it.
void SnapshotChapterMenu(const QString& dir) {
    QMenu* menu = frmMain->PopupMenu1;
    const QWidget* button = frmMain->btnZJ;
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    QApplication::processEvents();
    SaveFormSnapshot(menu, dir, QStringLiteral("PopupMenu1"));
    menu->close();
}
bool ShowsFourOptionsAndAPicture(const TPracticeWindow& window) {
    return window.as4->isVisibleTo(&window) && window.Image1->isVisibleTo(&window);
}

void ShowPracticeWindows(const QString& dir) {
    auto sequential = std::make_unique<TfrmTest>(frmMain);
    sequential->SetBaseSql(BankQueries::AllQuestionsSql());
    sequential->SetProgressKey(QStringLiteral("0"));
    Snapshot(sequential.get(), dir);
    // The hint given, with the explanation of the answer under the question.
    sequential->show();
    sequential->sSpeedButton1Click();
    QApplication::processEvents();
    SaveFormSnapshot(sequential.get(), dir, QStringLiteral("frmTestExplanation"));
    sequential->hide();

    // The random order decides the first question; the picture shows one of the kind the window is for.
    auto random = std::make_unique<TfrmTest2>(frmMain);
    Snapshot(random.get(), dir, [&random] {
        for (int step = 0; step < 200 && !ShowsFourOptionsAndAPicture(*random); ++step)
            random->btnNextClick();
    });
}
// The small-car exam on its first question, its clock started.
void ShowExamWindow(const QString& dir) {
    auto exam = std::make_unique<TfrmMNKS>();
    exam->SetExamKind(1);
    Snapshot(exam.get(), dir);
}

// The engine loads in its own time: events are served until `ready` holds, for at most `milliseconds`.
void WaitUntil(const std::function<bool()>& ready, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!ready() && clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Whether a control shows a picture rather than a plain surface: a page or a movie that has drawn has many colours
// where an empty player or page has one or two.
bool ShowsAPicture(QWidget* control) {
    constexpr int kStep = 8;
    constexpr qsizetype kColours = 8;
    const QImage image = control->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += kStep) {
        for (int x = 0; x < image.width(); x += kStep)
            colours.insert(image.pixel(x, y));
    }
    return colours.size() >= kColours;
}

// The browser window as `name`, showing `fileName` under `caption` once the page's title reads `loaded`.
void SnapshotBrowser(const QString& dir, const QString& name, const QString& caption, const QString& fileName,
                     const QString& loaded) {
    auto window = std::make_unique<TfrmBrowse>(frmMain);
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->Navigate(AppDir() + fileName);
    Snapshot(window.get(), dir, [&window, &loaded] {
        WaitUntil([&window, &loaded] { return window->WebBrowser1->property("title").toString() == loaded; }, 30000);
        // A game draws its first frames a while after it starts to play.
        WaitUntil([&window] { return ShowsAPicture(window->WebBrowser1); }, 15000);
    });
}

// The browser window with a sign page, and with the sign-matching game on its board. A program folder
// without the engine's module, as the tests' own folders are, has no browser to show.
void ShowBrowserWindows(const QString& dir) {
    if (!QFileInfo::exists(FileSystemPath(AppDir() + kBrowserEngineModule))) {
        QTextStream(stderr) << "The browser window is left out: the program folder has no browser engine.\n";
        return;
    }
    SnapshotBrowser(dir, QStringLiteral("frmBrowse"), QStringLiteral("交通标志"), QStringLiteral("image\\bz2.htm"),
                    QStringLiteral("禁令标志"));
    SnapshotBrowser(dir, QStringLiteral("frmBrowseGame"), QStringLiteral("交通标志连连看"),
                    QStringLiteral("game\\lianliankan.swf"), QStringLiteral("正在播放"));
}
// A learner with a few weeks behind them: exams that climb towards the pass mark, chapters answered better and
// worse, a mistake book with questions due and not yet due.
void SeedRecords() {
    RecordsDatabase& records = *Records;
    const QDateTime today = records.Now();
    const int scores[] = {68, 76, 83, 91, 87, 94};
    for (int k = 0; k < int(std::size(scores)); ++k) {
        ExamHistory(records, 1)
            .Add({today.addDays(2 * k - 12),
                  1,
                  QStringLiteral("C1 C2 C3 C4"),
                  scores[k],
                  1500 - 60 * k,
                  {{QStringLiteral("1"), scores[k], 100 - scores[k]}}});
    }
    const int rightOfTen[] = {9, 6, 8, 5, 7, 9, 4};
    records.SetClock([today] { return today.addDays(-2); });
    for (int chapter = 1; chapter <= int(std::size(rightOfTen)); ++chapter) {
        for (int k = 0; k < 10; ++k)
            RecordAnswer(records, 1, {1, chapter * 1000 + k + 1, QString::number(chapter)},
                         k < rightOfTen[chapter - 1]);
    }
    records.SetClock(&QDateTime::currentDateTime);
}

// The mistake book's questions of the cars' bank, the due ones first.
std::vector<int> MistakeIds() {
    std::vector<int> ids;
    for (const MistakeEntry& entry : MistakeBook(*Records, 1).Entries()) {
        if (entry.question.bank == 1)
            ids.push_back(entry.question.question);
    }
    return ids;
}

// A small-car exam answered through, one question in twelve wrong (A where it is not A, else B), with 21 minutes 52
// seconds used.
void ShowResultWindow(const QString& dir) {
    auto exam = std::make_unique<TfrmMNKS>();
    exam->SetExamKind(1);
    exam->show();
    QApplication::processEvents();
    const std::array options{exam->as1, exam->as2, exam->as3, exam->as4};
    const int paperSize = ExamRules(1).paperSize;
    for (int n = 1; n <= paperSize && exam->as1->isEnabled(); ++n) {
        const int ans = std::clamp(TQuestion::Read(*exam->dstTest).ans, 1, 4);
        const bool wrong = n % 12 == 0;
        options[size_t(wrong ? (ans == 1 ? 1 : 0) : ans - 1)]->click();
        if (wrong && n < paperSize)
            exam->btnNextClick();
    }
    for (int tick = 0; tick < 1312; ++tick)
        exam->Timer1Timer();
    const ExamSheet sheet = exam->Sheet();
    const ExamResult result = exam->Result();
    exam.reset();
    Snapshot(std::make_unique<TfrmResult>(result, sheet, frmMain).get(), dir);
}

void ShowRecordWindows(const QString& dir) {
    if (Records == nullptr)
        return;
    SeedRecords();
    Snapshot(std::make_unique<TfrmRecords>(*Records, frmMain).get(), dir);
    Snapshot(std::make_unique<TfrmMistakes>(QStringLiteral("错题练习"), 1, MistakeIds(), frmMain).get(), dir);
    ShowResultWindow(dir);
}
}  // namespace

int RunTour(const QString& dir) {
    QTextStream err(stderr);
    if (!QDir().mkpath(dir)) {
        err << "Cannot create the folder " << dir << "\n";
        return 1;
    }
    // The same papers and orders in every tour, so that two builds' pictures can be compared.
    FixDrawSeed(20260401);
    try {
        Snapshot(frmMain, dir);
        frmMain->show();
        SnapshotChapterMenu(dir);
        Snapshot(std::make_unique<TfrmConfig>(frmMain).get(), dir, [&dir] {
            // The main window as it looks behind the dialog: its frame in the inactive look.
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(frmMain, &deactivate);
            QApplication::processEvents();
            SaveFormSnapshot(frmMain, dir, QStringLiteral("frmMainInactive"));
        });
        std::unique_ptr<QMessageBox> box(CreateMessageBox(
            frmMain,
            {QStringLiteral("提示"), QStringLiteral("进度已保存"), QMessageBox::Information, QMessageBox::Ok}));
        Snapshot(box.get(), dir);
        ShowPracticeWindows(dir);
        ShowExamWindow(dir);
        ShowRecordWindows(dir);
        ShowBrowserWindows(dir);
        auto states = std::make_unique<SkinStatesForm>(frmMain);
        Snapshot(states.get(), dir, [&states] {
            states->Arrange();
            // Hot controls fade in.
            WaitUntil([] { return false; }, 300);
        });
    } catch (const Exception& error) {
        err << error.Message() << "\n";
        return 1;
    }
    QTextStream(stdout) << "The pictures of every window are in " << QDir(dir).absolutePath() << "\n";
    return 0;
}
