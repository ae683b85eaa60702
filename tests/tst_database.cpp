#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <thread>

#include "platform/Connection.h"
#include "platform/DatabaseFile.h"
#include "platform/Exception.h"
#include "platform/Query.h"

namespace {

const QString kPassword = QStringLiteral("s3cret 题库");

// A bank laid out as the builder tool writes it. Chapters '1' and '10' tell a text comparison from a
// numeric one; row 4 leaves its picture and fourth answer NULL.
const QString kBankSql = QStringLiteral(R"(
create table qv_meta(name TEXT PRIMARY KEY, value TEXT NOT NULL);
insert into qv_meta values('schema_version', '1');
create table question(ID INTEGER PRIMARY KEY, zhanjie TEXT NOT NULL, question TEXT NOT NULL, ans1 TEXT,
                      ans2 TEXT, ans3 TEXT, ans4 TEXT, bmp TEXT, ans INTEGER NOT NULL);
insert into question values(1, '1', '红灯亮时应当怎样？', '停车等候', '加速通过', NULL, NULL, NULL, 1);
insert into question values(2, '10', '这个标志是何含义？', '对', '错', NULL, NULL, '2.jpg', 2);
insert into question values(3, '1', 'It''s a quote', 'A', 'B', 'C', 'D', NULL, 3);
insert into question values(4, '2', '夜间会车应当怎样？', 'A', 'B', 'C', NULL, NULL, 4);
insert into question values(5, '3', '高速公路最低车速？', 'A', 'B', 'C', 'D', '5.jpg', 1);
create table JD("名称" TEXT PRIMARY KEY, "进度" INTEGER);
with recursive n(i) as (select 0 union all select i + 1 from n where i < 10)
insert into JD select cast(i as text), i * 10 from n;
)");

// Works on a file directly, past the code under test; creates the file when it is missing.
bool RunSql(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK &&
                    sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok) {
        qWarning("fixture: %s", sqlite3_errmsg(db));
    }
    sqlite3_close(db);
    return ok;
}

bool WriteBank(const QString& path, const QString& password = kPassword) {
    return QDir().mkpath(QFileInfo(path).path()) &&
           RunSql(path, kBankSql + QStringLiteral("insert into qv_meta values('password', '%1');").arg(password));
}

QString ConnectionStringFor(const QString& path, const QString& password = kPassword) {
    return QStringLiteral(
               "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False;"
               "Jet OLEDB:Database Password=%2")
        .arg(path, password);
}

// Data tables name the file of each test as %1, since the folder is only made for the test itself.
QString WithPath(QString text, const QString& path) {
    return text.replace(QStringLiteral("%1"), path);
}

QString ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return QStringLiteral("<no error>");
}

// The values of one column over all visible rows; leaves the last row current.
QList<int> Column(Query& query, const QString& name = QStringLiteral("ID")) {
    QList<int> values;
    query.First();
    for (int row = 0; row < query.RecordCount(); ++row, query.MoveBy(1)) {
        values << query.FieldByName(name).AsInteger();
    }
    return values;
}

// The sentences a failure of the database file starts with, the file as %1; SQLite's own text follows on a line of
// its own.
const QString kReadOnly =
    QStringLiteral("数据库文件“%1”只能读不能写，所做的更改没有保存。请管理员检查这个文件及其文件夹的写入权限。\n");
const QString kLocked = QStringLiteral("数据库文件“%1”正被另一个程序使用，请稍后再试。\n");
const QString kLacking = QStringLiteral("数据库文件“%1”缺少本程序需要的表或列，可能不是本程序的题库或已经损坏。\n");
const QString kFailed = QStringLiteral("读写数据库文件“%1”时出错。\n");
const QString kNotAnInteger = QStringLiteral("数据库文件“%1”中“v”列的值不是整数。\n");

int ReadProgress(Connection& connection, const QString& name) {
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select 进度 from JD where 名称='%1'").arg(name));
    query.Open();
    return query.FieldByName(QStringLiteral("进度")).AsInteger();
}

}  // namespace

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void init();

    void openFailures_data();
    void openFailures();
    void openSucceeds_data();
    void openSucceeds();
    void passwordLeavesConnectionString_data();
    void passwordLeavesConnectionString();
    void queryOpensConnectionLazily();

    void rowsAndNavigation();
    void fieldsByName();
    void emptyResult();
    void fieldConversions_data();
    void fieldConversions();
    void chineseIdentifiers();
    void queryErrors();

    void filter_data();
    void filter();
    void malformedFilterChangesNothing_data();
    void malformedFilterChangesNothing();
    void filterOnOffKeepsRowsAndCurrentRow();

    void rollbackRestores();
    void commitPersistsAndSurvivesReopen();
    void closeRollsBack();
    void executeCounts_data();
    void executeCounts();
    void statementErrors_data();
    void statementErrors();
    void lockedFileIsWaitedForThenNamed();
    void fileReplacedWhileOpenIsOpenedAgain();

    void boundValuesKeepTheirType_data();
    void boundValuesKeepTheirType();
    void boundValuesFillStatementsInOrder();
    void valuesMustMatchPlaceholders_data();
    void valuesMustMatchPlaceholders();
    void plainFileOpensWithoutProvider();
    void damagedFileIsSetAsideWithItsLogs();

