#include "records/RecordsDatabase.h"

#include <sqlite3.h>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include "platform/DataFolders.h"
#include "platform/DatabaseFile.h"
#include "platform/DatabaseMessage.h"
#include "platform/Exception.h"
#include "platform/Writable.h"
#include "records/MistakeRule.h"
#include "records/RecordsSchema.h"

namespace {

// Another program of this user (a second copy of this one, a backup) may hold the file for a while.
constexpr int kBusyTimeoutMs = 10000;
constexpr qint64 kSecondsPerDay = 24 * 60 * 60;

const QString kReadOnlyNotice = QStringLiteral("以前的学习记录照常查看，但这次新的练习和考试不会记下。");

// What the learner calls each table, for the message about tables made again.
QString TableTitle(const QString& table) {
    static const QHash<QString, QString> titles{
        {QStringLiteral("learners"), QStringLiteral("学员")},
        {QStringLiteral("answers"), QStringLiteral("答题记录")},
        {QStringLiteral("chapter_totals"), QStringLiteral("各章统计")},
        {QStringLiteral("mistakes"), QStringLiteral("错题本")},
        {QStringLiteral("stars"), QStringLiteral("收藏")},
        {QStringLiteral("exams"), QStringLiteral("考试记录")},
        {QStringLiteral("exam_chapters"), QStringLiteral("考试各章成绩")},
        {QStringLiteral("positions"), QStringLiteral("练习进度")},
    };
    return titles.value(table, table);
}

// The table a statement of a new file makes, indexes or fills; empty for any other statement.
QString TableOf(const QString& statement) {
    static const QRegularExpression subject(
        QStringLiteral("^\\s*(?:create\\s+table|create\\s+index\\s+\\w+\\s+on|insert\\s+into)\\s+(\\w+)\\s*\\("),
        QRegularExpression::CaseInsensitiveOption);
    return subject.match(statement).captured(1);
}

// A sentence for the learner put after the first line of a database message, before its technical text.
QString WithNotice(const QString& message, const QString& notice) {
    const qsizetype end = message.indexOf(u'\n');
    return end < 0 ? message + notice : message.left(end) + notice + message.mid(end);
}

// Failures that will not pass while the program runs: writing again would only fail again.
bool StopsWriting(const DatabaseError& error) {
    switch (error.SqliteCode()) {
        case SQLITE_FULL:
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
            return true;
        default:
            return false;
    }
}

}  // namespace

RecordsDatabase::RecordsDatabase(const QString& fileName, Clock clock) : fileName_(fileName), clock_(std::move(clock)) {
    connection_.SetBusyTimeout(kBusyTimeoutMs);
    const QString shown = QDir::toNativeSeparators(fileName_);
    const bool exists = QFileInfo::exists(fileName_);
    if (!Writable(QFileInfo(fileName_).absolutePath()) || (exists && !Writable(fileName_))) {
        if (!exists)
            throw Exception(QStringLiteral("文件夹“%1”无法写入，学习记录无法建立。")
                                .arg(QDir::toNativeSeparators(QFileInfo(fileName_).absolutePath())));
        OpenReadOnly(QStringLiteral("学习记录文件“%1”或它所在的文件夹不能写入。").arg(shown));
        return;
    }
    try {
        Open(false);
    } catch (const DatabaseError& error) {
        // Busy, a full disk, a newer program's file: the file is kept as it is and read if it can be.
        connection_.Close();
        if (!QFileInfo::exists(fileName_))
            throw Exception(QStringLiteral("无法建立学习记录文件“%1”。\n%2").arg(shown, error.Message()));
        OpenReadOnly(error.Message().section(u'\n', 0, 0));
    }
}

QString RecordsDatabase::DefaultFile() {
    const QString folder = DataFolders::UserDataFolder();
    QDir().mkpath(folder);
    return folder + QStringLiteral("records.db");
}

