#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
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
// needs it. "Mode=Read" opens the file read-only: no statement can change it, whoever runs the program.
// Every failure raises DatabaseError with the message text; DatabaseFormatError when the file is no database
// of ours or is damaged.
class Connection : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kProvider = "Microsoft.Jet.OLEDB.4.0";

    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    // Takes effect at the next Open.
    void SetConnectionString(const QString& text);
    // How long a statement waits for a lock another program holds before it fails with "database is locked";
    // 2 seconds unless set. Takes effect at the next Open.
    void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    // Without "Persist Security Info=True" the password is left out once the connection has opened.
    QString ConnectionString() const;

    void Open();
    void Close();
    bool Connected() const;
    // Open, and unable to change the file: opened with "Mode=Read", or write-protected.
    bool ReadOnly() const;

    ResultSet Select(const QString& sql);
    // Runs statements that return no rows (several may be separated by ';'); returns the number of rows
    // they changed.
    int Execute(const QString& sql);

    void BeginTrans();
    void CommitTrans();
    // Does nothing when no transaction is open.
    void RollbackTrans();
    bool InTransaction() const;

private:
    QString connectionString_;
    bool passwordHidden_ = false;  // set by a successful Open without "Persist Security Info=True"
    int busyTimeoutMs_ = 2000;
    sqlite3* db_ = nullptr;
};
