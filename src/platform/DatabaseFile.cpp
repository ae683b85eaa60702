#include "platform/DatabaseFile.h"

#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/DatabaseMessage.h"
#include "platform/Exception.h"

namespace {

// Runs the statements on a new database at `path`, closed again before the call returns.
void Build(const QString& path, const QStringList& statements) {
    sqlite3* db = nullptr;
    const int opened =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const QByteArray script = (QStringLiteral("begin;") + statements.join(u';') + QStringLiteral(";commit")).toUtf8();
    const int run = opened == SQLITE_OK ? sqlite3_exec(db, script.constData(), nullptr, nullptr, nullptr) : opened;
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close_v2(db);
    if (run != SQLITE_OK) {
        QFile::remove(path);
        throw DatabaseError(message);
    }
}

// The mark a database of ours carries in its table qv_meta; empty when it has none.
QString StoredMark(Connection& connection) {
    if (connection.Select(QStringLiteral("select 1 from sqlite_master where type='table' and name='qv_meta'"))
            .rows.empty()) {
        return {};
    }
    const ResultSet mark = connection.Select(QStringLiteral("select value from qv_meta where name='password'"));
    return mark.rows.empty() ? QString() : mark.rows.front().front().toString();
}

}  // namespace

bool CreateDatabaseFile(const QString& fileName, const QStringList& statements) {
    const QString building = QStringLiteral("%1.%2.new").arg(fileName).arg(getpid());
    QFile::remove(building);
    Build(building, statements);
    // A hard link fails when the name is taken, at once and for good, where a rename would replace the file that
    // another program may already have open.
    const int linked = link(QFile::encodeName(building).constData(), QFile::encodeName(fileName).constData());
    const int error = errno;
    QFile::remove(building);
    if (linked == 0) {
        return true;
    }
    if (error == EEXIST) {
        return false;
    }
    throw DatabaseError(QString::fromLocal8Bit(strerror(error)));
}

QString SetDatabaseFileAside(const QString& fileName, const QDateTime& when) {
    const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.damaged-%2").arg(fileName, stamp);
    for (int n = 2; QFile::exists(aside); ++n) {
        aside = QStringLiteral("%1.damaged-%2-%3").arg(fileName, stamp).arg(n);
    }
    for (const char* companion : {"-journal", "-wal", "-shm"}) {
        const QString name = fileName + QLatin1String(companion);
        if (QFile::exists(name) && !QFile::rename(name, aside + QLatin1String(companion))) {
            throw Exception(DatabaseMessage::ForNotSetAside(QDir::toNativeSeparators(fileName)));
        }
    }
    // Another program may have set it aside first.
    if (!QFile::rename(fileName, aside) && QFile::exists(fileName)) {
        throw Exception(DatabaseMessage::ForNotSetAside(QDir::toNativeSeparators(fileName)));
    }
    return aside;
}

void OpenOwnDatabase(Connection& connection, const OwnDatabaseFile& file, bool readOnly) {
    connection.SetOpenCheck([file](Connection& opened) {
        const QString shown = QDir::toNativeSeparators(file.fileName);
        const ResultSet pages = opened.Select(QStringLiteral("pragma quick_check"));
        const QString verdict = pages.rows.empty() ? QString() : pages.rows.front().front().toString();
        if (verdict != QLatin1String("ok")) {
            throw DatabaseFormatError(DatabaseMessage::ForSqlite(SQLITE_CORRUPT, shown, verdict), SQLITE_CORRUPT);
        }
        if (StoredMark(opened) != file.mark) {
            throw DatabaseFormatError(
                DatabaseMessage::ForSqlite(SQLITE_NOTADB, shown,
                                           QStringLiteral("Unrecognized database format '%1'.").arg(file.fileName)),
                SQLITE_NOTADB);
        }
        if (file.check) {
            file.check(opened);
        }
    });
    connection.OpenFile(file.fileName, readOnly);
}

QString OpenOrRenewOwnDatabase(Connection& connection, const OwnDatabaseFile& file, const QDateTime& now) {
    if (!QFile::exists(file.fileName)) {
        CreateDatabaseFile(file.fileName, file.create);
    }
    try {
        OpenOwnDatabase(connection, file, false);
        return {};
    } catch (const DatabaseFormatError&) {
    }
    QString aside = SetDatabaseFileAside(file.fileName, now);
    CreateDatabaseFile(file.fileName, file.create);
    OpenOwnDatabase(connection, file, false);
    return aside;
}