// A damaged file, or one that is no records database, is set aside and a new one made; only a file opened for writing.
void RecordsDatabase::Open(bool readOnly) {
    const OwnDatabaseFile file{
        fileName_, RecordsSchema::Schema().create, QLatin1String(RecordsSchema::kPassword),
        [this](Connection& opened) { RecordsSchema::Schema().BringUpToDate(opened, fileName_); }};
    if (readOnly) {
        OpenOwnDatabase(connection_, file, true);
    } else if (const QString aside = OpenOrRenewOwnDatabase(connection_, file, clock_()); !aside.isEmpty()) {
        openingMessage_ = DatabaseMessage::ForSetAside(QStringLiteral("学习记录"), QDir::toNativeSeparators(aside),
                                                       QStringLiteral("新的学习记录从现在开始。"));
    }
    readOnly_ = readOnly;
    MakeMissingTables();
    if (readOnly)
        return;
    // The log keeps each answer's transaction short and one killed program loses at most the answer it was writing.
    // Only a change of the mode needs the file to itself.
    if (connection_.Select(QStringLiteral("pragma journal_mode")).rows.front().front().toString() !=
        QLatin1String("wal"))
        connection_.Execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    connection_.Execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
    HoldFutureTimesToNow();
}

void RecordsDatabase::OpenReadOnly(const QString& why) {
    Open(true);
    openingMessage_ = why + u'\n' + kReadOnlyNotice;
}

// A table dropped from the file would lose every record of its kind as it is written; it is made again, empty, and
// the others keep theirs.
void RecordsDatabase::MakeMissingTables() {
    QStringList present;
    for (const auto& row : connection_.Select(QStringLiteral("select name from sqlite_master where type='table'")).rows)
        present << row.front().toString().toLower();
    QStringList missing;
    QStringList statements;
    for (const QString& statement : RecordsSchema::Schema().create) {
        const QString table = TableOf(statement).toLower();
        if (table.isEmpty() || present.contains(table))
            continue;
        statements << statement;
        if (!missing.contains(table))
            missing << table;
    }
    if (missing.isEmpty())
        return;
    QStringList titles;
    for (const QString& table : missing)
        titles << TableTitle(table);
    const QString shown = QDir::toNativeSeparators(fileName_);
    if (readOnly_)
        throw Exception(QStringLiteral("学习记录文件“%1”不完整（缺少%2），又不能写入，现在无法读出。")
                            .arg(shown, titles.join(u'、')));
    InTransaction([&] {
        for (const QString& statement : statements)
            connection_.Execute(statement);
    });
    openingMessage_ = QStringLiteral("学习记录文件“%1”缺少%2，已重新建立为空；其余的学习记录照常保留。")
                          .arg(shown, titles.join(u'、'));
}

// A clock once set far ahead left answers and exams in the future, where they would stay the latest for good and the
// mistake book due in years; whatever lies more than a day ahead is held to now.
void RecordsDatabase::HoldFutureTimesToNow() {
    const QDateTime now = clock_();
    const qint64 seconds = now.toSecsSinceEpoch();
    const qint64 today = now.date().toJulianDay();
    const qint64 latestTime = seconds + kSecondsPerDay;
    const qint64 latestDue = today + kMaxDaysUntilDue + 1;
    if (connection_
            .Select(QStringLiteral("select exists(select 1 from answers where answered>?1) or "
                                   "exists(select 1 from exams where taken>?1) or "
                                   "exists(select 1 from mistakes where due>?2)"),
                    {latestTime, latestDue})
            .rows.front()
            .front()
            .toInt() == 0)
        return;
    InTransaction([&] {
        connection_.Execute(QStringLiteral("update answers set answered=? where answered>?; "
                                           "update exams set taken=? where taken>?; "
                                           "update mistakes set due=? where due>?"),
                            {seconds, latestTime, seconds, latestTime, today, latestDue});
    });
}

void RecordsDatabase::InTransaction(const std::function<void()>& work) {
    if (readOnly_)
        return;
    try {
        connection_.BeginTrans();
        work();
        connection_.CommitTrans();
    } catch (const DatabaseError& error) {
        connection_.RollbackTrans();
        if (!StopsWriting(error))
            throw;
        readOnly_ = true;
        throw DatabaseError(
            WithNotice(error.Message(), QStringLiteral("学习记录从现在起只能查看，新的记录不再保存，直到下次启动。")),
            error.SqliteCode());
    } catch (...) {
        connection_.RollbackTrans();
        throw;
    }
}
