// The practice positions of an installed program: kept in each user's own progress database by question ID while
// the banks stay untouched, set aside when damaged, read when the user's folder cannot be written, and safe with
// two programs saving at once.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "bank/BankConnection.h"
#include "bank/ProgressStore.h"
#include "bank/UDM.h"
#include "platform/AppDir.h"
#include "platform/Connection.h"
#include "platform/Exception.h"

namespace {
const QFileDevice::Permissions kReadOnly =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
const QFileDevice::Permissions kWritable = kReadOnly | QFile::WriteOwner;

const char* const kSaveArgument = "--save-progress";

// Questions with these IDs, chapter 1 for odd IDs and chapter 2 for even ones.
QList<Question> Bank(const QList<int>& ids) {
    QList<Question> questions;
    for (const int id : ids)
        questions.append({id, 1 + (id + 1) % 2, QStringLiteral("题%1").arg(id), {"正确", "错误", "", ""}, 1, "", ""});
    return questions;
}

QByteArray Hash(const QString& file) {
    QFile bytes(file);
    return bytes.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(bytes.readAll(), QCryptographicHash::Sha256)
                                           : QByteArray();
}

// A program folder installed read-only with a t1.mdb of the given questions (and a t2.mdb), and the data module on
// it.
class Installed {
public:
    explicit Installed(const QList<int>& ids) {
        WriteBank(dir.File("t1.mdb"), Bank(ids));
        WriteBank(dir.File("t2.mdb"), Bank({1}));
        QFile::setPermissions(dir.Path(), kReadOnly);
        Start();
    }
    ~Installed() {
        DM = nullptr;
        QFile::setPermissions(dir.Path(), kWritable);
    }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

    // A new start of the program, on a new edition of the bank when `ids` are given.
    void Start(const QList<int>& ids = {}) {
        dm.reset();
        if (!ids.isEmpty()) {
            QFile::setPermissions(dir.Path(), kWritable);
            QFile::remove(dir.File("t1.mdb"));
            WriteBank(dir.File("t1.mdb"), Bank(ids));
            QFile::setPermissions(dir.Path(), kReadOnly);
        }
        dm = std::make_unique<TDM>();
        DM = dm.get();
    }
    void Save(const QString& key, int position) const { SaveProgress(dm->ADOCON, key, position); }
    int Read(const QString& key) const { return dm->ReadProgress(key); }

    TestAppDir dir{TestAppDir::NoBanks};
    std::unique_ptr<TDM> dm;
};

QString DataFolder(const TestHomes& homes, const QString& user = QStringLiteral("first")) {
    return homes.Path(user + "/.local/share/quorvane");
}

// The other program of twoProgramsSaveAtOnce: saves positions 0 to count - 1 under `key`, one after another.
int SaveMany(const QString& appDir, const QString& key, int count) {
    SetAppDirForTesting(appDir);
    TDM dm;
    try {
        for (int position = 0; position < count; ++position)
            SaveProgress(dm.ADOCON, key, position);
    } catch (const Exception& error) {
        qWarning("%s", qPrintable(error.Message()));
        return 1;
    }
    return 0;
}
}  // namespace

class UserProgressTest : public QObject {
    Q_OBJECT

private slots:
    void savedInTheUsersFolderBankUntouched();
    void eachUserHasTheirOwnProgress();
    void newEditionOfTheBankKeepsThePlace_data();
    void newEditionOfTheBankKeepsThePlace();
    void damagedProgressIsSetAside_data();
    void damagedProgressIsSetAside();
    void unwritableFolderKeepsWhatWasSaved();
    void twoProgramsSaveAtOnce();
};

