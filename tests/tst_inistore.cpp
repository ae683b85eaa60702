#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <optional>

#include "platform/Exception.h"
#include "platform/GbkText.h"
#include "platform/IniStore.h"

using namespace Qt::StringLiterals;

namespace {

const QString kDefault = QStringLiteral("<default>");

// GBK spellings used below: 驾驶 = BC DD CA BB, 配置 = C5 E4 D6 C3, 名称 = C3 FB B3 C6.
const QByteArray kJiashiGbk("\xBC\xDD\xCA\xBB");
const QByteArray kPeizhiGbk("\xC5\xE4\xD6\xC3");
const QByteArray kMingchengGbk("\xC3\xFB\xB3\xC6");

enum class Setup { ReadOnlyFile, ReadOnlyFolder, NewFileInReadOnlyFolder, MissingFolder, TargetIsDirectory, DiskFull };

// While it lives, no file of the process may grow beyond a few bytes: writes fail as they do on a full
// disk, with an error instead of a signal.
class DiskFull {
public:
    DiskFull() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved_;
        tiny.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~DiskFull() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, SIG_DFL);
    }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit saved_{};
};

}  // namespace

Q_DECLARE_METATYPE(Setup)

class TestIniStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gbkRoundTrip_data();
    void gbkRoundTrip();
    void decodeGbkReplacesOnlyBadBytes_data();
    void decodeGbkReplacesOnlyBadBytes();
    void encodeGbkMarksCharactersWithoutSpelling();
    void gbkTextLongerThanOneBuffer();

    void readString_data();
    void readString();
    void readUnusableFileGivesDefault_data();
    void readUnusableFileGivesDefault();

    void newFileGrowsKeyByKey();
    void writeString_data();
    void writeString();
    void writeKeepsUntouchedLinesByteForByte();
    void undecodedValueIsNotWrittenBack();
    void valueReadsBackAsWritten_data();
    void valueReadsBackAsWritten();
    void writeFailureLeavesFileAlone_data();
    void writeFailureLeavesFileAlone();

private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    void WriteFile(const QString& name, const QByteArray& bytes);
    QByteArray ReadFile(const QString& name) const;
    QStringList Listing(const QString& folder) const;

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestIniStore::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestIniStore::cleanup() {
    // Read-only files and folders left by a test must become removable again.
    QDirIterator it(dir_->path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    dir_.reset();
}

void TestIniStore::WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(Path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestIniStore::ReadFile(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList TestIniStore::Listing(const QString& folder) const {
    return QDir(Path(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

void TestIniStore::gbkRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ASCII") << "name=1; [x]" << QByteArray("name=1; [x]");
    QTest::newRow("GBK") << u"驾驶"_s << kJiashiGbk;
    QTest::newRow("beyond GBK: extension B") << u"𠀀"_s << QByteArray("\x95\x32\x82\x36");
    QTest::newRow("beyond GBK: emoji") << u"😀"_s << QByteArray("\x94\x39\xFC\x36");
    QTest::newRow("NUL inside") << QString::fromUtf8("a\0b", 3) << QByteArray("a\0b", 3);
}

void TestIniStore::gbkRoundTrip() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeGbk(text), bytes);
    QCOMPARE(DecodeGbk(bytes), text);
}

void TestIniStore::decodeGbkReplacesOnlyBadBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("lead byte at the end") << QByteArray("a\x81") << u"a\uFFFD"_s;
    QTest::newRow("lead byte before a line break") << QByteArray("\x81\nb") << u"\uFFFD\nb"_s;
    QTest::newRow("bad bytes around a character") << QByteArray("\xFF\xBC\xDD\xFF") << u"\uFFFD驾\uFFFD"_s;
    QTest::newRow("four-byte sequence cut short") << QByteArray("\x95\x32\x82") << u"\uFFFD2\uFFFD"_s;
}

void TestIniStore::decodeGbkReplacesOnlyBadBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeGbk(bytes), text);
}

void TestIniStore::encodeGbkMarksCharactersWithoutSpelling() {
    // Since GB18030-2022 the C library has no spelling for a few private-use characters such as U+E78D.
    QCOMPARE(EncodeGbk(u"a\uE78D驾"_s), "a?" + kJiashiGbk.left(2));
}

