#pragma once

#include "Question.h"

#include <QList>
#include <QString>

// Writes a bank file in the layout the program's database layer reads. The file appears complete or not at all: it is
// built beside the target and renamed over it only after the transaction has committed.
class BankWriter {
public:
    static void write(const QString& path, const QList<Question>& questions, const QString& password,
                      bool withProgressTable);
};
