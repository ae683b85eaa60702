// The mock exam: papers by chapter quotas for the five vehicle groups, and the timed session.
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

#include "RecordsFixture.h"
#include "TestSupport.h"
#include "app/UFrmMain.h"
#include "app/Upublic.h"
#include "bank/TQuestion.h"
#include "bank/UDM.h"
#include "exam/UfrmMNKS.h"
#include "platform/Connection.h"
#include "platform/Query.h"
#include "platform/Sound.h"
#include "records/ExamHistory.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"
#include "ui/TImage.h"

namespace {
// Exactly the positions of the largest quota of each chapter over the groups that read the bank.
const Chapters kCarChapters{{1, 30}, {2, 20}, {3, 20}, {4, 10}, {5, 10}, {6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}};
const Chapters kMotorcycleChapters{{1, 30}, {2, 25}, {3, 25}, {4, 10}, {5, 5}, {6, 1}, {7, 4}};
constexpr int kMotorcycleBase = 50000;

int ChapterOf(int id) {
    return (id % kMotorcycleBase) / 1000;
}

struct Fixture {
    explicit Fixture(const Chapters& cars = kCarChapters) {
        WriteBank(dir.File("t1.mdb"), ExamBank(cars, 0));
        WriteBank(dir.File("t2.mdb"), ExamBank(kMotorcycleChapters, kMotorcycleBase));
        dm = std::make_unique<TDM>();
        DM = dm.get();
    }
    ~Fixture() { DM = nullptr; }

    TestAppDir dir{TestAppDir::NoBanks};
    std::unique_ptr<TDM> dm;
};

std::unique_ptr<TfrmMNKS> StartExam(int kind) {
    auto exam = std::make_unique<TfrmMNKS>();
    exam->SetExamKind(kind);
    exam->show();
    return exam;
}

TsRadioButton* Option(const TfrmMNKS& exam, int tag) {
    return std::array{exam.as1, exam.as2, exam.as3, exam.as4}[tag - 1];
}

int RightTag(const TfrmMNKS& exam) {
    return TQuestion::Read(*exam.dstTest).ans;
}

void Choose(TfrmMNKS& exam, int tag) {
    TsRadioButton* option = Option(exam, tag);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
}

void AnswerRight(TfrmMNKS& exam) {
    Choose(exam, RightTag(exam));
}
void AnswerWrong(TfrmMNKS& exam) {
    Choose(exam, RightTag(exam) % 4 + 1);
}

std::unique_ptr<TfrmMNKS> StartActiveExam() {
    auto exam = StartExam(1);
    exam->activateWindow();
    if (!QTest::qWaitForWindowActive(exam.get()))
        qWarning("the exam window did not become active");
    return exam;
}

// How each watched control looked when it was last painted: its text, and whether it was enabled and checked.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(const QList<QWidget*>& controls) {
        for (QWidget* control : controls)
            control->installEventFilter(this);
    }

    QString Painted(const QWidget* control) const {
        const auto look = painted_.find(control);
        return look == painted_.end() ? QStringLiteral("never painted") : look->second;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto* control = static_cast<const QWidget*>(watched);
            painted_[control] = QStringLiteral("%1 %2%3").arg(control->property("text").toString(),
                                                              control->isEnabled() ? "enabled" : "disabled",
                                                              control->property("checked").toBool() ? " checked" : "");
        }
        return false;
    }

private:
    std::map<const QObject*, QString> painted_;
};

// Runs `step` with the message box that the exam shows next, shown for real, and closes it.
void WithNextMessageBox(const std::function<void(QMessageBox*)>& step) {
    SetMessageBoxHook({});
    QTimer::singleShot(0, [step] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        step(box);
        box->accept();
    });
}
}  // namespace

