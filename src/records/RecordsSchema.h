#pragma once

#include <QString>

#include "bank/DatabaseSchema.h"

// The layout of records.db. Times of answers and exams are seconds since the epoch; due dates of the mistake book
// are Julian day numbers of the learner's local calendar, so "due in three days" means a date, not 72 hours.
namespace RecordsSchema {

constexpr int kVersion = 1;
// Marks the file as a records database (OwnDatabaseFile::mark).
constexpr const char* kPassword = "qv-records";

DatabaseSchema Schema();

}  // namespace RecordsSchema
