// The result sheet after an exam: how it names chapters and shows the questions answered wrong.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "TestSupport.h"
#include "exam/UfrmResult.h"
#include "skin/controls/TsMemo.h"

namespace {
const QColor kGreen(0, 200, 0);

TQuestion WrongQuestion(int id, const QString& text, const QString& bmp = {}) {
    TQuestion question;
    question.ID = id;
    question.question = text;
    question.ans1 = QStringLiteral("甲");
    question.ans2 = QStringLiteral("乙");
    question.ans = 2;
    question.bmp = bmp;
    question.zhanjie = QStringLiteral("1");
    return question;
}

// The sheet of an exam in which each of `questions` was answered A, wrongly.
std::unique_ptr<TfrmResult> SheetOf(const QList<TQuestion>& questions) {
    ExamSheet sheet;
    for (const TQuestion& question : questions)
        sheet.Add(question, 1, false);
    return std::make_unique<TfrmResult>(ExamResult{{}, 1, "C1 C2 C3 C4", 0, 60, sheet.Chapters()}, sheet);
}

void WritePicture(const TestAppDir& dir, const QString& name, QSize size) {
    QDir().mkpath(dir.File("image"));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kGreen);
    QVERIFY(picture.save(dir.File("image/" + name)));
}

int GreenPixels(QWidget* widget) {
    const QImage shown = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            count += shown.pixelColor(x, y) == kGreen;
    }
    return count;
}

// Every line the memo lays out, as it shows them.
QStringList LaidOutLines(const TsMemo& memo) {
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        memo.document()->documentLayout()->blockBoundingRect(block);  // lays out a block not yet shown
        const QTextLayout* layout = block.layout();
        for (int k = 0; k < layout->lineCount(); ++k) {
            const QTextLine line = layout->lineAt(k);
            lines << block.text().mid(line.textStart(), line.textLength()).remove(QChar(0x2060)).trimmed();
        }
    }
    return lines;
}
}  // namespace

class ExamResultTest : public QObject {
    Q_OBJECT

private slots:
    void chaptersAreNamed();
    void picturesShowWithTheirQuestions_data();
    void picturesShowWithTheirQuestions();
    void pictureThatCannotBeLoadedIsNamed();
    void longListScrolls();
    void bracketsStayWithTheirText_data();
    void bracketsStayWithTheirText();
};

void ExamResultTest::chaptersAreNamed() {
    QCOMPARE(TfrmResult::ChaptersText({{"1", 28, 2}, {"10", 4, 1}, {"12", 0, 1}}),
             QStringLiteral("第1章 道路交通安全法律法规和规章\n    对28  错2\n第10章 轮式自行机械车专用试题\n"
                            "    对4  错1\n第12章\n    对0  错1"));
}

void ExamResultTest::picturesShowWithTheirQuestions_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("small, as it is") << QSize(120, 80) << QSize(120, 80);
    QTest::newRow("large, made smaller") << QSize(626, 200) << QSize(313, 100);
}

// "如图所示" asks about the picture: the sheet shows it under the question's text.
void ExamResultTest::picturesShowWithTheirQuestions() {
    QFETCH(QSize, size);
    QFETCH(QSize, shown);
    TestAppDir dir(TestAppDir::NoBanks);
    WritePicture(dir, "sign.png", size);
    auto sheet = SheetOf({WrongQuestion(1001, QStringLiteral("如图所示，这个标志是何含义？"), "sign.png")});
    sheet->show();
    QVERIFY(sheet->memWrong->toPlainText().startsWith(QStringLiteral("如图所示，这个标志是何含义？\n") +
                                                      QChar::ObjectReplacementCharacter +
                                                      QStringLiteral("\n您的答案：A 甲")));
    QCOMPARE(GreenPixels(sheet->memWrong), shown.width() * shown.height());
}

void ExamResultTest::pictureThatCannotBeLoadedIsNamed() {
    TestAppDir dir(TestAppDir::NoBanks);
    auto sheet = SheetOf({WrongQuestion(1001, QStringLiteral("如图所示，这是什么标志？"), "none.png")});
    QVERIFY(sheet->memWrong->toPlainText().startsWith(
        QStringLiteral("如图所示，这是什么标志？\n（图片“none.png”无法显示）\n您的答案：A 甲")));
}

// The list of an exam with many wrong answers is longer than its box: a scroll bar shows there is more.
void ExamResultTest::longListScrolls() {
    TestAppDir dir(TestAppDir::NoBanks);
    QList<TQuestion> questions;
    for (int k = 0; k < 63; ++k)
        questions << WrongQuestion(1001 + k, QStringLiteral("题%1").arg(1001 + k));
    auto sheet = SheetOf(questions);
    sheet->show();
    QVERIFY(sheet->memWrong->verticalScrollBar()->isVisible());
    QVERIFY(sheet->memWrong->verticalScrollBar()->maximum() > 0);
    QCOMPARE(sheet->memWrong->verticalScrollBar()->value(), 0);
}

void ExamResultTest::bracketsStayWithTheirText_data() {
    QTest::addColumn<QString>("text");
    for (int fill = 23; fill <= 28; ++fill) {  // the brackets come to the end of the first line
        const QString before = QString(QStringLiteral("驾")).repeated(fill);
        QTest::addRow("（C1）after %d", fill) << before + QStringLiteral("小型汽车（C1）驾驶人。");
        QTest::addRow("（ ）after %d", fill) << before + QStringLiteral("应当（ ）。");
        QTest::addRow("（　）after %d", fill) << before + QStringLiteral("应当（　）。");
        QTest::addRow("(km/h) after %d", fill) << before + QStringLiteral("最高时速(km/h)为多少？");
        QTest::addRow("《》after %d", fill) << before + QStringLiteral("《道路交通安全法》规定");
    }
}

// No line of the list starts with a closing bracket or ends with an opening one, wherever the text wraps.
void ExamResultTest::bracketsStayWithTheirText() {
    QFETCH(QString, text);
    TestAppDir dir(TestAppDir::NoBanks);
    auto sheet = SheetOf({WrongQuestion(1001, text)});
    sheet->show();
    const QStringList lines = LaidOutLines(*sheet->memWrong);
    QVERIFY(lines.size() > 1);
    for (const QString& line : lines) {
        QVERIFY2(!QStringLiteral("）)》”").contains(line.front()), qPrintable(lines.join(u'|')));
        QVERIFY2(!QStringLiteral("（(《“").contains(line.back()), qPrintable(lines.join(u'|')));
    }
    // Nothing of the text is lost: word joiners are added, and the blanks by a bracket become spaces that do not break
    // (which the plain text shows as spaces).
    const QString shown = sheet->memWrong->toPlainText().remove(QChar(0x2060)).section(u'\n', 0, 0);
    QCOMPARE(shown, QString(text).replace(QChar(0x3000), u' '));
}

QV_TEST_MAIN(ExamResultTest)
#include "tst_examresult.moc"