class ExamTest : public QObject {
    Q_OBJECT

private slots:
    void paperFollowsTheQuotas_data();
    void paperFollowsTheQuotas();
    void chapterWithExactlyItsQuotaGivesAllItsQuestions();
    void papersDiffer();
    void chapterTooSmallIsReportedAndNothingShown_data();
    void chapterTooSmallIsReportedAndNothingShown();
    void unusableIdsAreNotDrawn_data();
    void unusableIdsAreNotDrawn();
    void firstQuestionOnOpening();
    void escapeLeavesTheExamOpen();
    void missingPicturesKeepTheExamGoing();
    void nextWithoutAnAnswerIsRefused();
    void rightAnswerScoresAndMovesOn();
    void wrongAnswerNamesTheRightLetter();
    void lastQuestion_data();
    void lastQuestion();
    void clockCountsHandledTicks();
    void timeUpEndsAnswering();
    void leavingAsksNothing();
    void mainWindowStartsAFreshExamPerButton();
    void answersAndTheExamAreKept_data();
    void answersAndTheExamAreKept();
    void answeringWithTheKeyboard();
    void judgementIsOnScreenBeforeItsSound_data();
    void judgementIsOnScreenBeforeItsSound();
    void longOptionsStayInThePanel_data();
    void longOptionsStayInThePanel();
    void tabReachesEveryOptionAndBothButtons_data();
    void tabReachesEveryOptionAndBothButtons();
    void enterPressesTheFocusedButton();
    void arrowsMoveAmongOptionsAndSpaceAnswers();
    void messageBoxesBelongToTheExam_data();
    void messageBoxesBelongToTheExam();
};

void ExamTest::paperFollowsTheQuotas_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QList<int>>("chapterStarts");  // chapter k begins at chapterStarts[k - 1]; 0: not drawn
    QTest::newRow("1 小车") << 1 << "C1 C2 C3 C4" << QList<int>{1, 31, 51, 71, 81, 91, 96, 0, 0, 0};
    QTest::newRow("2 客车") << 2 << "A1 A3 B1" << QList<int>{1, 31, 46, 66, 76, 86, 91, 96, 0, 0};
    QTest::newRow("3 货车") << 3 << "A2 B2" << QList<int>{1, 31, 46, 66, 76, 86, 91, 0, 96, 0};
    QTest::newRow("4 机械") << 4 << "M轮式机械" << QList<int>{1, 31, 46, 66, 76, 86, 91, 0, 0, 96};
    QTest::newRow("5 摩托车") << 5 << "D E F" << QList<int>{1, 31, 56, 81, 91, 96, 97, 0, 0, 0};
}

void ExamTest::paperFollowsTheQuotas() {
    QFETCH(int, kind);
    QFETCH(QList<int>, chapterStarts);
    Fixture fixture;
    auto exam = StartExam(kind);
    QTEST(exam->lblJZLX->Caption(), "label");
    const ExamPaper& paper = exam->PaperIDs();
    QSet<int> seen;
    for (int position = 1; position <= 100; ++position) {
        const int id = paper[position];
        int expectedChapter = 0;
        for (int chapter = 1; chapter <= 10; ++chapter) {
            if (chapterStarts[chapter - 1] != 0 && chapterStarts[chapter - 1] <= position)
                expectedChapter = chapter;
        }
        QCOMPARE(ChapterOf(id), expectedChapter);
        QCOMPARE(id > kMotorcycleBase, kind == 5);  // the motorcycle exam reads t2.mdb only
        // No question twice, the motorcycle exam's last chapter included.
        QVERIFY2(!seen.contains(id), qPrintable(QStringLiteral("%1 twice").arg(id)));
        seen.insert(id);
    }
}

void ExamTest::chapterWithExactlyItsQuotaGivesAllItsQuestions() {
    Fixture fixture;
    auto exam = StartExam(1);
    QSet<int> chapterOne;
    for (int position = 1; position <= 30; ++position)
        chapterOne.insert(exam->PaperIDs()[position]);
    QCOMPARE(chapterOne.size(), 30);
}

void ExamTest::papersDiffer() {
    Fixture fixture(Chapters{{1, 60}, {2, 40}, {3, 40}, {4, 20}, {5, 20}, {6, 10}, {7, 10}});
    auto first = StartExam(1);
    auto second = StartExam(1);
    QVERIFY(first->PaperIDs() != second->PaperIDs());
}

void ExamTest::chapterTooSmallIsReportedAndNothingShown_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("chapter");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message");
    QTest::newRow("chapter 3 short") << 1 << 3 << 19
                                     << "题库中的题目不足，无法组成“C1 C2 C3 C4”的试卷：第3章只有19道题，需要20道。";
    QTest::newRow("chapter 9 missing") << 3 << 9 << 0
                                       << "题库中的题目不足，无法组成“A2 B2”的试卷：第9章只有0道题，需要5道。";
}