// The banks of an installed program are never written, not even by root, whom no permission stops.
void UserProgressTest::savedInTheUsersFolderBankUntouched() {
    TestHomes homes;
    Installed program({1, 2, 3, 4, 5});
    // A bank of the first layout, which a writable copy would have upgraded at start-up.
    QVERIFY(QFile::setPermissions(program.dir.Path(), kWritable));
    {
        Connection older;
        older.SetConnectionString(BankConnection::ConnectionStringFor(program.dir.File("t1.mdb")));
        older.Execute(QStringLiteral("alter table question drop column jiexi"));
        older.Execute(QStringLiteral("delete from qv_meta where name='schema_version'"));
    }
    QVERIFY(QFile::setPermissions(program.dir.Path(), kReadOnly));
    const QByteArray bank = Hash(program.dir.File("t1.mdb"));
    program.dm->DataModuleCreate();
    program.Save("0", 3);
    program.Save("2", 1);
    program.Save("0", 4);
    QCOMPARE(Hash(program.dir.File("t1.mdb")), bank);
    QVERIFY(QFile::exists(DataFolder(homes) + "/progress.db"));
    QCOMPARE(QDir(program.dir.Path()).entryList(QDir::Files), QStringList({"t1.mdb", "t2.mdb"}));

    program.Start();
    QCOMPARE(program.Read("0"), 4);
    QCOMPARE(program.Read("2"), 1);
    QCOMPARE(program.Read("1"), 0);
}

void UserProgressTest::eachUserHasTheirOwnProgress() {
    TestHomes homes;
    Installed program({1, 2, 3, 4, 5});
    program.Save("0", 3);
    homes.Use("second");
    program.Start();
    QCOMPARE(program.Read("0"), 0);
    program.Save("0", 1);
    homes.Use("first");
    program.Start();
    QCOMPARE(program.Read("0"), 3);
}

void UserProgressTest::newEditionOfTheBankKeepsThePlace_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("saved");
    QTest::addColumn<QList<int>>("edition");
    QTest::addColumn<int>("read");

    // Saved on IDs 10, 20, 30, 40, 50: position 3 of the whole bank is question 40; position 1 of chapter 2 (the
    // even IDs: all of them) is question 20, and of chapter 1 (none) nothing.
    QTest::newRow("same edition") << "0" << 3 << QList<int>{10, 20, 30, 40, 50} << 3;
    QTest::newRow("questions added before") << "0" << 3 << QList<int>{5, 10, 15, 20, 30, 40, 50} << 5;
    QTest::newRow("questions removed before") << "0" << 3 << QList<int>{30, 40, 50} << 1;
    QTest::newRow("the question removed: the next one") << "0" << 3 << QList<int>{10, 20, 30, 45, 50} << 3;
    QTest::newRow("smaller bank: past its end, for the window to clamp") << "0" << 3 << QList<int>{10, 20} << 2;
    QTest::newRow("chapter") << "2" << 1 << QList<int>{2, 11, 12, 20, 30} << 2;
    QTest::newRow("no question at the position: the position") << "1" << 2 << QList<int>{1, 3, 5, 7} << 2;
}

void UserProgressTest::newEditionOfTheBankKeepsThePlace() {
    QFETCH(QString, key);
    QFETCH(int, saved);
    QFETCH(QList<int>, edition);
    QFETCH(int, read);
    TestHomes homes;
    Installed program({10, 20, 30, 40, 50});
    program.Save(key, saved);
    program.Start(edition);
    QCOMPARE(program.Read(key), read);
}

void UserProgressTest::damagedProgressIsSetAside_data() {
    QTest::addColumn<QByteArray>("damage");  // empty: the file is cut in half

    QTest::newRow("no database") << QByteArray("not a database at all, just text");
    QTest::newRow("cut in half") << QByteArray();
}