void TestIniStore::gbkTextLongerThanOneBuffer() {
    const QString text = u"驾驶😀a"_s.repeated(5000);
    const QByteArray bytes = EncodeGbk(text);
    QCOMPARE(bytes, (kJiashiGbk + "\x94\x39\xFC\x36"
                                  "a")
                        .repeated(5000));
    QCOMPARE(DecodeGbk(bytes), text);
    QCOMPARE(DecodeGbk((kJiashiGbk + "\xFF").repeated(3000)), u"驾驶\uFFFD"_s.repeated(3000));
}

void TestIniStore::readString_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray plain("[config]\r\nname=x\r\n");
    QTest::newRow("found") << plain << "config"
                           << "name"
                           << "x";
    QTest::newRow("empty file") << QByteArray() << "config"
                                << "name" << kDefault;
    QTest::newRow("key without any section") << QByteArray("name=x\r\n") << "config"
                                             << "name" << kDefault;
    QTest::newRow("missing section") << plain << "other"
                                     << "name" << kDefault;
    QTest::newRow("UTF-8 without byte-order mark")
        << QByteArray("[config]\nname=\xE5\xB9\xB3\xE5\xAE\x89\n") << "config"
        << "name" << u"平安"_s;
    QTest::newRow("UTF-16 little-endian")
        << QByteArray(QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom)
                          .encode(u"[config]\r\nname=平安"_s))
        << "config"
        << "name" << u"平安"_s;
    QTest::newRow("missing key") << plain << "config"
                                 << "other" << kDefault;
    QTest::newRow("section in other case") << plain << "CoNfIg"
                                           << "name"
                                           << "x";
    QTest::newRow("key in other case") << QByteArray("[config]\r\nNAME=x\r\n") << "config"
                                       << "Name"
                                       << "x";
    QTest::newRow("empty value is not missing") << QByteArray("[config]\r\nname=\r\n") << "config"
                                                << "name"
                                                << "";
    QTest::newRow("blanks and tabs around everything")
        << QByteArray(" \t[ config ] \r\n \tname \t= \t x  y \t\r\n") << "config"
        << "name"
        << "x  y";
    QTest::newRow("double quotes") << QByteArray("[config]\r\nname= \" x \" \r\n") << "config"
                                   << "name"
                                   << " x ";
    QTest::newRow("single quotes") << QByteArray("[config]\r\nname=' x '\r\n") << "config"
                                   << "name"
                                   << " x ";
    QTest::newRow("only one pair of quotes") << QByteArray("[config]\r\nname=\"\"x\"\"\r\n") << "config"
                                             << "name"
                                             << "\"x\"";
    QTest::newRow("unmatched quotes") << QByteArray("[config]\r\nname=\"x'\r\n") << "config"
                                      << "name"
                                      << "\"x'";
    QTest::newRow("a lone quote") << QByteArray("[config]\r\nname=\"\r\n") << "config"
                                  << "name"
                                  << "\"";
    QTest::newRow("equals sign in value") << QByteArray("[config]\r\nname=a=b\r\n") << "config"
                                          << "name"
                                          << "a=b";
    QTest::newRow("no inline comments") << QByteArray("[config]\r\nname=a ;b\r\n") << "config"
                                        << "name"
                                        << "a ;b";
    QTest::newRow("comment line is no key") << QByteArray("[config]\r\n ;name=c\r\n") << "config"
                                            << "name" << kDefault;
    QTest::newRow("comment line before key") << QByteArray("[config]\r\n;name=c\r\nname=x\r\n") << "config"
                                             << "name"
                                             << "x";
    QTest::newRow("line without equals sign") << QByteArray("[config]\r\nname\r\nname=x\r\n") << "config"
                                              << "name"
                                              << "x";
    QTest::newRow("first of two keys") << QByteArray("[config]\r\nname=1\r\nName=2\r\n") << "config"
                                       << "name"
                                       << "1";
    QTest::newRow("key of the next section") << QByteArray("[config]\r\n[other]\r\nname=x\r\n") << "config"
                                             << "name" << kDefault;
    QTest::newRow("text after the header") << QByteArray("[config] ; settings\r\nname=x\r\n") << "config"
                                           << "name"
                                           << "x";
    QTest::newRow("LF line ends") << QByteArray("[config]\nname=x\nnext=y\n") << "config"
                                  << "name"
                                  << "x";
    QTest::newRow("CR line ends") << QByteArray("[config]\rname=x\rnext=y\r") << "config"
                                  << "name"
                                  << "x";
    QTest::newRow("no line end at the end") << QByteArray("[config]\r\nname=x") << "config"
                                            << "name"
                                            << "x";
    // With two sections of one name the first one counts, for reading as for writing.
    QTest::newRow("second section of the same name")
        << QByteArray("[config]\r\nname=1\r\n[config]\r\nname=2\r\nmode=3\r\n") << "config"
        << "mode" << kDefault;
    QTest::newRow("binary garbage") << QByteArrayLiteral("\x00\x81\xFF[config]\x80\x00=\r\x01\xFE") << "config"
                                    << "name" << kDefault;
    QTest::newRow("garbage does not hide later lines")
        << QByteArrayLiteral("\x81\xFF\xFE\x00\x80\r\n[config]\r\nname=x\x81\r\n") << "config"
        << "name" << u"x\uFFFD"_s;
    QTest::newRow("GBK") << "[" + kPeizhiGbk + "]\r\n" + kMingchengGbk + "=" + kJiashiGbk + "\r\n"
                         << u"配置"_s << u"名称"_s << u"驾驶"_s;
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF[config]\r\nname=\xE9\xA9\xBE\xE9\xA9\xB6\r\n") << "config"
        << "name" << u"驾驶"_s;
}