void ExamTest::chapterTooSmallIsReportedAndNothingShown() {
    QFETCH(int, kind);
    QFETCH(int, chapter);
    QFETCH(int, count);
    Chapters chapters = kCarChapters;
    chapters[chapter] = count;
    Fixture fixture(chapters);
    MessageBoxRecorder boxes;
    auto exam = StartExam(kind);
    QCOMPARE(boxes.shown.size(), size_t(1));
    QTEST(boxes.shown[0].text, "message");
    QVERIFY(exam->isVisible());
    QVERIFY(!exam->Timer1->isActive());
    // Nothing to answer: no paper stands.
    QVERIFY(!exam->as1->isEnabled());
    QVERIFY(!exam->btnNext->isEnabled());
    QCOMPARE(exam->lblNo->Caption(), QStringLiteral("100"));
}

// Banks from elsewhere may lack the key that keeps IDs unique and whole: a chapter short of questions the draw
// can use is reported like a short chapter, instead of a draw without end or a paper of blank questions.
void ExamTest::unusableIdsAreNotDrawn_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("ID shared with an earlier chapter") << "update question set ID=1001 where ID=2001";
    QTest::newRow("ID that is no whole number") << "update question set ID=2001.5 where ID=2001";
    QTest::newRow("ID missing") << "update question set ID=NULL where ID=2001";
}

void ExamTest::unusableIdsAreNotDrawn() {
    QFETCH(QString, damage);
    Fixture fixture;
    Connection bank;
    TDM::OpenDatabase(&bank, fixture.dir.File("t1.mdb"));
    // The same table without its key, as an older tool may have made it.
    bank.Execute(QStringLiteral("alter table question rename to keyed; create table question as select * from keyed; "
                                "drop table keyed; ") +
                 damage);
    bank.Close();
    MessageBoxRecorder boxes;
    auto exam = StartExam(1);
    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("题库中的题目不足，无法组成“C1 C2 C3 C4”的试卷：第2章只有19道题，需要20道。"));
}

void ExamTest::escapeLeavesTheExamOpen() {
    Fixture fixture;
    auto exam = StartExam(1);
    QTest::keyClick(exam.get(), Qt::Key_Escape);
    QVERIFY(exam->isVisible());
}

// A picture that cannot be shown is reported; the clock runs and the question can be answered without it.
void ExamTest::missingPicturesKeepTheExamGoing() {
    Fixture fixture;
    DM->ADOCON->Execute(QStringLiteral("update question set bmp='none.png'"));
    MessageBoxRecorder boxes;
    auto exam = StartExam(1);
    QCOMPARE(boxes.shown.size(), size_t(1));
    QVERIFY(exam->Timer1->isActive());
    QVERIFY(!exam->Image1->isVisible());
    QVERIFY(exam->as1->isEnabled());
    AnswerWrong(*exam);
    QTest::mouseClick(exam->btnNext, Qt::LeftButton);
    QCOMPARE(boxes.shown.size(), size_t(2));
    QCOMPARE(exam->CurrentNo(), 2);
    QVERIFY(exam->as1->isEnabled());
}

void ExamTest::firstQuestionOnOpening() {
    Fixture fixture;
    auto exam = StartExam(2);
    QCOMPARE(exam->windowTitle(), QStringLiteral("模拟考试"));
    QCOMPARE(exam->size(), QSize(712, 460));
    QCOMPARE(exam->CurrentNo(), 1);
    QCOMPARE(exam->lblNo->Caption(), QStringLiteral("1"));
    QCOMPARE(exam->lblExt->Caption(), QStringLiteral("100"));
    QCOMPARE(exam->lblSource->Caption(), QStringLiteral("0"));
    QCOMPARE(exam->lblTS->text(), QStringLiteral("请开始答题"));
    QCOMPARE(exam->lblTM->text(), QStringLiteral("题%1").arg(exam->PaperIDs()[1]));
    QCOMPARE(exam->dstTest->RecordCount(), 1);
    QVERIFY(exam->Timer1->isActive());
    QCOMPARE(exam->Timer1->interval(), 1000);
    QCOMPARE(exam->focusWidget(), exam->btnNext);
    QCOMPARE(exam->LeftSeconds(), 2700);
}

void ExamTest::nextWithoutAnAnswerIsRefused() {
    Fixture fixture;
    auto exam = StartExam(1);
    MessageBoxRecorder boxes;
    QTest::keyClick(exam->btnNext, Qt::Key_Space);
    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(boxes.shown[0].caption, QStringLiteral("提示"));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("您还没有解答!"));
    QCOMPARE(exam->CurrentNo(), 1);
}

