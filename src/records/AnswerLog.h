#pragma once

#include "records/QuestionRef.h"

class RecordsDatabase;

// Keeps every judged answer of a learner, and with it the question's place in their mistake book, in one
// transaction, at the time of the records' clock.
void RecordAnswer(RecordsDatabase& records, int learner, const QuestionRef& question, bool right);

// Records the answer for the current learner of the program's records (Records); does nothing without them.
void RecordForCurrentLearner(const QuestionRef& question, bool right);
