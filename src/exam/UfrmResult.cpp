#include "exam/UfrmResult.h"

#include <QTextCursor>

#include "exam/MemoPictures.h"
#include "platform/Exception.h"
#include "platform/Fonts.h"
#include "questionview/AnswerFeedback.h"
#include "questionview/QuestionPicture.h"
#include "records/ChapterNames.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsMemo.h"
#include "skin/loading/SkinNames.h"
#include "ui/Application.h"
#include "ui/WindowPlacement.h"

namespace {
const QColor kLabelColour(36, 44, 53);
const QColor kPassColour(0, 128, 0);
const QColor kFailColour(200, 0, 0);
// As large as the exam showed them.
constexpr QSize kLargestPicture(313, 177);

// A list that may be longer than its box, with the scroll bar that tells so.
TsMemo* MakeMemo(QWidget* parent, const char* name, QRect place) {
    auto* memo = Place(new TsMemo(parent), name, place.x(), place.y(), place.width(), place.height());
    memo->SetBackground(QColor(221, 236, 248));
    memo->SkinData().SetSkinSection(SkinNames::Panel);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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

// The question's picture on a line of its own; one that cannot be loaded is named instead.
void InsertQuestionPicture(QTextCursor& cursor, const QString& bmp) {
    QImage picture;
    try {
        picture = LoadQuestionPicture(bmp);
    } catch (const Exception&) {
        cursor.insertText(QStringLiteral("（图片“%1”无法显示）").arg(bmp));
        return;
    }
    MemoPictures::Insert(cursor, QStringLiteral("image:") + bmp, picture, kLargestPicture);
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

    lblChapters = MakeCaption(this, "lblChapters", QStringLiteral("各章答题情况"), {16, 76}, 232);
    memChapters = MakeMemo(this, "memChapters", {16, 96, 232, 300});
    memChapters->SetText(KeepBracketsJoined(ChaptersText(result.chapters)));
    const std::vector<SheetAnswer> wrong = sheet.Wrong();
    lblWrong = MakeCaption(this, "lblWrong", QStringLiteral("答错的题（%1道）").arg(wrong.size()), {260, 76}, 300);
    memWrong = MakeMemo(this, "memWrong", {260, 96, 364, 300});
    memWrong->setFont(MakeFont(QStringLiteral("宋体"), 13));
    ShowWrong(wrong);

    btnPractise = Place(new TsBitBtn(QStringLiteral("练习答错的题"), this), "btnPractise", 260, 410, 129, 33);
    btnClose = Place(new TsBitBtn(QStringLiteral("关闭"), this, TsBitBtn::Kind::Cancel), "btnClose", 495, 410, 129, 33);
    btnPractise->setEnabled(!wrong.empty());
    connect(btnPractise, &QPushButton::clicked, this, [this] { done(kPractiseWrong); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    btnClose->setDefault(true);
    // Left unplaced: the sheet opens centred over the window that opened it.
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
    for (const ChapterTally& tally : chapters) {
        lines << ChapterNames::Title(tally.chapter)
              << QStringLiteral("    对%1  错%2").arg(tally.right).arg(tally.wrong);
    }
    return lines.join(u'\n');
}

// Each question answered wrong: its text and picture, the answer given, the right one and why.
void TfrmResult::ShowWrong(const std::vector<SheetAnswer>& wrong) {
    MemoPictures::Allow(memWrong);
    QTextCursor cursor(memWrong->document());
    for (const SheetAnswer& answer : wrong) {
        if (!cursor.atStart())
            cursor.insertText(QStringLiteral("\n\n"));
        cursor.insertText(KeepBracketsJoined(answer.question.question));
        if (!answer.question.bmp.isEmpty()) {
            cursor.insertText(QStringLiteral("\n"));
            InsertQuestionPicture(cursor, answer.question.bmp);
        }
        QString lines = QStringLiteral("\n您的答案：") + OptionText(answer.question, answer.chosen) +
                        QStringLiteral("\n正确答案：") + OptionText(answer.question, answer.question.ans);
        if (!answer.question.jiexi.isEmpty())
            lines += QStringLiteral("\n解析：") + answer.question.jiexi;
        cursor.insertText(KeepBracketsJoined(lines));
    }
    memWrong->moveCursor(QTextCursor::Start);
}

// A word joiner after each opening bracket and before each closing one, and no-break spaces for blanks between a
// bracket and its text, keep a bracket on the line of the text it encloses: a line that would break there breaks
// before the bracketed text instead.
QString TfrmResult::KeepBracketsJoined(const QString& text) {
    static const QString opening = QStringLiteral("（(【《“‘「");
    static const QString closing = QStringLiteral("）)】》”’」");
    constexpr QChar kWordJoiner(0x2060);
    constexpr QChar kNoBreakSpace(0x00A0);
    const auto isBlank = [](QChar c) { return c == u' ' || c == QChar(0x3000); };
    const auto nextVisible = [&text, &isBlank](qsizetype from, int step) {
        while (from >= 0 && from < text.size() && isBlank(text[from]))
            from += step;
        return from >= 0 && from < text.size() ? text[from] : QChar();
    };
    QString joined;
    joined.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isBlank(c) && (opening.contains(nextVisible(i, -1)) || closing.contains(nextVisible(i, 1)))) {
            joined += kNoBreakSpace;
            continue;
        }
        if (closing.contains(c) && i > 0)
            joined += kWordJoiner;
        joined += c;
        if (opening.contains(c) && i + 1 < text.size())
            joined += kWordJoiner;
    }
    return joined;
}
