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
        const int changed =
            connection->Execute(QStringLiteral("update JD set 进度=%1 where 名称='%2'").arg(position).arg(key));
        if (changed == 0) {
            connection->Execute(QStringLiteral("insert into JD(名称, 进度) values('%1', %2)").arg(key).arg(position));
        }
        connection->CommitTrans();
    } catch (...) {
        connection->RollbackTrans();
        throw;
    }
}