private:
    Query& OpenQuery(const QString& sql);

    std::unique_ptr<QTemporaryDir> dir_;
    QString bankPath_;  // blanks, Chinese and a ';' in the folder name, as installs may have
    std::unique_ptr<Connection> connection_;
    std::unique_ptr<Query> query_;
};

void TestDatabase::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    bankPath_ = dir_->filePath(QStringLiteral("驾校 题库;分校/t1.mdb"));
    QVERIFY(WriteBank(bankPath_));
    connection_ = std::make_unique<Connection>();
    connection_->SetConnectionString(ConnectionStringFor(bankPath_));
    query_ = std::make_unique<Query>();
    query_->SetConnection(connection_.get());
}

Query& TestDatabase::OpenQuery(const QString& sql) {
    query_->SetSQL(sql);
    query_->Open();
    return *query_;
}

void TestDatabase::openFailures_data() {
    QTest::addColumn<QString>("file");  // what to put at the named path
    QTest::addColumn<QString>("connection");
    QTest::addColumn<QString>("message");

    const QString standard = ConnectionStringFor(QStringLiteral("%1"));
    const QString unrecognized = QStringLiteral("Unrecognized database format '%1'.");
    QTest::newRow("missing file") << "none" << standard << "Could not find file '%1'.";
    QTest::newRow("no data source") << "none"
                                    << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source="
                                    << "Could not find file ''.";
    QTest::newRow("directory") << "directory" << standard << unrecognized;
    QTest::newRow("garbage file") << "garbage" << standard << unrecognized;
    QTest::newRow("empty file") << "empty" << standard << unrecognized;
    QTest::newRow("sqlite without qv_meta") << "plain sqlite" << standard << unrecognized;
    QTest::newRow("qv_meta without password") << "no password row" << standard << unrecognized;
    QTest::newRow("wrong password") << "bank" << ConnectionStringFor(QStringLiteral("%1"), QStringLiteral("s3cret"))
                                    << "Not a valid password.";
    QTest::newRow("password case") << "bank" << ConnectionStringFor(QStringLiteral("%1"), kPassword.toUpper())
                                   << "Not a valid password.";
    QTest::newRow("password not trimmed")
        << "bank" << ConnectionStringFor(QStringLiteral("%1"), kPassword + " ") << "Not a valid password.";
    QTest::newRow("no password") << "bank"
                                 << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1"
                                 << "Not a valid password.";
    const QString noProvider = QStringLiteral("Provider cannot be found. It may not be properly installed.");
    QTest::newRow("other provider") << "bank" << QString(standard).replace("Jet.OLEDB.4.0", "ACE.OLEDB.12.0")
                                    << noProvider;
    QTest::newRow("no provider") << "bank" << QStringLiteral("Data Source=%1") << noProvider;
}

void TestDatabase::openFailures() {
    QFETCH(QString, file);
    QFETCH(QString, connection);
    QFETCH(QString, message);

    const QString path = dir_->filePath(QStringLiteral("题库 %1.mdb").arg(file));
    QFile raw(path);
    if (file == "directory") {
        QVERIFY(QDir().mkpath(path));
    } else if (file == "garbage") {
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write(QByteArray(4096, 'x'));
        raw.close();
    } else if (file == "empty") {
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.close();
    } else if (file == "plain sqlite") {
        QVERIFY(RunSql(path, QStringLiteral("create table question(ID INTEGER PRIMARY KEY);")));
    } else if (file == "no password row") {
        QVERIFY(RunSql(path, QStringLiteral("create table qv_meta(name TEXT PRIMARY KEY, value TEXT NOT NULL);"
                                            "insert into qv_meta values('schema_version', '1');")));
    } else if (file == "bank") {
        QVERIFY(WriteBank(path));
    }
    const QFileInfo before(path);

    Connection db;
    db.SetConnectionString(WithPath(connection, path));
    QCOMPARE(ErrorOf([&] { db.Open(); }), WithPath(message, path));
    QVERIFY(!db.Connected());
    // A statement opens the same way and fails the same way.
    QCOMPARE(ErrorOf([&] { db.Select(QStringLiteral("select 1")); }), WithPath(message, path));
    QVERIFY(!db.Connected());

    const QFileInfo after(path);
    QCOMPARE(after.exists(), before.exists());  // never created
    QCOMPARE(after.size(), before.size());      // nor turned into a database
}

