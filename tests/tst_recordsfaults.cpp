// A learner's records under faults that are not damage: a file another program holds for a while, one that cannot be
// written, a disk that fills up, a newer program's file, a table gone, times a clock set far ahead left behind. None
// of them sets the file aside; each keeps what was stored and says once, in Chinese, why nothing new is.
#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

#include "TestSupport.h"
#include "platform/Exception.h"
#include "records/AnswerLog.h"
#include "records/ExamHistory.h"
#include "records/Learners.h"
#include "records/MistakeBook.h"
#include "records/Positions.h"
#include "records/RecordsDatabase.h"

class RecordsFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void busyFileIsWaitedFor();
    void writeProtectedRecordsAreRead_data();
    void writeProtectedRecordsAreRead();
    void fullDiskStopsWritingOnce();
    void newerFileIsLeftAlone();
    void missingTablesAreMadeAgain();
    void futureTimesAreHeldToNow_data();
    void futureTimesAreHeldToNow();
};

namespace {

const QDateTime kNow{QDate(2026, 3, 2), QTime(20, 30)};

// A records file with one exam and one mistake of learner 1, closed again.
QString MakeRecords(const QTemporaryDir& dir, const QDateTime& when = kNow) {
    QString file = dir.filePath("records.db");
    RecordsDatabase records(file, [when] { return when; });
    RecordAnswer(records, 1, {1, 7, "1"}, false);
    ExamHistory(records, 1).Add({when, 1, "C1", 95, 900, {{"1", 95, 5}}});
    return file;
}

QByteArray Content(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Whatever the records folder holds besides the records file and its log.
QStringList SetAside(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList({"*.damaged-*"}, QDir::Files);
}

}  // namespace

// Another program holding the file locked for longer than a moment (a backup, a second copy of the program) is
// waited for; the file is neither set aside nor left read-only once it is free.
void RecordsFaultsTest::busyFileIsWaitedFor() {
    QTemporaryDir dir;
    const QString file = MakeRecords(dir);
    std::atomic<bool> locked = false;
    std::thread holder([&] {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(file).constData(), &db);
        sqlite3_exec(db, "pragma locking_mode=exclusive; begin exclusive; update learners set name=name", nullptr,
                     nullptr, nullptr);
        locked = true;
        std::this_thread::sleep_for(std::chrono::seconds(3));
        sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    });
    while (!locked)
        std::this_thread::yield();
    RecordsDatabase records(file, [] { return kNow; });
    holder.join();
    QVERIFY2(records.OpeningMessage().isEmpty(), qPrintable(records.OpeningMessage()));
    QVERIFY(!records.ReadOnly());
    QCOMPARE(ExamHistory(records, 1).All().size(), size_t(1));
    QVERIFY(SetAside(dir).isEmpty());
}

void RecordsFaultsTest::writeProtectedRecordsAreRead_data() {
    QTest::addColumn<bool>("folder");  // the folder is write-protected, else the file
    QTest::newRow("file") << false;
    QTest::newRow("folder") << true;
}

// A read-only data folder or file shows every record there is; nothing is written, and the learner is told so once
// at the start and again only when they ask to save.
void RecordsFaultsTest::writeProtectedRecordsAreRead() {
    QFETCH(bool, folder);
    QTemporaryDir dir;
    const QString file = MakeRecords(dir);
    const QByteArray before = Content(file);
    const QString guarded = folder ? dir.path() : file;
    const QFile::Permissions permissions = QFile::permissions(guarded);
    QVERIFY(QFile::setPermissions(
        guarded, permissions & ~(QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther | QFile::WriteUser)));
    {
        RecordsDatabase records(file, [] { return kNow; });
        QVERIFY(records.ReadOnly());
        QVERIFY2(records.OpeningMessage().contains(QStringLiteral("不能写入")), qPrintable(records.OpeningMessage()));
        QVERIFY(records.OpeningMessage().contains(QStringLiteral("以前的学习记录照常查看")));
        QCOMPARE(Learners(records).Current().name, QStringLiteral("学员1"));
        QCOMPARE(ExamHistory(records, 1).All().size(), size_t(1));
        QCOMPARE(MistakeBook(records, 1).Entries().size(), size_t(1));
        RecordAnswer(records, 1, {1, 8, "1"}, false);  // not kept, and no message for every answer
        QCOMPARE(MistakeBook(records, 1).Entries().size(), size_t(1));
        QCOMPARE(RefusalOf([&] { Positions(records, 2).Save("0", 5); }),
                 QStringLiteral("学习记录现在只能查看，不能保存。"));
        QVERIFY(RefusalOf([&] { Learners(records).Add("王芳"); }).contains(QStringLiteral("只能查看")));
    }
    QVERIFY(QFile::setPermissions(guarded, permissions));
    QCOMPARE(Content(file), before);
    QVERIFY(SetAside(dir).isEmpty());
}

