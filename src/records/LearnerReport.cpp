#include "records/LearnerReport.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include "platform/Fonts.h"
#include "records/ChapterNames.h"
#include "records/ExamHistory.h"
#include "records/Learners.h"
#include "records/MissedQuestions.h"
#include "records/MistakeBook.h"
#include "records/RecordsDatabase.h"
#include "records/Stars.h"

namespace LearnerReport {
namespace {

constexpr int kBodySize = 10;
constexpr int kHeadingSize = 12;
constexpr int kTitleSize = 15;
const QColor kHeaderShade(230, 236, 242);
const QColor kRuleColour(160, 160, 160);

// A face for paper: outlines, antialiased and unhinted, so that text measured in points is placed the same at any
// resolution.
QTextCharFormat Text(const QString& design, int points) {
    QFont font = MakeFont(design, points);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(Qt::black);
    return format;
}

QTextCharFormat Body() {
    return Text(QStringLiteral("宋体"), kBodySize);
}

QString Percent(const ChapterTally& tally) {
    const int all = tally.right + tally.wrong;
    return all == 0 ? QStringLiteral("-") : QString::number(100.0 * tally.right / all, 'f', 1) + u'%';
}

class Writer {
public:
    explicit Writer(QTextDocument& document) : cursor_(&document) {}

    void Title(const QString& text) {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        block.setBottomMargin(6);
        cursor_.setBlockFormat(block);
        cursor_.insertText(text, Text(QStringLiteral("黑体"), kTitleSize));
    }

    void Heading(const QString& text) {
        QTextBlockFormat block;
        block.setTopMargin(12);
        block.setBottomMargin(4);
        cursor_.insertBlock(block, Text(QStringLiteral("黑体"), kHeadingSize));
        cursor_.insertText(text);
    }

    void Paragraph(const QString& text) {
        QTextBlockFormat block;
        block.setBottomMargin(2);
        cursor_.insertBlock(block, Body());
        cursor_.insertText(text);
    }

    void Chart(double height) {
        cursor_.insertBlock(QTextBlockFormat(), Body());
        ReportChart::Insert(cursor_, height);
    }

