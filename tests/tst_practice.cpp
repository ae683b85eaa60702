// Sequential, chapter and random practice: opening, navigation, judging with sounds, the hint, the
// letter buttons, saving progress, leaving, and all of it with the keyboard alone.
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>

#include "RecordsFixture.h"
#include "TestSupport.h"
#include "app/UFrmMain.h"
#include "bank/UDM.h"
#include "platform/Connection.h"
#include "platform/Query.h"
#include "practice/UFrmTest2.h"
#include "practice/UfrmMistakes.h"
#include "practice/UfrmTest.h"
#include "records/Learners.h"
#include "records/MistakeBook.h"
#include "records/Stars.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"

namespace {
const QString kRight = QStringLiteral("sound/对.wav");
const QString kWrong = QStringLiteral("sound/错.wav");

// Whole bank in this order; chapter 1 holds questions 1, 2 and 4, chapter 2 questions 3 and 5.
const QList<Question> kBank{
    {1, 1, QStringLiteral("第一题"), {"甲", "乙", "丙", "丁"}, 2, "", ""},
    {2, 1, QStringLiteral("第二题"), {"正确", "错误", "", ""}, 1, "", ""},
    {3, 2, QStringLiteral("第三题"), {"甲", "乙", "丙", "丁"}, 3, "", ""},
    {4, 1, QStringLiteral("第四题"), {"甲", "乙", "丙", "丁"}, 4, "", ""},
    {5, 2, QStringLiteral("第五题"), {"正确", "错误", "", ""}, 7, "", ""},
};

// A program folder with the test bank, and the data module on it.
struct Fixture {
    explicit Fixture(const QList<Question>& bank = kBank) {
        WriteBank(dir.File("t1.mdb"), bank);
        dm = std::make_unique<TDM>();
        DM = dm.get();
    }
    ~Fixture() { DM = nullptr; }

    void Execute(const QString& sql) const { DM->ADOCON->Execute(sql); }
    int Saved(const QString& key) const { return DM->ReadProgress(key); }

    TestAppDir dir{TestAppDir::NoBanks};
    std::unique_ptr<TDM> dm;
};

std::unique_ptr<TfrmTest> OpenSequential(const QString& filter = {}, const QString& key = QStringLiteral("0")) {
    auto window = std::make_unique<TfrmTest>();
    window->SetBaseSql(QStringLiteral("select * from question where 1=1"));
    window->SetFilter(filter);
    window->SetProgressKey(key);
    window->show();
    return window;
}

// A practice window of `kind` as the main window opens it: "sequential", "random", or "list" (the list window with
// questions 1 and 3).
std::unique_ptr<TPracticeWindow> OpenKind(const QString& kind) {
    if (kind == QLatin1String("sequential"))
        return OpenSequential();
    std::unique_ptr<TPracticeWindow> window;
    if (kind == QLatin1String("random"))
        window = std::make_unique<TfrmTest2>();
    else
        window = std::make_unique<TfrmMistakes>(QStringLiteral("错题本"), 1, std::vector<int>{1, 3});
    window->show();
    return window;
}

// Puts `window` in front, as the learner has it when they type: keys go to it and its shortcuts work.
[[nodiscard]] bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QString Shown(const TPracticeWindow& window) {
    return window.sMemo1->toPlainText();
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}
}  // namespace

class PracticeTest : public QObject {
    Q_OBJECT

private slots:
    void opensAtTheSavedPosition_data();
    void opensAtTheSavedPosition();
    void savedPositionBeyondTheEndShowsTheLastQuestion();
    void priorAndNextStopAtTheEnds();
    void jump_data();
    void jump();
    void jumpBoxTextThatIsNoNumberIsReported();
    void judging_data();
    void judging();
    void hintShowsAndSpeaksTheLetter();
    void hintForAnAnswerOutOfRange();
    void explanationFollowsAWrongAnswerOrTheHint_data();
    void explanationFollowsAWrongAnswerOrTheHint();
    void savingStoresThePositionUnderTheKey();
    void savingInsertsAMissingRow();
    void failedSaveIsRolledBackAndReported();
    void endAsksFirst_data();
    void endAsksFirst();
    void tabReachesEveryCommand_data();
    void tabReachesEveryCommand();
    void keysPressTheirCommands_data();
    void keysPressTheirCommands();
    void letterPressJudgesOnce();
    void failedOpeningSavesNoPosition();
    void jumpBoxOffersItsTextForReplacing();
    void randomOrderCoversTheBankLength();
    void randomPracticeOfOneQuestion();
    void randomPracticeOfNoQuestion();
    void mainWindowOpensEachPractice_data();
    void mainWindowOpensEachPractice();
    void answersAreKeptForTheCurrentLearner();
    void eachLearnerResumesTheirOwnPosition();
    void answeringWithTheKeyboard();
    void starringTheQuestionOnShow();
};