void TestIniStore::readString() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    WriteFile("config.ini", content);
    QCOMPARE(IniStore::ReadString(Path("config.ini"), section, key, kDefault), expected);
}

void TestIniStore::readUnusableFileGivesDefault_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("directory in place of the file") << "directory";
    // Neither waits for a writer nor reads without end.
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to an endless device") << "device";
    QTest::newRow("larger than any settings file") << "large";
}

void TestIniStore::readUnusableFileGivesDefault() {
    QFETCH(QString, kind);
    const QString file = Path("config.ini");
    if (kind == "directory") {
        QVERIFY(QDir(dir_->path()).mkdir("config.ini"));
    } else if (kind == "pipe") {
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/zero", file));
    } else if (kind == "large") {
        WriteFile("config.ini", "[config]\r\nname=" + QByteArray(2 << 20, 'x') + "\r\n");
    }
    QCOMPARE(IniStore::ReadString(file, "config", "name", kDefault), kDefault);
    if (kind != "missing") {
        QVERIFY_THROWS_EXCEPTION(Exception, IniStore::WriteString(file, "config", "name", "new"));
    }
}

void TestIniStore::newFileGrowsKeyByKey() {
    const QString file = Path("config.ini");
    IniStore::WriteString(file, "config", "name", u"驾驶"_s);
    QCOMPARE(ReadFile("config.ini"), "[config]\r\nname=" + kJiashiGbk + "\r\n");
    IniStore::WriteString(file, "config", "mode", "1");
    IniStore::WriteString(file, "config", "path", "C:\\bank");
    QCOMPARE(ReadFile("config.ini"), "[config]\r\nname=" + kJiashiGbk + "\r\nmode=1\r\npath=C:\\bank\r\n");
}