// A disk that fills up while the learner practises: the first answer that cannot be written says so and that nothing
// more will be kept; the rest go unrecorded without a message each, and what was stored stays readable.
void RecordsFaultsTest::fullDiskStopsWritingOnce() {
    QTemporaryDir dir;
    const QString file = MakeRecords(dir);
    RecordsDatabase records(file, [] { return kNow; });
    const int pages = records.Db().Select("pragma page_count").rows.front().front().toInt();
    records.Db().Execute(QStringLiteral("pragma max_page_count=%1").arg(pages));
    QStringList refusals;
    for (int question = 100; question < 400; ++question) {
        const QString refusal = RefusalOf([&] { RecordAnswer(records, 1, {1, question, "1"}, false); });
        if (!refusal.isEmpty())
            refusals << refusal;
    }
    QCOMPARE(refusals.size(), 1);
    QVERIFY2(refusals[0].startsWith(QStringLiteral("磁盘已满")), qPrintable(refusals[0]));
    QVERIFY(refusals[0].contains(QStringLiteral("学习记录从现在起只能查看")));
    QVERIFY(records.ReadOnly());
    QCOMPARE(ExamHistory(records, 1).All().size(), size_t(1));
    QVERIFY(SetAside(dir).isEmpty());
}

// A file a newer program wrote is neither changed nor set aside: the learner is told to use the newer program.
void RecordsFaultsTest::newerFileIsLeftAlone() {
    QTemporaryDir dir;
    const QString file = MakeRecords(dir);
    {
        RecordsDatabase records(file, [] { return kNow; });
        records.Db().Execute("update qv_meta set value='9' where name='schema_version'");
    }
    const QByteArray before = Content(file);
    const QString refusal = RefusalOf([&] { RecordsDatabase records(file, [] { return kNow; }); });
    QVERIFY2(refusal.startsWith(QStringLiteral("数据库文件“%1”是较新版本的程序写的").arg(file)), qPrintable(refusal));
    QCOMPARE(Content(file), before);
    QVERIFY(SetAside(dir).isEmpty());
}

// A table dropped from the file would lose every exam at its submission; it is made again at the start, and the
// learners and answers of the other tables are kept.
void RecordsFaultsTest::missingTablesAreMadeAgain() {
    QTemporaryDir dir;
    const QString file = MakeRecords(dir);
    {
        RecordsDatabase records(file, [] { return kNow; });
        Learners(records).Add("王芳");
        records.Db().Execute("drop table exam_chapters; drop table exams");
    }
    RecordsDatabase records(file, [] { return kNow; });
    QVERIFY2(records.OpeningMessage().contains(QStringLiteral("缺少考试记录、考试各章成绩，已重新建立为空")),
             qPrintable(records.OpeningMessage()));
    QCOMPARE(Learners(records).All().size(), size_t(2));
    QCOMPARE(MistakeBook(records, 1).Entries().size(), size_t(1));
    ExamHistory(records, 1).Add({kNow, 1, "C1", 91, 900, {{"1", 91, 9}}});
    QCOMPARE(ExamHistory(records, 1).All().size(), size_t(1));
    QVERIFY(SetAside(dir).isEmpty());
}

void RecordsFaultsTest::futureTimesAreHeldToNow_data() {
    QTest::addColumn<QDateTime>("ahead");
    QTest::newRow("2099") << QDateTime(QDate(2099, 6, 1), QTime(8, 0));
    QTest::newRow("last day of 9999") << QDateTime(QDate(9999, 12, 31), QTime(23, 30));
}

// A clock once set far ahead leaves answers, exams and due dates in the future; with the clock right again they are
// held to now, so that the exam does not stay the latest for good nor the mistake wait for years.
void RecordsFaultsTest::futureTimesAreHeldToNow() {
    QFETCH(QDateTime, ahead);
    QTemporaryDir dir;
    const QString file = MakeRecords(dir, ahead);
    RecordsDatabase records(file, [] { return kNow; });
    const std::vector<ExamResult> exams = ExamHistory(records, 1).All();
    QCOMPARE(exams.size(), size_t(1));
    QCOMPARE(exams[0].taken, kNow);
    const std::vector<MistakeEntry> due = MistakeBook(records, 1).Due(kNow.date());
    QCOMPARE(due.size(), size_t(1));
    QCOMPARE(due[0].state.due, kNow.date());
    QCOMPARE(records.Db().Select("select max(answered) from answers").rows[0][0].toLongLong(), kNow.toSecsSinceEpoch());
}

QV_TEST_MAIN(RecordsFaultsTest)
#include "tst_recordsfaults.moc"
