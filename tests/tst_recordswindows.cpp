// The windows of the learners' records: the result sheet after an exam, the records window with its learners,
// practice of the weakest chapters, the mistake book and the starred questions, and its PDF and CSV.
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <memory>

#include "RecordsFixture.h"
#include "TestSupport.h"
#include "app/RecordCharts.h"
#include "app/UFrmMain.h"
#include "app/UfrmConfig.h"
#include "app/UfrmRecords.h"
#include "app/Upublic.h"
#include "bank/UDM.h"
#include "exam/UfrmMNKS.h"
#include "exam/UfrmResult.h"
#include "practice/UfrmMistakes.h"
#include "records/AnswerLog.h"
#include "records/ExamHistory.h"
#include "records/Learners.h"
#include "records/Stars.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsStatusBar.h"

namespace {
const Chapters kCarChapters{{1, 30}, {2, 20}, {3, 20}, {4, 10}, {5, 10}, {6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}};

struct Fixture {
    Fixture() {
        WriteBank(dir.File("t1.mdb"), ExamBank(kCarChapters, 0));
        WriteBank(dir.File("t2.mdb"), ExamBank({{1, 30}, {2, 25}, {3, 25}, {4, 10}, {5, 5}, {6, 1}, {7, 4}}, 50000));
        dir.LinkBuilt(kRecordChartsModule);
        dm = std::make_unique<TDM>();
        DM = dm.get();
    }
    ~Fixture() { DM = nullptr; }

    TestAppDir dir{TestAppDir::NoBanks};
    std::unique_ptr<TDM> dm;
    ProgramRecords records;
};

TQuestion MakeQuestion(int id, const QString& chapter, int ans, const QString& explanation = {}) {
    TQuestion question;
    question.ID = id;
    question.question = QStringLiteral("题%1").arg(id);
    question.ans1 = "甲";
    question.ans2 = "乙";
    question.ans3 = "丙";
    question.ans4 = "丁";
    question.ans = ans;
    question.zhanjie = chapter;
    question.jiexi = explanation;
    return question;
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

void ChooseWrong(TfrmMNKS& exam) {
    const int right = TQuestion::Read(*exam.dstTest).ans;
    Click(std::array{exam.as1, exam.as2, exam.as3, exam.as4}[right % 4]);
}
}  // namespace

class RecordsWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void resultSheetOfAKnownPaper_data();
    void resultSheetOfAKnownPaper();
    void examEndsWithTheSheetAndItsPractice_data();
    void examEndsWithTheSheetAndItsPractice();
    void settingsDialogTurnsTheSheetOff();
    void learnersInTheRecordsWindow();
    void recordsWindowStartsPractice();
    void pdfAndCsvAreWrittenWholeOrNotAtAll();
};

void RecordsWindowsTest::resultSheetOfAKnownPaper_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("pass mark") << 90 << "合格";
    QTest::newRow("one short") << 89 << "不合格";
    QTest::newRow("full") << 100 << "合格";
}

void RecordsWindowsTest::resultSheetOfAKnownPaper() {
    QFETCH(int, score);
    ExamSheet sheet;
    sheet.Add(MakeQuestion(1001, "1", 2), 2, true);
    sheet.Add(MakeQuestion(1002, "1", 3, QStringLiteral("看清标志。")), 1, false);
    sheet.Add(MakeQuestion(2001, "2", 4), 4, true);
    sheet.Add(MakeQuestion(10001, "10", 1), 2, false);
    const ExamResult result{{}, 1, "C1 C2 C3 C4", score, 725, sheet.Chapters()};
    TfrmResult window(result, sheet);
    QCOMPARE(window.lblScore->Caption(), QStringLiteral("成绩：%1分").arg(score));
    QTEST(window.lblVerdict->Caption(), "verdict");
    QVERIFY(window.lblTime->text().contains(QStringLiteral("用时：12分05秒")));
    QCOMPARE(window.memChapters->toPlainText(),
             QStringLiteral("第1章 道路交通安全法律法规和规章\n    对1  错1\n第2章 交通信号及其含义\n    对1  错0\n"
                            "第10章 轮式自行机械车专用试题\n    对0  错1"));
    QCOMPARE(window.memWrong->toPlainText(),
             QStringLiteral("题1002\n您的答案：A 甲\n正确答案：C 丙\n解析：看清标志。\n\n"
                            "题10001\n您的答案：B 乙\n正确答案：A 甲"));
    QVERIFY(window.btnPractise->isEnabled());
}

void RecordsWindowsTest::examEndsWithTheSheetAndItsPractice_data() {
    QTest::addColumn<bool>("sheetOn");
    QTest::newRow("sheet on") << true;
    QTest::newRow("sheet off") << false;
}

