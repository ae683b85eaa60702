#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "platform/AppDir.h"
#include "platform/Exception.h"
#include "platform/Sound.h"

namespace {
void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + '/' + name, to + '/' + name);
}
}  // namespace

TestAppDir::TestAppDir(Banks banks) {
    path_ = root_.path() + QStringLiteral("/驾校 程序/");
    QDir().mkpath(path_);
    if (banks == WithBanks) {
        for (const char* bank : {"t1.mdb", "t2.mdb"}) {
            QFile::copy(BuiltAppDir() + QLatin1String(bank), path_ + QLatin1String(bank));
        }
        for (const char* folder : {"image", "sound"})
            CopyFolder(BuiltAppDir() + folder, path_ + folder);
    }
    SetAppDirForTesting(path_);
}

TestAppDir::~TestAppDir() {
    SetAppDirForTesting({});
}

void TestAppDir::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(File(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void TestAppDir::LinkBuilt(const QString& name) const {
    QFile::link(BuiltAppDir() + name, File(name));
}

QByteArray TestAppDir::ReadFile(const QString& name) const {
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
const char* const kHomeVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS"};
}  // namespace

TestHomes::TestHomes() {
    for (const char* name : kHomeVariables)
        saved_[name] = qgetenv(name);
    Use(QStringLiteral("first"));
}

TestHomes::~TestHomes() {
    for (const auto& [name, value] : saved_) {
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

void TestHomes::Use(const QString& user) {
    qputenv("HOME", QFile::encodeName(Path(user)));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Path(user + "/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(Path(user + "/.local/share")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(Path("etc/xdg")));
}

MessageBoxRecorder::MessageBoxRecorder() {
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        shown.push_back(request);
        return QMessageBox::Ok;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    FailOnMessageBoxes();
}

void FailOnMessageBoxes() {
    SetMessageBoxHook([](const MessageBoxRequest& request) {
        const QByteArray message =
            QStringLiteral("unexpected message box \"%1\": %2").arg(request.caption, request.text).toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        // The answer that backs out of whatever the box asked.
        for (const auto button : {QMessageBox::Cancel, QMessageBox::No}) {
            if (request.buttons.testFlag(button))
                return button;
        }
        return QMessageBox::Ok;
    });
}

namespace {
// From the start of every test program: a box that no test expects fails the test at once instead of
// waiting for a person until the test times out.
const bool kFailingOnMessageBoxes = (FailOnMessageBoxes(), true);
}  // namespace

SoundRecorder::SoundRecorder() {
    SetSoundSinkForTesting([this](const QString& fileName) { played << QString(fileName).remove(AppDir()); });
}

SoundRecorder::~SoundRecorder() {
    SetSoundSinkForTesting({});
}

void WriteBank(const QString& file, const QList<Question>& questions) {
    BankWriter::write(file, questions, QStringLiteral("kq731"), true);
}

QList<Question> ExamBank(const Chapters& chapters, int base) {
    QList<Question> questions;
    for (const auto& [chapter, count] : chapters) {
        for (int i = 1; i <= count; ++i) {
            const int id = base + chapter * 1000 + i;
            questions.append(
                {id, chapter, QStringLiteral("题%1").arg(id), {"甲", "乙", "丙", "丁"}, 1 + id % 4, "", ""});
        }
    }
    return questions;
}

ProcessRun RunProcess(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString BuiltAppDir() {
    return qEnvironmentVariable("QV_APPDIR_BUILT") + '/';
}
QString BuiltProgram() {
    return qEnvironmentVariable("QV_PROGRAM");
}

QString RefusalOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return {};
}
