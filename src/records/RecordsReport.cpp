#include "records/RecordsReport.h"

#include <QStringList>

#include "records/ExamHistory.h"
#include "records/Learners.h"
#include "records/RecordsDatabase.h"

namespace RecordsReport {
namespace {

QString CsvField(QString text) {
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString Percent(int right, int all) {
    return all == 0 ? QStringLiteral("-") : QString::number(100.0 * right / all, 'f', 1) + u'%';
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

}  // namespace

QByteArray SummaryCsv(RecordsDatabase& records) {
    QStringList lines{QStringLiteral("学员,考试次数,最近成绩,最高成绩,平均成绩,最近5次合格,答题数,正确率")};
    for (const Learner& learner : Learners(records).All()) {
        const ExamHistory history(records, learner.id);
        const std::vector<ExamResult> exams = history.All();
        const Readiness readiness = history.ReadReadiness();
        int best = 0;
        long long sum = 0;
        for (const ExamResult& exam : exams) {
            best = std::max(best, exam.score);
            sum += exam.score;
        }
        int right = 0;
        int all = 0;
        for (const ChapterTally& tally : history.ChapterAccuracy()) {
            right += tally.right;
            all += tally.right + tally.wrong;
        }
        const bool none = exams.empty();
        lines << QStringList{CsvField(learner.name),
                             QString::number(exams.size()),
                             none ? QString() : QString::number(exams.back().score),
                             none ? QString() : QString::number(best),
                             none ? QString() : QString::number(double(sum) / double(exams.size()), 'f', 1),
                             QStringLiteral("%1/%2").arg(readiness.passed).arg(readiness.counted),
                             QString::number(all),
                             Percent(right, all)}
                     .join(u',');
    }
    return QByteArray("\xEF\xBB\xBF") + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString LearnerHtml(RecordsDatabase& records, const Learner& learner, const QString& centreName) {
    const ExamHistory history(records, learner.id);
    QString html = QStringLiteral("<html><body><h2>%1 学习记录</h2><p>学员：%2<br>打印时间：%3</p>")
                       .arg(Escaped(centreName), Escaped(learner.name),
                            records.Now().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    const Readiness readiness = history.ReadReadiness();
    html += QStringLiteral("<h3>考试准备情况</h3><p>最近%1次考试合格%2次").arg(readiness.counted).arg(readiness.passed);
    if (!readiness.weakest.empty()) {
        QStringList weakest;
        for (const ChapterTally& tally : readiness.weakest)
            weakest << QStringLiteral("第%1章（%2）")
                           .arg(Escaped(tally.chapter), Percent(tally.right, tally.right + tally.wrong));
        html += QStringLiteral("；最薄弱的章节：") + weakest.join(QStringLiteral("、"));
    }
    html += QStringLiteral(
        "</p><h3>各章正确率</h3><table border=1 cellspacing=0 cellpadding=3>"
        "<tr><th>章节</th><th>答对</th><th>答错</th><th>正确率</th></tr>");
    for (const ChapterTally& tally : history.ChapterAccuracy()) {
        html += QStringLiteral("<tr><td>第%1章</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(Escaped(tally.chapter))
                    .arg(tally.right)
                    .arg(tally.wrong)
                    .arg(Percent(tally.right, tally.right + tally.wrong));
    }
    html += QStringLiteral(
        "</table><h3>模拟考试</h3><table border=1 cellspacing=0 cellpadding=3>"
        "<tr><th>日期</th><th>车型</th><th>成绩</th><th>用时</th><th>结果</th></tr>");
    for (const ExamResult& exam : history.All()) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4分%5秒</td><td>%6</td></tr>")
                    .arg(exam.taken.toString(QStringLiteral("yyyy-MM-dd HH:mm")), Escaped(exam.kindLabel))
                    .arg(exam.score)
                    .arg(exam.secondsUsed / 60)
                    .arg(exam.secondsUsed % 60)
                    .arg(exam.Passed() ? QStringLiteral("合格") : QStringLiteral("不合格"));
    }
    return html + QStringLiteral("</table></body></html>");
}

}  // namespace RecordsReport