void ExamTest::rightAnswerScoresAndMovesOn() {
    Fixture fixture;
    auto exam = StartExam(1);
    SoundRecorder sounds;
    AnswerRight(*exam);
    QCOMPARE(sounds.played, QStringList{"sound/对.wav"});
    QCOMPARE(exam->Score(), 1);
    QCOMPARE(exam->lblSource->Caption(), QStringLiteral("1"));
    QCOMPARE(exam->CurrentNo(), 2);
    QCOMPARE(exam->lblNo->Caption(), QStringLiteral("2"));
    QCOMPARE(exam->lblExt->Caption(), QStringLiteral("99"));
    QCOMPARE(exam->lblTS->text(), QStringLiteral("请开始答题!"));
    QVERIFY(exam->as1->isEnabled());
    QVERIFY(!exam->as1->isChecked());
}

void ExamTest::wrongAnswerNamesTheRightLetter() {
    Fixture fixture;
    auto exam = StartExam(1);
    const QString letter = QString(QChar('A' + RightTag(*exam) - 1));
    SoundRecorder sounds;
    AnswerWrong(*exam);
    QCOMPARE(sounds.played, (QStringList{"sound/错.wav", "sound/" + letter + ".wav"}));
    QCOMPARE(exam->lblTS->text(), QStringLiteral("正确答案应该是") + letter);
    QCOMPARE(exam->Score(), 0);
    QCOMPARE(exam->CurrentNo(), 1);
    QVERIFY(!exam->as1->isEnabled());
    AnswerRight(*exam);  // answered once: the options no longer take a click
    QCOMPARE(sounds.played.size(), 2);
    exam->btnNextClick();
    QCOMPARE(exam->CurrentNo(), 2);
    QVERIFY(exam->as1->isEnabled());
}

void ExamTest::lastQuestion_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("right");
    for (int kind = 1; kind <= 5; ++kind) {
        QTest::addRow("kind %d, right", kind) << kind << true;
        QTest::addRow("kind %d, wrong", kind) << kind << false;
    }
}

void ExamTest::lastQuestion() {
    QFETCH(int, kind);
    QFETCH(bool, right);
    Fixture fixture;
    auto exam = StartExam(kind);
    SoundRecorder sounds;
    while (exam->CurrentNo() < 100)
        AnswerRight(*exam);
    QCOMPARE(exam->Score(), 99);
    if (right) {
        AnswerRight(*exam);
        QCOMPARE(exam->Score(), 100);
        QCOMPARE(exam->lblTS->text(), QStringLiteral("恭喜您!回答正确!"));
    } else {
        AnswerWrong(*exam);
        exam->btnNextClick();
    }
    QCOMPARE(exam->CurrentNo(), 100);
    QCOMPARE(exam->lblExt->Caption(), QStringLiteral("1"));
    QVERIFY(!exam->as1->isEnabled());
    QVERIFY(exam->Timer1->isActive());
}

void ExamTest::clockCountsHandledTicks() {
    Fixture fixture;
    auto exam = StartExam(1);
    exam->Timer1->stop();
    exam->Timer1Timer();
    QCOMPARE(exam->lblLeftTime->Caption(), QStringLiteral("45分00秒"));
    exam->Timer1Timer();
    QCOMPARE(exam->lblLeftTime->Caption(), QStringLiteral("44分59秒"));
    for (int tick = 3; tick <= 2700 - 545 + 1; ++tick)
        exam->Timer1Timer();
    QCOMPARE(exam->lblLeftTime->Caption(), QStringLiteral("09分05秒"));
}

void ExamTest::timeUpEndsAnswering() {
    Fixture fixture;
    auto exam = StartExam(1);
    MessageBoxRecorder boxes;
    for (int tick = 1; tick <= 2700; ++tick)
        exam->Timer1Timer();
    QCOMPARE(exam->lblLeftTime->Caption(), QStringLiteral("00分01秒"));
    QVERIFY(boxes.shown.empty());
    QVERIFY(exam->btnNext->isEnabled());
    exam->Timer1Timer();
    QCOMPARE(exam->lblLeftTime->Caption(), QStringLiteral("00分00秒"));
    QVERIFY(!exam->Timer1->isActive());
    QVERIFY(!exam->btnNext->isEnabled());
    QVERIFY(!exam->as1->isEnabled());
    QCOMPARE(exam->lblTS->text(), QStringLiteral("考试时间到！"));
    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("考试时间到！"));
}

