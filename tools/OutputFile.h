#pragma once

#include <QByteArray>
#include <QString>

// The files the tools write. Each is written whole beside its name and renamed over it, so that a write that
// fails (a full disk, a folder without write permission) leaves the file that was there as it was.
namespace OutputFile {

// Raises Exception naming the file and, in Chinese, why it could not be written; the system's own text follows on
// a line of its own.
void Write(const QString& path, const QByteArray& bytes);

}  // namespace OutputFile