// Two wrong answers; the sheet's button practises exactly those two, in the bank of the exam.
void RecordsWindowsTest::examEndsWithTheSheetAndItsPractice() {
    QFETCH(bool, sheetOn);
    Fixture fixture;
    QCOMPARE(ReadShowResult(), true);
    if (!sheetOn)
        WriteShowResult(false);
    TfrmMain form;
    std::vector<int> missed;
    QStringList practised;
    bool sheetShown = false;
    QTimer::singleShot(0, [&] {
        for (int k = 0; k < 2; ++k) {
            missed.push_back(frmMNKS->PaperIDs()[frmMNKS->CurrentNo()]);
            ChooseWrong(*frmMNKS);
            frmMNKS->btnNextClick();
        }
        frmMNKS->btnExitClick();
        QTimer::singleShot(0, [&] {
            if (frmResult == nullptr)
                return;
            sheetShown = true;
            QCOMPARE(frmResult->lblScore->Caption(), QStringLiteral("成绩：0分"));
            Click(frmResult->btnPractise);
            QTimer::singleShot(0, [&] {
                QVERIFY(frmMistakes != nullptr);
                QCOMPARE(frmMistakes->lblAll->text(), QStringLiteral("2"));
                for (int k = 0; k < 2; ++k) {
                    practised << frmMistakes->sMemo1->toPlainText();
                    frmMistakes->btnNextClick();
                }
                frmMistakes->close();
            });
        });
    });
    Click(form.sSpeedButton5);
    QCOMPARE(sheetShown, sheetOn);
    QCOMPARE(ExamHistory(fixture.records.records, 1).All().size(), size_t(1));
    if (sheetOn) {
        QCOMPARE(practised,
                 (QStringList{QStringLiteral("题%1").arg(missed[0]), QStringLiteral("题%1").arg(missed[1])}));
    }
}

// The box is written only when changed, so that a centre's file gains no key it did not ask for.
void RecordsWindowsTest::settingsDialogTurnsTheSheetOff() {
    TestAppDir dir(TestAppDir::NoBanks);
    {
        TfrmConfig dialog;
        QVERIFY(dialog.chkResult->isChecked());
        Click(dialog.sBitBtn1);
    }
    QVERIFY(!dir.ReadFile("config.ini").contains("result"));
    {
        TfrmConfig dialog;
        dialog.chkResult->setChecked(false);
        Click(dialog.sBitBtn1);
    }
    QCOMPARE(ReadShowResult(), false);
    TfrmConfig dialog;
    QVERIFY(!dialog.chkResult->isChecked());
    QCOMPARE(dialog.chkResult->geometry(), QRect(16, 108, 200, 18));
}

void RecordsWindowsTest::learnersInTheRecordsWindow() {
    Fixture fixture;
    RecordsDatabase& records = fixture.records.records;
    TfrmMain form;
    QVERIFY(form.sStatusBar1->PanelText().endsWith(QStringLiteral("当前学员：学员1")));
    TfrmRecords window(records);
    QVERIFY(!window.btnRemove->isEnabled());
    {
        MessageBoxRecorder boxes;
        Click(window.btnAdd);
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown[0].text, QStringLiteral("请输入学员姓名。"));
    }
    window.edtName->setText(QStringLiteral("张伟"));
    Click(window.btnAdd);
    QCOMPARE(window.cbLearner->count(), 2);
    QCOMPARE(window.cbLearner->currentText(), QStringLiteral("张伟"));
    QCOMPARE(Learners(records).Current().name, QStringLiteral("张伟"));
    RecordForCurrentLearner({1, 1001, "1"}, false);
    window.edtName->setText(QStringLiteral("张伟伟"));
    Click(window.btnRename);
    QCOMPARE(window.cbLearner->currentText(), QStringLiteral("张伟伟"));

    window.cbLearnerChange(0);
    QCOMPARE(Learners(records).Current().name, QStringLiteral("学员1"));
    QVERIFY(window.lblMistakes->text().startsWith(QStringLiteral("错题本：0道")));
    window.cbLearnerChange(1);
    QVERIFY(window.lblMistakes->text().startsWith(QStringLiteral("错题本：1道")));

    SetMessageBoxHook([](const MessageBoxRequest&) { return QMessageBox::Yes; });
    Click(window.btnRemove);
    FailOnMessageBoxes();
    QCOMPARE(window.cbLearner->count(), 1);
    QCOMPARE(Learners(records).Current().name, QStringLiteral("学员1"));
}

