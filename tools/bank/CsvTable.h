#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated tables as spreadsheets write and read them: a field in double quotes may hold commas, line
// breaks and doubled quotes; rows end in CR LF or LF.
//
// A cell a spreadsheet would run as a formula (one that starts with =, +, -, @, a tab or a carriage return, a plain
// negative number aside) is written with an apostrophe in front, inside quotes, so that the spreadsheet shows it as
// text; reading takes that apostrophe off again, so that what is written reads back as it was.
namespace CsvTable {

// The rows of `text`; a last empty line ends the table rather than adding an empty row. Raises Exception naming
// the row of a quote that is never closed, and the row and column of a quote inside a field not quoted as a whole
// or of text after a field's closing quote.
QList<QStringList> Parse(const QString& text);

// UTF-8 with a byte-order mark, so that spreadsheets take the Chinese text as it is; CR LF line ends; fields
// quoted where they need it.
QByteArray Write(const QList<QStringList>& rows);

}  // namespace CsvTable
