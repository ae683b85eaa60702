#pragma once

#include <QString>

// Initialisation files ("[section]" headers, "key=value" lines) read and written with the semantics of
// the classic profile services: sections and keys match without regard to case, blanks around keys and
// values are ignored, a missing file, section or key yields the default, the first write creates the
// file, and every line the store does not touch is kept byte for byte (only its line end becomes CRLF).
// Of several sections with one name only the first is used. Only a regular file of at most 1 MiB is read: anything
// else (a pipe, a device, a file too large) reads as the defaults and is never replaced. Every call opens the file,
// does its work and closes it again, so a read always sees the current content.
//
// On disk the text is GBK (GB18030 for characters outside GBK, so nothing typed is ever lost). A file
// that begins with a byte-order mark of UTF-8 or UTF-16, or whose text is valid UTF-8, is read in that
// encoding and written back in it. A value whose bytes did not decode is never written back as read.
namespace IniStore {

QString ReadString(const QString& fileName, const QString& section, const QString& key, const QString& defaultValue);

// Replaces the whole file atomically (temporary file, flush to disk, rename), so a failure never leaves
// it half-written. Raises Exception("Unable to write to <fileName>") when the file or its folder cannot
// be written, including a file or folder whose permission bits allow no writing at all.
void WriteString(const QString& fileName, const QString& section, const QString& key, const QString& value);

}  // namespace IniStore
