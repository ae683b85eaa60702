#include "bank/UDM.h"

#include <QStringList>

#include "bank/BankConnection.h"
#include "bank/BankQueries.h"
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
    UseBank(ADOCON, BankFile(BankId::Car), banksReadOnly_);
    UseBank(MT, BankFile(BankId::Motorcycle), banksReadOnly_);
    if (banksReadOnly_) {
        new UserProgressStore(QStringLiteral("t1.mdb"), ADOCON);
    }
}

void TDM::DataModuleCreate() {
    OpenDatabase(ADOCON, BankFile(BankId::Car), banksReadOnly_);
    OpenDatabase(MT, BankFile(BankId::Motorcycle), banksReadOnly_);
    if (UserProgressStore* progress = UserProgressStore::Of(ADOCON)) {
        progress->Open();
    }
}

QString TDM::BankFile(BankId bank) {
    return AppDir() + BankFileName(bank);
}

Connection* TDM::ConnectionOf(BankId bank) const {
    return bank == BankId::Motorcycle ? MT : ADOCON;
}

void TDM::OpenDatabase(Connection* connection, const QString& fileName, bool readOnly) {
    UseBank(connection, fileName, readOnly);
    connection->Open();
}

// A bank refused or not brought up to date is closed again, as one that failed to open.
void TDM::UseBank(Connection* connection, const QString& fileName, bool readOnly) {
    connection->SetConnectionString(BankConnection::ConnectionStringFor(fileName, readOnly));
    connection->SetOpenCheck([fileName](Connection& opened) { BankSchema::Schema().BringUpToDate(opened, fileName); });
}

void TDM::OpenBankFor(BankId bank) {
    try {
        ConnectionOf(bank)->Open();
    } catch (const DatabaseError& error) {
        throw DatabaseError(QStringLiteral("题库文件“%1”打不开，现在无法练习或考试。\n%2")
                                .arg(FileSystemPath(BankFile(bank)), error.Message()));
    }
}

void TDM::UseQuestionTable(Query* dataset, BankId bank) const {
    dataset->SetConnection(ConnectionOf(bank));
    dataset->SetSQL(BankQueries::QuestionTableSql());
}

QString TDM::TakeProgressMessage() {
    UserProgressStore* progress = UserProgressStore::Of(ADOCON);
    return progress ? progress->TakeMessage() : QString();
}

int TDM::ReadProgress(const QString& key) {
    if (UserProgressStore* progress = UserProgressStore::Of(ADOCON)) {
        return progress->Read(key);
    }
    qry->Close();
    qry->SetSQL(QString());
    qry->SetSQL(QStringLiteral("select 进度 from JD where 名称=?"));
    qry->SetValues({key});
    qry->Open();
    return qry->IsEmpty() ? 0 : qry->FieldByName(QStringLiteral("进度")).AsInteger();
}