void TestDatabase::openSucceeds_data() {
    QTest::addColumn<QString>("connection");
    QTest::addColumn<bool>("backslashes");
    QTest::addColumn<bool>("readOnly");

    const QString standard = ConnectionStringFor(QStringLiteral("%1"));
    QTest::newRow("as the program writes it") << standard << false << false;
    QTest::newRow("keys in any case, blanks around keys")
        << " data SOURCE =%1; provider = microsoft.jet.oledb.4.0 ;;JET OLEDB:DATABASE PASSWORD=" + kPassword << false
        << false;
    QTest::newRow("data source in quotes")
        << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\";Jet OLEDB:Database Password=" + kPassword << false
        << false;
    QTest::newRow("backslash separators") << standard << true << false;
    QTest::newRow("read-only file") << standard << false << true;
}

void TestDatabase::openSucceeds() {
    QFETCH(QString, connection);
    QFETCH(bool, backslashes);
    QFETCH(bool, readOnly);

    if (readOnly) {
        QVERIFY(QFile::setPermissions(bankPath_, QFile::ReadOwner | QFile::ReadUser));
        if (QFileInfo(bankPath_).isWritable()) {
            QSKIP("write protection does not hold for this user");
        }
    }
    Connection db;
    db.SetConnectionString(WithPath(connection, backslashes ? QString(bankPath_).replace('/', '\\') : bankPath_));
    db.Open();
    QVERIFY(db.Connected());
    db.Open();  // harmless when already open
    QCOMPARE(db.Select(QStringLiteral("select count(*) from question")).rows.at(0).at(0).toInt(), 5);
    if (readOnly) {
        QCOMPARE(ErrorOf([&] { db.Execute(QStringLiteral("delete from question")); }),
                 kReadOnly.arg(bankPath_) + "attempt to write a readonly database");
    }
}

void TestDatabase::passwordLeavesConnectionString_data() {
    QTest::addColumn<QString>("persist");
    QTest::addColumn<bool>("keepsPassword");

    QTest::newRow("False") << "Persist Security Info=False;" << false;
    QTest::newRow("not given") << "" << false;
    QTest::newRow("True") << "Persist Security Info=True;" << true;
    QTest::newRow("true, any case") << "persist security info= TRUE;" << true;
}

void TestDatabase::passwordLeavesConnectionString() {
    QFETCH(QString, persist);
    QFETCH(bool, keepsPassword);

    const QString withoutPassword = "Provider=Microsoft.Jet.OLEDB.4.0;" + persist + "Data Source=" + bankPath_;
    const QString full = withoutPassword + ";Jet OLEDB:Database Password=" + kPassword;
    connection_->SetConnectionString(full);
    QCOMPARE(connection_->ConnectionString(), full);
    connection_->Open();
    QCOMPARE(connection_->ConnectionString(), keepsPassword ? full : withoutPassword);

    // The password is still known to the connection: closing and opening again works.
    connection_->Close();
    QVERIFY(!connection_->Connected());
    connection_->Open();
    QVERIFY(connection_->Connected());

    // A new connection string is shown whole until it has opened.
    connection_->SetConnectionString(full);
    QCOMPARE(connection_->ConnectionString(), full);
}

void TestDatabase::queryOpensConnectionLazily() {
    Query query;
    QCOMPARE(ErrorOf([&] { query.Open(); }), QStringLiteral("Missing Connection or ConnectionString"));
    QVERIFY(!query.Active());

    // The bank appears only after a first failed attempt, as when the user fixes the installation.
    const QString later = dir_->filePath(QStringLiteral("稍后 出现/t2.mdb"));
    Connection db;
    db.SetConnectionString(ConnectionStringFor(later));
    QCOMPARE(ErrorOf([&] { db.Open(); }), QStringLiteral("Could not find file '%1'.").arg(later));
    QVERIFY(WriteBank(later));

    query.SetConnection(&db);
    query.SetSQL(QStringLiteral("select ID from question"));
    QVERIFY(!db.Connected());
    query.Open();
    QVERIFY(db.Connected());
    QVERIFY(query.Active());
    QCOMPARE(query.RecordCount(), 5);
}

