// A tool for training centres who maintain their question banks, built on the program's own exam code:
//   quorvane-bank check [--appdir DIR]              questions available and needed per vehicle group and chapter
//   quorvane-bank paper --kind K [--appdir DIR]     composes one paper as the exam window does; prints JSON
//   quorvane-bank export FILE.mdb OUT.json|OUT.csv  writes a bank out as JSON (format: BankJson.h) or as a
//                                                   spreadsheet's CSV (format: BankCsv.h)
//   quorvane-bank import IN.json|IN.csv FILE.mdb    builds a bank from such a file
// DIR defaults to the tool's own folder, the program folder. A failure is explained on standard error with exit
// status 1; a malformed command line gives the usage and exit status 2.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <map>

#include "BankAudit.h"
#include "BankCheck.h"
#include "BankCsv.h"
#include "BankError.h"
#include "BankFolder.h"
#include "BankJson.h"
#include "BankPicture.h"
#include "BankWriteFailure.h"
#include "OutputFile.h"
#include "bank/BankConnection.h"
#include "platform/AppDir.h"
#include "platform/Connection.h"
#include "platform/Exception.h"

namespace {

const QString kUsage = QStringLiteral(
    "usage: quorvane-bank check [--appdir DIR] | paper --kind K [--appdir DIR] | export FILE.mdb OUT.json|OUT.csv | "
    "import IN.json|IN.csv FILE.mdb");

struct UsageError {};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

// "--name value" pairs; only the names in `allowed`, each at most once.
std::map<QString, QString> ParseOptions(const QStringList& args, const QStringList& allowed) {
    std::map<QString, QString> options;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (!allowed.contains(args[i]) || i + 1 >= args.size() || options.count(args[i]))
            throw UsageError{};
        options[args[i]] = args[i + 1];
    }
    return options;
}

QString Folder(const std::map<QString, QString>& options) {
    const auto it = options.find(QStringLiteral("--appdir"));
    if (it == options.end())
        return AppDir();
    if (!QFileInfo(it->second).isDir())
        throw Exception(QStringLiteral("文件夹 %1 不存在").arg(it->second));
    return QDir(it->second).absolutePath() + u'/';
}

// The questions of each bank the program could not show or judge; true when there are none.
bool AuditBanks(const QString& folder) {
    bool clean = true;
    for (const QString& bank : {QStringLiteral("t1.mdb"), QStringLiteral("t2.mdb")}) {
        std::vector<BankAudit::Problem> problems;
        try {
            Connection connection;
            BankFolder::Open(connection, folder + bank);
            problems = BankAudit::Run(connection, folder + QStringLiteral("image/"));
        } catch (const Exception&) {
            continue;  // the vehicle groups above already report a bank that cannot be read
        }
        if (problems.empty())
            continue;
        clean = false;
        QString text = QStringLiteral("%1 中有 %2 处题目无法使用：\n").arg(bank).arg(problems.size());
        for (const BankAudit::Problem& problem : problems)
            text += QStringLiteral("  题目 ID %1：%2\n").arg(problem.id, problem.what);
        Print(stdout, text + u'\n');
    }
    return clean;
}

int Check(const QStringList& args) {
    const QString folder = Folder(ParseOptions(args, {QStringLiteral("--appdir")}));
    const std::vector<BankCheck::Group> groups = BankCheck::Run(folder);
    Print(stdout,
          QStringLiteral("题库文件夹：%1\n\n").arg(QDir::toNativeSeparators(folder)) + BankCheck::Format(groups));
    const bool examinable =
        std::all_of(groups.begin(), groups.end(), [](const auto& group) { return group.CanBeExamined(); });
    const bool clean = AuditBanks(folder);
    return examinable && clean ? 0 : 1;
}

int Paper(const QStringList& args) {
    const auto options = ParseOptions(args, {QStringLiteral("--kind"), QStringLiteral("--appdir")});
    const auto kind = options.find(QStringLiteral("--kind"));
    if (kind == options.end())
        throw UsageError{};
    bool number = false;
    const ExamKindInfo* info = FindExamKind(kind->second.toInt(&number));
    if (!number || info == nullptr) {
        throw Exception(QStringLiteral("车型 %1 不存在：--kind 应当是 1 到 5").arg(kind->second));
    }
    const ExamPaper paper = BankFolder::ComposePaper(*info, Folder(options));
    QStringList ids;
    for (int position = 1; position <= info->paperSize; ++position)
        ids << QString::number(paper[size_t(position)]);
    Print(stdout,
          QStringLiteral("{\"kind\": %1, \"ids\": [%2]}\n").arg(info->kind).arg(ids.join(QStringLiteral(", "))));
    return 0;
}

