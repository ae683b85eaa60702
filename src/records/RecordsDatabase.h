#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "platform/Connection.h"

// The learners' records database, open from start-up to the end of the program: a plain SQLite file of the program's
// own (OwnDatabaseFile). A file that is missing is made; one that SQLite finds damaged, or that is no records database,
// is set aside under a new name (never deleted) and a new one made in its place. A file that is only busy, on a full
// disk, write-protected, in a folder that cannot be written or of a newer version is never set aside: it is read as it
// is, nothing new is stored, and the learner is told once why. Tables missing from a file are made again empty, and
// times that a clock set far ahead left in the future are held to now. Every time it stores comes from its clock, which
// tests set.
class RecordsDatabase {
public:
    using Clock = std::function<QDateTime()>;

    // Raises Exception, with the cause in Chinese, when the file can neither be used nor read: a folder where not even
    // a new file can be made, a file another program holds locked longer than a read waits, one of a newer version.
    explicit RecordsDatabase(const QString& fileName, Clock clock = &QDateTime::currentDateTime);

    // records.db in the user's data folder, which is made when missing.
    static QString DefaultFile();

    Connection& Db() { return connection_; }
    const QString& FileName() const { return fileName_; }

    QDateTime Now() const { return clock_(); }
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // What the learner is told once about how the file was opened (set aside, read only, tables made again); empty
    // when it opened as it should.
    const QString& OpeningMessage() const { return openingMessage_; }

    // Nothing is stored: the file could only be opened for reading, or a write failed for want of space or of the
    // right to write.
    bool ReadOnly() const { return readOnly_; }

    // Runs `work` in one transaction: all of it is stored, or on any error nothing, and the error is raised again. Does
    // nothing while the records are read-only. A write that fails because the disk is full or the file cannot be
    // written makes them read-only, and the error raised says so, once.
    void InTransaction(const std::function<void()>& work);

private:
    void Open(bool readOnly);
    void OpenReadOnly(const QString& why);
    void MakeMissingTables();
    void HoldFutureTimesToNow();

    QString fileName_;
    Clock clock_;
    Connection connection_;
    QString openingMessage_;
    bool readOnly_ = false;
};

// The records of the running program; empty when they could not be opened, and then nothing is recorded.
inline RecordsDatabase* Records = nullptr;
