#include "platform/Connection.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <memory>
#include <thread>

#include "platform/AppDir.h"
#include "platform/DatabaseMessage.h"
#include "platform/Exception.h"

namespace {

const QString kPasswordKey = QStringLiteral("jet oledb:database password");

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

struct Pair {
    QString key;  // lower case, trimmed
    QString value;
};

// The keys a connection string of ours may hold. A ';' ends a value only where the next key of this list
// follows, so a folder path with ';' in it (or '=') needs no quoting. A value may also be put in double
// or single quotes, a quote inside doubled, as OLE DB connection strings allow.
const QStringList& KnownKeys() {
    static const QStringList keys{QStringLiteral("provider"),
                                  QStringLiteral("data source"),
                                  QStringLiteral("persist security info"),
                                  kPasswordKey,
                                  QStringLiteral("user id"),
                                  QStringLiteral("password"),
                                  QStringLiteral("mode"),
                                  QStringLiteral("extended properties"),
                                  QStringLiteral("ole db services"),
                                  QStringLiteral("jet oledb:engine type"),
                                  QStringLiteral("jet oledb:system database"),
                                  QStringLiteral("jet oledb:database locking mode")};
    return keys;
}

// Whether a known key, then '=', starts at `at` (blanks around the key allowed), or only stray ';' and
// blanks are left before the next key or the end.
bool KnownKeyAt(const QString& text, qsizetype at) {
    while (at < text.size() && (text[at] == u';' || text[at] == u' ')) {
        ++at;
    }
    if (at == text.size()) {
        return true;
    }
    const qsizetype equals = text.indexOf(u'=', at);
    return equals >= 0 && KnownKeys().contains(text.sliced(at, equals - at).trimmed().toLower());
}

// A quoted value from the quote at `at`; `at` moves past the closing quote.
QString QuotedValue(const QString& text, qsizetype& at) {
    const QChar quote = text[at++];
    QString value;
    while (at < text.size()) {
        if (text[at] == quote) {
            if (at + 1 < text.size() && text[at + 1] == quote) {
                value += quote;
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        value += text[at++];
    }
    return value;
}

// Segments without '=' carry nothing and are skipped, as stray ';' are.
std::vector<Pair> ParsePairs(const QString& text) {
    std::vector<Pair> pairs;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype equals = text.indexOf(u'=', at);
        const qsizetype semicolon = text.indexOf(u';', at);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            if (semicolon < 0) {
                break;
            }
            at = semicolon + 1;
            continue;
        }
        Pair pair{text.sliced(at, equals - at).trimmed().toLower(), {}};
        at = equals + 1;
        while (at < text.size() && text[at] == u' ') {
            ++at;
        }
        if (at < text.size() && (text[at] == u'"' || text[at] == u'\'')) {
            pair.value = QuotedValue(text, at);
            const qsizetype next = text.indexOf(u';', at);
            at = next < 0 ? text.size() : next + 1;
        } else {
            qsizetype end = at;
            while ((end = text.indexOf(u';', end)) >= 0 && !KnownKeyAt(text, end + 1)) {
                ++end;
            }
            end = end < 0 ? text.size() : end;
            pair.value = text.sliced(equals + 1, end - equals - 1);
            at = end + 1;
        }
        pairs.push_back(pair);
    }
    return pairs;
}

QString ValueOf(const std::vector<Pair>& pairs, const QString& key) {
    for (const Pair& pair : pairs) {
        if (pair.key == key) {
            return pair.value;
        }
    }
    return {};
}

// What a connection opens: a bank named by a connection string, or a plain SQLite file.
struct Source {
    QString path;
    bool readOnly = false;
    bool bank = false;  // checked as a bank: its file must exist and carry the password
    QString dataSource;
    QString password;
    bool hidePassword = false;
};

Source SourceOf(const QString& connectionString) {
    const std::vector<Pair> pairs = ParsePairs(connectionString);
    if (ValueOf(pairs, QStringLiteral("provider"))
            .trimmed()
            .compare(QLatin1String(Connection::kProvider), Qt::CaseInsensitive) != 0) {
        throw DatabaseError(QStringLiteral("Provider cannot be found. It may not be properly installed."));
    }
    Source source;
    source.dataSource = ValueOf(pairs, QStringLiteral("data source"));
    source.path = FileSystemPath(source.dataSource);
    source.readOnly = ValueOf(pairs, QStringLiteral("mode")).trimmed().compare(u"Read", Qt::CaseInsensitive) == 0;
    source.bank = true;
    source.password = ValueOf(pairs, kPasswordKey);
    source.hidePassword =
        ValueOf(pairs, QStringLiteral("persist security info")).trimmed().compare(u"true", Qt::CaseInsensitive) != 0;
    return source;
}

Source PlainSource(const QString& path, bool readOnly) {
    Source source;
    source.path = path;
    source.readOnly = readOnly;
    return source;
}

// The banks are small files read a few rows at a time. SQLite's default reserves for each connection, a
// lookaside pool for small allocations and a block of cache pages, are both written through when the
// connection opens and take more memory than the banks need; without them SQLite allocates as it goes.
// Only takes effect before SQLite's first use.
bool UseSmallSqliteReserves() {
    sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 0, 0);
    sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
    return true;
}

