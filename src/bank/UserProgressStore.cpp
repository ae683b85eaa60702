#include "bank/UserProgressStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "bank/BankConnection.h"
#include "bank/BankQueries.h"
#include "bank/ProgressSchema.h"
#include "bank/SqlText.h"
#include "platform/Connection.h"
#include "platform/DataFolders.h"
#include "platform/DatabaseFile.h"
#include "platform/Exception.h"
#include "platform/Writable.h"
#include "ui/MessageBox.h"

namespace {

const QString kFileName = QStringLiteral("progress.db");
// Another program of the same user may be saving: SQLite's waits poll for the lock, so a long run of saves over
// there can hold off a save here for a while.
constexpr int kBusyTimeoutMs = 10000;

// The chapter filter of the practice saved under `key`, to append to a query of table question.
QString PracticeFilter(const QString& key) {
    return key == u'0' ? QString() : BankQueries::ChapterFilter(key);
}

DatabaseSchema Schema() {
    return ProgressSchema::Schema(QLatin1String(BankConnection::kDatabasePassword));
}

}  // namespace

UserProgressStore::UserProgressStore(QString bankName, Connection* bank)
    : QObject(bank), bankName_(std::move(bankName)), progress_(new Connection(this)) {
    setObjectName(QStringLiteral("userProgress"));
    progress_->SetBusyTimeout(kBusyTimeoutMs);
}

UserProgressStore* UserProgressStore::Of(const Connection* bank) {
    return bank->findChild<UserProgressStore*>(QString(), Qt::FindDirectChildrenOnly);
}

QString UserProgressStore::FileName() const {
    return DataFolders::UserDataFolder() + kFileName;
}

Connection* UserProgressStore::Bank() const {
    return static_cast<Connection*>(parent());
}

void UserProgressStore::Open() {
    if (progress_->Connected()) {
        return;
    }
    const QString folder = DataFolders::UserDataFolder();
    const QString file = FileName();
    QDir().mkpath(folder);
    const bool exists = QFile::exists(file);
    writable_ = Writable(folder) && (!exists || Writable(file));
    if (!exists) {
        if (!writable_) {
            return;
        }
        CreateDatabaseFile(file, Schema().create);
    }
    try {
        Connect();
    } catch (const DatabaseFormatError&) {
        if (!writable_) {
            throw;
        }
        const QString aside = SetAside();
        CreateDatabaseFile(file, Schema().create);
        Connect();
        ShowMessageBox(nullptr, {QStringLiteral("提示"),
                                 QStringLiteral("保存的练习进度已损坏，无法读出。损坏的文件已改名保留：\n%1\n"
                                                "新的进度文件已经建好，练习进度从头记起。")
                                     .arg(aside),
                                 QMessageBox::Warning, QMessageBox::Ok});
    }
}

// A damaged file may still open; SQLite's quick check reads every page of it.
void UserProgressStore::Connect() {
    const QString file = FileName();
    progress_->SetConnectionString(BankConnection::ConnectionStringFor(file, !writable_));
    try {
        const ResultSet check = progress_->Select(QStringLiteral("pragma quick_check"));
        if (check.rows.empty() || check.rows.front().front().toString() != QLatin1String("ok")) {
            throw DatabaseFormatError(QStringLiteral("Database '%1' is damaged.").arg(file));
        }
        Schema().BringUpToDate(*progress_, file);
    } catch (...) {
        progress_->Close();
        throw;
    }
}

// The damaged file, and the journal SQLite would otherwise play into its successor, are renamed side by side.
QString UserProgressStore::SetAside() const {
    const QString file = FileName();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.damaged-%2").arg(file, stamp);
    for (int n = 2; QFile::exists(aside); ++n) {
        aside = QStringLiteral("%1.damaged-%2-%3").arg(file, stamp).arg(n);
    }
    for (const char* companion : {"-journal", "-wal", "-shm"}) {
        QFile::rename(file + QLatin1String(companion), aside + QLatin1String(companion));
    }
    // Another instance of the program may have set it aside first.
    if (!QFile::rename(file, aside) && QFile::exists(file)) {
        throw DatabaseError(QStringLiteral("练习进度文件“%1”已损坏，也无法改名。").arg(file));
    }
    return aside;
}

int UserProgressStore::Read(const QString& key) {
    Open();
    if (!progress_->Connected()) {
        return 0;
    }
    const ResultSet saved =
        progress_->Select(QStringLiteral("select position, question_id from progress where bank=%1 and key=%2")
                              .arg(SqlQuoted(bankName_), SqlQuoted(key)));
    if (saved.rows.empty()) {
        return 0;
    }
    const std::vector<QVariant>& row = saved.rows.front();
    if (row[1].isNull()) {
        return row[0].toInt();
    }
    const ResultSet before = Bank()->Select(QStringLiteral("select count(*) from question where ID<%1%2")
                                                .arg(row[1].toLongLong())
                                                .arg(PracticeFilter(key)));
    return before.rows.front().front().toInt();
}

void UserProgressStore::Save(const QString& key, int position) {
    Open();
    if (!writable_) {
        throw DatabaseError(
            QStringLiteral("用户数据文件夹“%1”无法写入。").arg(QDir::cleanPath(DataFolders::UserDataFolder())));
    }
    const ResultSet shown =
        Bank()->Select(QStringLiteral("select ID from question where 1=1%1 order by ID limit 1 offset %2")
                           .arg(PracticeFilter(key))
                           .arg(position));
    const QString questionId = shown.rows.empty() ? QStringLiteral("null") : shown.rows.front().front().toString();
    progress_->Execute(QStringLiteral("insert into progress(bank, key, position, question_id) values(%1, %2, %3, %4) "
                                      "on conflict(bank, key) do update set position=excluded.position, "
                                      "question_id=excluded.question_id")
                           .arg(SqlQuoted(bankName_), SqlQuoted(key), QString::number(position), questionId));
}