bool IsCsv(const QString& file) {
    return QFileInfo(file).suffix().compare(u"csv", Qt::CaseInsensitive) == 0;
}

bool IsCarBank(const QString& bank) {
    return QFileInfo(bank).fileName().compare(u"t1.mdb", Qt::CaseInsensitive) == 0;
}

int Export(const QString& bank, const QString& output) {
    Connection connection;
    BankFolder::Open(connection, QFileInfo(bank).absoluteFilePath());
    OutputFile::Write(output, IsCsv(output) ? BankCsv::Export(connection) : BankJson::Export(connection));
    return 0;
}

// The program reads saved positions from t1.mdb's table JD, and shows pictures from the folder's image/.
void RefuseWhatTheProgramCannotUse(const BankJson::Contents& contents, const QString& bank) {
    if (!contents.progress && IsCarBank(bank))
        throw Exception(QStringLiteral("t1.mdb 必须带有进度表：“JD”不能是 null"));
    const QString images = QFileInfo(bank).absolutePath() + QStringLiteral("/image/");
    for (qsizetype i = 0; i < contents.questions.size(); ++i) {
        const Question& question = contents.questions[i];
        if (question.picture.isEmpty())
            continue;
        if (const auto problem = BankPicture::Problem(images, question.picture)) {
            throw Exception(QStringLiteral("第 %1 道题（ID %2）的图片 %3 %4")
                                .arg(i + 1)
                                .arg(question.id)
                                .arg(question.picture, *problem));
        }
    }
}

// A bank the user made read-only stays as it is, whoever runs the tool: root may replace any file.
void RefuseReadOnly(const QString& bank) {
    const QFileInfo file(bank);
    if (file.exists() && (file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)) == 0)
        throw Exception(QStringLiteral("%1 是只读的，没有替换它").arg(QDir::toNativeSeparators(bank)));
}

// A spreadsheet holds no progress: the bank it replaces keeps its own, and a new t1.mdb starts with an empty table.
std::optional<QList<ProgressRow>> ProgressToKeep(const QString& bank) {
    if (QFileInfo::exists(bank)) {
        Connection connection;
        BankFolder::Open(connection, QFileInfo(bank).absoluteFilePath());
        return BankFolder::ReadProgress(connection);
    }
    return IsCarBank(bank) ? std::optional(QList<ProgressRow>{}) : std::nullopt;
}

int Import(const QString& input, const QString& bank) {
    QFile file(input);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString sentence =
            QFileInfo::exists(input) ? QStringLiteral("无法读取文件 %1。") : QStringLiteral("找不到文件 %1。");
        throw Exception(sentence.arg(QDir::toNativeSeparators(input)) + u'\n' + file.errorString());
    }
    BankJson::Contents contents;
    try {
        contents = IsCsv(input) ? BankJson::Contents{BankCsv::Import(file.readAll()), ProgressToKeep(bank)}
                                : BankJson::Import(file.readAll());
        RefuseWhatTheProgramCannotUse(contents, bank);
    } catch (const Exception& error) {
        throw Exception(input + QStringLiteral("：") + error.Message());
    }
    RefuseReadOnly(bank);
    try {
        BankWriter::write(bank, contents.questions, QString::fromLatin1(BankConnection::kDatabasePassword),
                          contents.progress);
    } catch (const BankError& error) {
        throw Exception(BankWriteFailure::Message(bank, QString::fromUtf8(error.what())));
    }
    return 0;
}

int Run(const QStringList& args) {
    const QString command = args.value(0);
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("check"))
        return Check(rest);
    if (command == QLatin1String("paper"))
        return Paper(rest);
    if (command == QLatin1String("export") && rest.size() == 2)
        return Export(rest[0], rest[1]);
    if (command == QLatin1String("import") && rest.size() == 2)
        return Import(rest[0], rest[1]);
    throw UsageError{};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return Run(app.arguments().mid(1));
    } catch (const UsageError&) {
        Print(stderr, kUsage + u'\n');
        return 2;
    } catch (const Exception& error) {
        Print(stderr, QStringLiteral("quorvane-bank: ") + error.Message() + u'\n');
        return 1;
    } catch (const std::exception& error) {
        Print(stderr,
              QStringLiteral("quorvane-bank: 意外的错误，操作没有完成。\n") + QString::fromUtf8(error.what()) + u'\n');
        return 1;
    }
}