[[noreturn]] void Fail(sqlite3* db, const QString& file) {
    const int code = sqlite3_extended_errcode(db);
    const QString message = DatabaseMessage::ForSqlite(code, file, QString::fromUtf8(sqlite3_errmsg(db)));
    if ((code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB) {
        throw DatabaseFormatError(message, code);
    }
    throw DatabaseError(message, code);
}

Statement Prepare(sqlite3* db, const QString& file, const char*& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, &sql) != SQLITE_OK) {
        Fail(db, file);
    }
    return Statement(raw);
}

int BindOne(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (value.isNull()) {
        return sqlite3_bind_null(statement, index);
    }
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return sqlite3_bind_double(statement, index, value.toDouble());
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            return sqlite3_bind_blob64(statement, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                       SQLITE_TRANSIENT);
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            return sqlite3_bind_text64(statement, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
        }
    }
}

// Binds the next values of `values`, from `next` on, to the placeholders of `statement`.
void Bind(sqlite3* db, const QString& file, sqlite3_stmt* statement, const QVariantList& values, qsizetype& next) {
    const int placeholders = sqlite3_bind_parameter_count(statement);
    if (values.size() - next < placeholders) {
        throw DatabaseError(QStringLiteral("%1 values for more placeholders in: %2")
                                .arg(values.size())
                                .arg(QString::fromUtf8(sqlite3_sql(statement))));
    }
    for (int index = 1; index <= placeholders; ++index) {
        if (BindOne(statement, index, values[next++]) != SQLITE_OK) {
            Fail(db, file);
        }
    }
}

void CheckAllBound(const QVariantList& values, qsizetype bound, const QString& sql) {
    if (bound != values.size()) {
        throw DatabaseError(
            QStringLiteral("%1 values for %2 placeholders in: %3").arg(values.size()).arg(bound).arg(sql));
    }
}

QVariant ColumnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(statement, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(statement, column));
        case SQLITE_TEXT:
            return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                                              sqlite3_column_bytes(statement, column)));
        case SQLITE_BLOB:
            return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                                       sqlite3_column_bytes(statement, column)));
        default:
            return {};
    }
}

// The password row is what marks a file as one of our banks. A file SQLite cannot read at all, or one
// without that row, is "not ours"; a lock or a permission problem keeps SQLite's own message.
QString StoredPassword(sqlite3* db, const QString& dataSource, const QString& file) {
    sqlite3_stmt* raw = nullptr;
    const int prepared = sqlite3_prepare_v2(db, "select value from qv_meta where name='password'", -1, &raw, nullptr);
    const Statement statement(raw);
    const int stepped = prepared == SQLITE_OK ? sqlite3_step(raw) : prepared;
    switch (stepped) {
        case SQLITE_ROW:
            return ColumnValue(raw, 0).toString();
        case SQLITE_DONE:
        case SQLITE_ERROR:
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            throw DatabaseFormatError(QStringLiteral("Unrecognized database format '%1'.").arg(dataSource));
        default:
            Fail(db, file);
    }
}

}  // namespace

Connection::Connection(QObject* parent) : QObject(parent) {}

Connection::~Connection() {
    Close();
}

void Connection::SetConnectionString(const QString& text) {
    connectionString_ = text;
    plainFile_.clear();
    passwordHidden_ = false;
}

QString Connection::ConnectionString() const {
    if (!passwordHidden_) {
        return connectionString_;
    }
    QStringList kept;
    for (const QString& segment : connectionString_.split(u';')) {
        if (segment.section(u'=', 0, 0).trimmed().toLower() != kPasswordKey) {
            kept << segment;
        }
    }
    return kept.join(u';');
}

void Connection::SetOpenCheck(OpenCheck check) {
    openCheck_ = std::move(check);
}

Connection::FileIdentity Connection::IdentityOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

// A file renamed over the open one (as a bank import does) leaves this connection on the old, unlinked file, where
// SQLite refuses every write; a file that has gone away counts as replaced too, so that the next opening says so.
bool Connection::FileReplaced() const {
    return IdentityOf(fileName_) != fileIdentity_;
}