void RecordsWindowsTest::recordsWindowStartsPractice() {
    Fixture fixture;
    RecordsDatabase& records = fixture.records.records;
    const std::pair<int, bool> answers[] = {{1001, true}, {1002, false}, {2001, false}, {2002, false},
                                            {3001, true}, {4001, false}, {5001, true}};
    for (const auto& [id, right] : answers)
        RecordAnswer(records, 1, {1, id, QString::number(id / 1000)}, right);
    Stars(records, 1).Toggle({1, 3001, "3"});
    ExamHistory(records, 1).Add({fixture.records.now, 1, "C1", 92, 900, {{"1", 92, 8}}});
    TfrmRecords window(records);
    QStringList chapters;
    std::vector<std::tuple<QString, int, std::vector<int>>> lists;
    window.practiseChapter = [&](const QString& chapter) { chapters << chapter; };
    window.practiseList = [&](const QString& caption, int bank, const std::vector<int>& ids) {
        lists.emplace_back(caption, bank, ids);
    };
    QCOMPARE(window.lblReadiness->text(), QStringLiteral("最近1次模拟考试合格1次。最薄弱的章节："));
    for (TsSpeedButton* button : window.btnWeak)
        Click(button);
    QCOMPARE(chapters, (QStringList{"2", "4", "1"}));

    Click(window.btnMistakes);
    window.cbMistakeChapter->setCurrentIndex(window.cbMistakeChapter->findText(QStringLiteral("第2章")));
    Click(window.btnMistakes);
    Click(window.btnStars);
    QCOMPARE(lists.size(), size_t(3));
    QCOMPARE(lists[0], std::make_tuple(QStringLiteral("错题练习"), 1, std::vector<int>{1002, 2001, 2002, 4001}));
    QCOMPARE(lists[1], std::make_tuple(QStringLiteral("错题练习"), 1, std::vector<int>{2001, 2002}));
    QCOMPARE(lists[2], std::make_tuple(QStringLiteral("收藏练习"), 1, std::vector<int>{3001}));
}

void RecordsWindowsTest::pdfAndCsvAreWrittenWholeOrNotAtAll() {
    Fixture fixture;
    RecordsDatabase& records = fixture.records.records;
    Learners(records).Rename(1, QStringLiteral("李娜, \"小李\""));
    Learners(records).Add(QStringLiteral("王芳"));
    RecordAnswer(records, 1, {1, 1001, "1"}, true);
    RecordAnswer(records, 1, {1, 1002, "1"}, false);
    ExamHistory(records, 1).Add({fixture.records.now, 1, "C1", 92, 900, {{"1", 92, 8}}});
    ExamHistory(records, 1).Add({fixture.records.now, 1, "C1", 80, 900, {{"1", 80, 20}}});
    ExamHistory(records, 1).Add({fixture.records.now, 1, "C1", 3, 60, {{"1", 3, 2}}});  // left after five answers
    TfrmRecords window(records);

    // The unfinished exam is counted apart; the passes of the last five are a text, not the date "1/2".
    window.SaveCsv(fixture.dir.File("汇总.csv"));
    QCOMPARE(
        fixture.dir.ReadFile("汇总.csv"),
        QStringLiteral("\uFEFF学员,完成考试次数,未完成次数,最近成绩,最高成绩,平均成绩,最近5次合格,答题数,正确率\r\n"
                       "\"李娜, \"\"小李\"\"\",2,1,80,92,86.0,\"=\"\"1/2\"\"\",2,50.0%\r\n"
                       "\"王芳\",0,0,,,,\"=\"\"0/0\"\"\",0,\r\n")
            .toUtf8());
    window.SavePdf(fixture.dir.File("记录.pdf"));
    QVERIFY(fixture.dir.ReadFile("记录.pdf").startsWith("%PDF"));
    QVERIFY(fixture.dir.ReadFile("记录.pdf").size() > 1000);

    const QString missingFolder = fixture.dir.File("没有的文件夹/");
    MessageBoxRecorder boxes;
    window.SaveCsv(missingFolder + "汇总.csv");
    window.SavePdf(missingFolder + "记录.pdf");
    // A file the user write-protected is not replaced, even after they agreed to replace it; the message names the
    // cause and does not make the learner think the records were lost.
    const QString guarded = fixture.dir.File("记录.pdf");
    const QByteArray before = fixture.dir.ReadFile("记录.pdf");
    QVERIFY(QFile::setPermissions(guarded, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    window.SavePdf(guarded);
    QCOMPARE(boxes.shown.size(), size_t(3));
    QVERIFY(boxes.shown[0].text.contains(QStringLiteral("所在的文件夹不存在）")));
    QVERIFY(boxes.shown[0].text.contains(QStringLiteral("汇总没有导出")));
    QVERIFY(boxes.shown[1].text.contains(QStringLiteral("PDF 没有保存；学习记录本身不受影响")));
    QVERIFY(boxes.shown[2].text.contains(QStringLiteral("文件是只读的）")));
    QCOMPARE(fixture.dir.ReadFile("记录.pdf"), before);
    QVERIFY(!QFile::exists(missingFolder));
}

QV_TEST_MAIN(RecordsWindowsTest)
#include "tst_recordswindows.moc"
