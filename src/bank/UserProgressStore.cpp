#include "bank/UserProgressStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <utility>

#include "bank/BankConnection.h"
#include "bank/ProgressSchema.h"
#include "platform/Connection.h"
#include "platform/DataFolders.h"
#include "platform/DatabaseFile.h"
#include "platform/DatabaseMessage.h"
#include "platform/Exception.h"
#include "platform/Writable.h"

namespace {

const QString kFileName = QStringLiteral("progress.db");
// Another program of the same user may be saving: SQLite's waits poll for the lock, so a long run of saves over
// there can hold off a save here for a while.
constexpr int kBusyTimeoutMs = 10000;

// The questions of the practice saved under `key`, as the practice window filters them: a condition to append to a
// query of table question, and the value of its placeholder.
struct PracticeFilter {
    QString sql;
    QVariantList values;
};

PracticeFilter FilterOf(const QString& key) {
    return key == u'0' ? PracticeFilter{} : PracticeFilter{QStringLiteral(" and ZhanJie=?"), {key}};
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
    const OwnDatabaseFile own{file, Schema().create, QLatin1String(BankConnection::kDatabasePassword),
                              [file](Connection& opened) { Schema().BringUpToDate(opened, file); }};
    if (!writable_) {
        if (exists) {
            OpenOwnDatabase(*progress_, own, true);
        }
        return;
    }
    const QString aside = OpenOrRenewOwnDatabase(*progress_, own, QDateTime::currentDateTime());
    if (!aside.isEmpty()) {
        message_ = DatabaseMessage::ForSetAside(QStringLiteral("保存的练习进度"), QDir::toNativeSeparators(aside),
                                                QStringLiteral("新的进度文件已经建好，练习进度从头记起。"));
    }
}

QString UserProgressStore::TakeMessage() {
    return std::exchange(message_, QString());
}

int UserProgressStore::Read(const QString& key) {
    Open();
    if (!progress_->Connected()) {
        return 0;
    }
    const ResultSet saved = progress_->Select(
        QStringLiteral("select position, question_id from progress where bank=? and key=?"), {bankName_, key});
    if (saved.rows.empty()) {
        return 0;
    }
    const std::vector<QVariant>& row = saved.rows.front();
    if (row[1].isNull()) {
        return row[0].toInt();
    }
    const PracticeFilter filter = FilterOf(key);
    const ResultSet before = Bank()->Select(QStringLiteral("select count(*) from question where ID<?") + filter.sql,
                                            QVariantList{row[1]} + filter.values);
    return before.rows.front().front().toInt();
}

void UserProgressStore::Save(const QString& key, int position) {
    Open();
    if (!writable_) {
        throw DatabaseError(
            QStringLiteral("用户数据文件夹“%1”无法写入。").arg(QDir::cleanPath(DataFolders::UserDataFolder())));
    }
    const PracticeFilter filter = FilterOf(key);
    const ResultSet shown = Bank()->Select(
        QStringLiteral("select ID from question where 1=1%1 order by ID limit 1 offset ?").arg(filter.sql),
        filter.values + QVariantList{position});
    const QVariant questionId = shown.rows.empty() ? QVariant() : shown.rows.front().front();
    progress_->Execute(QStringLiteral("insert into progress(bank, key, position, question_id) values(?, ?, ?, ?) "
                                      "on conflict(bank, key) do update set position=excluded.position, "
                                      "question_id=excluded.question_id"),
                       {bankName_, key, position, questionId});
}
