#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "records/QuestionRef.h"
#include "records/ReportChart.h"

class QTextDocument;
class RecordsDatabase;
struct Learner;

// One learner's record on paper: readiness, the score chart, accuracy by named chapter, the exams (finished or
// not), the mistake book and the questions missed most often. The document is laid out in points: its fonts are
// sized in pixels that stand for points, so that ReportPages scales it to any printer or PDF alike.
namespace LearnerReport {

constexpr int kExamsListed = 50;  // the latest ones; the record says how many there are in all
constexpr int kMissedListed = 10;
constexpr double kChartHeight = 210;

// What the record takes from outside the records.
struct Sources {
    QString centreName;
    // The text of a question of a bank; empty when the bank cannot give it.
    std::function<QString(const QuestionRef&)> questionText;
    ReportChart::Painter paintChart;
};

std::unique_ptr<QTextDocument> Make(RecordsDatabase& records, const Learner& learner, const Sources& sources);

}  // namespace LearnerReport