// The damaged file is kept for whoever can mend it, a new one takes its place, and the learner is told.
void UserProgressTest::damagedProgressIsSetAside() {
    QFETCH(QByteArray, damage);
    TestHomes homes;
    Installed program({1, 2, 3, 4, 5});
    program.Save("0", 3);
    program.dm.reset();
    const QString file = DataFolder(homes) + "/progress.db";
    QFile progress(file);
    QVERIFY(progress.open(QIODevice::ReadWrite));
    if (damage.isEmpty()) {
        damage = progress.readAll();
        damage.truncate(damage.size() / 2);
    }
    QVERIFY(progress.resize(0));
    progress.write(damage);
    progress.close();

    program.Start();
    program.dm->DataModuleCreate();
    const QString told = program.dm->TakeProgressMessage();
    QVERIFY2(told.startsWith(QStringLiteral("保存的练习进度已损坏")), qPrintable(told));
    QVERIFY(program.dm->TakeProgressMessage().isEmpty());
    const QStringList aside = QDir(DataFolder(homes)).entryList({"progress.db.damaged-*"});
    QCOMPARE(aside.size(), 1);
    QVERIFY(told.contains(DataFolder(homes) + '/' + aside[0]));
    QCOMPARE(Hash(DataFolder(homes) + '/' + aside[0]), QCryptographicHash::hash(damage, QCryptographicHash::Sha256));
    QCOMPARE(program.Read("0"), 0);
    program.Save("0", 2);
    program.Start();
    QCOMPARE(program.Read("0"), 2);
}

// A home gone read-only (or full) loses nothing: what was saved is read, and saving says why it cannot.
void UserProgressTest::unwritableFolderKeepsWhatWasSaved() {
    TestHomes homes;
    Installed program({1, 2, 3, 4, 5});
    program.Save("0", 3);
    const QByteArray saved = Hash(DataFolder(homes) + "/progress.db");
    QVERIFY(QFile::setPermissions(DataFolder(homes), kReadOnly));
    program.Start();
    program.dm->DataModuleCreate();
    QCOMPARE(program.Read("0"), 3);
    QString message;
    try {
        program.Save("0", 4);
    } catch (const DatabaseError& error) {
        message = error.Message();
    }
    QCOMPARE(message, QStringLiteral("用户数据文件夹“%1”无法写入。").arg(DataFolder(homes)));
    QCOMPARE(Hash(DataFolder(homes) + "/progress.db"), saved);
    QCOMPARE(program.Read("0"), 3);
    QVERIFY(QFile::setPermissions(DataFolder(homes), kWritable));

    // A second user whose folder cannot be made has nothing saved, and the same message on saving.
    homes.Use("second");
    QFile blocker(homes.Path("second"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    program.Start();
    QCOMPARE(program.Read("0"), 0);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, program.Save("0", 1));
}

// Two programs of the same user, both making the progress database at first and then saving over each other's
// shoulder, each keep what they saved, in a database that stays whole.
void UserProgressTest::twoProgramsSaveAtOnce() {
    TestHomes homes;
    Installed program({1, 2, 3, 4, 5});
    constexpr int kSaves = 100;
    std::vector<std::unique_ptr<QProcess>> others;
    for (const char* key : {"1", "2"}) {
        auto& other = others.emplace_back(std::make_unique<QProcess>());
        other->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        other->start(QCoreApplication::applicationFilePath(),
                     {QLatin1String(kSaveArgument), program.dir.Path(), QLatin1String(key), QString::number(kSaves)});
    }
    for (const auto& other : others) {
        QVERIFY(other->waitForFinished(120000));
        QCOMPARE(other->exitStatus(), QProcess::NormalExit);
        QCOMPARE(other->exitCode(), 0);
    }
    QCOMPARE(program.Read("1"), kSaves - 1);
    QCOMPARE(program.Read("2"), kSaves - 1);
    Connection progress;
    progress.SetConnectionString(BankConnection::ConnectionStringFor(DataFolder(homes) + "/progress.db"));
    QCOMPARE(progress.Select("pragma integrity_check").rows.front().front().toString(), QStringLiteral("ok"));
}

int main(int argc, char** argv) {
    if (argc == 5 && qstrcmp(argv[1], kSaveArgument) == 0) {
        const QCoreApplication app(argc, argv);
        return SaveMany(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]).toInt());
    }
    Application app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    UserProgressTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_userprogress.moc"
