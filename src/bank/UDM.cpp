#include "bank/UDM.h"

#include <QStringList>

#include "bank/BankSchema.h"
#include "bank/UserProgressStore.h"
#include "platform/AppDir.h"
#include "platform/Connection.h"
#include "platform/DataFolders.h"
#include "platform/Exception.h"
#include "platform/Query.h"

TDM::TDM(QObject* parent) : QObject(parent), banksReadOnly_(DataFolders::Installed()) {
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
    UseBank(ADOCON, BankFile(false), banksReadOnly_);
    UseBank(MT, BankFile(true), banksReadOnly_);
    if (banksReadOnly_) {
        new UserProgressStore(QStringLiteral("t1.mdb"), ADOCON);
    }
}

void TDM::DataModuleCreate() {
    OpenDatabase(ADOCON, BankFile(false), banksReadOnly_);
    OpenDatabase(MT, BankFile(true), banksReadOnly_);
    if (UserProgressStore* progress = UserProgressStore::Of(ADOCON)) {
        progress->Open();
    }
}

QString TDM::BankFile(bool motorcycleBank) {
    return AppDir() + (motorcycleBank ? "t2.mdb" : "t1.mdb");
}

QString TDM::ConnectionStringFor(const QString& fileName, bool readOnly) {
    return QStringLiteral("Provider=%1;Data Source=%2;Persist Security Info=False;Jet OLEDB:Database Password=%3%4")
        .arg(QLatin1String(Connection::kProvider), fileName, QLatin1String(kDatabasePassword),
             readOnly ? QStringLiteral(";Mode=Read") : QString());
}

void TDM::OpenDatabase(Connection* connection, const QString& fileName, bool readOnly) {
    UseBank(connection, fileName, readOnly);
    connection->Open();
}

// A bank refused or not brought up to date is closed again, as one that failed to open.
void TDM::UseBank(Connection* connection, const QString& fileName, bool readOnly) {
    connection->SetConnectionString(ConnectionStringFor(fileName, readOnly));
    connection->SetOpenCheck([fileName](Connection& opened) { BankSchema::Schema().BringUpToDate(opened, fileName); });
}

void TDM::OpenBankFor(bool motorcycleBank) {
    Connection* connection = motorcycleBank ? MT : ADOCON;
    try {
        connection->Open();
    } catch (const DatabaseError& error) {
        throw DatabaseError(QStringLiteral("题库文件“%1”打不开，现在无法练习或考试。\n%2")
                                .arg(FileSystemPath(BankFile(motorcycleBank)), error.Message()));
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
    if (UserProgressStore* progress = UserProgressStore::Of(ADOCON)) {
        return progress->Read(key);
    }
    qry->Close();
    qry->SetSQL(QString());
    qry->SetSQL(QStringLiteral("select 进度 from JD where 名称='") + key + QStringLiteral("'"));
    qry->Open();
    return qry->IsEmpty() ? 0 : qry->FieldByName(QStringLiteral("进度")).AsInteger();
}