    // A table of `rows` under a shaded header row repeated on every page, its columns `widths` percent of the page,
    // its rows ruled off by hairlines.
    void Table(const QStringList& headers, const std::vector<double>& widths, const std::vector<QStringList>& rows) {
        QTextTableFormat format;
        format.setHeaderRowCount(1);
        format.setBorder(0);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(3);
        format.setTopMargin(2);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QList<QTextLength> columns;
        for (double width : widths)
            columns << QTextLength(QTextLength::PercentageLength, width);
        format.setColumnWidthConstraints(columns);
        QTextTable* table = cursor_.insertTable(int(rows.size()) + 1, int(headers.size()), format);
        for (int row = 0; row <= int(rows.size()); ++row) {
            for (int column = 0; column < headers.size(); ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                QTextTableCellFormat ruled = cell.format().toTableCellFormat();
                ruled.setBottomBorder(0.5);
                ruled.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                ruled.setBottomBorderBrush(kRuleColour);
                if (row == 0)
                    ruled.setBackground(kHeaderShade);
                cell.setFormat(ruled);
                cell.firstCursorPosition().insertText(row == 0 ? headers[column] : rows[size_t(row - 1)].value(column),
                                                      row == 0 ? Text(QStringLiteral("黑体"), kBodySize) : Body());
            }
        }
        cursor_.movePosition(QTextCursor::End);
    }

private:
    QTextCursor cursor_;
};

QString ReadinessText(const ExamHistory& history, int unfinished) {
    const Readiness readiness = history.ReadReadiness();
    QString text =
        readiness.counted == 0
            ? QStringLiteral("还没有完成的模拟考试。")
            : QStringLiteral("最近%1次完成的模拟考试合格%2次。").arg(readiness.counted).arg(readiness.passed);
    if (unfinished > 0)
        text += QStringLiteral("另有%1次考试未答完（未完成），不计入成绩、合格次数和平均分。").arg(unfinished);
    if (!readiness.weakest.empty()) {
        QStringList weakest;
        for (const ChapterTally& tally : readiness.weakest)
            weakest << QStringLiteral("%1（正确率%2）").arg(ChapterNames::Title(tally.chapter), Percent(tally));
        text += QStringLiteral("最薄弱的章节：") + weakest.join(QStringLiteral("、")) + u'。';
    }
    return text;
}

std::vector<QStringList> ChapterRows(const ExamHistory& history) {
    std::vector<QStringList> rows;
    for (const ChapterTally& tally : history.ChapterAccuracy()) {
        rows.push_back({ChapterNames::Title(tally.chapter), QString::number(tally.right), QString::number(tally.wrong),
                        Percent(tally)});
    }
    return rows;
}

std::vector<QStringList> ExamRows(const std::vector<ExamResult>& exams) {
    std::vector<QStringList> rows;
    const size_t first = exams.size() > size_t(kExamsListed) ? exams.size() - size_t(kExamsListed) : 0;
    for (size_t k = first; k < exams.size(); ++k) {
        const ExamResult& exam = exams[k];
        const QString verdict = !exam.Finished() ? QStringLiteral("未完成")
                                : exam.Passed()  ? QStringLiteral("合格")
                                                 : QStringLiteral("不合格");
        rows.push_back({exam.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm")), exam.kindLabel,
                        QString::number(exam.Answered()), QString::number(exam.score),
                        QStringLiteral("%1分%2秒").arg(exam.secondsUsed / 60).arg(exam.secondsUsed % 60), verdict});
    }
    return rows;
}

QString MistakeBookText(RecordsDatabase& records, int learner) {
    const MistakeBook book(records, learner);
    return QStringLiteral("错题本中有%1道题，%2；收藏了%3道题。")
        .arg(book.Entries().size())
        .arg(book.DueText(records.Now().date()))
        .arg(Stars(records, learner).All().size());
}

std::vector<QStringList> MissedRows(RecordsDatabase& records, int learner, const Sources& sources) {
    std::vector<QStringList> rows;
    for (const MissedQuestion& missed : MostMissed(records, learner, kMissedListed)) {
        QString text = sources.questionText ? sources.questionText(missed.question) : QString();
        if (text.isEmpty())
            text = QStringLiteral("（题库中找不到第%1题）").arg(missed.question.question);
        rows.push_back({QString::number(missed.wrong), QString::number(missed.answered),
                        ChapterNames::Title(missed.question.chapter), text});
    }
    return rows;
}

}  // namespace

std::unique_ptr<QTextDocument> Make(RecordsDatabase& records, const Learner& learner, const Sources& sources) {
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setUseDesignMetrics(true);
    document->setDefaultFont(Body().font());
    ReportChart::Register(*document, sources.paintChart);

    const ExamHistory history(records, learner.id);
    const std::vector<ExamResult> exams = history.All();
    const auto unfinished =
        int(std::count_if(exams.begin(), exams.end(), [](const ExamResult& exam) { return !exam.Finished(); }));
    Writer writer(*document);
    writer.Title((sources.centreName.isEmpty() ? QString() : sources.centreName + u' ') + QStringLiteral("学习记录"));
    writer.Paragraph(QStringLiteral("学员：%1        打印时间：%2")
                         .arg(learner.name, records.Now().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));

    writer.Heading(QStringLiteral("考试准备情况"));
    writer.Paragraph(ReadinessText(history, unfinished));
    if (!exams.empty())
        writer.Chart(kChartHeight);

    writer.Heading(QStringLiteral("各章正确率（练习和考试的全部答题）"));
    const std::vector<QStringList> chapters = ChapterRows(history);
    if (chapters.empty())
        writer.Paragraph(QStringLiteral("还没有答过题。"));
    else
        writer.Table({QStringLiteral("章节"), QStringLiteral("答对"), QStringLiteral("答错"), QStringLiteral("正确率")},
                     {61, 13, 13, 13}, chapters);

    writer.Heading(QStringLiteral("模拟考试"));
    if (exams.empty()) {
        writer.Paragraph(QStringLiteral("还没有模拟考试记录。"));
    } else {
        if (exams.size() > size_t(kExamsListed))
            writer.Paragraph(QStringLiteral("共%1次，下表是最近%2次。").arg(exams.size()).arg(kExamsListed));
        writer.Table({QStringLiteral("日期"), QStringLiteral("车型"), QStringLiteral("答题数"), QStringLiteral("成绩"),
                      QStringLiteral("用时"), QStringLiteral("结果")},
                     {22, 24, 12, 10, 17, 15}, ExamRows(exams));
    }

    writer.Heading(QStringLiteral("错题本"));
    writer.Paragraph(MistakeBookText(records, learner.id));
    const std::vector<QStringList> missed = MissedRows(records, learner.id, sources);
    if (!missed.empty()) {
        writer.Heading(QStringLiteral("答错最多的题"));
        writer.Table({QStringLiteral("答错"), QStringLiteral("答题"), QStringLiteral("章节"), QStringLiteral("题目")},
                     {8, 8, 28, 56}, missed);
    }
    return document;
}

}  // namespace LearnerReport
