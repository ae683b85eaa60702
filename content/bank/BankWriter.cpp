#include "BankWriter.h"

#include "BankError.h"
#include "bank/BankSchema.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <system_error>

namespace {

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

[[noreturn]] void failWith(sqlite3* db, const QString& what) {
    throw BankError(QStringLiteral("%1: %2").arg(what, QString::fromUtf8(sqlite3_errmsg(db))));
}

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        failWith(db, QString::fromUtf8(sql));
    }
}

Statement prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
        failWith(db, QString::fromUtf8(sql));
    }
    return Statement(raw, &sqlite3_finalize);
}

void bindText(sqlite3_stmt* statement, int column, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(statement, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void step(sqlite3* db, sqlite3_stmt* statement, const QString& what) {
    if (sqlite3_step(statement) != SQLITE_DONE) {
        failWith(db, what);
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
}

void createTables(sqlite3* db, const QString& password, const std::optional<QList<ProgressRow>>& progress) {
    for (const QString& statement : BankSchema::Schema(password, progress.has_value()).create) {
        exec(db, statement.toUtf8().constData());
    }
    if (progress) {
        const Statement insert = prepare(db, "INSERT INTO JD(\"名称\", \"进度\") VALUES(?, ?)");
        for (const ProgressRow& row : *progress) {
            bindText(insert.get(), 1, row.name);
            sqlite3_bind_int(insert.get(), 2, row.position);
            step(db, insert.get(), QStringLiteral("storing progress row %1").arg(row.name));
        }
    }
}

// Row "0" holds progress over the whole bank, rows "1".."10" one chapter each.
QList<ProgressRow> freshProgress() {
    QList<ProgressRow> rows;
    for (int chapter = 0; chapter <= 10; ++chapter) {
        rows.append({QString::number(chapter), 0});
    }
    return rows;
}

void insertQuestions(sqlite3* db, const QList<Question>& questions) {
    const Statement insert = prepare(db,
                                     "INSERT INTO question(ID, zhanjie, question, ans1, ans2, ans3, ans4, bmp, ans, "
                                     "jiexi) VALUES(?,?,?,?,?,?,?,?,?,?)");
    for (const Question& q : questions) {
        sqlite3_bind_int(insert.get(), 1, q.id);
        bindText(insert.get(), 2, QString::number(q.chapter));
        bindText(insert.get(), 3, q.text);
        for (int i = 0; i < 4; ++i) {
            bindText(insert.get(), 4 + i, q.options[size_t(i)]);
        }
        bindText(insert.get(), 8, q.picture);
        sqlite3_bind_int(insert.get(), 9, q.answer);
        if (!q.explanation.isEmpty()) {
            bindText(insert.get(), 10, q.explanation);  // left NULL otherwise
        }
        step(db, insert.get(), QStringLiteral("storing question %1").arg(q.id));
    }
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

void fill(const QString& tmpPath, const QList<Question>& questions, const QString& password,
          const std::optional<QList<ProgressRow>>& progress) {
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(tmpPath.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw, &sqlite3_close);
    if (rc != SQLITE_OK) {
        failWith(db.get(), QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(tmpPath)));
    }
    exec(db.get(), "BEGIN");
    createTables(db.get(), password, progress);
    insertQuestions(db.get(), questions);
    exec(db.get(), "COMMIT");
    if (sqlite3_close(db.release()) != SQLITE_OK) {
        throw BankError(QStringLiteral("cannot close %1").arg(QDir::toNativeSeparators(tmpPath)));
    }
}

}  // namespace

void BankWriter::write(const QString& path, const QList<Question>& questions, const QString& password,
                       bool withProgressTable) {
    write(path, questions, password, withProgressTable ? std::optional(freshProgress()) : std::nullopt);
}

void BankWriter::write(const QString& path, const QList<Question>& questions, const QString& password,
                       const std::optional<QList<ProgressRow>>& progress) {
    const QString tmpPath = path + QStringLiteral(".tmp");
    // A leftover from an interrupted run would otherwise be opened as an existing database and collide on CREATE.
    QFile::remove(tmpPath);
    try {
        fill(tmpPath, questions, password, progress);
        std::error_code error;
        std::filesystem::rename(fsPath(tmpPath), fsPath(path), error);
        if (error) {
            throw BankError(QStringLiteral("cannot rename %1 to %2: %3")
                                .arg(QDir::toNativeSeparators(tmpPath), QDir::toNativeSeparators(path),
                                     QString::fromStdString(error.message())));
        }
    } catch (...) {
        QFile::remove(tmpPath);
        throw;
    }
}
