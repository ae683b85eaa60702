#include "bank/ProgressSchema.h"

#include "bank/SqlText.h"

DatabaseSchema ProgressSchema::Schema(const QString& password) {
    DatabaseSchema schema;
    schema.version = kVersion;
    schema.create = {
        QStringLiteral("CREATE TABLE qv_meta(name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE progress(bank TEXT NOT NULL, key TEXT NOT NULL, position INTEGER NOT NULL, "
                       "question_id INTEGER, PRIMARY KEY(bank, key))"),
        DatabaseSchema::StoreVersionSql(kVersion),
        QStringLiteral("INSERT INTO qv_meta(name, value) VALUES('password', %1)").arg(SqlQuoted(password)),
    };
    return schema;
}
