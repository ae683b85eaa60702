// The learner's record on paper and what the records window shows around it: the PDF and the printout are one A4
// layout that can be read (checked in the words a PDF reader finds on the page), the score chart counts whole
// exams and marks each, the mistake book says when its questions fall due, and Qt's own file and print dialogs
// opened from the window show their columns and fields whole.
#include <QAbstractItemView>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QValueAxis>
#include <memory>

#include "RecordsFixture.h"
#include "TestSupport.h"
#include "app/RecordCharts.h"
#include "app/UfrmRecords.h"
#include "bank/UDM.h"
#include "records/AnswerLog.h"
#include "records/ExamHistory.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsSpeedButton.h"

namespace {
constexpr double kPointsPerMm = 72 / 25.4;
const QString kLongQuestion = QStringLiteral(
    "驾驶机动车在道路上行驶，遇到前方路口交通信号灯为黄灯持续闪烁，且没有交通警察指挥时，应当怎样通过这个路口？");

// A program folder whose cars' bank has a question of a whole line's length, and the records on the test's clock.
struct Fixture {
    Fixture() {
        QList<Question> questions = ExamBank({{1, 30}, {2, 20}, {3, 20}, {4, 10}, {5, 10}, {6, 5}, {7, 5}}, 0);
        questions[int(std::find_if(questions.begin(), questions.end(), [](const Question& q) { return q.id == 2003; }) -
                      questions.begin())]
            .text = kLongQuestion;
        WriteBank(dir.File("t1.mdb"), questions);
        WriteBank(dir.File("t2.mdb"), ExamBank({{1, 10}}, 50000));
        dir.LinkBuilt(kRecordChartsModule);
        dm = std::make_unique<TDM>();
        DM = dm.get();
    }
    ~Fixture() { DM = nullptr; }

    // Weeks of practice in seven chapters, six whole exams and two left early, and one question missed three times.
    void Seed() {
        RecordsDatabase& db = records.records;
        const int scores[] = {68, 76, 83, 91, 87, 94};
        for (int k = 0; k < 6; ++k) {
            ExamHistory(db, 1).Add({records.now.addDays(2 * k - 14),
                                    1,
                                    "C1 C2 C3 C4",
                                    scores[k],
                                    1500,
                                    {{"1", scores[k], 100 - scores[k]}}});
        }
        ExamHistory(db, 1).Add({records.now.addDays(-1), 1, "C1 C2 C3 C4", 1, 40, {{"1", 1, 0}}});
        ExamHistory(db, 1).Add({records.now.addDays(-1), 1, "C1 C2 C3 C4", 2, 90, {{"1", 2, 3}}});
        const int rightOfTen[] = {9, 6, 8, 5, 7, 9, 4};
        for (int chapter = 1; chapter <= 7; ++chapter) {
            for (int k = 0; k < 10; ++k)
                RecordAnswer(db, 1, {1, chapter * 1000 + k + 1, QString::number(chapter)}, k < rightOfTen[chapter - 1]);
        }
        for (int k = 0; k < 3; ++k)
            RecordAnswer(db, 1, {1, 2003, "2"}, false);
    }

    TestAppDir dir{TestAppDir::NoBanks};
    std::unique_ptr<TDM> dm;
    ProgramRecords records;
};

struct Word {
    int page = 0;
    QRectF box;  // points, from the page's top left
    QString text;
};

struct PdfWords {
    std::vector<QSizeF> pages;
    std::vector<Word> words;

    QString Text() const {
        QString all;
        for (const Word& word : words)
            all += word.text;
        return all;
    }
};

// The words a PDF reader finds in the file, with their boxes (pdftotext -bbox).
PdfWords ReadWords(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(reader.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfWords found;
    for (const QRegularExpressionMatch& match : tag.globalMatch(html)) {
        if (!match.captured(1).isEmpty()) {
            found.pages.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
            continue;
        }
        found.words.push_back({int(found.pages.size()) - 1,
                               QRectF(QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()),
                                      QPointF(match.captured(5).toDouble(), match.captured(6).toDouble())),
                               match.captured(7)});
    }
    return found;
}

// The tick values the axis labels, from its range and its dynamic ticks.
std::vector<double> Ticks(const QValueAxis& axis) {
    std::vector<double> ticks;
    const auto first = int(std::ceil((axis.min() - axis.tickAnchor()) / axis.tickInterval()));
    const auto last = int(std::floor((axis.max() - axis.tickAnchor()) / axis.tickInterval()));
    for (int k = first; k <= last; ++k)
        ticks.push_back(axis.tickAnchor() + k * axis.tickInterval());
    return ticks;
}

// Qt's own dialogs in Chinese, as the program shows them.
struct ChineseQt {
    ChineseQt() {
        if (translator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&translator);
    }
    ~ChineseQt() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
};

// Each of the dialog's shown labels, buttons with words, fields and lists lies inside the dialog, each text at its
// full width.
QStringList CutWidgets(QWidget& dialog) {
    QStringList cut;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&dialog))
            continue;
        const QString text = child->property("text").toString();
        const bool words = !text.isEmpty() && (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child));
        if (!words && !child->inherits("QComboBox") && !child->inherits("QLineEdit"))
            continue;
        const QRect place(child->mapTo(&dialog, QPoint()), child->size());
        if (!dialog.rect().contains(place) || (words && child->width() < child->minimumSizeHint().width()))
            cut << QStringLiteral("%1 %2 %3").arg(child->metaObject()->className(), child->objectName(), text);
    }
    return cut;
}
}  // namespace

