#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "platform/Connection.h"

// Makes the database file `fileName` from `statements`, run in one transaction on a new file beside it, which then
// takes the name only if no file has it yet: nobody ever opens a half-made database, and of two programs making the
// same file at once one makes it and the other finds it made. Returns false, leaving nothing behind, when the file
// was there first. Raises DatabaseError with SQLite's message when the file cannot be made (a folder that cannot be
// written, a full disk) or a statement fails.
bool CreateDatabaseFile(const QString& fileName, const QStringList& statements);

// Renames the damaged database `fileName`, and beside it the journal and log SQLite would otherwise play into its
// successor, to "<fileName>.damaged-<yyyyMMdd-HHmmss of when>", with "-2", "-3", ... after it when that is taken:
// nothing is deleted. A file another program set aside first leaves nothing to do. Returns the new name; raises
// Exception (DatabaseMessage::ForNotSetAside), no DatabaseError that a caller might take for a file it could still
// read, when the file stays where it is.
QString SetDatabaseFileAside(const QString& fileName, const QDateTime& when);

// A database file this program makes for itself (the learners' records, the practice progress), as opposed to a bank.
struct OwnDatabaseFile {
    QString fileName;
    QStringList create;           // the statements of a new file (CreateDatabaseFile)
    QString mark;                 // the password in table qv_meta, which tells a file of this kind from others
    Connection::OpenCheck check;  // run last at every opening: the layout brought up to date
};

// Opens `file` on `connection` as a plain SQLite file (Connection::OpenFile), checked at every opening before
// anything else reads it: SQLite's quick check reads every page, the file must carry the mark, then the check of
// `file` runs. A damaged file, or one of another kind, raises DatabaseFormatError; any failure leaves the connection
// closed.
void OpenOwnDatabase(Connection& connection, const OwnDatabaseFile& file, bool readOnly);

// Opens `file` for writing as OpenOwnDatabase does, made first when missing. A file that is damaged or of another
// kind is set aside (SetDatabaseFileAside, stamped `now`) and a new one made and opened in its place. Returns the
// name the old file was set aside under, empty when the file was used as it was.
QString OpenOrRenewOwnDatabase(Connection& connection, const OwnDatabaseFile& file, const QDateTime& now);
