#include "bank/UDM.h"

#include <QStringList>

#include "bank/BankSchema.h"
#include "platform/AppDir.h"
#include "platform/Connection.h"
#include "platform/Query.h"

TDM::TDM(QObject* parent) : QObject(parent) {
    setObjectName("DM");
    ADOCON = new Connection(this);
    ADOCON->setObjectName("ADOCON");
    qry = new Query(this);
    qry->setObjectName("qry");
    qry->SetConnection(ADOCON);
    MT = new Connection(this);
    MT->setObjectName("MT");
    // Both connections know their file from the start, so that one left closed by a failure at start-up
    // (t2.mdb is not even tried when t1.mdb fails) is opened by the first query that needs it.
    ADOCON->SetConnectionString(ConnectionStringFor(AppDir() + "t1.mdb"));
    MT->SetConnectionString(ConnectionStringFor(AppDir() + "t2.mdb"));
}

void TDM::DataModuleCreate() {
    OpenDatabase(ADOCON, AppDir() + "t1.mdb");
    OpenDatabase(MT, AppDir() + "t2.mdb");
}

QString TDM::ConnectionStringFor(const QString& fileName) {
    return QStringLiteral("Provider=%1;Data Source=%2;Persist Security Info=False;Jet OLEDB:Database Password=%3")
        .arg(QLatin1String(Connection::kProvider), fileName, QLatin1String(kDatabasePassword));
}

void TDM::OpenDatabase(Connection* connection, const QString& fileName) {
    connection->SetConnectionString(ConnectionStringFor(fileName));
    connection->Open();
    // A bank refused or not brought up to date is closed again, as one that failed to open.
    try {
        BankSchema::Schema().BringUpToDate(*connection, fileName);
    } catch (...) {
        connection->Close();
        throw;
    }
}

void TDM::UseQuestionTable(Query* dataset, bool motorcycleBank) const {
    dataset->SetConnection(motorcycleBank ? MT : ADOCON);
    dataset->SetSQL(QuestionTableSql());
}

QString TDM::QuestionTableSql() {
    return QStringLiteral("select * from question");
}

// ID is the table's row key, so rows come in ID order without an "order by" (which would stop a filter from
// being appended).
QString TDM::AllQuestionsSql() {
    return QStringLiteral("select * from question where 1=1");
}

QString TDM::ChapterFilter(const QString& chapter) {
    return QStringLiteral(" and ZhanJie='") + chapter + QStringLiteral("'");
}

QString TDM::QuestionIdsFilter(const std::vector<int>& ids) {
    QStringList numbers;
    for (int id : ids)
        numbers << QString::number(id);
    return QStringLiteral(" and ID in (") + numbers.join(u',') + u')';
}

QString TDM::ChapterQuestionIdsSql(int chapter) {
    return QStringLiteral("select ID from question where zhanjie='%1'").arg(chapter);
}

QString TDM::QuestionIdFilter(int id) {
    return QStringLiteral("ID=%1").arg(id);
}

int TDM::ReadProgress(const QString& key) {
    qry->Close();
    qry->SetSQL(QString());
    qry->SetSQL(QStringLiteral("select 进度 from JD where 名称='") + key + QStringLiteral("'"));
    qry->Open();
    return qry->IsEmpty() ? 0 : qry->FieldByName(QStringLiteral("进度")).AsInteger();
}
