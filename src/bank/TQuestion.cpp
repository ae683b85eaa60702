#include "bank/TQuestion.h"

#include "platform/Exception.h"
#include "platform/Query.h"

TQuestion TQuestion::Read(const Query& dataset) {
    TQuestion row;
    row.ID = dataset.FieldByName(QStringLiteral("ID")).AsInteger();
    row.question = dataset.FieldByName(QStringLiteral("question")).AsString();
    row.ans1 = dataset.FieldByName(QStringLiteral("ans1")).AsString();
    row.ans2 = dataset.FieldByName(QStringLiteral("ans2")).AsString();
    row.ans3 = dataset.FieldByName(QStringLiteral("ans3")).AsString();
    row.ans4 = dataset.FieldByName(QStringLiteral("ans4")).AsString();
    row.bmp = dataset.FieldByName(QStringLiteral("bmp")).AsString();
    row.ans = dataset.FieldByName(QStringLiteral("ans")).AsInteger();
    row.zhanjie = dataset.FieldByName(QStringLiteral("zhanjie")).AsString();
    row.jiexi = ReadExplanation(dataset);
    return row;
}

QString TQuestion::ReadExplanation(const Query& dataset) {
    try {
        return dataset.FieldByName(QStringLiteral("jiexi")).AsString();
    } catch (const DatabaseError&) {
        return {};
    }
}