void TestIniStore::writeString_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("empty file") << QByteArray() << "config"
                                << "name" << QByteArray("[config]\r\nname=new\r\n");
    QTest::newRow("replace keeps the key's spelling")
        << QByteArray("[Config]\r\n\t NAME = \"old\" \r\nmode=1\r\n") << "config"
        << "name" << QByteArray("[Config]\r\nNAME=new\r\nmode=1\r\n");
    QTest::newRow("insert after the last key, before blank lines")
        << QByteArray("[config]\r\na=1\r\n; b\r\n\r\n[other]\r\nname=old\r\n") << "config"
        << "name" << QByteArray("[config]\r\na=1\r\nname=new\r\n; b\r\n\r\n[other]\r\nname=old\r\n");
    QTest::newRow("insert into a section without keys")
        << QByteArray("[config]\r\n;name=old\r\n\r\n") << "config"
        << "name" << QByteArray("[config]\r\nname=new\r\n;name=old\r\n\r\n");
    QTest::newRow("insert into the last section") << QByteArray("[config]\r\na=1") << "config"
                                                  << "name" << QByteArray("[config]\r\na=1\r\nname=new\r\n");
    QTest::newRow("append section after a blank line")
        << QByteArray("[other]\r\na=1\r\n") << "config"
        << "name" << QByteArray("[other]\r\na=1\r\n\r\n[config]\r\nname=new\r\n");
    QTest::newRow("append section after the existing blank line")
        << QByteArray("[other]\r\na=1\r\n\r\n") << "config"
        << "name" << QByteArray("[other]\r\na=1\r\n\r\n[config]\r\nname=new\r\n");
    QTest::newRow("LF and CR lines end in CRLF") << QByteArray("[config]\na=1\rb=2") << "config"
                                                 << "name" << QByteArray("[config]\r\na=1\r\nb=2\r\nname=new\r\n");
    QTest::newRow("first of two sections of the same name")
        << QByteArray("[config]\r\na=1\r\n[CONFIG]\r\nname=old\r\n") << "config"
        << "name" << QByteArray("[config]\r\na=1\r\nname=new\r\n[CONFIG]\r\nname=old\r\n");
    QTest::newRow("GBK section and key") << "[" + kPeizhiGbk + "]\r\n"
                                         << u"配置"_s << u"名称"_s
                                         << "[" + kPeizhiGbk + "]\r\n" + kMingchengGbk + "=new\r\n";
    QTest::newRow("UTF-8 without byte-order mark stays so")
        << QByteArray("[config]\r\nname=\xE5\xB9\xB3\xE5\xAE\x89\r\n") << "config" << u"名称"_s
        << QByteArray("[config]\r\nname=\xE5\xB9\xB3\xE5\xAE\x89\r\n\xE5\x90\x8D\xE7\xA7\xB0=new\r\n");
    const auto utf16 = [](QStringConverter::Encoding encoding, const QString& text) {
        return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text));
    };
    QTest::newRow("UTF-16 little-endian stays so")
        << utf16(QStringConverter::Utf16LE, u"[config]\r\nname=平安\r\n"_s) << "config"
        << "name" << utf16(QStringConverter::Utf16LE, u"[config]\r\nname=new\r\n"_s);
    QTest::newRow("UTF-16 big-endian stays so")
        << utf16(QStringConverter::Utf16BE, u"[other]\na=1\n[config]\n"_s) << "config" << u"名称"_s
        << utf16(QStringConverter::Utf16BE, u"[other]\r\na=1\r\n[config]\r\n名称=new\r\n"_s);
    QTest::newRow("UTF-8 with byte-order mark stays so")
        << QByteArray("\xEF\xBB\xBF[config]\r\nname=old\r\n") << "config" << u"名称"_s
        << QByteArray("\xEF\xBB\xBF[config]\r\nname=old\r\n\xE5\x90\x8D\xE7\xA7\xB0=new\r\n");
}

void TestIniStore::writeString() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, after);
    WriteFile("config.ini", before);
    IniStore::WriteString(Path("config.ini"), section, key, "new");
    QCOMPARE(ReadFile("config.ini"), after);
}

