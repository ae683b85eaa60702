#include "platform/DatabaseFile.h"

#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

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