void TestDatabase::rowsAndNavigation() {
    Query& query = OpenQuery(QStringLiteral("select ID from question order by ID desc"));
    QVERIFY(query.Active());
    QCOMPARE(query.RecordCount(), 5);
    QCOMPARE(query.RecNo(), 0);
    QCOMPARE(Column(query), QList<int>({5, 4, 3, 2, 1}));

    QCOMPARE(query.RecNo(), 4);
    query.MoveBy(1);
    QCOMPARE(query.RecNo(), 4);
    query.MoveBy(-2);
    QCOMPARE(query.FieldByName("ID").AsInteger(), 3);
    query.MoveBy(-100);
    QCOMPARE(query.RecNo(), 0);
    query.MoveBy(std::numeric_limits<int>::max());
    QCOMPARE(query.RecNo(), 4);
    query.MoveBy(std::numeric_limits<int>::min());
    QCOMPARE(query.RecNo(), 0);
    query.MoveBy(2);
    query.First();
    QCOMPARE(query.FieldByName("ID").AsInteger(), 5);

    query.Close();
    QVERIFY(!query.Active());
    QCOMPARE(query.RecordCount(), 0);
    QCOMPARE(query.RecNo(), -1);
}

void TestDatabase::fieldsByName() {
    Query& query = OpenQuery(QStringLiteral("select * from question where ID=4"));
    QCOMPARE(query.FieldByName("question").AsString(), QStringLiteral("夜间会车应当怎样？"));
    QCOMPARE(query.FieldByName("QUESTION").AsString(), QStringLiteral("夜间会车应当怎样？"));
    QCOMPARE(query.FieldByName("id").AsInteger(), 4);
    QCOMPARE(query.FieldByName("ZhanJie").AsString(), QStringLiteral("2"));
    QCOMPARE(query.FieldByName("Ans").AsInteger(), 4);

    const Field picture = query.FieldByName("bmp");
    QVERIFY(picture.IsNull());
    QCOMPARE(picture.AsString(), QString(""));
    QCOMPARE(picture.AsInteger(), 0);

    QCOMPARE(ErrorOf([&] { query.FieldByName("picture"); }), QStringLiteral("Field 'picture' not found"));
}

void TestDatabase::emptyResult() {
    Query& query = OpenQuery(QStringLiteral("select * from question where ID=99"));
    QVERIFY(query.Active());
    QVERIFY(query.IsEmpty());
    QCOMPARE(query.RecNo(), -1);
    query.MoveBy(1);
    query.First();
    QCOMPARE(query.RecNo(), -1);
    QCOMPARE(query.FieldByName("Question").AsString(), QString(""));
    QCOMPARE(query.FieldByName("ans").AsInteger(), 0);
    QCOMPARE(ErrorOf([&] { query.FieldByName("nothing"); }), QStringLiteral("Field 'nothing' not found"));
}

void TestDatabase::fieldConversions_data() {
    QTest::addColumn<QString>("value");  // an SQL expression
    QTest::addColumn<QString>("asString");
    QTest::addColumn<int>("asInteger");
    QTest::addColumn<QString>("integerError");

    QTest::newRow("integer") << "42"
                             << "42" << 42 << "";
    QTest::newRow("numeric text") << "'12'"
                                  << "12" << 12 << "";
    QTest::newRow("negative text") << "'-3'"
                                   << "-3" << -3 << "";
    QTest::newRow("real") << "7.9"
                          << "7.9" << 7 << "";
    QTest::newRow("negative real") << "-7.9"
                                   << "-7.9" << -7 << "";
    QTest::newRow("null") << "NULL"
                          << "" << 0 << "";
    QTest::newRow("word") << "'abc'"
                          << "abc" << 0 << kNotAnInteger + "'abc' is not a valid integer value";
    QTest::newRow("empty text") << "''"
                                << "" << 0 << kNotAnInteger + "'' is not a valid integer value";
    QTest::newRow("real as text") << "'1.5'"
                                  << "1.5" << 0 << kNotAnInteger + "'1.5' is not a valid integer value";
}

void TestDatabase::fieldConversions() {
    QFETCH(QString, value);
    QFETCH(QString, asString);
    QFETCH(int, asInteger);
    QFETCH(QString, integerError);

    const Field field = OpenQuery("select " + value + " as v").FieldByName("v");
    QCOMPARE(field.AsString(), asString);
    if (integerError.isEmpty()) {
        QCOMPARE(field.AsInteger(), asInteger);
    } else {
        QCOMPARE(ErrorOf([&] { field.AsInteger(); }), integerError.arg(bankPath_));
    }
}

