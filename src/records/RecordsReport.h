#pragma once

#include <QByteArray>
#include <QString>

class RecordsDatabase;
struct Learner;

// What the records give a training centre: every learner's summary as a table Excel opens with its Chinese intact,
// and one learner's record as a page to print or save.
namespace RecordsReport {

// One line per learner: name, exams taken, last, best and mean score, passes of the last five, answers given and
// the share right. UTF-8 with a byte order mark, comma separated, each field quoted, lines ended by CR LF.
QByteArray SummaryCsv(RecordsDatabase& records);

// One learner's record as HTML: their name and the centre's, every exam with its score, the accuracy by chapter and
// the readiness.
QString LearnerHtml(RecordsDatabase& records, const Learner& learner, const QString& centreName);

}  // namespace RecordsReport
