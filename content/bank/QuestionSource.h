#pragma once

#include "Question.h"

#include <QList>
#include <QString>

// Reads the hand-edited question source. The first malformed record stops the read with a BankError that names the
// file and line, so a bad edit never reaches a bank.
class QuestionSource {
public:
    static QList<Question> read(const QString& path);
};