// SQLite's own timeout sleeps in steps that grow to a tenth of a second. With several programs saving to one file
// the lock is free only for moments between their transactions, which such long sleeps keep missing until the time
// is up; short steps of varying length catch them.
int Connection::WaitWhileBusy(void* connection, int attempt) {
    auto* self = static_cast<Connection*>(connection);
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) {
        self->busySince_ = now;
    }
    if (now - self->busySince_ >= std::chrono::milliseconds(self->busyTimeoutMs_)) {
        return 0;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(100, 1000)));
    return 1;
}

void Connection::Open() {
    if (db_ && (InTransaction() || !FileReplaced())) {
        return;
    }
    Close();
    const Source source = plainFile_.isEmpty() ? SourceOf(connectionString_) : PlainSource(plainFile_, plainReadOnly_);
    fileName_ = source.path;
    if (source.bank) {
        const QFileInfo file(source.path);
        if (source.dataSource.isEmpty() || !file.exists()) {
            throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(source.dataSource));
        }
        if (file.isDir()) {
            throw DatabaseFormatError(QStringLiteral("Unrecognized database format '%1'.").arg(source.dataSource));
        }
    }

    [[maybe_unused]] static const bool smallReserves = UseSmallSqliteReserves();
    // Without CREATE a vanished file fails instead of turning into an empty database; a write-protected
    // file is opened read-only by SQLite itself.
    const FileIdentity identity = IdentityOf(source.path);
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(source.path).constData(), &raw,
                                       source.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK) {
        Fail(raw, source.path);  // a null handle reads as "out of memory"
    }
    sqlite3_busy_handler(raw, &Connection::WaitWhileBusy, this);
    if (source.bank && StoredPassword(raw, source.dataSource, source.path) != source.password) {
        throw DatabaseError(QStringLiteral("Not a valid password."));
    }
    db_ = db.release();
    fileIdentity_ = identity;
    passwordHidden_ = source.hidePassword;
    if (openCheck_) {
        try {
            openCheck_(*this);
        } catch (...) {
            Close();
            throw;
        }
    }
}

void Connection::OpenFile(const QString& fileName, bool readOnly) {
    Close();
    connectionString_.clear();
    passwordHidden_ = false;
    plainFile_ = fileName;
    plainReadOnly_ = readOnly;
    Open();
}

void Connection::Close() {
    if (!db_) {
        return;
    }
    // Closing the handle rolls back whatever transaction is still open.
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool Connection::Connected() const {
    return db_ != nullptr;
}

bool Connection::ReadOnly() const {
    return db_ && sqlite3_db_readonly(db_, "main") == 1;
}

ResultSet Connection::Select(const QString& sql, const QVariantList& values) {
    Open();
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = utf8.constData();
    const Statement statement = Prepare(db_, fileName_, tail);
    ResultSet result;
    qsizetype bound = 0;
    if (statement) {
        Bind(db_, fileName_, statement.get(), values, bound);
    }
    CheckAllBound(values, bound, sql);
    if (!statement) {
        return result;
    }
    const int columns = sqlite3_column_count(statement.get());
    for (int column = 0; column < columns; ++column) {
        result.columns << QString::fromUtf8(sqlite3_column_name(statement.get(), column));
    }
    int stepped;
    while ((stepped = sqlite3_step(statement.get())) == SQLITE_ROW) {
        std::vector<QVariant>& row = result.rows.emplace_back();
        row.reserve(columns);
        for (int column = 0; column < columns; ++column) {
            row.push_back(ColumnValue(statement.get(), column));
        }
    }
    if (stepped != SQLITE_DONE) {
        Fail(db_, fileName_);
    }
    return result;
}

int Connection::Execute(const QString& sql, const QVariantList& values) {
    Open();
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = utf8.constData();
    int changed = 0;
    qsizetype bound = 0;
    while (*tail) {
        const Statement statement = Prepare(db_, fileName_, tail);
        if (!statement) {
            continue;  // blanks or a comment after the last ';'
        }
        Bind(db_, fileName_, statement.get(), values, bound);
        // sqlite3_changes still holds the last INSERT/UPDATE/DELETE count after DDL; only a statement
        // that moved the running total changed anything.
        const int totalBefore = sqlite3_total_changes(db_);
        int stepped;
        while ((stepped = sqlite3_step(statement.get())) == SQLITE_ROW) {
        }
        if (stepped != SQLITE_DONE) {
            Fail(db_, fileName_);
        }
        if (sqlite3_total_changes(db_) != totalBefore) {
            changed += sqlite3_changes(db_);
        }
    }
    CheckAllBound(values, bound, sql);
    return changed;
}

void Connection::BeginTrans() {
    Execute(QStringLiteral("begin"));
}

void Connection::CommitTrans() {
    Execute(QStringLiteral("commit"));
}

void Connection::RollbackTrans() {
    if (InTransaction()) {
        Execute(QStringLiteral("rollback"));
    }
}

bool Connection::InTransaction() const {
    return db_ && !sqlite3_get_autocommit(db_);
}
