// The data module: both bank connections opened at start-up, and what happens when one cannot be.
#include <QFile>
#include <QTest>

#include "TestSupport.h"
#include "bank/UDM.h"
#include "platform/Connection.h"
#include "platform/Exception.h"
#include "platform/Query.h"

namespace {
// Runs the data module's start-up and hands back the message it failed with, or "" when it did not.
QString StartUp(TDM& dm) {
    try {
        dm.DataModuleCreate();
    } catch (const Exception& error) {
        return error.Message();
    }
    return {};
}

int QuestionCount(Connection* connection) {
    Query query;
    query.SetConnection(connection);
    query.SetSQL(QStringLiteral("select * from question"));
    query.Open();
    return query.RecordCount();
}
}  // namespace

class DataModuleTest : public QObject {
    Q_OBJECT

private slots:
    void connectionStringCarriesFileAndPassword();
    void opensBothBanks();
    void missingBankFailsAtStartUpAndOpensLater_data();
    void missingBankFailsAtStartUpAndOpensLater();
    void wrongPasswordFailsLikeAMissingFile();
};

void DataModuleTest::connectionStringCarriesFileAndPassword() {
    QCOMPARE(
        TDM::ConnectionStringFor(QStringLiteral("/驾校 程序/t1.mdb")),
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/驾校 程序/t1.mdb;Persist Security Info=False;"
                       "Jet OLEDB:Database Password=kq731"));
}

void DataModuleTest::opensBothBanks() {
    TestAppDir dir;
    TDM dm;
    QCOMPARE(StartUp(dm), QString());
    QVERIFY(dm.ADOCON->Connected());
    QVERIFY(dm.MT->Connected());
    QVERIFY(!dm.ADOCON->ConnectionString().contains(QLatin1String("kq731")));
    QVERIFY(QuestionCount(dm.ADOCON) > 0);
    QVERIFY(QuestionCount(dm.MT) > 0);
}

void DataModuleTest::missingBankFailsAtStartUpAndOpensLater_data() {
    QTest::addColumn<QString>("missing");
    QTest::newRow("t1.mdb") << "t1.mdb";
    QTest::newRow("t2.mdb") << "t2.mdb";
}

// A failure on t1.mdb leaves t2.mdb unopened too; either connection is opened by the first query that
// needs it once its file is there.
void DataModuleTest::missingBankFailsAtStartUpAndOpensLater() {
    QFETCH(QString, missing);
    TestAppDir dir;
    QFile::rename(dir.File(missing), dir.File("away.mdb"));
    TDM dm;
    QCOMPARE(StartUp(dm), QStringLiteral("Could not find file '%1'.").arg(dir.File(missing)));
    QCOMPARE(dm.ADOCON->Connected(), missing == QLatin1String("t2.mdb"));
    QVERIFY(!dm.MT->Connected());

    Connection* broken = missing == QLatin1String("t1.mdb") ? dm.ADOCON : dm.MT;
    QVERIFY_THROWS_EXCEPTION(DatabaseError, QuestionCount(broken));
    QFile::rename(dir.File("away.mdb"), dir.File(missing));
    QVERIFY(QuestionCount(dm.ADOCON) > 0);
    QVERIFY(QuestionCount(dm.MT) > 0);
}

void DataModuleTest::wrongPasswordFailsLikeAMissingFile() {
    TestAppDir dir;
    TDM dm;
    dm.ADOCON->SetConnectionString(TDM::ConnectionStringFor(dir.File("t1.mdb")).replace("kq731", "guess"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dm.ADOCON->Open());
    try {
        dm.ADOCON->Open();
    } catch (const DatabaseError& error) {
        QCOMPARE(error.Message(), QStringLiteral("Not a valid password."));
    }
    QVERIFY(!dm.ADOCON->Connected());
}

QV_TEST_MAIN(DataModuleTest)
#include "tst_datamodule.moc"
