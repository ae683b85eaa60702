#include "records/Positions.h"

#include "platform/Exception.h"
#include "records/RecordsDatabase.h"

bool Positions::InBank() const {
    return records_.Db().Select(QStringLiteral("select min(id) from learners")).rows.front().front().toInt() ==
           learner_;
}

int Positions::Read(const QString& key) const {
    const ResultSet stored = records_.Db().Select(
        QStringLiteral("select position from positions where learner=? and key=?"), {learner_, key});
    return stored.rows.empty() ? 0 : stored.rows.front().front().toInt();
}

void Positions::Save(const QString& key, int position) {
    if (records_.ReadOnly())
        throw Exception(QStringLiteral("学习记录现在只能查看，不能保存。"));
    records_.InTransaction([&] {
        records_.Db().Execute(
            QStringLiteral("insert or replace into positions(learner, key, position) values(?, ?, ?)"),
            {learner_, key, position});
    });
}
