#pragma once

#include <QByteArray>
#include <QString>

// The encoding of a table file a spreadsheet saved, decided for the whole file: a byte-order mark names it (UTF-8,
// UTF-16 little- or big-endian); without one the file is UTF-8 when it is valid UTF-8 throughout, and otherwise the
// Chinese national encoding (GBK, as a Chinese Windows saves "CSV").
namespace CsvEncoding {

// The text of `bytes`. Raises Exception for a file that mixes encodings, naming the rows (as a spreadsheet counts
// them) that differ from the rest (a UTF-8 file with a row in GBK, or the other way round), for bytes that are
// valid in neither encoding, and for a file that looks like UTF-16 without a byte-order mark.
QString Decode(const QByteArray& bytes);

}  // namespace CsvEncoding