void PracticeTest::opensAtTheSavedPosition_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("saved");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole bank, nothing saved") << ""
                                               << "0" << 0 << "5"
                                               << "第一题";
    QTest::newRow("whole bank, saved") << ""
                                       << "0" << 3 << "5"
                                       << "第四题";
    QTest::newRow("chapter 1") << " and ZhanJie='1'"
                               << "1" << 2 << "3"
                               << "第四题";
    QTest::newRow("chapter 2") << " and ZhanJie='2'"
                               << "2" << 1 << "2"
                               << "第五题";
    QTest::newRow("chapter without questions") << " and ZhanJie='10'"
                                               << "10" << 0 << "0"
                                               << "";
}

void PracticeTest::opensAtTheSavedPosition() {
    QFETCH(QString, filter);
    QFETCH(QString, key);
    QFETCH(int, saved);
    Fixture fixture;
    fixture.Execute(QStringLiteral("update JD set 进度=%1 where 名称='%2'").arg(saved).arg(key));
    auto window = OpenSequential(filter, key);
    QCOMPARE(window->windowTitle(), QStringLiteral("顺序练习"));
    QCOMPARE(window->dstTest->SQL(), QStringLiteral("select * from question where 1=1") + filter);
    QTEST(window->lblAll->text(), "count");
    QTEST(Shown(*window), "text");
    QCOMPARE(window->lblNo->text(), window->lblAll->text() == "0" ? QStringLiteral("0") : QString::number(saved + 1));
    QCOMPARE(window->focusWidget(), window->sEdit1);
    QVERIFY(window->chkAutoJmp->isChecked());
}

// With the option already chosen, a right answer moves on: the same press must not also choose B on the next
// question, judge it and move on again.
void PracticeTest::letterPressJudgesOnce() {
    Fixture fixture;
    auto window = OpenSequential();
    window->chkAutoJmp->setChecked(false);
    Click(window->as2);  // question 1's answer is B
    window->chkAutoJmp->setChecked(true);
    SoundRecorder sounds;
    Click(window->sSpeedButton3);
    QCOMPARE(sounds.played, QStringList{"sound/对.wav"});
    QCOMPARE(window->Position(), 1);
    QVERIFY(!window->as2->isChecked());
}

// If the questions cannot be read as the window opens, "保存进度" must not write 0 over the saved position.
void PracticeTest::failedOpeningSavesNoPosition() {
    Fixture fixture;
    fixture.Execute(QStringLiteral("update JD set 进度=3 where 名称='0'"));
    fixture.Execute(QStringLiteral("alter table question rename to elsewhere"));
    MessageBoxRecorder boxes;
    auto window = OpenSequential();
    QCOMPARE(boxes.shown.size(), size_t(1));
    Click(window->sSpeedButton6);
    QCOMPARE(boxes.shown.size(), size_t(2));
    QCOMPARE(boxes.shown[1].text, QStringLiteral("进度没有保存：题目或已保存的进度没有读出。"));
    QCOMPARE(fixture.Saved("0"), 3);
}

// Typing a number after an earlier jump replaces the old one instead of adding to it.
void PracticeTest::jumpBoxOffersItsTextForReplacing() {
    Fixture fixture;
    auto window = OpenSequential();
    window->sEdit1->setText(QStringLiteral("5"));
    window->btnJumpClick();
    QCOMPARE(window->sEdit1->selectedText(), QStringLiteral("5"));
    QTest::keyClicks(window->sEdit1, "2");
    QCOMPARE(window->sEdit1->text(), QStringLiteral("2"));
}

