#include "bank/ProgressSchema.h"

DatabaseSchema ProgressSchema::Schema(const QString& password) {
    DatabaseSchema schema;
    schema.version = kVersion;
    schema.create = DatabaseSchema::MetaTableSql(kVersion, password);
    schema.create << QStringLiteral(
        "CREATE TABLE progress(bank TEXT NOT NULL, key TEXT NOT NULL, position INTEGER NOT NULL, "
        "question_id INTEGER, PRIMARY KEY(bank, key))");
    return schema;
}
