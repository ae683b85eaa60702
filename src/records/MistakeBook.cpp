#include "records/MistakeBook.h"

#include "records/RecordsDatabase.h"

// A question due today stands before one due tomorrow, so ordering by due date alone puts the due ones first.
std::vector<MistakeEntry> MistakeBook::Read(const QString& condition, const QVariant& value) const {
    std::vector<MistakeEntry> entries;
    const ResultSet rows = records_.Db().Select(
        QStringLiteral("select bank, question, chapter, streak, due from mistakes where learner=?%1 "
                       "order by due, bank, question")
            .arg(condition),
        condition.isEmpty() ? QVariantList{learner_} : QVariantList{learner_, value});
    entries.reserve(rows.rows.size());
    for (const auto& row : rows.rows) {
        entries.push_back({{row[0].toInt(), row[1].toInt(), row[2].toString()},
                           {row[3].toInt(), QDate::fromJulianDay(row[4].toLongLong())}});
    }
    return entries;
}

std::vector<MistakeEntry> MistakeBook::Entries(const QString& chapter) const {
    return chapter.isEmpty() ? Read({}, {}) : Read(QStringLiteral(" and chapter=?"), chapter);
}

std::vector<MistakeEntry> MistakeBook::Due(const QDate& day) const {
    return Read(QStringLiteral(" and due<=?"), day.toJulianDay());
}

DueDay MistakeBook::NextDue(const QDate& day) const {
    const ResultSet rows = records_.Db().Select(
        QStringLiteral(
            "select due, count(*) from mistakes where learner=? and due>? group by due order by due limit 1"),
        {learner_, day.toJulianDay()});
    if (rows.rows.empty())
        return {};
    return {QDate::fromJulianDay(rows.rows[0][0].toLongLong()), rows.rows[0][1].toInt()};
}

QString MistakeBook::DueText(const QDate& today) const {
    QString text = QStringLiteral("今天该练%1道").arg(Due(today).size());
    const DueDay next = NextDue(today);
    if (next.count == 0)
        return text;
    const qint64 days = today.daysTo(next.day);
    const QString day = days == 1   ? QStringLiteral("明天")
                        : days == 2 ? QStringLiteral("后天")
                                    : next.day.toString(QStringLiteral("M月d日"));
    return text + QStringLiteral("，%1该练%2道").arg(day).arg(next.count);
}
