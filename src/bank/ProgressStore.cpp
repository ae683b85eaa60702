#include "bank/ProgressStore.h"

#include "bank/UserProgressStore.h"
#include "platform/Connection.h"

void SaveProgress(Connection* connection, const QString& key, int position) {
    if (UserProgressStore* progress = UserProgressStore::Of(connection)) {
        progress->Save(key, position);
        return;
    }
    connection->BeginTrans();
    try {
        const int changed = connection->Execute(QStringLiteral("update JD set 进度=? where 名称=?"), {position, key});
        if (changed == 0) {
            connection->Execute(QStringLiteral("insert into JD(名称, 进度) values(?, ?)"), {key, position});
        }
        connection->CommitTrans();
    } catch (...) {
        connection->RollbackTrans();
        throw;
    }
}
