#include "exam/UfrmResult.h"

#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/WindowPlacement.h"
#include "questionview/AnswerFeedback.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsMemo.h"

namespace {
const QColor kLabelColour(36, 44, 53);
const QColor kPassColour(0, 128, 0);
const QColor kFailColour(200, 0, 0);

TsMemo* MakeMemo(QWidget* parent, const char* name, QRect place) {
    auto* memo = Place(new TsMemo(parent), name, place.x(), place.y(), place.width(), place.height());
    memo->SetBackground(QColor(221, 236, 248));
    memo->SkinData().SetSkinSection("PANEL");
    memo->setReadOnly(true);
    return memo;
}

TsLabel* MakeCaption(QWidget* parent, const char* name, const QString& caption, QPoint at, int width) {
    auto* label = Place(new TsLabel(caption, parent), name, at.x(), at.y(), width, 16);
    label->SetFontColor(kLabelColour);
    return label;
}

// The option `k` (1 = A) of a question as the sheet names it: its letter and its words; a bank's answer that names
// no option reads as none.
QString OptionText(const TQuestion& question, int k) {
    if (AnswerFeedback::Letter(k).isEmpty())
        return QStringLiteral("（无）");
    const QString words = std::array{question.ans1, question.ans2, question.ans3, question.ans4}.at(size_t(k - 1));
    return AnswerFeedback::Letter(k) + QStringLiteral(" ") + words;
}
}  // namespace

TfrmResult::TfrmResult(const ExamResult& result, const ExamSheet& sheet, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmResult");
    setWindowTitle(QStringLiteral("考试成绩单"));
    setFixedSize(640, 460);
    setFont(MakeFont(QStringLiteral("宋体"), 12));

    lblScore = new TsLabelFX(ScoreText(result), this);
    lblScore->setObjectName("lblScore");
    lblScore->setFont(MakeFont(QStringLiteral("黑体"), 24));
    lblScore->SetColor(kLabelColour);
    lblScore->move(16, 12);
    lblVerdict = new TsLabelFX(VerdictText(result), this);
    lblVerdict->setObjectName("lblVerdict");
    lblVerdict->setFont(MakeFont(QStringLiteral("黑体"), 24));
    lblVerdict->SetColor(result.Passed() ? kPassColour : kFailColour);
    lblVerdict->move(220, 12);
    lblTime = MakeCaption(this, "lblTime",
                          QStringLiteral("车型：%1    用时：%2").arg(result.kindLabel, TimeText(result.secondsUsed)),
                          {16, 50}, 600);

    lblChapters = MakeCaption(this, "lblChapters", QStringLiteral("各章答题情况"), {16, 76}, 180);
    memChapters = MakeMemo(this, "memChapters", {16, 96, 180, 300});
    memChapters->SetText(ChaptersText(result.chapters));
    const std::vector<SheetAnswer> wrong = sheet.Wrong();
    lblWrong = MakeCaption(this, "lblWrong", QStringLiteral("答错的题（%1道）").arg(wrong.size()), {208, 76}, 300);
    memWrong = MakeMemo(this, "memWrong", {208, 96, 416, 300});
    memWrong->setFont(MakeFont(QStringLiteral("宋体"), 13));
    memWrong->SetText(WrongText(wrong));

    btnPractise = Place(new TsBitBtn(QStringLiteral("练习答错的题"), this), "btnPractise", 208, 410, 129, 33);
    btnClose = Place(new TsBitBtn(QStringLiteral("关闭"), this, TsBitBtn::Kind::Cancel), "btnClose", 495, 410, 129, 33);
    btnPractise->setEnabled(!wrong.empty());
    connect(btnPractise, &QPushButton::clicked, this, [this] { done(kPractiseWrong); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    btnClose->setDefault(true);
    CentreOnScreen(this);
}

QString TfrmResult::ScoreText(const ExamResult& result) {
    return QStringLiteral("成绩：%1分").arg(result.score);
}

QString TfrmResult::VerdictText(const ExamResult& result) {
    return result.Passed() ? QStringLiteral("合格") : QStringLiteral("不合格");
}

QString TfrmResult::TimeText(int seconds) {
    return QStringLiteral("%1分%2秒").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TfrmResult::ChaptersText(const std::vector<ChapterTally>& chapters) {
    QStringList lines;
    for (const ChapterTally& tally : chapters)
        lines << QStringLiteral("第%1章  对%2  错%3").arg(tally.chapter).arg(tally.right).arg(tally.wrong);
    return lines.join(u'\n');
}

QString TfrmResult::WrongText(const std::vector<SheetAnswer>& wrong) {
    QStringList blocks;
    for (const SheetAnswer& answer : wrong) {
        QString block = answer.question.question + QStringLiteral("\n您的答案：") +
                        OptionText(answer.question, answer.chosen) + QStringLiteral("\n正确答案：") +
                        OptionText(answer.question, answer.question.ans);
        if (!answer.question.jiexi.isEmpty())
            block += QStringLiteral("\n解析：") + answer.question.jiexi;
        blocks << block;
    }
    return blocks.join(QStringLiteral("\n\n"));
}
