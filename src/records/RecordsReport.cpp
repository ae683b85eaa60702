#include "records/RecordsReport.h"

#include <QRegularExpression>
#include <QStringList>

#include "records/ExamHistory.h"
#include "records/Learners.h"
#include "records/RecordsDatabase.h"

namespace RecordsReport {
namespace {

QString Quoted(QString text) {
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool SpreadsheetWouldConvert(const QString& text) {
    static const QRegularExpression numberOrDate(
        QStringLiteral("^[0-9\\s.,/:%+\\-年月日时分秒]*[0-9][0-9\\s.,/:%+\\-年月日时分秒]*$"));
    static const QString formulaStarts = QStringLiteral("=+-@\t\r\n");
    return (!text.isEmpty() && formulaStarts.contains(text[0])) || numberOrDate.match(text).hasMatch();
}

QString Percent(int right, int all) {
    return all == 0 ? QString() : QString::number(100.0 * right / all, 'f', 1) + u'%';
}

}  // namespace

QString CsvText(const QString& text) {
    if (!SpreadsheetWouldConvert(text))
        return Quoted(text);
    QString inner = text;
    return Quoted(QStringLiteral("=\"") + inner.replace(u'"', QStringLiteral("\"\"")) + u'"');
}

QByteArray SummaryCsv(RecordsDatabase& records) {
    QStringList lines{
        QStringLiteral("学员,完成考试次数,未完成次数,最近成绩,最高成绩,平均成绩,最近5次合格,答题数,正确率")};
    for (const Learner& learner : Learners(records).All()) {
        const ExamHistory history(records, learner.id);
        const std::vector<ExamResult> all = history.All();
        const std::vector<ExamResult> exams = history.Finished();
        const Readiness readiness = history.ReadReadiness();
        int best = 0;
        long long sum = 0;
        for (const ExamResult& exam : exams) {
            best = std::max(best, exam.score);
            sum += exam.score;
        }
        int right = 0;
        int answers = 0;
        for (const ChapterTally& tally : history.ChapterAccuracy()) {
            right += tally.right;
            answers += tally.right + tally.wrong;
        }
        const bool none = exams.empty();
        lines << QStringList{CsvText(learner.name),
                             QString::number(exams.size()),
                             QString::number(all.size() - exams.size()),
                             none ? QString() : QString::number(exams.back().score),
                             none ? QString() : QString::number(best),
                             none ? QString() : QString::number(double(sum) / double(exams.size()), 'f', 1),
                             CsvText(QStringLiteral("%1/%2").arg(readiness.passed).arg(readiness.counted)),
                             QString::number(answers),
                             Percent(right, answers)}
                     .join(u',');
    }
    return QByteArray("\xEF\xBB\xBF") + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

}  // namespace RecordsReport
