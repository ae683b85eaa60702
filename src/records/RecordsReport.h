#pragma once

#include <QByteArray>
#include <QString>

class RecordsDatabase;

// Every learner's summary as a table a spreadsheet opens with its Chinese intact.
namespace RecordsReport {

// One line per learner: name, finished and unfinished exams, the last, best and mean score and the passes of the
// last five of the finished ones, answers given and the share right. UTF-8 with a byte order mark, comma
// separated, lines ended by CR LF; numbers are plain, every text is quoted (see CsvText).
QByteArray SummaryCsv(RecordsDatabase& records);

// A text as one quoted CSV field that a spreadsheet shows as it is. A text it would take for a formula (starting
// with = + - @, a tab or a line break) or turn into a number or date ("1/2", "007", "2026-03-02", "3月2日") is
// written as the formula ="…", whose value is the text itself: Excel, LibreOffice and WPS show the text and compute
// nothing from it (a spreadsheet that does not evaluate formulas on import shows ="…", still no date).
QString CsvText(const QString& text);

}  // namespace RecordsReport