void TestDatabase::chineseIdentifiers() {
    QCOMPARE(ReadProgress(*connection_, "0"), 0);
    QCOMPARE(ReadProgress(*connection_, "10"), 100);
    QCOMPARE(connection_->Execute(QStringLiteral("update JD set 进度=35 where 名称='3'")), 1);
    QCOMPARE(ReadProgress(*connection_, "3"), 35);

    // Chapters are text: '1' must not find chapter 10.
    QCOMPARE(Column(OpenQuery(QStringLiteral("select ID from question where zhanjie='1'"))), QList<int>({1, 3}));
}

void TestDatabase::queryErrors() {
    QCOMPARE(ErrorOf([&] { OpenQuery(QStringLiteral("select * from nowhere")); }),
             kLacking.arg(bankPath_) + "no such table: nowhere");
    QVERIFY(!query_->Active());

    // A failing re-run leaves nothing of the earlier result behind.
    OpenQuery(QStringLiteral("select ID from question"));
    QCOMPARE(ErrorOf([&] { OpenQuery(QStringLiteral("select missing from question")); }),
             kLacking.arg(bankPath_) + "no such column: missing");
    QVERIFY(!query_->Active());
    QCOMPARE(query_->RecordCount(), 0);
}

void TestDatabase::filter_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QList<int>>("ids");

    QTest::newRow("number") << "ID=3" << QList<int>{3};
    QTest::newRow("blanks around =") << "  ID = 3 " << QList<int>{3};
    QTest::newRow("number with sign and zeros") << "ID=+03" << QList<int>{3};
    QTest::newRow("column in any case") << "id=3" << QList<int>{3};
    QTest::newRow("text is not a prefix") << "zhanjie='1'" << QList<int>{1, 3};
    QTest::newRow("text whole") << "zhanjie='10'" << QList<int>{2};
    QTest::newRow("number against text") << "zhanjie=10" << QList<int>{2};
    QTest::newRow("text against number") << "ans='1'" << QList<int>{1, 5};
    QTest::newRow("Chinese text") << "ans1='停车等候'" << QList<int>{1};
    QTest::newRow("doubled quote") << "question='It''s a quote'" << QList<int>{3};
    QTest::newRow("null never matches") << "bmp=''" << QList<int>{};
    QTest::newRow("no match") << "ID=99" << QList<int>{};
    QTest::newRow("empty expression shows all") << "" << QList<int>{1, 2, 3, 4, 5};
}

void TestDatabase::filter() {
    QFETCH(QString, expression);
    QFETCH(QList<int>, ids);

    Query& query = OpenQuery(QStringLiteral("select * from question order by ID"));
    query.MoveBy(4);
    query.SetFilter(expression);
    query.SetFiltered(true);
    QCOMPARE(query.RecordCount(), int(ids.size()));
    QCOMPARE(query.RecNo(), ids.isEmpty() ? -1 : 0);
    QCOMPARE(Column(query), ids);

    // Opening again keeps the filter on the fresh result.
    query.Open();
    QVERIFY(query.Filtered());
    QCOMPARE(Column(query), ids);
}

void TestDatabase::malformedFilterChangesNothing_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("message");

    for (const char* expression : {"ID", "ID=", "=3", "ID=abc", "ID='3", "ID==3", "ID>3", "ID=3 and ans=1", "ID=3x",
                                   "ID=99999999999999999999"}) {
        QTest::newRow(expression) << expression
                                  << QStringLiteral("Filter expression incorrectly formatted: %1").arg(expression);
    }
    QTest::newRow("unknown column") << "picture='1.jpg'"
                                    << "Field 'picture' not found";
}

void TestDatabase::malformedFilterChangesNothing() {
    QFETCH(QString, expression);
    QFETCH(QString, message);

    Query& query = OpenQuery(QStringLiteral("select * from question order by ID"));
    query.MoveBy(1);
    query.SetFilter(expression);  // not checked while the filter is off
    QCOMPARE(ErrorOf([&] { query.SetFiltered(true); }), message);
    QVERIFY(!query.Filtered());
    QCOMPARE(query.RecordCount(), 5);
    QCOMPARE(query.RecNo(), 1);

    query.SetFilter(QStringLiteral("zhanjie='1'"));
    query.SetFiltered(true);
    query.MoveBy(1);
    QCOMPARE(ErrorOf([&] { query.SetFilter(expression); }), message);
    QCOMPARE(query.Filter(), QStringLiteral("zhanjie='1'"));
    QCOMPARE(query.RecordCount(), 2);
    QCOMPARE(query.FieldByName("ID").AsInteger(), 3);
}

