#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <vector>

#include "BankWriter.h"
#include "ui/Application.h"
#include "ui/MessageBox.h"

// A program folder of the test's own, which AppDir points at while it lives. Its path has Chinese
// characters and a blank, as a training centre's folder may. With banks, it holds copies of the bank
// files, pictures and sounds the build made.
class TestAppDir {
public:
    enum Banks { NoBanks, WithBanks };
    explicit TestAppDir(Banks banks = WithBanks);
    ~TestAppDir();

    // The folder, with a trailing '/'.
    const QString& Path() const { return path_; }
    QString File(const QString& name) const { return path_ + name; }
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& name) const;
    // Links the file `name` of the build's program folder in, for a module a window loads from there.
    void LinkBuilt(const QString& name) const;

private:
    QTemporaryDir root_;
    QString path_;
};

// The XDG base directories of the users of one computer, and the computer's own, inside a folder of the test's
// own: while it lives, the program's user folders are those of the user it was last told to Use (at first
// "first"), and the computer's settings folder is Path("etc/xdg"). The variables it sets are put back as they
// were when it goes.
class TestHomes {
public:
    TestHomes();
    ~TestHomes();
    TestHomes(const TestHomes&) = delete;
    TestHomes& operator=(const TestHomes&) = delete;

    void Use(const QString& user);
    // A path inside the folder: "first/.local/share/quorvane/progress.db".
    QString Path(const QString& name) const { return root_.filePath(name); }

private:
    QTemporaryDir root_;
    std::map<QByteArray, QByteArray> saved_;
};

// Makes every message box fail the running test, naming its caption and text. Every test program starts
// this way; a test that expects boxes answers them with MessageBoxRecorder or a hook of its own and calls
// this when it is done.
void FailOnMessageBoxes();

// Answers every message box with OK while it lives, and keeps what each one said.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();

    std::vector<MessageBoxRequest> shown;
};

// Keeps the names of the sounds played while it lives, relative to the program folder, instead of
// playing them. A sound played without a name is kept as "".
class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();

    QStringList played;
};

// Writes a bank file as the build makes them, with table JD for the keys "0" to "10".
void WriteBank(const QString& file, const QList<Question>& questions);

// Questions for exam papers: chapter -> number of questions. IDs are base + chapter * 1000 + i, so a
// paper's IDs tell their chapter and their bank; answers cycle through A to D.
using Chapters = std::map<int, int>;
QList<Question> ExamBank(const Chapters& chapters, int base);

// What `action` refused with (the message of the Exception it raised); empty when it went through.
QString RefusalOf(const std::function<void()>& action);

// How a program run by a test ended: its exit code (-1 when it crashed or ran past two minutes) and
// what it wrote.
struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};
ProcessRun RunProcess(const QString& program, const QStringList& arguments);

// The folder of the program the build made, and the executable in it.
QString BuiltAppDir();
QString BuiltProgram();

// Like QTEST_MAIN, with the program's own application object, so that an exception escaping an event
// handler reaches the default handler as it does in the program.
#define QV_TEST_MAIN(TestObject)                      \
    int main(int argc, char** argv) {                 \
        Application app(argc, argv);                  \
        QApplication::setApplicationName("Quorvane"); \
        TestObject test;                              \
        return QTest::qExec(&test, argc, argv);       \
    }