void ExamTest::leavingAsksNothing() {
    Fixture fixture;
    auto exam = StartExam(1);
    MessageBoxRecorder boxes;
    QTest::mouseClick(exam->btnExit, Qt::LeftButton);
    QVERIFY(!exam->isVisible());
    QVERIFY(boxes.shown.empty());
}

void ExamTest::mainWindowStartsAFreshExamPerButton() {
    Fixture fixture;
    TfrmMain form;
    const std::array buttons{form.sSpeedButton1, form.sSpeedButton2, form.sSpeedButton3, form.sSpeedButton4,
                             form.sSpeedButton5};
    const QStringList labels{"C1 C2 C3 C4", "A1 A3 B1", "A2 B2", "M轮式机械", "D E F"};
    QList<TfrmMNKS*> windows;
    for (int kind = 1; kind <= 5; ++kind) {
        QTimer::singleShot(0, [&] {
            QVERIFY(frmMNKS != nullptr);
            QCOMPARE(frmMNKS->lblJZLX->Caption(), labels[kind - 1]);
            QCOMPARE(frmMNKS->Score(), 0);
            QCOMPARE(frmMNKS->parent(), nullptr);
            windows << frmMNKS;
            frmMNKS->btnExitClick();
        });
        QTest::mouseClick(buttons[kind - 1], Qt::LeftButton);
        QCOMPARE(frmMNKS, nullptr);
    }
    QCOMPARE(windows.size(), 5);
}

void ExamTest::answersAndTheExamAreKept_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("answers");  // r: right, w: wrong, t: a tick of the clock
    QTest::addColumn<int>("bank");
    QTest::newRow("none") << 1 << "tt" << 1;
    QTest::newRow("car") << 1 << "rtwtr" << 1;
    QTest::newRow("motorcycle") << 5 << "wt" << 2;
}

// Each answer is kept with the exam's bank as it is judged; the exam itself once its window is gone, if it had one.
void ExamTest::answersAndTheExamAreKept() {
    QFETCH(int, kind);
    QFETCH(QString, answers);
    QFETCH(int, bank);
    Fixture fixture;
    ProgramRecords records;
    WriteShowResult(false);  // the sheet has tests of its own
    TfrmMain form;
    std::vector<std::pair<int, bool>> given;
    QTimer::singleShot(0, [&] {
        for (QChar answer : answers) {
            if (answer == u't') {
                frmMNKS->Timer1Timer();
                continue;
            }
            const int id = frmMNKS->PaperIDs()[frmMNKS->CurrentNo()];
            given.emplace_back(id, answer == u'r');
            answer == u'r' ? AnswerRight(*frmMNKS) : AnswerWrong(*frmMNKS);
            if (answer == u'w')
                frmMNKS->btnNextClick();
        }
        frmMNKS->btnExitClick();
    });
    QTest::mouseClick(std::array{form.sSpeedButton1, form.sSpeedButton5}[kind == 5], Qt::LeftButton);
    QCOMPARE(records.Answers(), given);
    QCOMPARE(records.records.Db().Select("select distinct bank from answers").rows.size(), size_t(!given.empty()));
    if (!given.empty())
        QCOMPARE(records.records.Db().Select("select bank from answers").rows[0][0].toInt(), bank);

    const std::vector<ExamResult> exams = ExamHistory(records.records, 1).All();
    QCOMPARE(exams.size(), size_t(!given.empty()));
    if (given.empty())
        return;
    const int right = int(answers.count(u'r'));
    QCOMPARE(exams[0].score, right);
    QCOMPARE(exams[0].secondsUsed, int(answers.count(u't')));
    QCOMPARE(exams[0].taken, records.now);
    QCOMPARE(exams[0].kind, kind);
    QCOMPARE(exams[0].kindLabel, kind == 5 ? QStringLiteral("D E F") : QStringLiteral("C1 C2 C3 C4"));
    const ResultSet chapters = records.records.Db().Select("select chapter, correct, wrong from exam_chapters");
    QCOMPARE(chapters.rows.size(), size_t(1));  // the first questions of a paper are all of chapter 1
    QCOMPARE(chapters.rows[0][0].toString(), QStringLiteral("1"));
    QCOMPARE(chapters.rows[0][1].toInt(), right);
    QCOMPARE(chapters.rows[0][2].toInt(), int(answers.count(u'w')));
}

