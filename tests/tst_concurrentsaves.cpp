// Several programs saving practice positions to one bank at once: each save waits for the others' locks instead of
// failing with "database is locked".
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "bank/BankConnection.h"
#include "bank/ProgressStore.h"
#include "platform/Connection.h"
#include "platform/Exception.h"
#include "platform/Query.h"

namespace {
constexpr int kPrograms = 3;
constexpr int kSavesEach = 400;
const QString kSaverSwitch = QStringLiteral("--save");

// The saving program: `count` saves of key `key` to `bank`, one after another as fast as they go, each failure
// written to stderr. Its exit code is the number of failed saves.
int RunSaver(const QString& bank, const QString& key, int count) {
    Connection connection;
    connection.SetConnectionString(BankConnection::ConnectionStringFor(bank));
    int failed = 0;
    for (int position = 1; position <= count; ++position) {
        try {
            SaveProgress(&connection, key, position);
        } catch (const Exception& error) {
            ++failed;
            fprintf(stderr, "%s\n", error.what());
        }
    }
    return failed;
}

int Saved(Connection& connection, const QString& key) {
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select 进度 from JD where 名称='%1'").arg(key));
    query.Open();
    return query.FieldByName(QStringLiteral("进度")).AsInteger();
}
}  // namespace

class ConcurrentSavesTest : public QObject {
    Q_OBJECT

private slots:
    void noSaveIsLost();
};

void ConcurrentSavesTest::noSaveIsLost() {
    QTemporaryDir dir;
    const QString bank = dir.filePath(QStringLiteral("t1.mdb"));
    WriteBank(bank, ExamBank({{1, 1}}, 0));
    std::vector<std::unique_ptr<QProcess>> savers;
    for (int program = 0; program < kPrograms; ++program) {
        auto& saver = savers.emplace_back(std::make_unique<QProcess>());
        saver->start(QCoreApplication::applicationFilePath(),
                     {kSaverSwitch, bank, QString::number(program), QString::number(kSavesEach)});
    }
    for (auto& saver : savers) {
        QVERIFY(saver->waitForFinished(240000));
        QVERIFY2(saver->exitStatus() == QProcess::NormalExit && saver->exitCode() == 0,
                 saver->readAllStandardError().constData());
    }
    Connection connection;
    connection.SetConnectionString(BankConnection::ConnectionStringFor(bank));
    for (int program = 0; program < kPrograms; ++program)
        QCOMPARE(Saved(connection, QString::number(program)), kSavesEach);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 5 && arguments[1] == kSaverSwitch)
        return RunSaver(arguments[2], arguments[3], arguments[4].toInt());
    ConcurrentSavesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_concurrentsaves.moc"