void TestIniStore::writeKeepsUntouchedLinesByteForByte() {
    // The fixture holds comments, odd lines, other sections and bytes that are no valid GBK.
    QVERIFY(QFile::copy(QFINDTESTDATA("data/ini/settings.ini"), Path("config.ini")));
    QFile::setPermissions(Path("config.ini"), QFile::ReadOwner | QFile::WriteOwner);
    IniStore::WriteString(Path("config.ini"), "config", "name", "new");
    IniStore::WriteString(Path("config.ini"), u"科目"_s, u"进度"_s, "5");
    IniStore::WriteString(Path("config.ini"), "extra", "key", "value");
    QFile expected(QFINDTESTDATA("data/ini/settings-written.ini"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(ReadFile("config.ini"), expected.readAll());
}

void TestIniStore::undecodedValueIsNotWrittenBack() {
    // What the settings dialog does on OK without a change: every value read is written again.
    const QByteArray damaged("[config]\r\nname=\x81\xFF" + kJiashiGbk + "\r\ntel=1\r\n");
    WriteFile("config.ini", damaged);
    const QString file = Path("config.ini");
    IniStore::WriteString(file, "config", "name", IniStore::ReadString(file, "config", "name", kDefault));
    IniStore::WriteString(file, "config", "tel", "1");
    QCOMPARE(ReadFile("config.ini"), damaged);
    // A value the user did change replaces the damaged one.
    IniStore::WriteString(file, "config", "name", u"驾驶"_s);
    QCOMPARE(ReadFile("config.ini"), "[config]\r\nname=" + kJiashiGbk + "\r\ntel=1\r\n");
}

void TestIniStore::valueReadsBackAsWritten_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const auto same = [](const char* name, const QString& value) { QTest::newRow(name) << value << value; };
    same("plain", "plain value");
    same("empty", "");
    same("leading blanks", "  x");
    same("trailing tab", "x\t");
    same("only a blank", " ");
    same("double quotes at both ends", "\"x\"");
    same("single quotes at both ends", "'x'");
    same("a lone quote", "\"");
    same("unmatched quotes", "\"x'");
    same("equals sign", "a=b");
    same("semicolon", "; a;b");
    same("brackets", "[config]");
    same("Chinese", u"驾驶员 科目一"_s);
    same("beyond GBK", u"𠀀😀"_s);
    // A line break would split the line, so it is stored as a blank.
    QTest::newRow("line breaks") << "a\nb\r\nc\rd"
                                 << "a b  c d";
    QTest::newRow("line break at the end") << "a\r\n"
                                           << "a  ";
}

void TestIniStore::valueReadsBackAsWritten() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const QString file = Path("config.ini");
    IniStore::WriteString(file, "config", "name", value);
    IniStore::WriteString(file, "config", "next", "ok");
    QCOMPARE(IniStore::ReadString(file, "config", "name", kDefault), expected);
    QCOMPARE(IniStore::ReadString(file, "config", "next", kDefault), u"ok"_s);
}

void TestIniStore::writeFailureLeavesFileAlone_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("read-only file") << Setup::ReadOnlyFile << "config.ini";
    QTest::newRow("read-only folder") << Setup::ReadOnlyFolder << "locked/config.ini";
    QTest::newRow("new file in a read-only folder") << Setup::NewFileInReadOnlyFolder << "locked/config.ini";
    QTest::newRow("missing folder") << Setup::MissingFolder << "missing/config.ini";
    QTest::newRow("directory in place of the file") << Setup::TargetIsDirectory << "config.ini";
    QTest::newRow("disk full") << Setup::DiskFull << "config.ini";
}

void TestIniStore::writeFailureLeavesFileAlone() {
    QFETCH(Setup, setup);
    QFETCH(QString, fileName);
    const QByteArray original("[config]\r\nname=old\r\n");
    QDir root(dir_->path());
    switch (setup) {
        case Setup::ReadOnlyFile:
            WriteFile(fileName, original);
            QVERIFY(QFile::setPermissions(Path(fileName), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            break;
        case Setup::ReadOnlyFolder:
        case Setup::NewFileInReadOnlyFolder:
            QVERIFY(root.mkdir("locked"));
            if (setup == Setup::ReadOnlyFolder) {
                WriteFile(fileName, original);
            }
            QVERIFY(QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
            break;
        case Setup::MissingFolder:
            break;
        case Setup::TargetIsDirectory:
            QVERIFY(root.mkdir(fileName));
            break;
        case Setup::DiskFull:
            WriteFile(fileName, original);
            break;
    }
    const QString folder = QFileInfo(fileName).path();
    const QStringList listing = Listing(folder);
    const QByteArray before = ReadFile(fileName);

    const QString target = Path(fileName);
    QString message = "<no exception>";
    std::optional<DiskFull> diskFull;
    if (setup == Setup::DiskFull) {
        diskFull.emplace();
    }
    try {
        IniStore::WriteString(target, "config", "name", "new");
    } catch (const Exception& e) {
        message = e.Message();
    }
    diskFull.reset();
    QCOMPARE(message, "Unable to write to " + target);
    QCOMPARE(ReadFile(fileName), before);
    QCOMPARE(Listing(folder), listing);
    QVERIFY(!QFileInfo::exists(Path("missing")));
}

QTEST_GUILESS_MAIN(TestIniStore)
#include "tst_inistore.moc"
