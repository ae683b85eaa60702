// Showing one question: text, options, picture and selection, and what a picture that cannot be loaded
// leaves behind.
#include <QDir>
#include <QTest>

#include "TestSupport.h"
#include "bank/TQuestion.h"
#include "platform/Exception.h"
#include "questionview/QuestionBlock.h"
#include "skin/controls/TsRadioButton.h"
#include "ui/TImage.h"

namespace {
TQuestion Row(const QString& text, const QStringList& options, const QString& bmp = {}) {
    TQuestion row;
    row.question = text;
    row.ans1 = options.value(0);
    row.ans2 = options.value(1);
    row.ans3 = options.value(2);
    row.ans4 = options.value(3);
    row.bmp = bmp;
    row.ans = 1;
    return row;
}

// A question block on a window of its own, as the practice windows hold it.
struct Block {
    QWidget window;
    QString text;
    std::array<TsRadioButton*, 4> options{};
    TImage* picture = new TImage(&window);

    Block() {
        for (int i = 0; i < 4; ++i) {
            options[i] = new TsRadioButton(&window, i + 1);
            options[i]->setVisible(i < 2);
        }
        picture->hide();
    }
    QuestionBlock Controls() {
        return {[this](const QString& shown) { text = shown; }, options, picture};
    }
    void Show(const TQuestion& row) { ShowQuestionBlock(row, Controls()); }
    QString Caption(int i) const { return options[i]->text(); }
    bool Visible(int i) const { return options[i]->isVisibleTo(&window); }
};

void WritePicture(const TestAppDir& dir, const QString& name, const char* format, QColor colour) {
    QDir().mkpath(dir.File("image"));
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(colour);
    picture.save(dir.File("image/" + name), format);
}

QString ErrorOf(Block& block, const TQuestion& row) {
    try {
        block.Show(row);
    } catch (const Exception& error) {
        return error.Message();
    }
    return {};
}
}  // namespace

class QuestionBlockTest : public QObject {
    Q_OBJECT

private slots:
    void optionsAndText();
    void hiddenOptionsKeepTheirCaptions();
    void eachOfCAndDOnItsOwn();
    void selectionIsClearedWithoutJudging();
    void pictureComesAndGoes();
    void pictureNamesMatchWithoutRegardToCase();
    void pictureFailures_data();
    void pictureFailures();
    void failedPictureHidesOnlyThePicture();
};

void QuestionBlockTest::optionsAndText() {
    Block block;
    block.Show(
        Row(QStringLiteral("第一行\r\n第二行"), {QStringLiteral("甲"), QString(), QStringLiteral(" "), QString()}));
    QCOMPARE(block.text, QStringLiteral("第一行\r\n第二行"));
    QCOMPARE(block.Caption(0), QStringLiteral("A：甲"));
    QCOMPARE(block.Caption(1), QStringLiteral("B："));  // A and B always show, even empty
    QVERIFY(block.Visible(1));
    QCOMPARE(block.Caption(2), QStringLiteral("C： "));  // blanks are not empty
    QVERIFY(block.Visible(2));
    QVERIFY(!block.Visible(3));
}

void QuestionBlockTest::hiddenOptionsKeepTheirCaptions() {
    Block block;
    block.Show(Row(QStringLiteral("四选一"), {"1", "2", "3", "4"}));
    block.Show(Row(QStringLiteral("判断"), {QStringLiteral("正确"), QStringLiteral("错误")}));
    QVERIFY(!block.Visible(2));
    QVERIFY(!block.Visible(3));
    QCOMPARE(block.Caption(2), QStringLiteral("C：3"));
    QCOMPARE(block.Caption(3), QStringLiteral("D：4"));
}

void QuestionBlockTest::eachOfCAndDOnItsOwn() {
    Block block;
    block.Show(Row(QStringLiteral("只有D"), {"1", "2", "", "4"}));
    QVERIFY(!block.Visible(2));
    QVERIFY(block.Visible(3));
    QCOMPARE(block.Caption(3), QStringLiteral("D：4"));
}

