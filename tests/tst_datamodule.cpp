// The data module: both bank connections opened at start-up, and what happens when one cannot be; the bank's schema
// version checked and brought up to date as it opens; the queries the windows run.
#include <QFile>
#include <QTest>
#include <algorithm>

#include "TestSupport.h"
#include "bank/BankConnection.h"
#include "bank/BankQueries.h"
#include "bank/BankSchema.h"
#include "bank/TQuestion.h"
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

// A connection to `file` that opens it as it stands, without the data module's schema check.
struct RawBank {
    explicit RawBank(const QString& file) {
        connection.SetConnectionString(BankConnection::ConnectionStringFor(file));
        connection.Open();
    }
    Connection connection;
};

const QString kQuestionColumns = QStringLiteral(
    "select ID, zhanjie, question, ans1, ans2, ans3, ans4, bmp, ans "
    "from question order by ID");

// A bank as the first version wrote it: no column jiexi, and schema_version 1 or no such row at all.
void MakeVersionOne(const QString& file, bool withVersionRow) {
    RawBank bank(file);
    bank.connection.Execute(QStringLiteral("alter table question drop column jiexi"));
    bank.connection.Execute(withVersionRow ? QStringLiteral("update qv_meta set value='1' where name='schema_version'")
                                           : QStringLiteral("delete from qv_meta where name='schema_version'"));
}

QString OpenFailure(const QString& file, Connection& connection) {
    try {
        TDM::OpenDatabase(&connection, file);
    } catch (const DatabaseError& error) {
        return error.Message();
    }
    return {};
}

QString OpenFailure(const QString& file) {
    Connection connection;
    return OpenFailure(file, connection);
}

QList<int> Ids(const QString& file, const QString& sql) {
    RawBank bank(file);
    QList<int> ids;
    for (const auto& row : bank.connection.Select(sql).rows)
        ids << row.front().toInt();
    return ids;
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
    void olderBankIsUpgradedWithItsData_data();
    void olderBankIsUpgradedWithItsData();
    void newerBankIsRefused();
    void failedUpgradeLeavesTheFileAsItWas();
    void questionsOfAllOrOneChapterInOrder_data();
    void questionsOfAllOrOneChapterInOrder();
};