void PracticeTest::savedPositionBeyondTheEndShowsTheLastQuestion() {
    Fixture fixture;
    fixture.Execute(QStringLiteral("update JD set 进度=40 where 名称='0'"));
    auto window = OpenSequential();
    QCOMPARE(window->lblNo->text(), QStringLiteral("5"));
    QCOMPARE(Shown(*window), QStringLiteral("第五题"));
    window->btnNextClick();
    QCOMPARE(window->Position(), 4);
}

void PracticeTest::priorAndNextStopAtTheEnds() {
    Fixture fixture;
    auto window = OpenSequential();
    window->btnPriorClick();
    QCOMPARE(window->lblNo->text(), QStringLiteral("1"));
    for (int i = 0; i < 6; ++i)
        Click(window->btnNext);
    QCOMPARE(window->lblNo->text(), QStringLiteral("5"));
    QCOMPARE(Shown(*window), QStringLiteral("第五题"));
    Click(window->btnPrior);
    QCOMPARE(Shown(*window), QStringLiteral("第四题"));
}

void PracticeTest::jump_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("number");
    QTest::newRow("inside") << "3"
                            << "3";
    QTest::newRow("the count") << "5"
                               << "5";
    QTest::newRow("with sign") << "+2"
                               << "2";
    QTest::newRow("zero") << "0"
                          << "1";
    QTest::newRow("negative") << "-1"
                              << "1";
    QTest::newRow("above the count") << "6"
                                     << "1";
}

void PracticeTest::jump() {
    QFETCH(QString, typed);
    Fixture fixture;
    auto window = OpenSequential();
    window->sEdit1->setText(typed);
    QTest::keyClick(window->sEdit1, Qt::Key_Return);
    QTEST(window->lblNo->text(), "number");
    QCOMPARE(window->sEdit1->text(), typed);
    QCOMPARE(window->focusWidget(), window->sEdit1);
}

void PracticeTest::jumpBoxTextThatIsNoNumberIsReported() {
    Fixture fixture;
    MessageBoxRecorder boxes;
    auto window = OpenSequential();
    window->btnNextClick();
    for (const QString& typed : {QStringLiteral("abc"), QString()}) {
        window->sEdit1->setText(typed);
        Click(window->btnJump);
        QCOMPARE(boxes.shown.back().text, QStringLiteral("'%1' is not a valid integer value").arg(typed));
        QCOMPARE(window->lblNo->text(), QStringLiteral("2"));
    }
}

void PracticeTest::judging_data() {
    QTest::addColumn<int>("from");  // position shown first
    QTest::addColumn<bool>("autoJump");
    QTest::addColumn<QString>("actions");  // a letter clicks that option; "1" to "4" press a letter button
    QTest::addColumn<QStringList>("sounds");
    QTest::addColumn<int>("position");

    const QStringList right{kRight};
    QTest::newRow("right moves on") << 0 << true << "B" << right << 1;
    QTest::newRow("right stays without auto jump") << 0 << false << "B" << right << 0;
    QTest::newRow("wrong, then right") << 0 << true << "AB" << QStringList{kWrong, kRight} << 1;
    QTest::newRow("wrong stays") << 0 << true << "C" << QStringList{kWrong} << 0;
    QTest::newRow("selected option clicked again") << 0 << false << "AA" << QStringList{kWrong} << 0;
    QTest::newRow("letter button") << 0 << false << "2" << right << 0;
    QTest::newRow("letter of the selected option") << 0 << false << "22" << QStringList{kRight, kRight} << 0;
    QTest::newRow("letter of a hidden option") << 1 << true << "3" << QStringList{kWrong} << 1;
    QTest::newRow("right at the last question") << 3 << true << "D" << right << 3;
}

void PracticeTest::judging() {
    QFETCH(int, from);
    QFETCH(bool, autoJump);
    QFETCH(QString, actions);
    Fixture fixture;
    fixture.Execute(QStringLiteral("delete from question where ID=5"));
    auto window = OpenSequential();
    window->sEdit1->setText(QString::number(from + 1));
    window->btnJumpClick();
    window->chkAutoJmp->setChecked(autoJump);
    SoundRecorder sounds;
    const std::array options{window->as1, window->as2, window->as3, window->as4};
    const std::array letters{window->sSpeedButton2, window->sSpeedButton3, window->sSpeedButton4,
                             window->sSpeedButton5};
    for (QChar action : actions) {
        if (action.isDigit()) {
            Click(letters[action.digitValue() - 1]);
        } else {
            Click(options[action.unicode() - 'A']);
        }
    }
    QTEST(sounds.played, "sounds");
    QTEST(window->Position(), "position");
}