void QuestionBlockTest::selectionIsClearedWithoutJudging() {
    Block block;
    block.Show(Row(QStringLiteral("题"), {"1", "2"}));
    block.options[1]->setChecked(true);
    int selections = 0;
    for (TsRadioButton* option : block.options) {
        QObject::connect(option, &QRadioButton::toggled, [&selections](bool on) { selections += on ? 1 : 0; });
    }
    block.Show(Row(QStringLiteral("题"), {"1", "2"}));
    for (TsRadioButton* option : block.options)
        QVERIFY(!option->isChecked());
    QCOMPARE(selections, 0);
    block.options[1]->setChecked(true);  // selectable again afterwards
    QCOMPARE(selections, 1);
}

void QuestionBlockTest::pictureComesAndGoes() {
    TestAppDir dir(TestAppDir::NoBanks);
    WritePicture(dir, "red.png", "PNG", Qt::red);
    WritePicture(dir, "blue.jpg", "JPEG", Qt::blue);
    Block block;
    block.Show(Row(QStringLiteral("有图"), {"1", "2"}, "red.png"));
    QVERIFY(block.picture->isVisibleTo(&block.window));
    QCOMPARE(block.picture->Picture().pixelColor(0, 0), QColor(Qt::red));
    block.Show(Row(QStringLiteral("无图"), {"1", "2"}));
    QVERIFY(!block.picture->isVisibleTo(&block.window));
    block.Show(Row(QStringLiteral("另一图"), {"1", "2"}, "blue.jpg"));
    QVERIFY(block.picture->isVisibleTo(&block.window));
    QVERIFY(block.picture->Picture().pixelColor(0, 0).blue() > 200);
}

void QuestionBlockTest::pictureNamesMatchWithoutRegardToCase() {
    TestAppDir dir(TestAppDir::NoBanks);
    WritePicture(dir, "Sign01.PNG", "PNG", Qt::green);
    Block block;
    block.Show(Row(QStringLiteral("题"), {"1", "2"}, "sign01.png"));
    QCOMPARE(block.picture->Picture().pixelColor(0, 0), QColor(Qt::green));
}

void QuestionBlockTest::pictureFailures_data() {
    QTest::addColumn<QString>("bmp");
    QTest::addColumn<QString>("message");  // %1: the full path of the picture
    QTest::newRow("missing") << "none.png"
                             << "Cannot open file \"%1\". No such file or directory";
    QTest::newRow("only blanks") << "  "
                                 << "Unknown picture file extension (.)";
    QTest::newRow("unknown extension") << "sign.gif"
                                       << "Unknown picture file extension (.gif)";
    QTest::newRow("not a picture") << "broken.bmp"
                                   << "Cannot open file \"%1\". ";
    QTest::newRow("metafile") << "plan.WMF"
                              << "Cannot show \"%1\": metafile pictures (.wmf) are not supported";
}

void QuestionBlockTest::pictureFailures() {
    QFETCH(QString, bmp);
    QFETCH(QString, message);
    TestAppDir dir(TestAppDir::NoBanks);
    QDir().mkpath(dir.File("image"));
    dir.WriteFile("image/broken.bmp", "BM not really a bitmap");
    Block block;
    const QString error = ErrorOf(block, Row(QStringLiteral("题"), {"1", "2"}, bmp));
    const QString expected = message.contains("%1") ? message.arg(dir.File("image/" + bmp)) : message;
    QVERIFY2(error.startsWith(expected), qPrintable(error));
}

// The text and options show the new question, ready to be answered; only the picture is missing.
void QuestionBlockTest::failedPictureHidesOnlyThePicture() {
    TestAppDir dir(TestAppDir::NoBanks);
    WritePicture(dir, "red.png", "PNG", Qt::red);
    Block block;
    block.Show(Row(QStringLiteral("旧题"), {"1", "2"}, "red.png"));
    block.options[0]->setChecked(true);
    QVERIFY(!ErrorOf(block, Row(QStringLiteral("新题"), {"x", "y", "z"}, "none.png")).isEmpty());
    QCOMPARE(block.text, QStringLiteral("新题"));
    QCOMPARE(block.Caption(2), QStringLiteral("C：z"));
    QVERIFY(!block.picture->isVisibleTo(&block.window));
    QVERIFY(!block.options[0]->isChecked());
}

QV_TEST_MAIN(QuestionBlockTest)
#include "tst_questionblock.moc"