class RecordsReportTest : public QObject {
    Q_OBJECT

private slots:
    void pdfIsAReadableA4Page();
    void printingLaysOutAsThePdf();
    void chartCountsWholeExams_data();
    void chartCountsWholeExams();
    void unfinishedExamsStayOutOfTheWindow();
    void mistakeBookSaysWhenTheyFallDue();
    void fileDialogShowsItsColumnsWhole();
    void printDialogShowsItsFieldsWhole();
};

void RecordsReportTest::pdfIsAReadableA4Page() {
    Fixture fixture;
    fixture.Seed();
    TfrmRecords window(fixture.records.records);
    const QString file = fixture.dir.File("记录.pdf");
    window.SavePdf(file);
    const PdfWords pdf = ReadWords(file);
    QVERIFY(!pdf.pages.empty());
    QVERIFY(std::abs(pdf.pages[0].width() - 210 * kPointsPerMm) < 1);
    QVERIFY(std::abs(pdf.pages[0].height() - 297 * kPointsPerMm) < 1);
    for (const Word& word : pdf.words)
        QVERIFY2(word.box.height() >= 3 * kPointsPerMm, qPrintable(word.text));

    // The first page is filled: from margin to margin across, and well down.
    double left = 1e9, right = 0, bottom = 0;
    for (const Word& word : pdf.words) {
        if (word.page != 0)
            continue;
        left = std::min(left, word.box.left());
        right = std::max(right, word.box.right());
        bottom = std::max(bottom, word.box.bottom());
    }
    const QSizeF page = pdf.pages[0];
    QVERIFY2(left < 25 * kPointsPerMm && right > page.width() - 25 * kPointsPerMm,
             qPrintable(QStringLiteral("%1 to %2").arg(left).arg(right)));
    QVERIFY2(bottom > 0.8 * page.height(), qPrintable(QString::number(bottom)));

    const QString text = pdf.Text();
    for (const QString& expected :
         {QStringLiteral("第几次考试"), QStringLiteral("分数"), QStringLiteral("合格线（90分）"),
          QStringLiteral("交通信号及其含义"), QStringLiteral("未完成"), QString(kLongQuestion).remove(u' ')}) {
        QVERIFY2(text.contains(expected), qPrintable(expected));
    }
}

// The printout takes the PDF's path: the same words in the same places.
void RecordsReportTest::printingLaysOutAsThePdf() {
    Fixture fixture;
    fixture.Seed();
    TfrmRecords window(fixture.records.records);
    window.SavePdf(fixture.dir.File("saved.pdf"));
    const QString printed = fixture.dir.File("printed.pdf");
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        dialogShown = dialog != nullptr;
        if (dialog == nullptr)
            return;
        dialog->printer()->setOutputFileName(printed);
        dialog->done(QDialog::Accepted);
    });
    window.btnPrintClick();
    QVERIFY(dialogShown);
    const PdfWords saved = ReadWords(fixture.dir.File("saved.pdf"));
    const PdfWords print = ReadWords(printed);
    QCOMPARE(print.pages, saved.pages);
    QCOMPARE(print.words.size(), saved.words.size());
    for (size_t k = 0; k < saved.words.size(); ++k) {
        QCOMPARE(print.words[k].text, saved.words[k].text);
        QVERIFY(std::abs(print.words[k].box.top() - saved.words[k].box.top()) < 1);
        QVERIFY(std::abs(print.words[k].box.left() - saved.words[k].box.left()) < 1);
    }
}

void RecordsReportTest::chartCountsWholeExams_data() {
    QTest::addColumn<int>("exams");
    for (int exams : {1, 2, 5, 10, 11, 23, 150})
        QTest::addRow("%d exams", exams) << exams;
}

// Whatever the number of exams, the axis labels whole exams only, the first and the last among them, and each
// exam's score is a marked point.
void RecordsReportTest::chartCountsWholeExams() {
    QFETCH(int, exams);
    Fixture fixture;
    for (int k = 0; k < exams; ++k)
        ExamHistory(fixture.records.records, 1).Add({fixture.records.now, 1, "C1", 90, 600, {{"1", 90, 10}}});
    TfrmRecords window(fixture.records.records);
    QChart* chart = window.chtScores->chart();
    auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
    QVERIFY(x != nullptr);
    const std::vector<double> ticks = Ticks(*x);
    QVERIFY(ticks.size() >= 1 && ticks.size() <= 11);
    QCOMPARE(ticks.front(), 1.0);
    for (double tick : ticks)
        QCOMPARE(tick, std::round(tick));
    QVERIFY(x->min() < 1 && x->max() >= exams);
    auto* scores = qobject_cast<QLineSeries*>(chart->series().value(0));
    QCOMPARE(scores->count(), exams);
    QVERIFY(scores->pointsVisible());
    QVERIFY(scores->markerSize() >= 5);
}