void PracticeTest::hintShowsAndSpeaksTheLetter() {
    Fixture fixture;
    auto window = OpenSequential();
    window->sEdit1->setText(QStringLiteral("3"));
    window->btnJumpClick();
    QVERIFY(!window->lblans->isVisibleTo(window.get()));
    SoundRecorder sounds;
    Click(window->sSpeedButton1);
    Click(window->sSpeedButton1);
    QVERIFY(window->lblans->isVisibleTo(window.get()));
    QCOMPARE(window->lblans->text(), QStringLiteral("C"));
    QCOMPARE(sounds.played, (QStringList{"sound/C.wav", "sound/C.wav"}));
    QVERIFY(!window->as3->isChecked());
    window->btnNextClick();
    QVERIFY(!window->lblans->isVisibleTo(window.get()));
}

// The fifth question's answer is 7: no letter to show or speak, so the letter stays and the default
// sound plays.
void PracticeTest::hintForAnAnswerOutOfRange() {
    Fixture fixture;
    auto window = OpenSequential();
    window->sEdit1->setText(QStringLiteral("5"));
    window->btnJumpClick();
    SoundRecorder sounds;
    window->sSpeedButton1Click();
    QCOMPARE(window->lblans->text(), QStringLiteral("A"));
    QCOMPARE(sounds.played, QStringList{QString()});
    window->LetterClick(1);
    window->LetterClick(2);
    QCOMPARE(sounds.played.mid(1), (QStringList{kWrong, kWrong}));
}

void PracticeTest::explanationFollowsAWrongAnswerOrTheHint_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("actions");  // A to D click that option, "?" asks for the hint, ">" moves on
    QTest::addColumn<QString>("shown");

    const QString explained = QStringLiteral("第一题\n解析：乙是对的。");
    QTest::newRow("none before answering") << 0 << ""
                                           << "第一题";
    QTest::newRow("right answer") << 0 << "B"
                                  << "第一题";
    QTest::newRow("wrong answer") << 0 << "A" << explained;
    QTest::newRow("hint") << 0 << "?" << explained;
    QTest::newRow("once per question") << 0 << "AC?" << explained;
    QTest::newRow("gone with the next question") << 0 << "A>"
                                                 << "第二题";
    QTest::newRow("again when the question returns") << 1 << "<A" << explained;
    QTest::newRow("question without one") << 1 << "B?"
                                          << "第二题";
}

void PracticeTest::explanationFollowsAWrongAnswerOrTheHint() {
    QFETCH(int, from);
    QFETCH(QString, actions);
    Fixture fixture({{1, 1, QStringLiteral("第一题"), {"甲", "乙", "丙", "丁"}, 2, "", QStringLiteral("乙是对的。")},
                     {2, 1, QStringLiteral("第二题"), {"正确", "错误", "", ""}, 1, "", ""}});
    auto window = OpenSequential();
    window->sEdit1->setText(QString::number(from + 1));
    window->btnJumpClick();
    window->chkAutoJmp->setChecked(false);
    const std::array options{window->as1, window->as2, window->as3, window->as4};
    for (QChar action : actions) {
        if (action == u'?')
            window->sSpeedButton1Click();
        else if (action == u'>')
            window->btnNextClick();
        else if (action == u'<')
            window->btnPriorClick();
        else
            Click(options[action.unicode() - 'A']);
    }
    QTEST(Shown(*window), "shown");
}

void PracticeTest::savingStoresThePositionUnderTheKey() {
    Fixture fixture;
    MessageBoxRecorder boxes;
    {
        auto window = OpenSequential(QStringLiteral(" and ZhanJie='1'"), QStringLiteral("1"));
        window->btnNextClick();
        window->btnNextClick();
        Click(window->sSpeedButton6);
        window->btnPriorClick();
        window->sSpeedButton6Click();
    }
    QCOMPARE(boxes.shown.size(), size_t(2));
    QCOMPARE(boxes.shown[0].caption, QStringLiteral("提示"));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("进度已保存"));
    QCOMPARE(boxes.shown[0].icon, QMessageBox::Information);
    QCOMPARE(fixture.Saved("1"), 1);  // the later save wins
    QCOMPARE(fixture.Saved("0"), 0);
    auto reopened = OpenSequential(QStringLiteral(" and ZhanJie='1'"), QStringLiteral("1"));
    QCOMPARE(reopened->lblNo->text(), QStringLiteral("2"));
    QCOMPARE(Shown(*reopened), QStringLiteral("第二题"));
}

