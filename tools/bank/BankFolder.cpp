#include "BankFolder.h"

#include <QRandomGenerator>
#include <chrono>

#include "bank/UDM.h"
#include "platform/Connection.h"
#include "platform/Query.h"

QString BankFolder::FileFor(const ExamKindInfo& info) {
    return info.motorcycleBank ? QStringLiteral("t2.mdb") : QStringLiteral("t1.mdb");
}

void BankFolder::Open(Connection& connection, const QString& file) {
    TDM::OpenDatabase(&connection, file);
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
