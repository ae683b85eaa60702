#include "bank/DatabaseSchema.h"

#include <QFileInfo>

#include "bank/SqlText.h"
#include "platform/AppDir.h"
#include "platform/Connection.h"
#include "platform/Exception.h"

QString DatabaseSchema::StoreVersionSql(int version) {
    return QStringLiteral("insert or replace into qv_meta(name, value) values('schema_version', '%1')").arg(version);
}

QStringList DatabaseSchema::MetaTableSql(int version, const QString& password) {
    return {QStringLiteral("CREATE TABLE qv_meta(name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
            QStringLiteral("INSERT INTO qv_meta(name, value) VALUES('password', %1)").arg(SqlQuoted(password)),
            StoreVersionSql(version)};
}

int DatabaseSchema::StoredVersion(Connection& connection) {
    if (connection.Select(QStringLiteral("select name from sqlite_master where type='table' and name='qv_meta'"))
            .rows.empty()) {
        return 1;
    }
    const ResultSet stored = connection.Select(QStringLiteral("select value from qv_meta where name='schema_version'"));
    return stored.rows.empty() ? 1 : stored.rows.front().front().toInt();
}

void DatabaseSchema::BringUpToDate(Connection& connection, const QString& fileName) const {
    const int stored = StoredVersion(connection);
    if (stored > version) {
        throw DatabaseError(
            QStringLiteral(
                "数据库文件“%1”是较新版本的程序写的（第%2版，本程序只能读到第%3版），文件没有改动。请使用新版程序。\n"
                "Database '%1' is of version %2; this program reads up to version %3.")
                .arg(fileName)
                .arg(stored)
                .arg(version));
    }
    if (stored == version || connection.ReadOnly() || !QFileInfo(FileSystemPath(fileName)).isWritable()) {
        return;
    }
    connection.BeginTrans();
    try {
        connection.Execute(
            QStringLiteral("create table if not exists qv_meta(name TEXT PRIMARY KEY, value TEXT NOT NULL)"));
        for (int from = stored; from < version; ++from) {
            for (const QString& statement : upgrades[size_t(from - 1)]) {
                connection.Execute(statement);
            }
        }
        connection.Execute(StoreVersionSql(version));
        connection.CommitTrans();
    } catch (...) {
        connection.RollbackTrans();
        throw;
    }
}
