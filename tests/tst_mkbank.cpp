#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "TestSupport.h"

namespace {

using Rows = QList<QVariantList>;

// Reads a bank straight through SQLite so the check does not lean on the program's own database layer.
// Text and integers come back as QString and qlonglong, NULL as an invalid QVariant, so storage classes are compared
// too.
Rows Select(const QString& path, const QString& sql) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, &sqlite3_close);
    sqlite3_stmt* statement = nullptr;
    if (rc != SQLITE_OK || sqlite3_prepare_v2(raw, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        qWarning("%s: %s", qUtf8Printable(sql), sqlite3_errmsg(raw));
        return {};
    }
    Rows rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QVariantList row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
                case SQLITE_INTEGER:
                    row.append(qlonglong(sqlite3_column_int64(statement, i)));
                    break;
                case SQLITE_TEXT:
                    row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
                    break;
                case SQLITE_NULL:
                    row.append(QVariant());
                    break;
                default:
                    row.append(QStringLiteral("<unexpected storage class>"));
            }
        }
        rows.append(row);
    }
    sqlite3_finalize(statement);
    return rows;
}

bool HasTable(const QString& bank, const QString& table) {
    return !Select(bank, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name='%1'").arg(table))
                .isEmpty();
}

ProcessRun Mkbank(const QStringList& args) {
    return RunProcess(qEnvironmentVariable("QV_MKBANK"), args);
}

// Three records exercising every way of writing one: a comment, a BOM, CRLF endings, the wide colon, a picture, an
// explanation, blank runs between records and a colon inside the text.
const QByteArray kGoodSource =
    "\xEF\xBB\xBF# 注释行\r\n"
    "ID: 7\r\n"
    "章节: 10\r\n"
    "题目: 四选一？\r\n"
    "A: 甲\r\nB: 乙\r\nC: 丙\r\nD: 丁\r\n"
    "答案: D\r\n"
    "图片: 7.png\r\n"
    "解析: 题目要的是丁\r\n"
    "\r\n"
    "ID：8\n"
    "章节：1\n"
    "题目：这句话对吗？\n"
    "答案：对\n"
    "\n\n"
    "# 判断题，答案为错\n"
    "ID: 30\n"
    "章节: 2\n"
    "题目: 含有冒号: 的题干\n"
    "答案: 错\n";

}  // namespace