void PracticeTest::savingInsertsAMissingRow() {
    Fixture fixture;
    fixture.Execute(QStringLiteral("delete from JD where 名称='0'"));
    MessageBoxRecorder boxes;
    auto window = OpenSequential();
    window->btnNextClick();
    window->sSpeedButton6Click();
    QCOMPARE(boxes.shown.back().text, QStringLiteral("进度已保存"));
    QCOMPARE(fixture.Saved("0"), 1);
}

void PracticeTest::failedSaveIsRolledBackAndReported() {
    Fixture fixture;
    fixture.Execute(
        QStringLiteral("create trigger refuse before update on JD begin select raise(fail, 'disk full'); end"));
    fixture.Execute(
        QStringLiteral("create trigger refuseNew before insert on JD begin select raise(fail, 'disk full'); end"));
    MessageBoxRecorder boxes;
    auto window = OpenSequential();
    window->btnNextClick();
    window->sSpeedButton6Click();
    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(boxes.shown[0].caption, QStringLiteral("提示"));
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("进度没有保存：读写数据库文件“%1”时出错。\ndisk full").arg(fixture.dir.File("t1.mdb")));
    QVERIFY(!DM->ADOCON->InTransaction());
    QCOMPARE(fixture.Saved("0"), 0);
    QCOMPARE(window->Position(), 1);
}

// Esc asks as "结束" does, wherever the focus is.
void PracticeTest::endAsksFirst_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("escape");  // Esc to the control with the focus, not a click on "结束"
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("sequential, yes") << "sequential" << false << int(QMessageBox::Yes) << true;
    QTest::newRow("sequential, no") << "sequential" << false << int(QMessageBox::No) << false;
    QTest::newRow("random, yes") << "random" << false << int(QMessageBox::Yes) << true;
    QTest::newRow("Esc in the jump box, yes") << "sequential" << true << int(QMessageBox::Yes) << true;
    QTest::newRow("Esc in the jump box, no") << "sequential" << true << int(QMessageBox::No) << false;
    QTest::newRow("Esc in random practice, no") << "random" << true << int(QMessageBox::No) << false;
    QTest::newRow("Esc in the list window, yes") << "list" << true << int(QMessageBox::Yes) << true;
}

void PracticeTest::endAsksFirst() {
    QFETCH(QString, kind);
    QFETCH(bool, escape);
    QFETCH(int, answer);
    Fixture fixture;
    std::vector<MessageBoxRequest> asked;
    SetMessageBoxHook([&](const MessageBoxRequest& request) {
        asked.push_back(request);
        return QMessageBox::StandardButton(answer);
    });
    const std::unique_ptr<TPracticeWindow> window = OpenKind(kind);
    if (escape) {
        QVERIFY(Activate(window.get()));
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    } else {
        Click(window->sSpeedButton7);
    }
    FailOnMessageBoxes();
    QCOMPARE(asked.size(), size_t(1));
    QCOMPARE(asked[0].caption, QStringLiteral("确认"));
    QCOMPARE(asked[0].text, QStringLiteral("确定要结束练习吗？"));
    QCOMPARE(asked[0].icon, QMessageBox::Question);
    QCOMPARE(asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QTEST(!window->isVisible(), "closed");
    QCOMPARE(fixture.Saved("0"), 0);
}

void PracticeTest::tabReachesEveryCommand_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("order");  // from the control the window gives the focus, Tab after Tab, round to it

    const QStringList letters{"sSpeedButton2", "sSpeedButton3", "sSpeedButton4", "sSpeedButton5"};
    // The options are one stop, as1 while none is chosen; the arrow keys go from one to the next.
    const QStringList question{"as1", "sSpeedButton1", "chkAutoJmp"};
    const QStringList bar = QStringList{"btnPrior", "btnNext", "sSpeedButton7", "btnStar"} + letters;
    QTest::newRow("sequential") << "sequential"
                                << QStringList{"sEdit1"} + question +
                                       QStringList{"btnPrior", "btnNext", "sSpeedButton6", "sSpeedButton7", "btnStar"} +
                                       letters + QStringList{"btnJump", "sEdit1"};
    QTest::newRow("random") << "random" << QStringList{"chkAutoJmp"} + bar + question;
    QTest::newRow("list") << "list" << QStringList{"chkAutoJmp"} + bar + question;
}

