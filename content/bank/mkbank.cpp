// Builds a question bank from its text source: mkbank --password PW [--progress-table] SOURCE.txt OUT.mdb

#include "BankError.h"
#include "BankWriter.h"
#include "QuestionSource.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

int complain(const QString& message) {
    std::fprintf(stderr, "mkbank: %s\n", qUtf8Printable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds a question bank file from a text source."));
    parser.addHelpOption();
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Password stored in the bank."),
                                      QStringLiteral("PW"));
    const QCommandLineOption progressTable(QStringLiteral("progress-table"),
                                           QStringLiteral("Also create the per-chapter progress table."));
    parser.addOption(password);
    parser.addOption(progressTable);
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("UTF-8 question source."));
    parser.addPositionalArgument(QStringLiteral("bank"), QStringLiteral("Bank file to write."));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() != 2 || parser.value(password).isEmpty()) {
        return complain(QStringLiteral("usage: mkbank --password PW [--progress-table] SOURCE.txt OUT.mdb"));
    }
    try {
        const QList<Question> questions = QuestionSource::read(files[0]);
        BankWriter::write(files[1], questions, parser.value(password), parser.isSet(progressTable));
    } catch (const BankError& error) {
        return complain(QString::fromStdString(error.what()));
    }
    return 0;
}