void DataModuleTest::connectionStringCarriesFileAndPassword() {
    QCOMPARE(
        BankConnection::ConnectionStringFor(QStringLiteral("/驾校 程序/t1.mdb")),
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
    dm.ADOCON->SetConnectionString(BankConnection::ConnectionStringFor(dir.File("t1.mdb")).replace("kq731", "guess"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dm.ADOCON->Open());
    try {
        dm.ADOCON->Open();
    } catch (const DatabaseError& error) {
        QCOMPARE(error.Message(), QStringLiteral("Not a valid password."));
    }
    QVERIFY(!dm.ADOCON->Connected());
}

void DataModuleTest::olderBankIsUpgradedWithItsData_data() {
    QTest::addColumn<bool>("withVersionRow");
    QTest::newRow("schema_version 1") << true;
    QTest::newRow("no schema_version") << false;
}

void DataModuleTest::olderBankIsUpgradedWithItsData() {
    QFETCH(bool, withVersionRow);
    const TestAppDir dir(TestAppDir::NoBanks);
    const QString file = dir.File("t1.mdb");
    WriteBank(file, ExamBank({{1, 3}, {2, 2}}, 0));
    MakeVersionOne(file, withVersionRow);
    const ResultSet before = RawBank(file).connection.Select(kQuestionColumns);
    {
        // Read as it stands, the question has no explanation.
        Query query;
        RawBank bank(file);
        query.SetConnection(&bank.connection);
        query.SetSQL(BankQueries::QuestionTableSql());
        query.Open();
        QCOMPARE(TQuestion::Read(query).jiexi, QString());
    }

    QCOMPARE(OpenFailure(file), QString());
    RawBank bank(file);
    QCOMPARE(DatabaseSchema::StoredVersion(bank.connection), BankSchema::kVersion);
    QCOMPARE(bank.connection.Select(kQuestionColumns).rows, before.rows);
    bank.connection.Execute(QStringLiteral("update question set jiexi='因为' where ID=1001"));
    QCOMPARE(bank.connection.Select(QStringLiteral("select jiexi from question order by ID")).rows.front().front(),
             QVariant(QStringLiteral("因为")));
}

void DataModuleTest::newerBankIsRefused() {
    const TestAppDir dir(TestAppDir::NoBanks);
    const QString file = dir.File("t1.mdb");
    WriteBank(file, ExamBank({{1, 1}}, 0));
    RawBank(file).connection.Execute(QStringLiteral("update qv_meta set value='3' where name='schema_version'"));
    Connection connection;
    const QString refused =
        QStringLiteral(
            "数据库文件“%1”是较新版本的程序写的（第3版，本程序只能读到第2版），文件没有改动。请使用新版程序。\n"
            "Database '%1' is of version 3; this program reads up to version 2.")
            .arg(file);
    QCOMPARE(OpenFailure(file, connection), refused);
    QVERIFY(!connection.Connected());
    // Nor is it read by the first query after the failure, which opens the connection again.
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(BankQueries::QuestionTableSql());
    QVERIFY_THROWS_EXCEPTION(DatabaseError, query.Open());
    QVERIFY(!connection.Connected());
}

// An upgrade that fails at its last step (storing the version, refused here by a trigger) takes back the column it
// had already added: the file is left exactly as it was.
void DataModuleTest::failedUpgradeLeavesTheFileAsItWas() {
    const TestAppDir dir(TestAppDir::NoBanks);
    const QString file = dir.File("t1.mdb");
    WriteBank(file, ExamBank({{1, 2}}, 0));
    MakeVersionOne(file, false);
    RawBank(file).connection.Execute(QStringLiteral(
        "create trigger keep_meta before insert on qv_meta begin select raise(abort, 'qv_meta is kept'); end"));
    const QByteArray before = dir.ReadFile("t1.mdb");
    RawBank bank(file);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, BankSchema::Schema().BringUpToDate(bank.connection, file));
    QVERIFY(!bank.connection.InTransaction());
    QCOMPARE(bank.connection.Select(QStringLiteral("select * from question")).columns.size(), 9);
    QCOMPARE(OpenFailure(file), QStringLiteral("读写数据库文件“%1”时出错。\nqv_meta is kept").arg(file));
    QCOMPARE(dir.ReadFile("t1.mdb"), before);
}

void DataModuleTest::questionsOfAllOrOneChapterInOrder_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("all chapters") << BankQueries::AllQuestionsSql() << QList<int>{1001, 1002, 3001, 3002, 10001};
    QTest::newRow("chapter 1") << BankQueries::AllQuestionsSql() + BankQueries::ChapterFilter("1")
                               << QList<int>{1001, 1002};
    QTest::newRow("chapter 10") << BankQueries::AllQuestionsSql() + BankQueries::ChapterFilter("10")
                                << QList<int>{10001};
    QTest::newRow("paper chapter 3") << BankQueries::ChapterQuestionIdsSql(3) << QList<int>{3001, 3002};
    QTest::newRow("empty chapter") << BankQueries::ChapterQuestionIdsSql(2) << QList<int>{};
}

// The bank is written out of ID order; every query still yields its chapter's questions by ascending ID.
void DataModuleTest::questionsOfAllOrOneChapterInOrder() {
    QFETCH(QString, sql);
    QFETCH(QList<int>, ids);
    const TestAppDir dir(TestAppDir::NoBanks);
    const QString file = dir.File("t1.mdb");
    QList<Question> questions = ExamBank({{1, 2}, {3, 2}, {10, 1}}, 0);
    std::reverse(questions.begin(), questions.end());
    WriteBank(file, questions);
    QCOMPARE(Ids(file, sql), ids);
}

QV_TEST_MAIN(DataModuleTest)
#include "tst_datamodule.moc"
