#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content all at once: the bytes go to a new file beside it, which reaches the disk
// (fsync) before it is renamed over the old one. Every error along the way counts, a short write on a
// full disk included, so the old file is only ever replaced by a complete new one. A file that is
// replaced keeps its permission bits; a write-protected one is not replaced (EACCES). Returns false, with
// the old file untouched and no temporary file left behind, when anything fails; `error`, when given,
// then receives the C library's error number of the step that failed.
bool WriteFileAtomically(const QString& fileName, const QByteArray& bytes, int* error = nullptr);

// Why a file could not be written, for the C library's error number `error`, as a user reads it:
// "磁盘空间不足".
QString FileWriteCause(int error);