void TestDatabase::filterOnOffKeepsRowsAndCurrentRow() {
    Query& query = OpenQuery(QStringLiteral("select * from question order by ID"));
    query.SetFilter(QStringLiteral("zhanjie='1'"));
    query.SetFiltered(true);
    query.MoveBy(1);
    QCOMPARE(query.FieldByName("ID").AsInteger(), 3);

    // Rows come from the result already fetched, not from the table.
    QCOMPARE(connection_->Execute(QStringLiteral("delete from question where ID<>3")), 4);
    query.SetFiltered(false);
    QCOMPARE(query.RecordCount(), 5);
    QCOMPARE(query.RecNo(), 2);
    QCOMPARE(query.FieldByName("ID").AsInteger(), 3);

    query.SetFiltered(true);
    QCOMPARE(query.FieldByName("ID").AsInteger(), 1);
    query.SetFilter(QStringLiteral("zhanjie='10'"));
    QCOMPARE(query.RecordCount(), 1);
    QCOMPARE(query.FieldByName("ID").AsInteger(), 2);

    // With no matching row current, switching off starts at the first row.
    query.SetFilter(QStringLiteral("ID=99"));
    QCOMPARE(query.RecNo(), -1);
    query.SetFiltered(false);
    QCOMPARE(query.RecNo(), 0);
    QCOMPARE(query.FieldByName("ID").AsInteger(), 1);

    // Opening again does query the table.
    query.Open();
    QCOMPARE(Column(query), QList<int>{3});
}

void TestDatabase::rollbackRestores() {
    connection_->BeginTrans();
    QVERIFY(connection_->InTransaction());
    QCOMPARE(connection_->Execute(QStringLiteral("update JD set 进度=0")), 11);
    QCOMPARE(ReadProgress(*connection_, "5"), 0);
    connection_->RollbackTrans();
    QVERIFY(!connection_->InTransaction());
    QCOMPARE(ReadProgress(*connection_, "5"), 50);

    connection_->RollbackTrans();  // nothing open: harmless
    QCOMPARE(ErrorOf([&] { connection_->CommitTrans(); }),
             kFailed.arg(bankPath_) + "cannot commit - no transaction is active");
    connection_->BeginTrans();
    QCOMPARE(ErrorOf([&] { connection_->BeginTrans(); }),
             kFailed.arg(bankPath_) + "cannot start a transaction within a transaction");
    QVERIFY(connection_->InTransaction());
    Connection unopened;
    unopened.RollbackTrans();
    QVERIFY(!unopened.Connected());
}

void TestDatabase::commitPersistsAndSurvivesReopen() {
    connection_->BeginTrans();
    QCOMPARE(connection_->Execute(QStringLiteral("update JD set 进度=77 where 名称='7'")), 1);
    connection_->Open();  // an open connection stays as it is, transaction included
    QVERIFY(connection_->InTransaction());
    connection_->CommitTrans();
    QVERIFY(!connection_->InTransaction());

    Connection other;
    other.SetConnectionString(ConnectionStringFor(bankPath_));
    QCOMPARE(ReadProgress(other, "7"), 77);
}

void TestDatabase::closeRollsBack() {
    connection_->BeginTrans();
    connection_->Execute(QStringLiteral("update JD set 进度=1 where 名称='1'"));
    connection_->Close();
    QVERIFY(!connection_->Connected());
    QVERIFY(!connection_->InTransaction());

    Connection other;
    other.SetConnectionString(ConnectionStringFor(bankPath_));
    QCOMPARE(ReadProgress(other, "1"), 10);
}

void TestDatabase::executeCounts_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("changed");

    QTest::newRow("update") << "update question set ans=1 where zhanjie='1'" << 2;
    QTest::newRow("no row matches") << "update question set ans=1 where ID=99" << 0;
    QTest::newRow("schema change after an update") << "create table note(text TEXT)" << 0;
    QTest::newRow("several statements") << "insert into JD values('11', 0); delete from JD where 名称 in ('10', '11');"
                                        << 3;
}

void TestDatabase::executeCounts() {
    QFETCH(QString, sql);
    QFETCH(int, changed);

    connection_->Execute(QStringLiteral("update question set ans=2"));  // leaves a count behind
    QCOMPARE(connection_->Execute(sql), changed);
}

void TestDatabase::statementErrors_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing table") << "update nowhere set a=1" << kLacking + "no such table: nowhere";
    QTest::newRow("constraint") << "insert into question(ID) values(9)"
                                << kFailed + "NOT NULL constraint failed: question.zhanjie";
    QTest::newRow("syntax") << "updat question set ans=1" << kFailed + "near \"updat\": syntax error";
    QTest::newRow("second of several") << "update JD set 进度=1; update JD set missing=1"
                                       << kLacking + "no such column: missing";
}

