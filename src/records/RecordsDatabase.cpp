#include "records/RecordsDatabase.h"

#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/DataFolders.h"
#include "platform/Exception.h"
#include "records/RecordsSchema.h"

namespace {

const QStringList kCompanions{QString(), QStringLiteral("-wal"), QStringLiteral("-shm")};

// Makes a new, empty records database under a temporary name and renames it into place, so that no half-made file
// is ever taken for a records database.
void CreateFile(const QString& fileName) {
    const QString building = fileName + QStringLiteral(".new");
    QFile::remove(building);
    sqlite3* db = nullptr;
    int result = sqlite3_open_v2(QFile::encodeName(building).constData(), &db,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString failure;
    if (result == SQLITE_OK) {
        QStringList statements = RecordsSchema::Schema().create;
        statements.prepend(QStringLiteral("BEGIN"));
        statements << QStringLiteral("COMMIT");
        for (const QString& statement : statements) {
            if ((result = sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, nullptr)) != SQLITE_OK)
                break;
        }
    }
    if (result != SQLITE_OK)
        failure = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close_v2(db);
    if (failure.isEmpty() && !QFile::rename(building, fileName))
        failure = QStringLiteral("cannot rename %1").arg(building);
    if (!failure.isEmpty()) {
        QFile::remove(building);
        throw Exception(QStringLiteral("无法建立学习记录文件 %1：%2").arg(QDir::toNativeSeparators(fileName), failure));
    }
}

}  // namespace

RecordsDatabase::RecordsDatabase(const QString& fileName, Clock clock) : fileName_(fileName), clock_(std::move(clock)) {
    try {
        Open();
    } catch (const Exception&) {
        connection_.Close();
        if (!QFileInfo::exists(fileName_))
            throw;  // nothing to set aside: the folder itself cannot take a file
        const QString aside = SetAside();
        setAsideMessage_ = QStringLiteral("学习记录文件无法读取，已改名保存为 %1，新的学习记录从现在开始。")
                               .arg(QDir::toNativeSeparators(aside));
        Open();
    }
}

QString RecordsDatabase::DefaultFile() {
    const QString folder = DataFolders::UserDataFolder();
    QDir().mkpath(folder);
    return folder + QStringLiteral("records.db");
}

void RecordsDatabase::Open() {
    if (!QFileInfo::exists(fileName_))
        CreateFile(fileName_);
    connection_.SetConnectionString(
        QStringLiteral("Provider=%1;Data Source=%2;Persist Security Info=False;Jet OLEDB:Database Password=%3")
            .arg(QLatin1String(Connection::kProvider), fileName_, QLatin1String(RecordsSchema::kPassword)));
    connection_.Open();
    RecordsSchema::Schema().BringUpToDate(connection_, fileName_);
    // The log keeps each answer's transaction short and one killed program loses at most the answer it was writing.
    connection_.Execute(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL"));
    connection_.Select(QStringLiteral("select count(*) from learners"));
}

// The file and its log move together, so that the new file does not meet the old one's log.
QString RecordsDatabase::SetAside() const {
    const QString stamp = clock_().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = fileName_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = fileName_ + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    for (const QString& suffix : kCompanions) {
        if (QFileInfo::exists(fileName_ + suffix) && !QFile::rename(fileName_ + suffix, aside + suffix))
            throw Exception(
                QStringLiteral("学习记录文件 %1 无法读取，也无法改名。").arg(QDir::toNativeSeparators(fileName_)));
    }
    return aside;
}

void RecordsDatabase::InTransaction(const std::function<void()>& work) {
    connection_.BeginTrans();
    try {
        work();
        connection_.CommitTrans();
    } catch (...) {
        connection_.RollbackTrans();
        throw;
    }
}

QString RecordsDatabase::Quoted(QString text) {
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}
