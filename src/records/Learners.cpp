#include "records/Learners.h"

#include <QTextBoundaryFinder>

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
    RequireWritable();
    if (records_.Db().Select(QStringLiteral("select 1 from learners where id=?"), {id}).rows.empty())
        throw Exception(QStringLiteral("没有这位学员。"));
    records_.InTransaction([&] { records_.Db().Execute(QStringLiteral("update learners set current=(id=?)"), {id}); });
}

void Learners::RequireWritable() const {
    if (records_.ReadOnly())
        throw Exception(QStringLiteral("学习记录现在只能查看，不能添加、改名、删除或切换学员。"));
}

QString Learners::Normalised(const QString& name) {
    QString kept;
    for (char32_t c : name.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (Invisible(c))
            continue;
        if (QChar::isSpace(c))
            c = U' ';
        kept += QString::fromUcs4(&c, 1);
    }
    return kept.simplified();
}

// Format and control characters show nothing, and a few letters are blank by design; a name made of them, or told from
// another only by them, would look empty or the same.
bool Learners::Invisible(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Other_PrivateUse:
            return true;
        default:
            return c == U'\u115F' || c == U'\u1160' || c == U'\u3164' || c == U'\uFFA0' || c == U'\u2800';
    }
}

int Learners::CharacterCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

QString Learners::Checked(const QString& name, int id) const {
    QString kept = Normalised(name);
    if (kept.isEmpty())
        throw Exception(QStringLiteral("请输入学员姓名。"));
    if (CharacterCount(kept) > kMaxNameLength)
        throw Exception(QStringLiteral("学员姓名不能超过%1个字。").arg(kMaxNameLength));
    for (const Learner& learner : All()) {
        if (learner.id != id && Normalised(learner.name) == kept)
            throw Exception(QStringLiteral("已有名为“%1”的学员，请换一个姓名。").arg(learner.name));
    }
    return kept;
}

int Learners::Add(const QString& name) {
    RequireWritable();
    const QString kept = Checked(name, 0);
    int id = 0;
    records_.InTransaction([&] {
        records_.Db().Execute(QStringLiteral("insert into learners(name, current) values(?, 0)"), {kept});
        id = records_.Db().Select(QStringLiteral("select last_insert_rowid()")).rows.front().front().toInt();
    });
    return id;
}

void Learners::Rename(int id, const QString& name) {
    RequireWritable();
    const QString kept = Checked(name, id);
    records_.InTransaction([&] {
        records_.Db().Execute(QStringLiteral("update learners set name=? where id=?"), {kept, id});
    });
}

void Learners::Remove(int id) {
    RequireWritable();
    if (All().size() <= 1)
        throw Exception(QStringLiteral("至少要保留一位学员。"));
    records_.InTransaction([&] {
        Connection& db = records_.Db();
        for (const char* table : {"answers", "chapter_totals", "mistakes", "stars", "positions"})
            db.Execute(QStringLiteral("delete from %1 where learner=?").arg(QLatin1String(table)), {id});
        db.Execute(QStringLiteral("delete from exam_chapters where exam in (select id from exams where learner=?)"),
                   {id});
        db.Execute(QStringLiteral("delete from exams where learner=?"), {id});
        db.Execute(QStringLiteral("delete from learners where id=?"), {id});
        db.Execute(
            QStringLiteral("update learners set current=1 where id=(select min(id) from learners) and "
                           "not exists(select 1 from learners where current=1)"));
    });
}
