#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// An error that ends the action that raised it. Nothing in the program catches it but the
// application's default handler, which shows its message in a message box.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// An error of the database layer, carrying the provider-style message text and, for a failure SQLite reported,
// its result code (0 otherwise).
class DatabaseError : public Exception {
public:
    explicit DatabaseError(QString message, int sqliteCode = 0) : Exception(std::move(message)), code_(sqliteCode) {}
    // The primary SQLite result code (SQLITE_BUSY, SQLITE_FULL, ...), 0 when SQLite gave none.
    int SqliteCode() const { return code_ & 0xff; }

private:
    int code_;
};

// The file is no database of ours, or its content is damaged: what only setting it aside can mend.
class DatabaseFormatError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};