// Alt with a letter answers while the options are open; Alt+N moves on as "下一题" does, refusing without an answer.
void ExamTest::answeringWithTheKeyboard() {
    Fixture fixture;
    auto exam = StartExam(1);
    const auto letterKey = [](int tag) { return Qt::Key(Qt::Key_A + tag - 1); };
    QTest::keyClick(exam.get(), letterKey(RightTag(*exam)), Qt::AltModifier);
    QCOMPARE(exam->Score(), 1);
    QCOMPARE(exam->CurrentNo(), 2);
    const int wrong = RightTag(*exam) % 4 + 1;
    QTest::keyClick(exam.get(), letterKey(wrong), Qt::AltModifier);
    QVERIFY(Option(*exam, wrong)->isChecked());
    QTest::keyClick(exam.get(), letterKey(RightTag(*exam)), Qt::AltModifier);  // the options are closed now
    QCOMPARE(exam->Score(), 1);
    QTest::keyClick(exam.get(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(exam->CurrentNo(), 3);
    MessageBoxRecorder boxes;
    QTest::keyClick(exam.get(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(exam->CurrentNo(), 3);
    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(exam->as1->toolTip(), QStringLiteral("快捷键：Alt+A"));
}

void ExamTest::judgementIsOnScreenBeforeItsSound_data() {
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << true;
    QTest::newRow("wrong") << false;
}

// A sound holds up the window: what the answer changed must have been painted when each sound starts.
void ExamTest::judgementIsOnScreenBeforeItsSound() {
    QFETCH(bool, right);
    Fixture fixture;
    auto exam = StartActiveExam();
    const int rightTag = RightTag(*exam);
    TsRadioButton* chosen = Option(*exam, right ? rightTag : rightTag % 4 + 1);
    const QString letter = QString(QChar('A' + rightTag - 1));
    PaintWatcher watcher({exam->lblTS, chosen});
    QStringList onScreen;
    SetSoundSinkForTesting([&](const QString& fileName) {
        onScreen << QString(fileName).remove(AppDir()) + ": " + watcher.Painted(exam->lblTS) + " / " +
                        watcher.Painted(chosen).section(' ', 1);
    });
    Choose(*exam, chosen->Tag());
    SetSoundSinkForTesting({});
    if (right) {
        QCOMPARE(onScreen, QStringList{"sound/对.wav: 恭喜您!回答正确! enabled / disabled checked"});
    } else {
        QCOMPARE(onScreen,
                 (QStringList{"sound/错.wav: 请开始答题 enabled / disabled checked",
                              "sound/" + letter + ".wav: 正确答案应该是" + letter + " enabled / disabled checked"}));
    }
}

void ExamTest::longOptionsStayInThePanel_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inItsRow");  // false: too long even for two rows, it may reach into the next
    QTest::newRow("short") << QStringLiteral("甲") << true;
    QTest::newRow("just too long for one line")
        << QStringLiteral("开启危险报警闪光灯，在车后设置警告标志，人员转移到安全区域") << true;
    QTest::newRow("longest of the banks")
        << QStringLiteral("准许左方左转弯的车辆进入路口，沿左转弯方向靠近路口中心，等候左转弯信号") << true;
    QTest::newRow("Latin words") << QStringLiteral(
                                        "Keep to the right lane, reduce speed to 40 km/h and use the "
                                        "ETC lane (electronic toll collection) at the gate")
                                 << true;
    QTest::newRow("far too long") << QString(QStringLiteral("立即减速，开启危险报警闪光灯和前照灯示警，")).repeated(4)
                                  << false;
}

// A long option keeps its place and stays in the light panel, on one line in a smaller size or wrapped, and loses
// nothing of its words; the next question's options are in the design size again.
void ExamTest::longOptionsStayInThePanel() {
    QFETCH(QString, text);
    QFETCH(bool, inItsRow);
    Fixture fixture;
    DM->ADOCON->Execute(QStringLiteral("update question set ans1='%1' where zhanjie='1'").arg(text));
    auto exam = StartExam(1);
    SoundRecorder sounds;
    QCOMPARE(exam->as1->text().remove(u'\n'), QStringLiteral("A：") + text);
    QCOMPARE(exam->as1->pos(), QPoint(267, 280));
    QVERIFY2(exam->as1->geometry().right() < 689, qPrintable(QString::number(exam->as1->geometry().right())));
    if (inItsRow)
        QVERIFY(exam->as1->geometry().bottom() < exam->as2->y());
    QVERIFY(exam->as1->font().pixelSize() >= 10);
    if (exam->as1->font().pixelSize() == 14)
        QVERIFY(!exam->as1->text().contains(u'\n'));
    QCOMPARE(exam->as1->width(), exam->as1->sizeHint().width());
    while (exam->CurrentNo() <= 30)  // chapter 1
        AnswerRight(*exam);
    QCOMPARE(exam->as1->text(), QStringLiteral("A：甲"));
    QCOMPARE(exam->as1->font().pixelSize(), 14);
    QCOMPARE(exam->as1->size(), exam->as1->sizeHint());
}

void ExamTest::tabReachesEveryOptionAndBothButtons_data() {
    QTest::addColumn<QString>("ans3");
    QTest::newRow("four options") << QStringLiteral("丙");
    QTest::newRow("three options") << QString();
}

// From "下一题", where each question puts the focus, Tab goes on to "退出考试系统", then through the options shown.
void ExamTest::tabReachesEveryOptionAndBothButtons() {
    QFETCH(QString, ans3);
    Fixture fixture;
    DM->ADOCON->Execute(QStringLiteral("update question set ans3='%1'").arg(ans3));
    auto exam = StartActiveExam();
    QList<QWidget*> expected{exam->btnExit, exam->as1, exam->as2};
    if (!ans3.isEmpty())
        expected << exam->as3;
    expected << exam->as4 << exam->btnNext;
    QList<QWidget*> reached;
    for (qsizetype k = 0; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QCOMPARE(reached, expected);
    QList<QWidget*> back;
    for (qsizetype k = 0; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        back << QApplication::focusWidget();
    }
    std::reverse(expected.begin(), expected.end());
    expected.removeFirst();
    expected << exam->btnNext;
    QCOMPARE(back, expected);
}

void ExamTest::enterPressesTheFocusedButton() {
    Fixture fixture;
    auto exam = StartActiveExam();
    MessageBoxRecorder boxes;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // "下一题", with nothing answered
    QCOMPARE(boxes.shown.size(), size_t(1));
    TsRadioButton* right = Option(*exam, RightTag(*exam));
    right->setFocus();
    QTest::keyClick(right, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(exam->Score(), 1);
    QCOMPARE(exam->CurrentNo(), 2);
    QCOMPARE(QApplication::focusWidget(), exam->btnNext);
    AnswerWrong(*exam);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(exam->CurrentNo(), 3);
    exam->btnExit->setFocus();
    QTest::keyClick(exam->btnExit, Qt::Key_Return);
    QVERIFY(!exam->isVisible());
}

// Arrows move the focus from option to option without answering; Space answers with the option that has the focus.
void ExamTest::arrowsMoveAmongOptionsAndSpaceAnswers() {
    Fixture fixture;
    auto exam = StartActiveExam();
    SoundRecorder sounds;
    exam->as1->setFocus();
    const int rightTag = RightTag(*exam);
    for (int tag = 1; tag < rightTag; ++tag)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), Option(*exam, rightTag));
    QVERIFY(sounds.played.isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(exam->Score(), 1);
    QCOMPARE(sounds.played, QStringList{"sound/对.wav"});
}

void ExamTest::messageBoxesBelongToTheExam_data() {
    QTest::addColumn<bool>("timeUp");
    QTest::newRow("您还没有解答!") << false;
    QTest::newRow("考试时间到！") << true;
}

// Owned by the exam window, so that a desktop keeps them over it.
void ExamTest::messageBoxesBelongToTheExam() {
    QFETCH(bool, timeUp);
    Fixture fixture;
    auto exam = StartActiveExam();
    if (timeUp) {
        for (int tick = 1; tick <= 2700; ++tick)
            exam->Timer1Timer();
    }
    QString text;
    QWidget* owner = nullptr;
    WithNextMessageBox([&](QMessageBox* box) {
        text = box->text();
        owner = box->parentWidget();
    });
    timeUp ? exam->Timer1Timer() : exam->btnNextClick();
    FailOnMessageBoxes();
    QCOMPARE(text, QString::fromUtf8(QTest::currentDataTag()));
    QCOMPARE(owner, exam.get());
}

QV_TEST_MAIN(ExamTest)
#include "tst_exam.moc"
