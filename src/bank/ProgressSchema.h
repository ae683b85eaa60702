#pragma once

#include "bank/DatabaseSchema.h"

// The layout of a user's progress database (progress.db in the user's data folder), which holds the saved practice
// positions when the banks are installed read-only. Table progress has one row per bank file name and progress key:
// the saved position and the ID of the question it showed (NULL when the practice had no question there).
namespace ProgressSchema {

constexpr int kVersion = 1;

// The schema with its creation statements, which take the password the file carries.
DatabaseSchema Schema(const QString& password);

}  // namespace ProgressSchema