class TstMkbank : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(qEnvironmentVariable("QV_MKBANK")), "QV_MKBANK must name the tool"); }

    void writesEveryColumnInSourceOrder() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("good.txt"));
        const QString bank = dir.filePath(QStringLiteral("题库 good.mdb"));
        WriteFile(source, kGoodSource);

        const ProcessRun run = Mkbank({QStringLiteral("--password"), QStringLiteral("pw 密码"), source, bank});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);

        QCOMPARE(Select(bank, QStringLiteral("SELECT name, value FROM qv_meta ORDER BY name")),
                 (Rows{{QStringLiteral("password"), QStringLiteral("pw 密码")},
                       {QStringLiteral("schema_version"), QStringLiteral("2")}}));
        const QString empty;
        const QString yes = QStringLiteral("正确");
        const QString no = QStringLiteral("错误");
        QCOMPARE(Select(bank, QStringLiteral("SELECT ID, zhanjie, question, ans1, ans2, ans3, ans4, bmp, ans, jiexi "
                                             "FROM question ORDER BY rowid")),
                 (Rows{{7LL, QStringLiteral("10"), QStringLiteral("四选一？"), QStringLiteral("甲"),
                        QStringLiteral("乙"), QStringLiteral("丙"), QStringLiteral("丁"), QStringLiteral("7.png"), 4LL,
                        QStringLiteral("题目要的是丁")},
                       {8LL, QStringLiteral("1"), QStringLiteral("这句话对吗？"), yes, no, empty, empty, empty, 1LL,
                        QVariant()},
                       {30LL, QStringLiteral("2"), QStringLiteral("含有冒号: 的题干"), yes, no, empty, empty, empty,
                        2LL, QVariant()}}));
        QVERIFY(!QFile::exists(bank + QStringLiteral(".tmp")));
    }

    void progressTableOnlyOnRequest_data() {
        QTest::addColumn<bool>("requested");
        QTest::newRow("requested") << true;
        QTest::newRow("not requested") << false;
    }

    void progressTableOnlyOnRequest() {
        QFETCH(bool, requested);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("good.txt"));
        const QString bank = dir.filePath(QStringLiteral("out.mdb"));
        WriteFile(source, kGoodSource);
        QStringList args{QStringLiteral("--password"), QStringLiteral("pw")};
        if (requested) {
            args << QStringLiteral("--progress-table");
        }
        QCOMPARE(Mkbank(args << source << bank).exitCode, 0);

        QCOMPARE(HasTable(bank, QStringLiteral("JD")), requested);
        if (requested) {
            Rows expected;
            for (int chapter = 0; chapter <= 10; ++chapter) {
                expected.append({QString::number(chapter), 0LL});
            }
            QCOMPARE(
                Select(bank, QStringLiteral("SELECT \"名称\", \"进度\" FROM JD ORDER BY CAST(\"名称\" AS INTEGER)")),
                expected);
        }
    }

    void rejectsMalformedSource_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("line");
        const QByteArray trueFalse = "ID: 1\n章节: 1\n题目: 题？\n答案: 对\n\n";
        const QByteArray options = "A: 甲\nB: 乙\nC: 丙\nD: 丁\n";

        QTest::newRow("answer letter E") << QByteArray("ID: 1\n章节: 1\n题目: 题？\n" + options + "答案: E\n") << 8;
        QTest::newRow("answer missing") << QByteArray("\nID: 1\n章节: 1\n题目: 题？\n" + options) << 2;
        QTest::newRow("option D missing")
            << QByteArray(trueFalse + "ID: 2\n章节: 1\n题目: 题？\nA: 甲\nB: 乙\nC: 丙\n答案: A\n") << 6;
        QTest::newRow("true/false with C") << QByteArray("ID: 1\n章节: 1\n题目: 题？\nC: 丙\n答案: 错\n") << 4;
        QTest::newRow("chapter 0") << QByteArray("ID: 1\n章节: 0\n题目: 题？\n答案: 对\n") << 2;
        QTest::newRow("chapter 11") << QByteArray("ID: 1\n章节: 11\n题目: 题？\n答案: 对\n") << 2;
        QTest::newRow("chapter not a number") << QByteArray("ID: 1\n章节: 一\n题目: 题？\n答案: 对\n") << 2;
        QTest::newRow("duplicate ID") << QByteArray(trueFalse + "# 第二题\nID: 1\n章节: 2\n题目: 又一题？\n答案: 错\n")
                                      << 7;
        QTest::newRow("ID going down")
            << QByteArray("ID: 5\n章节: 1\n题目: 题？\n答案: 对\n\nID: 4\n章节: 1\n题目: 题？\n答案: 错\n") << 6;
        QTest::newRow("ID zero") << QByteArray("ID: 0\n章节: 1\n题目: 题？\n答案: 对\n") << 1;
        QTest::newRow("question missing") << QByteArray(trueFalse + "ID: 2\n章节: 1\n答案: 对\n") << 6;
        QTest::newRow("key given twice") << QByteArray("ID: 1\n章节: 1\n题目: 题？\n题目: 另一题？\n答案: 对\n") << 4;
        QTest::newRow("unknown key") << QByteArray("ID: 1\n章节: 1\n题目: 题？\nE: 戊\n答案: 对\n") << 4;
        QTest::newRow("no colon") << QByteArray("ID: 1\n章节: 1\n题目 题？\n答案: 对\n") << 3;
        QTest::newRow("empty value") << QByteArray("ID: 1\n章节: 1\n题目:\n答案: 对\n") << 3;
        QTest::newRow("picture with folder")
            << QByteArray("ID: 1\n章节: 1\n题目: 题？\n答案: 对\n图片: a/b.png\n") << 5;
        QTest::newRow("invalid UTF-8") << QByteArray(trueFalse + "ID: 2\n章节: 1\n题目: \xC3\x28\n答案: 对\n") << 8;
    }

    void rejectsMalformedSource() {
        QFETCH(QByteArray, source);
        QFETCH(int, line);
        QTemporaryDir dir;
        const QString sourcePath = dir.filePath(QStringLiteral("bad.txt"));
        const QString bank = dir.filePath(QStringLiteral("out.mdb"));
        WriteFile(sourcePath, source);

        const ProcessRun run = Mkbank({QStringLiteral("--password"), QStringLiteral("pw"), sourcePath, bank});
        QCOMPARE(run.exitCode, 1);
        const QString where = QStringLiteral("%1:%2:").arg(QDir::toNativeSeparators(sourcePath)).arg(line);
        QVERIFY2(run.err.contains(where), qUtf8Printable(run.err));
        QVERIFY(!QFile::exists(bank));
        QVERIFY(!QFile::exists(bank + QStringLiteral(".tmp")));
    }

    void failedRunKeepsPreviousBank() {
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.txt"));
        const QString bad = dir.filePath(QStringLiteral("bad.txt"));
        const QString bank = dir.filePath(QStringLiteral("out.mdb"));
        WriteFile(good, kGoodSource);
        WriteFile(bad, kGoodSource + "\nID: 40\n章节: 1\n题目: 题？\n答案: 也许\n");
        QCOMPARE(Mkbank({QStringLiteral("--password"), QStringLiteral("pw"), good, bank}).exitCode, 0);
        const QByteArray before = ReadFile(bank);

        QCOMPARE(Mkbank({QStringLiteral("--password"), QStringLiteral("pw"), bad, bank}).exitCode, 1);
        QCOMPARE(ReadFile(bank), before);
    }

    // An interrupted earlier run leaves its temporary file behind; the next run must not build on top of it.
    void replacesLeftoverTemporaryFile() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("good.txt"));
        const QString bank = dir.filePath(QStringLiteral("out.mdb"));
        WriteFile(source, kGoodSource);
        QCOMPARE(Mkbank({QStringLiteral("--password"), QStringLiteral("old"), source, bank + QStringLiteral(".tmp")})
                     .exitCode,
                 0);

        QCOMPARE(Mkbank({QStringLiteral("--password"), QStringLiteral("new"), source, bank}).exitCode, 0);
        QCOMPARE(Select(bank, QStringLiteral("SELECT value FROM qv_meta WHERE name='password'")),
                 (Rows{{QStringLiteral("new")}}));
        QCOMPARE(Select(bank, QStringLiteral("SELECT COUNT(*) FROM question")), (Rows{{3LL}}));
        QVERIFY(!QFile::exists(bank + QStringLiteral(".tmp")));
    }

    void rejectsIncompleteCommandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no password") << QStringList{QStringLiteral("in.txt"), QStringLiteral("out.mdb")};
        QTest::newRow("no output") << QStringList{QStringLiteral("--password"), QStringLiteral("pw"),
                                                  QStringLiteral("in.txt")};
    }

    void rejectsIncompleteCommandLine() {
        QFETCH(QStringList, args);
        const ProcessRun run = Mkbank(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(QStringLiteral("usage")));
    }

    void shippedBanksAreConsistent_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lastChapter");
        QTest::addColumn<bool>("hasProgress");
        // Enough that a learner does not meet the same paper twice: each chapter at least four times its largest
        // exam quota (the vehicle-specific chapters of t1 more).
        QTest::addColumn<QList<int>>("leastPerChapter");
        QTest::addColumn<int>("leastInAll");
        QTest::newRow("t1") << QStringLiteral("t1.mdb") << 10 << true
                            << QList<int>{120, 80, 80, 40, 40, 40, 40, 60, 60, 60} << 1000;
        QTest::newRow("t2") << QStringLiteral("t2.mdb") << 7 << false << QList<int>{120, 100, 100, 40, 20, 4, 16}
                            << 400;
    }

    void shippedBanksAreConsistent() {
        QFETCH(QString, name);
        QFETCH(int, lastChapter);
        QFETCH(bool, hasProgress);
        const QString bank = QDir(qEnvironmentVariable("QV_APPDIR_BUILT")).filePath(name);
        QVERIFY2(QFile::exists(bank), qUtf8Printable(bank));

        Rows chapters;
        for (int chapter = 1; chapter <= lastChapter; ++chapter) {
            chapters.append({QString::number(chapter)});
        }
        QCOMPARE(
            Select(bank, QStringLiteral("SELECT DISTINCT zhanjie FROM question ORDER BY CAST(zhanjie AS INTEGER)")),
            chapters);
        QCOMPARE(Select(bank, QStringLiteral("SELECT ID FROM question WHERE typeof(zhanjie) <> 'text' OR "
                                             "typeof(ans) <> 'integer' OR ans NOT BETWEEN 1 AND 4 OR question = ''")),
                 Rows());
        // True/false questions offer exactly two answers; four-choice ones fill all four.
        QCOMPARE(Select(bank, QStringLiteral("SELECT ID FROM question WHERE ans1 = '正确' AND ans2 = '错误' AND "
                                             "(ans3 IS NOT '' OR ans4 IS NOT '' OR ans > 2)")),
                 Rows());
        QCOMPARE(Select(bank, QStringLiteral("SELECT ID FROM question WHERE ans1 <> '正确' AND "
                                             "(ans1 = '' OR ans2 = '' OR ans3 = '' OR ans4 = '')")),
                 Rows());
        QVERIFY(!Select(bank, QStringLiteral("SELECT 1 FROM question WHERE ans1 = '正确'")).isEmpty());
        QCOMPARE(Select(bank, QStringLiteral("SELECT value FROM qv_meta WHERE name = 'schema_version'")),
                 (Rows{{QStringLiteral("2")}}));

        QFETCH(QList<int>, leastPerChapter);
        QFETCH(int, leastInAll);
        const Rows counts = Select(
            bank, QStringLiteral("SELECT count(*) FROM question GROUP BY zhanjie ORDER BY CAST(zhanjie AS INTEGER)"));
        int all = 0;
        for (qsizetype chapter = 0; chapter < counts.size(); ++chapter) {
            const int count = counts[chapter].front().toInt();
            QVERIFY2(count >= leastPerChapter[chapter],
                     qPrintable(QStringLiteral("chapter %1 holds %2").arg(chapter + 1).arg(count)));
            all += count;
        }
        QVERIFY2(all >= leastInAll, qPrintable(QString::number(all)));
        // Every answer is explained; on a picture question the options stand beside the picture, so they are short.
        QCOMPARE(Select(bank, QStringLiteral("SELECT ID FROM question WHERE jiexi IS NULL OR trim(jiexi) = ''")),
                 Rows());
        QCOMPARE(Select(bank, QStringLiteral("SELECT ID FROM question WHERE bmp <> '' AND (length(ans1) > 10 OR "
                                             "length(ans2) > 10 OR length(ans3) > 10 OR length(ans4) > 10)")),
                 Rows());

        QCOMPARE(HasTable(bank, QStringLiteral("JD")), hasProgress);
        if (hasProgress) {
            Rows expected;
            for (int chapter = 0; chapter <= 10; ++chapter) {
                expected.append({QString::number(chapter)});
            }
            QCOMPARE(Select(bank, QStringLiteral("SELECT \"名称\" FROM JD ORDER BY CAST(\"名称\" AS INTEGER)")),
                     expected);
        }
    }

private:
    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_GUILESS_MAIN(TstMkbank)
#include "tst_mkbank.moc"