void RecordsReportTest::unfinishedExamsStayOutOfTheWindow() {
    Fixture fixture;
    RecordsDatabase& db = fixture.records.records;
    ExamHistory(db, 1).Add({fixture.records.now, 1, "C1", 95, 600, {{"1", 95, 5}}});
    ExamHistory(db, 1).Add({fixture.records.now, 1, "C1", 0, 30, {{"1", 0, 1}}});
    ExamHistory(db, 1).Add({fixture.records.now, 1, "C1", 2, 90, {{"1", 2, 3}}});
    TfrmRecords window(db);
    QCOMPARE(window.lblReadiness->text(), QStringLiteral("最近1次模拟考试合格1次。最薄弱的章节："));
    QChart* chart = window.chtScores->chart();
    QCOMPARE(qobject_cast<QLineSeries*>(chart->series().value(0))->points(), QList<QPointF>{QPointF(1, 95)});
    QCOMPARE(chart->title(), QStringLiteral("模拟考试成绩（另有2次未完成，不计入）"));
}

void RecordsReportTest::mistakeBookSaysWhenTheyFallDue() {
    Fixture fixture;
    RecordsDatabase& db = fixture.records.records;
    for (int k = 1; k <= 63; ++k)
        RecordAnswer(db, 1, {1, 1000 + k, "1"}, false);
    TfrmRecords window(db);
    QCOMPARE(window.lblMistakes->text(), QStringLiteral("错题本：63道，今天该练0道，明天该练63道；收藏：0道"));
    fixture.records.now = fixture.records.now.addDays(1);
    RecordAnswer(db, 1, {1, 1001, "1"}, true);
    fixture.records.now = fixture.records.now.addDays(1);
    window.cbLearnerChange(0);
    QCOMPARE(window.lblMistakes->text(), QStringLiteral("错题本：63道，今天该练62道，后天该练1道；收藏：0道"));
}

// The file dialog opens in a folder with files: every column but the name (which a long name may fill) shows its
// widest entry whole, the modification date's included, and so do its fields and buttons.
void RecordsReportTest::fileDialogShowsItsColumnsWhole() {
    Fixture fixture;
    ChineseQt chinese;
    // As a user meets it the first time: with no columns that Qt kept from an earlier dialog.
    QTemporaryDir qtSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qtSettings.path());
    for (const char* name : {"一月.pdf", "学员汇总.csv", "a-rather-long-name-of-a-file.pdf"})
        fixture.dir.WriteFile(QString::fromUtf8(name), "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(fixture.dir.Path());
    TfrmRecords window(fixture.records.records);
    QStringList problems;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (dialog == nullptr)
            return;
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QTRY_VERIFY(view != nullptr && view->model()->rowCount(view->rootIndex()) == 2);  // the PDF files
        QTest::qWait(50);
        QHeaderView* header = view->header();
        QStyleOptionViewItem option;
        option.initFrom(view);
        for (int column = 1; column < header->count(); ++column) {
            int widest = 0;
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = view->model()->index(row, column, view->rootIndex());
                widest = std::max(widest, view->itemDelegate()->sizeHint(option, index).width());
            }
            const int right = header->sectionViewportPosition(column) + header->sectionSize(column);
            if (right > view->viewport()->width() || header->sectionSize(column) < widest)
                problems << QStringLiteral("%1 (%2 of %3)")
                                .arg(view->model()->headerData(column, Qt::Horizontal).toString())
                                .arg(header->sectionSize(column))
                                .arg(widest);
        }
        problems << CutWidgets(*dialog);
    });
    window.btnPdfClick();
    QDir::setCurrent(before);
    QVERIFY(shown);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
}

// The print dialog, with its options hidden and shown.
void RecordsReportTest::printDialogShowsItsFieldsWhole() {
    Fixture fixture;
    ChineseQt chinese;
    TfrmRecords window(fixture.records.records);
    QStringList problems;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (dialog == nullptr)
            return;
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        QTest::qWait(50);
        problems = CutWidgets(*dialog);
        // Once more with the options shown.
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text().contains(QStringLiteral(">>")))
                button->click();
        }
        QTest::qWait(50);
        problems << CutWidgets(*dialog);
    });
    window.btnPrintClick();
    QVERIFY(shown);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
}

QV_TEST_MAIN(RecordsReportTest)
#include "tst_recordsreport.moc"
