#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "platform/Connection.h"

// The learners' records database, open from start-up to the end of the program. A file that is missing is made;
// one that cannot be opened, is no records database or is of a newer version is set aside under a new name (never
// deleted) and a new one made in its place, with one message for the learner. Every time it stores comes from its
// clock, which tests set.
class RecordsDatabase {
public:
    using Clock = std::function<QDateTime()>;

    // Raises Exception when not even a new file can be made (a folder that cannot be written).
    explicit RecordsDatabase(const QString& fileName, Clock clock = &QDateTime::currentDateTime);

    // records.db in the user's data folder, which is made when missing.
    static QString DefaultFile();

    Connection& Db() { return connection_; }
    const QString& FileName() const { return fileName_; }

    QDateTime Now() const { return clock_(); }
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // What the learner is told about a file that was set aside while opening; empty when none was.
    const QString& SetAsideMessage() const { return setAsideMessage_; }

    // Runs `work` in one transaction: all of it is stored, or on any error nothing, and the error is raised again.
    void InTransaction(const std::function<void()>& work);

    // A text as an SQL literal.
    static QString Quoted(QString text);

private:
    void Open();
    QString SetAside() const;

    QString fileName_;
    Clock clock_;
    Connection connection_;
    QString setAsideMessage_;
};

// The records of the running program; empty when they could not be opened, and then nothing is recorded.
inline RecordsDatabase* Records = nullptr;