void TestDatabase::statementErrors() {
    QFETCH(QString, sql);
    QFETCH(QString, message);

    QCOMPARE(ErrorOf([&] { connection_->Execute(sql); }), message.arg(bankPath_));
    QVERIFY(connection_->Connected());
}

// Another program's lock is waited out when it ends within two seconds; one held longer fails the statement with a
// message that names the file.
void TestDatabase::lockedFileIsWaitedForThenNamed() {
    connection_->Open();
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(bankPath_).constData(), &other), SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> closer(other, sqlite3_close);
    QCOMPARE(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
    });
    QCOMPARE(connection_->Execute(QStringLiteral("update JD set 进度=5 where 名称='1'")), 1);
    release.join();

    QCOMPARE(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    QCOMPARE(ErrorOf([&] { connection_->Execute(QStringLiteral("update JD set 进度=6 where 名称='1'")); }),
             kLocked.arg(bankPath_) + "database is locked");
    sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
    QCOMPARE(ReadProgress(*connection_, "1"), 5);
}

// A bank put in place by renaming a new file over the open one (as the bank tool's import does) is what the next
// statement works on: the connection does not keep writing to the old file, which is no longer anybody's.
void TestDatabase::fileReplacedWhileOpenIsOpenedAgain() {
    QCOMPARE(ReadProgress(*connection_, "1"), 10);
    const QString replacement = dir_->filePath(QStringLiteral("new.mdb"));
    QVERIFY(WriteBank(replacement));
    QVERIFY(RunSql(replacement, QStringLiteral("update JD set 进度=99 where 名称='1'")));
    QVERIFY(::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(bankPath_).constData()) == 0);

    QCOMPARE(ReadProgress(*connection_, "1"), 99);
    QCOMPARE(connection_->Execute(QStringLiteral("update JD set 进度=42 where 名称='1'")), 1);
    Connection fresh;
    fresh.SetConnectionString(ConnectionStringFor(bankPath_));
    QCOMPARE(ReadProgress(fresh, "1"), 42);

    // A file gone altogether is reported as missing, not written to.
    QVERIFY(QFile::remove(bankPath_));
    QCOMPARE(ErrorOf([&] { connection_->Execute(QStringLiteral("update JD set 进度=1")); }),
             QStringLiteral("Could not find file '%1'.").arg(bankPath_));
}

void TestDatabase::boundValuesKeepTheirType_data() {
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("type");  // as SQLite stores it
    QTest::addColumn<QVariant>("read");

    QTest::newRow("null") << QVariant() << "null" << QVariant();
    QTest::newRow("null text") << QVariant(QMetaType(QMetaType::QString)) << "null" << QVariant();
    QTest::newRow("empty text") << QVariant(QString()) << "text" << QVariant(QString());
    QTest::newRow("int") << QVariant(-7) << "integer" << QVariant(qlonglong(-7));
    QTest::newRow("beyond 32 bits") << QVariant(qlonglong(1) << 40) << "integer" << QVariant(qlonglong(1) << 40);
    QTest::newRow("bool") << QVariant(true) << "integer" << QVariant(qlonglong(1));
    QTest::newRow("real") << QVariant(2.5) << "real" << QVariant(2.5);
    QTest::newRow("quotes and Chinese stay text")
        << QVariant(QStringLiteral("O'Brien'); drop table JD; --学员")) << "text"
        << QVariant(QStringLiteral("O'Brien'); drop table JD; --学员"));
    QTest::newRow("digits stay text") << QVariant(QStringLiteral("007")) << "text" << QVariant(QStringLiteral("007"));
    QTest::newRow("bytes with a zero") << QVariant(QByteArray("a\0b", 3)) << "blob" << QVariant(QByteArray("a\0b", 3));
}

// A value bound to a placeholder is stored as what it is, never read as SQL.
void TestDatabase::boundValuesKeepTheirType() {
    QFETCH(QVariant, value);
    QFETCH(QString, type);
    QFETCH(QVariant, read);

    connection_->Execute(QStringLiteral("create table kept(v)"));
    QCOMPARE(connection_->Execute(QStringLiteral("insert into kept values(?)"), {value}), 1);
    const ResultSet stored = connection_->Select(QStringLiteral("select typeof(v), v from kept where v is ?"), {value});
    QCOMPARE(stored.rows.size(), size_t(1));
    QCOMPARE(stored.rows[0][0].toString(), type);
    QCOMPARE(stored.rows[0][1], read);
    QCOMPARE(connection_->Select(QStringLiteral("select count(*) from JD")).rows[0][0].toInt(), 11);
}

