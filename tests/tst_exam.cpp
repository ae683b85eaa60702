// The mock exam: papers by chapter quotas for the five vehicle groups, and the timed session.
#include <QSet>
#include <QTest>
#include <QTimer>
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
#include "platform/TImage.h"
#include "records/ExamHistory.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"

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

QV_TEST_MAIN(ExamTest)
#include "tst_exam.moc"
