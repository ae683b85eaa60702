#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated tables as spreadsheets write and read them: a field in double quotes may hold commas, line
// breaks and doubled quotes; rows end in CR LF or LF.
namespace CsvTable {

// The text of a file saved by a spreadsheet: UTF-8 with or without its byte-order mark, or else the Chinese
// national encoding (GBK, as a Chinese Windows saves "CSV"), told apart by whether the bytes are valid UTF-8.
QString Decode(const QByteArray& bytes);

// The rows of `text`; a last empty line ends the table rather than adding an empty row. Raises Exception naming
// the row of a quote that is never closed.
QList<QStringList> Parse(const QString& text);

// UTF-8 with a byte-order mark, so that spreadsheets take the Chinese text as it is; CR LF line ends; fields
// quoted where they need it.
QByteArray Write(const QList<QStringList>& rows);

}  // namespace CsvTable
