#include "BankFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <chrono>

#include "bank/TQuestion.h"
#include "bank/UDM.h"
#include "platform/Connection.h"
#include "platform/Exception.h"
#include "platform/Query.h"

QString BankFolder::FileFor(const ExamKindInfo& info) {
    return BankFileName(info.bank);
}

void BankFolder::Open(Connection& connection, const QString& file) {
    const QString name = QDir::toNativeSeparators(file);
    try {
        TDM::OpenDatabase(&connection, file);
    } catch (const DatabaseFormatError& error) {
        throw DatabaseError(QStringLiteral("%1 不是本程序的题库文件，或者已经损坏。\n%2").arg(name, error.Message()));
    } catch (const DatabaseError& error) {
        if (!QFileInfo::exists(file))
            throw DatabaseError(QStringLiteral("找不到题库文件 %1。\n%2").arg(name, error.Message()));
        throw DatabaseError(QStringLiteral("题库文件 %1 打不开。\n%2").arg(name, error.Message()));
    }
}

QList<Question> BankFolder::ReadQuestions(Connection& connection) {
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select * from question order by ID"));
    query.Open();
    QList<Question> questions;
    query.First();
    for (int row = 0; row < query.RecordCount(); ++row, query.MoveBy(1)) {
        const TQuestion read = TQuestion::Read(query);
        questions.append({read.ID,
                          read.zhanjie.toInt(),
                          read.question,
                          {read.ans1, read.ans2, read.ans3, read.ans4},
                          read.ans,
                          read.bmp,
                          read.jiexi});
    }
    return questions;
}

std::optional<QList<ProgressRow>> BankFolder::ReadProgress(Connection& connection) {
    if (connection.Select(QStringLiteral("select name from sqlite_master where type='table' and name='JD'"))
            .rows.empty()) {
        return std::nullopt;
    }
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select * from JD"));
    query.Open();
    QList<ProgressRow> rows;
    query.First();
    for (int row = 0; row < query.RecordCount(); ++row, query.MoveBy(1))
        rows.append({query.FieldByName(QStringLiteral("名称")).AsString(),
                     query.FieldByName(QStringLiteral("进度")).AsInteger()});
    return rows;
}

ExamPaper BankFolder::ComposePaper(const ExamKindInfo& info, const QString& folder) {
    Connection connection;
    Open(connection, folder + FileFor(info));
    Query qry;
    qry.SetConnection(&connection);
    QRandomGenerator generator(
        static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    ExamPaper paper{};
    PaperComposer(qry, [&generator](int n) { return int(generator.bounded(n)); }).MakePaper(info, paper);
    return paper;
}
