#pragma once

#include <QString>

// The question banks beside the program, numbered as the learners' records keep them: t1.mdb for the car, bus,
// truck and machinery groups, t2.mdb for motorcycles.
enum class BankId { Car = 1, Motorcycle = 2 };

// The bank's file in the program folder; t1.mdb for any number but the motorcycles'.
inline QString BankFileName(BankId bank) {
    return bank == BankId::Motorcycle ? QStringLiteral("t2.mdb") : QStringLiteral("t1.mdb");
}