// The values of several statements run as one fill their placeholders one statement after another; numbered
// placeholders take one value each.
void TestDatabase::boundValuesFillStatementsInOrder() {
    QCOMPARE(
        connection_->Execute(QStringLiteral("update JD set 进度=? where 名称=?; delete from JD where 名称 in (?, ?)"),
                             {77, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}),
        3);
    QCOMPARE(ReadProgress(*connection_, "1"), 77);
    const ResultSet rows = connection_->Select(
        QStringLiteral("select 名称 from JD where 进度>=?1 and 名称<>?2 and 进度<?1 + 50 order by 进度"),
        {60, QStringLiteral("6")});
    QCOMPARE(rows.rows.size(), size_t(5));  // 70, 77, 80, 90, 100
    QCOMPARE(rows.rows[0][0].toString(), QStringLiteral("7"));
}

void TestDatabase::valuesMustMatchPlaceholders_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("values");

    QTest::newRow("too few") << "update JD set 进度=? where 名称=?" << QVariantList{1};
    QTest::newRow("too many") << "update JD set 进度=? where 名称='1'" << QVariantList{1, 2};
    QTest::newRow("values for no placeholder") << "update JD set 进度=0" << QVariantList{1};
    QTest::newRow("too few for the second statement")
        << "update JD set 进度=? where 名称='1'; update JD set 进度=? where 名称=?" << QVariantList{1, 2};
}

// A statement is never run with a placeholder left empty, and a value left over is an error too.
void TestDatabase::valuesMustMatchPlaceholders() {
    QFETCH(QString, sql);
    QFETCH(QVariantList, values);

    QVERIFY_THROWS_EXCEPTION(DatabaseError, connection_->Execute(sql, values));
    // More values than the first statement has placeholders, in every row.
    QVERIFY_THROWS_EXCEPTION(DatabaseError, connection_->Select(sql.section(u';', 0, 0), values + QVariantList{0, 0}));
    QCOMPARE(connection_->Select(QStringLiteral("select count(*) from JD where 进度 is null")).rows[0][0].toInt(), 0);
}

// The program's own databases open as plain SQLite files: no provider, password or bank table is asked for, read-only
// changes nothing, and a missing file is not made.
void TestDatabase::plainFileOpensWithoutProvider() {
    const QString file = dir_->filePath(QStringLiteral("学员 records;1.db"));
    QVERIFY(RunSql(file, QStringLiteral("create table t(v); insert into t values(1)")));
    Connection plain;
    plain.OpenFile(file);
    QVERIFY(plain.Connected());
    QVERIFY(!plain.ReadOnly());
    QCOMPARE(plain.FileName(), file);
    QCOMPARE(plain.Execute(QStringLiteral("insert into t values(?)"), {2}), 1);
    plain.Close();
    QCOMPARE(plain.Select(QStringLiteral("select count(*) from t")).rows[0][0].toInt(), 2);  // opened again

    Connection reader;
    reader.OpenFile(file, true);
    QVERIFY(reader.ReadOnly());
    QVERIFY_THROWS_EXCEPTION(DatabaseError, reader.Execute(QStringLiteral("insert into t values(3)")));
    QCOMPARE(reader.Select(QStringLiteral("select count(*) from t")).rows[0][0].toInt(), 2);

    Connection missing;
    const QString gone = dir_->filePath(QStringLiteral("gone.db"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, missing.OpenFile(gone));
    QVERIFY(!missing.Connected());
    QVERIFY(!QFile::exists(gone));
}

// The file, its journal and its log move together to a name of their own, beside one set aside the same second.
void TestDatabase::damagedFileIsSetAsideWithItsLogs() {
    const QString file = dir_->filePath(QStringLiteral("学员.db"));
    const QDateTime when(QDate(2026, 3, 2), QTime(20, 30, 5));
    const QString taken = file + ".damaged-20260302-203005";
    for (const QString& name : {file, file + "-journal", file + "-wal", taken}) {
        QFile made(name);
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.write(name.toUtf8());
    }
    const QString aside = SetDatabaseFileAside(file, when);
    QCOMPARE(aside, taken + "-2");
    for (const QString& suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal")}) {
        QFile kept(aside + suffix);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), (file + suffix).toUtf8());
        QVERIFY(!QFile::exists(file + suffix));
    }
    QVERIFY(!QFile::exists(aside + "-shm"));
    // Set aside by another program first: nothing is left to do, and nothing is raised.
    SetDatabaseFileAside(file, when);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files).size(), 4);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
