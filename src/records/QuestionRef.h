#pragma once

#include <QString>

// One question of one bank, with its chapter, as the records keep it. Bank 1 is t1.mdb, bank 2 the motorcycle bank.
struct QuestionRef {
    int bank = 1;
    int question = 0;
    QString chapter;

    bool operator==(const QuestionRef&) const = default;
};
