#pragma once

#include "records/QuestionRef.h"

class RecordsDatabase;

// Keeps every judged answer of a learner, and with it the question's place in their mistake book, in one
// transaction, at the time of the records' clock.
void RecordAnswer(RecordsDatabase& records, int learner, const QuestionRef& question, bool right);
