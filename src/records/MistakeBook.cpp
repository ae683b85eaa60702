#include "records/MistakeBook.h"

#include "records/RecordsDatabase.h"

// A question due today stands before one due tomorrow, so ordering by due date alone puts the due ones first.
std::vector<MistakeEntry> MistakeBook::Read(const QString& condition) const {
    std::vector<MistakeEntry> entries;
    const ResultSet rows = records_.Db().Select(
        QStringLiteral("select bank, question, chapter, streak, due from mistakes where learner=%1%2 "
                       "order by due, bank, question")
            .arg(learner_)
            .arg(condition));
    entries.reserve(rows.rows.size());
    for (const auto& row : rows.rows) {
        entries.push_back({{row[0].toInt(), row[1].toInt(), row[2].toString()},
                           {row[3].toInt(), QDate::fromJulianDay(row[4].toLongLong())}});
    }
    return entries;
}

std::vector<MistakeEntry> MistakeBook::Entries(const QString& chapter) const {
    return Read(chapter.isEmpty() ? QString() : QStringLiteral(" and chapter=") + RecordsDatabase::Quoted(chapter));
}

std::vector<MistakeEntry> MistakeBook::Due(const QDate& day) const {
    return Read(QStringLiteral(" and due<=%1").arg(day.toJulianDay()));
}
