#pragma once

#include <QString>
#include <QStringList>

// Makes the database file `fileName` from `statements`, run in one transaction on a new file beside it, which then
// takes the name only if no file has it yet: nobody ever opens a half-made database, and of two programs making the
// same file at once one makes it and the other finds it made. Returns false, leaving nothing behind, when the file
// was there first. Raises DatabaseError with SQLite's message when the file cannot be made (a folder that cannot be
// written, a full disk) or a statement fails.
bool CreateDatabaseFile(const QString& fileName, const QStringList& statements);