// Every button of the window is a Tab stop, and the options one stop as a group of them is, in an order that
// Shift+Tab walks back.
void PracticeTest::tabReachesEveryCommand() {
    QFETCH(QString, kind);
    QFETCH(QStringList, order);
    Fixture fixture({kBank[0], kBank[2], kBank[3]});  // four options each
    ProgramRecords records;
    const std::unique_ptr<TPracticeWindow> window = OpenKind(kind);
    QVERIFY(Activate(window.get()));
    const auto walk = [](Qt::KeyboardModifiers modifiers, qsizetype steps) {
        QStringList reached{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            reached << QApplication::focusWidget()->objectName();
        }
        return reached;
    };
    QCOMPARE(walk(Qt::NoModifier, order.size() - 1), order);
    std::reverse(order.begin(), order.end());
    QCOMPARE(walk(Qt::ShiftModifier, order.size() - 1), order);
    for (const QAbstractButton* button : window->findChildren<TsSpeedButton*>())
        QVERIFY2(order.contains(button->objectName()), qPrintable(button->objectName()));
}

void PracticeTest::keysPressTheirCommands_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("focus");  // the control with the focus as the key goes
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("command");  // the button the key presses; empty for none

    const QKeySequence esc(Qt::Key_Escape);
    QTest::newRow("提示答案 from the jump box") << "sequential"
                                                << "sEdit1" << QKeySequence("Alt+H") << "sSpeedButton1";
    QTest::newRow("收藏 from the jump box") << "sequential"
                                            << "sEdit1" << QKeySequence("Alt+F") << "btnStar";
    QTest::newRow("保存进度 from the jump box") << "sequential"
                                                << "sEdit1" << QKeySequence("Ctrl+S") << "sSpeedButton6";
    QTest::newRow("结束 from the jump box") << "sequential"
                                            << "sEdit1" << esc << "sSpeedButton7";
    QTest::newRow("提示答案 from an option") << "sequential"
                                             << "as2" << QKeySequence("Alt+H") << "sSpeedButton1";
    QTest::newRow("保存进度 from a bar button") << "sequential"
                                                << "btnPrior" << QKeySequence("Ctrl+S") << "sSpeedButton6";
    QTest::newRow("收藏 in random practice") << "random"
                                             << "chkAutoJmp" << QKeySequence("Alt+F") << "btnStar";
    QTest::newRow("结束 in random practice") << "random"
                                             << "sSpeedButton1" << esc << "sSpeedButton7";
    QTest::newRow("提示答案 in the list window") << "list"
                                                 << "sSpeedButton5" << QKeySequence("Alt+H") << "sSpeedButton1";
    QTest::newRow("结束 in the list window") << "list"
                                             << "chkAutoJmp" << esc << "sSpeedButton7";
    QTest::newRow("Return on a focused button") << "sequential"
                                                << "btnStar" << QKeySequence(Qt::Key_Return) << "btnStar";
    QTest::newRow("Space on a focused button") << "sequential"
                                               << "btnStar" << QKeySequence(Qt::Key_Space) << "btnStar";
    QTest::newRow("Return in the jump box jumps only") << "sequential"
                                                       << "sEdit1" << QKeySequence(Qt::Key_Return) << "";
    QTest::newRow("Return on an option") << "sequential"
                                         << "as1" << QKeySequence(Qt::Key_Return) << "";
}

