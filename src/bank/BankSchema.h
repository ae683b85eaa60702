#pragma once

#include "bank/DatabaseSchema.h"

// The layout of a question bank (t1.mdb, t2.mdb). Version 2 adds the explanation of the answer, column jiexi of
// table question (NULL where none is given).
namespace BankSchema {

constexpr int kVersion = 2;

// The schema with its creation statements and upgrades; the creation statements take the bank's password and
// whether it carries the progress table JD (created empty).
DatabaseSchema Schema(const QString& password = QString(), bool withProgressTable = false);

}  // namespace BankSchema
