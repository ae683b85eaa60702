#include "bank/BankSchema.h"

DatabaseSchema BankSchema::Schema(const QString& password, bool withProgressTable) {
    DatabaseSchema schema;
    schema.version = kVersion;
    schema.create = DatabaseSchema::MetaTableSql(kVersion, password);
    schema.create << QStringLiteral(
        "CREATE TABLE question(ID INTEGER PRIMARY KEY, zhanjie TEXT NOT NULL, question TEXT NOT NULL, "
        "ans1 TEXT, ans2 TEXT, ans3 TEXT, ans4 TEXT, bmp TEXT, ans INTEGER NOT NULL, jiexi TEXT)");
    if (withProgressTable) {
        schema.create << QStringLiteral(
            "CREATE TABLE JD(\"名称\" TEXT PRIMARY KEY, \"进度\" INTEGER NOT NULL DEFAULT 0)");
    }
    schema.upgrades = {{QStringLiteral("ALTER TABLE question ADD COLUMN jiexi TEXT")}};
    return schema;
}