// Each key presses its button and nothing else, wherever the focus is; the jump box takes none of them as text.
void PracticeTest::keysPressTheirCommands() {
    QFETCH(QString, kind);
    QFETCH(QString, focus);
    QFETCH(QKeySequence, key);
    QFETCH(QString, command);
    Fixture fixture;
    ProgramRecords records;
    MessageBoxRecorder boxes;
    SoundRecorder sounds;
    const std::unique_ptr<TPracticeWindow> window = OpenKind(kind);
    QVERIFY(Activate(window.get()));
    QStringList pressed;
    for (QAbstractButton* button : window->findChildren<TsSpeedButton*>())
        connect(button, &QAbstractButton::clicked, this, [&pressed, button] { pressed << button->objectName(); });
    auto* jumpBox = window->findChild<QLineEdit*>();
    if (jumpBox != nullptr)
        jumpBox->setText(QStringLiteral("2"));
    QWidget* target = window->findChild<QWidget*>(focus);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, key[0].key(), key[0].keyboardModifiers());
    QCOMPARE(pressed, command.isEmpty() ? QStringList() : QStringList{command});
    if (jumpBox != nullptr)
        QCOMPARE(jumpBox->text(), QStringLiteral("2"));
    QVERIFY(window->isVisible());
}

void PracticeTest::randomOrderCoversTheBankLength() {
    Fixture fixture;
    TfrmTest2 window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("随机练习"));
    QCOMPARE(window.Order().size(), size_t(5));
    for (int row : window.Order())
        QVERIFY(row >= 0 && row < 5);
    QCOMPARE(window.lblNo->text(), QStringLiteral("1"));
    QCOMPARE(window.lblAll->text(), QStringLiteral("5"));
    QCOMPARE(Shown(window), kBank[window.Order()[0]].text);
    QCOMPARE(window.focusWidget(), window.chkAutoJmp);
    window.btnNextClick();
    QCOMPARE(Shown(window), kBank[window.Order()[1]].text);
    QCOMPARE(window.lblNo->text(), QStringLiteral("2"));
    QVERIFY(window.findChild<QLineEdit*>() == nullptr);  // no jump box
    QCOMPARE(window.sSpeedButton7->geometry(), QRect(192, 8, 81, 41));
}

void PracticeTest::randomPracticeOfOneQuestion() {
    Fixture fixture(QList<Question>{kBank[2]});
    TfrmTest2 window;
    window.show();
    QCOMPARE(window.Order(), std::vector<int>{0});
    window.btnNextClick();
    window.btnPriorClick();
    QCOMPARE(window.lblNo->text(), QStringLiteral("1"));
    QCOMPARE(Shown(window), QStringLiteral("第三题"));
}

void PracticeTest::randomPracticeOfNoQuestion() {
    Fixture fixture(QList<Question>{});
    TfrmTest2 window;
    window.show();
    QVERIFY(window.Order().empty());
    QCOMPARE(window.lblNo->text(), QStringLiteral("0"));
    QCOMPARE(window.lblAll->text(), QStringLiteral("0"));
    QCOMPARE(Shown(window), QString());
    window.btnNextClick();
    window.btnPriorClick();
    SoundRecorder sounds;
    window.LetterClick(1);
    QCOMPARE(sounds.played, QStringList{kWrong});
}

void PracticeTest::mainWindowOpensEachPractice_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("sql");
    QTest::newRow("顺序练习") << "sBitBtn1"
                              << "select * from question where 1=1";
    QTest::newRow("chapter 10") << "N10"
                                << "select * from question where 1=1 and ZhanJie='10'";
    QTest::newRow("随机练习") << "sBitBtn2"
                              << "select * from question where 1=1";
}

void PracticeTest::mainWindowOpensEachPractice() {
    QFETCH(QString, command);
    QFETCH(QString, sql);
    Fixture fixture;
    TfrmMain form;
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<TPracticeWindow*>(QApplication::activeModalWidget());
        QVERIFY(window != nullptr);
        QCOMPARE(window == frmTest || window == frmTest2, true);
        seen = window->dstTest->SQL();
        window->close();
    });
    if (command == QLatin1String("sBitBtn1"))
        form.sBitBtn1Click();
    if (command == QLatin1String("sBitBtn2"))
        form.sBitBtn2Click();
    if (command == QLatin1String("N10"))
        form.findChild<QAction*>(command)->trigger();
    QCOMPARE(seen, sql);
    QCOMPARE(frmTest, nullptr);
    QCOMPARE(frmTest2, nullptr);
    QCOMPARE(form.findChildren<TPracticeWindow*>().size(), 0);
}

