#include "records/Learners.h"

#include "platform/Exception.h"
#include "records/RecordsDatabase.h"

std::vector<Learner> Learners::All() const {
    std::vector<Learner> all;
    for (const auto& row :
         records_.Db().Select(QStringLiteral("select id, name, current from learners order by id")).rows)
        all.push_back({row[0].toInt(), row[1].toString(), row[2].toInt() != 0});
    return all;
}

Learner Learners::Current() const {
    for (const Learner& learner : All()) {
        if (learner.current)
            return learner;
    }
    return All().front();
}

void Learners::SetCurrent(int id) {
    if (records_.Db().Select(QStringLiteral("select 1 from learners where id=%1").arg(id)).rows.empty())
        throw Exception(QStringLiteral("没有这位学员。"));
    records_.Db().Execute(QStringLiteral("update learners set current=(id=%1)").arg(id));
}

QString Learners::Checked(const QString& name, int id) const {
    QString kept = name.trimmed();
    if (kept.isEmpty())
        throw Exception(QStringLiteral("请输入学员姓名。"));
    if (kept.size() > kMaxNameLength)
        throw Exception(QStringLiteral("学员姓名不能超过%1个字。").arg(kMaxNameLength));
    if (!records_.Db()
             .Select(QStringLiteral("select 1 from learners where name=%1 and id<>%2")
                         .arg(RecordsDatabase::Quoted(kept))
                         .arg(id))
             .rows.empty()) {
        throw Exception(QStringLiteral("已有名为“%1”的学员，请换一个姓名。").arg(kept));
    }
    return kept;
}

int Learners::Add(const QString& name) {
    const QString kept = Checked(name, 0);
    records_.Db().Execute(
        QStringLiteral("insert into learners(name, current) values(%1, 0)").arg(RecordsDatabase::Quoted(kept)));
    return records_.Db().Select(QStringLiteral("select last_insert_rowid()")).rows.front().front().toInt();
}

void Learners::Rename(int id, const QString& name) {
    const QString kept = Checked(name, id);
    records_.Db().Execute(
        QStringLiteral("update learners set name=%1 where id=%2").arg(RecordsDatabase::Quoted(kept)).arg(id));
}

void Learners::Remove(int id) {
    if (All().size() <= 1)
        throw Exception(QStringLiteral("至少要保留一位学员。"));
    records_.InTransaction([&] {
        Connection& db = records_.Db();
        for (const char* table : {"answers", "chapter_totals", "mistakes", "stars", "positions"})
            db.Execute(QStringLiteral("delete from %1 where learner=%2").arg(QLatin1String(table)).arg(id));
        db.Execute(
            QStringLiteral("delete from exam_chapters where exam in (select id from exams where learner=%1)").arg(id));
        db.Execute(QStringLiteral("delete from exams where learner=%1").arg(id));
        db.Execute(QStringLiteral("delete from learners where id=%1").arg(id));
        db.Execute(
            QStringLiteral("update learners set current=1 where id=(select min(id) from learners) and "
                           "not exists(select 1 from learners where current=1)"));
    });
}
