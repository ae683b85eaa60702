#include "bank/BankQueries.h"

#include <QStringList>

QString BankQueries::QuestionTableSql() {
    return QStringLiteral("select * from question");
}

// ID is the table's row key, so rows come in ID order without an "order by" (which would stop a filter from
// being appended).
QString BankQueries::AllQuestionsSql() {
    return QStringLiteral("select * from question where 1=1");
}

QString BankQueries::ChapterFilter(const QString& chapter) {
    return QStringLiteral(" and ZhanJie='") + chapter + QStringLiteral("'");
}

QString BankQueries::QuestionIdsFilter(const std::vector<int>& ids) {
    QStringList numbers;
    for (int id : ids)
        numbers << QString::number(id);
    return QStringLiteral(" and ID in (") + numbers.join(u',') + u')';
}

QString BankQueries::ChapterQuestionIdsSql(int chapter) {
    return QStringLiteral("select ID from question where zhanjie='%1'").arg(chapter);
}

QString BankQueries::QuestionIdFilter(int id) {
    return QStringLiteral("ID=%1").arg(id);
}