// Every judged answer of both windows, by option or letter button, goes to the learner current at the time; a
// question answered wrong enters their mistake book with its chapter.
void PracticeTest::answersAreKeptForTheCurrentLearner() {
    Fixture fixture;
    ProgramRecords records;
    auto window = OpenSequential();
    Click(window->as1);            // question 1, answer B: wrong
    Click(window->sSpeedButton3);  // right, moves on to question 2
    Click(window->as1);            // question 2, answer A: right
    QCOMPARE(records.Answers(), (std::vector<std::pair<int, bool>>{{1, false}, {1, true}, {2, true}}));
    const std::vector<MistakeEntry> mistakes = MistakeBook(records.records, 1).Entries();
    QCOMPARE(mistakes.size(), size_t(1));
    QCOMPARE(mistakes[0].question, (QuestionRef{1, 1, "1"}));
    QCOMPARE(mistakes[0].state.streak, 1);

    Learners learners(records.records);
    const int second = learners.Add(QStringLiteral("张伟"));
    learners.SetCurrent(second);
    fixture.Execute(QStringLiteral("delete from question where ID<>3"));
    auto random = std::make_unique<TfrmTest2>();
    random->show();
    Click(random->as1);
    QCOMPARE(records.Answers(second), (std::vector<std::pair<int, bool>>{{3, false}}));
    QCOMPARE(records.Answers().size(), size_t(3));
}

// The first learner's positions stay in the bank's table JD; another learner's are their own, in the records.
void PracticeTest::eachLearnerResumesTheirOwnPosition() {
    Fixture fixture;
    ProgramRecords records;
    MessageBoxRecorder boxes;
    const auto saveAt = [](int n) {
        auto window = OpenSequential();
        window->sEdit1->setText(QString::number(n));
        window->btnJumpClick();
        Click(window->sSpeedButton6);
    };
    saveAt(3);
    Learners learners(records.records);
    const int second = learners.Add(QStringLiteral("张伟"));
    learners.SetCurrent(second);
    QCOMPARE(OpenSequential()->Position(), 0);
    saveAt(5);
    QCOMPARE(fixture.Saved("0"), 2);
    QCOMPARE(OpenSequential()->Position(), 4);
    learners.SetCurrent(1);
    QCOMPARE(OpenSequential()->Position(), 2);
    QCOMPARE(boxes.shown.size(), size_t(2));
    QCOMPARE(boxes.shown[1].text, QStringLiteral("进度已保存"));
}

// Alt with a letter judges as the letter button does, also while the jump box has the focus; Alt+N and Alt+P move.
void PracticeTest::answeringWithTheKeyboard() {
    Fixture fixture;
    auto window = OpenSequential();
    SoundRecorder sounds;
    QTest::keyClick(window->sEdit1, Qt::Key_A, Qt::AltModifier);  // question 1, answer B: wrong
    QTest::keyClick(window->sEdit1, Qt::Key_B, Qt::AltModifier);  // right: on to question 2
    QCOMPARE(sounds.played, (QStringList{kWrong, kRight}));
    QCOMPARE(window->Position(), 1);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(window->Position(), 2);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(window->Position(), 0);
    QVERIFY(window->sEdit1->text().isEmpty());
    QCOMPARE(window->sSpeedButton3->toolTip(), QStringLiteral("快捷键：Alt+B"));
}

// The star follows the question on show and the current learner; without records there is no button.
void PracticeTest::starringTheQuestionOnShow() {
    Fixture fixture;
    QVERIFY(!OpenSequential()->btnStar->isVisibleTo(nullptr));
    ProgramRecords records;
    auto window = OpenSequential();
    QVERIFY(window->btnStar->isVisible());
    window->btnNextClick();
    Click(window->btnStar);
    QCOMPARE(Stars(records.records, 1).All(), std::vector<QuestionRef>{(QuestionRef{1, 2, "1"})});
    QCOMPARE(window->btnStar->text(), QStringLiteral("取消收藏"));
    window->btnNextClick();
    QCOMPARE(window->btnStar->text(), QStringLiteral("收藏"));
    window->btnPriorClick();
    QCOMPARE(window->btnStar->text(), QStringLiteral("取消收藏"));
    Click(window->btnStar);
    QVERIFY(Stars(records.records, 1).All().empty());
    QCOMPARE(window->btnStar->text(), QStringLiteral("收藏"));
}

QV_TEST_MAIN(PracticeTest)
#include "tst_practice.moc"
