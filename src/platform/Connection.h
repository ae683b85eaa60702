#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <chrono>
#include <functional>
#include <vector>

struct sqlite3;

// A client-side result: every row fetched at once, column names in result order.
struct ResultSet {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;
};

// A connection to one question database, taking the provider-style connection string
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<file>;Persist Security Info=False;
// Jet OLEDB:Database Password=<password>". The file is an SQLite database that carries its own
// password in table qv_meta; a missing file, a file that is no bank, and a wrong password each fail
// with a provider-style message. A connection that is not open is opened by the first statement that
// needs it, and one whose file has been replaced since it opened (another file renamed over it) is opened
// again on the new file before its next statement outside a transaction. "Mode=Read" opens the file read-only:
// no statement can change it, whoever runs the program. Every failure raises DatabaseError with the message
// text; a failure of the database itself names the file in Chinese before SQLite's own text (see
// DatabaseMessage); DatabaseFormatError when the file is no database of ours or is damaged. While another
// program holds the file locked, a statement waits for it (SetBusyTimeout). The program's own databases (records,
// practice progress) are opened as plain SQLite files instead (OpenFile). Values go into a statement as bound
// parameters, one for each '?' in its text, never spliced into it.
class Connection : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kProvider = "Microsoft.Jet.OLEDB.4.0";

    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    // Takes effect at the next Open.
    void SetConnectionString(const QString& text);
    // How long a statement waits for a lock another program holds before it fails with "database is locked";
    // 2 seconds unless set.
    void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    // Without "Persist Security Info=True" the password is left out once the connection has opened.
    QString ConnectionString() const;

    // Run after every successful opening, the implicit ones included, before any other statement: a check
    // that raises leaves the connection closed and the error raised.
    using OpenCheck = std::function<void(Connection&)>;
    void SetOpenCheck(OpenCheck check);

    void Open();
    // Opens the SQLite file `fileName` itself, without provider, password or check of a bank, in place of the
    // connection string: read-write (a write-protected file is opened read-only by SQLite itself) or read-only. The
    // file must exist. Later openings, the implicit ones included, open the same file the same way.
    void OpenFile(const QString& fileName, bool readOnly = false);
    void Close();
    bool Connected() const;
    // Open, and unable to change the file: opened with "Mode=Read", or write-protected.
    bool ReadOnly() const;

    // `values` fill the placeholders '?' of `sql` in order: null, whole numbers (bool included), reals, texts and
    // byte arrays (blobs). Another number of values than of placeholders raises DatabaseError.
    ResultSet Select(const QString& sql, const QVariantList& values = {});
    // Runs statements that return no rows (several may be separated by ';'), `values` filling their placeholders
    // in order, statement after statement; returns the number of rows they changed.
    int Execute(const QString& sql, const QVariantList& values = {});

    void BeginTrans();
    void CommitTrans();
    // Does nothing when no transaction is open.
    void RollbackTrans();
    bool InTransaction() const;

    // The file of the data source, as the file system names it; empty before the first Open.
    const QString& FileName() const { return fileName_; }

private:
    struct FileIdentity {
        quint64 device = 0;
        quint64 inode = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    static FileIdentity IdentityOf(const QString& path);
    bool FileReplaced() const;
    static int WaitWhileBusy(void* connection, int attempt);

    QString connectionString_;
    QString plainFile_;  // opened by OpenFile, without the connection string
    bool plainReadOnly_ = false;
    OpenCheck openCheck_;
    QString fileName_;
    FileIdentity fileIdentity_;  // of the file when it was opened
    std::chrono::steady_clock::time_point busySince_;
    bool passwordHidden_ = false;  // set by a successful Open without "Persist Security Info=True"
    int busyTimeoutMs_ = 2000;
    sqlite3* db_ = nullptr;
};
