// A program killed outright (SIGKILL) while it answers and takes exams: its records file opens again as it was, with
// every answer it had kept and at most the one it was writing, and only whole exams.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <cstdio>

#include "TestSupport.h"
#include "records/AnswerLog.h"
#include "records/ExamHistory.h"
#include "records/ExamSheet.h"
#include "records/RecordsDatabase.h"

namespace {
const char* const kRecordArgument = "--record-until-killed";
constexpr int kQuestionsPerExam = 5;
constexpr int kPointsPerRight = 100 / kQuestionsPerExam;
constexpr char kAnswerKept = 'a';
constexpr char kExamKept = 'e';

// The killed program: exams of five answers, one after another until it is killed, each answer and each finished
// exam kept as the exam window and the main window keep them. It reports each one kept on stdout, a letter a line.
[[noreturn]] void RecordUntilKilled(const QString& file) {
    RecordsDatabase records(file);
    Records = &records;
    setvbuf(stdout, nullptr, _IONBF, 0);
    for (int exam = 0;; ++exam) {
        ExamSheet sheet;
        int right = 0;
        for (int i = 0; i < kQuestionsPerExam; ++i) {
            TQuestion question;
            question.ID = exam * kQuestionsPerExam + i;
            question.zhanjie = QString::number(1 + i % 2);
            const bool answeredRight = (question.ID % 3) != 0;
            RecordForCurrentLearner({1, question.ID, question.zhanjie}, answeredRight);
            printf("%c\n", kAnswerKept);
            sheet.Add(question, 1, answeredRight);
            right += answeredRight ? 1 : 0;
        }
        RecordExamForCurrentLearner({{}, 1, QStringLiteral("C1"), right * kPointsPerRight, 60, sheet.Chapters()});
        printf("%c\n", kExamKept);
    }
}

// What the killed programs said they kept, over all their runs.
struct Reported {
    int answers = 0;
    int exams = 0;

    void Read(QProcess& program) {
        while (program.canReadLine()) {
            const QByteArray line = program.readLine().trimmed();
            answers += line == QByteArray(1, kAnswerKept) ? 1 : 0;
            exams += line == QByteArray(1, kExamKept) ? 1 : 0;
        }
    }
};

// When a recording program is killed: once it has reported this many answers, and this long after.
struct KillMoment {
    int answers = 0;
    unsigned long microseconds = 0;
};

// The first program is killed at any moment of its start, while it may still be making the records file. The
// others once they have kept a few answers, a moment later, so that they are killed in the middle of what they
// do; every other one just as it has given the last answer of an exam, so that it is killed keeping the exam.
KillMoment ChooseKillMoment(int run, QRandomGenerator& random) {
    if (run == 0)
        return {0, random.bounded(50000U)};
    const int exams = random.bounded(1, 4);
    return {run % 2 == 0 ? random.bounded(1, exams * kQuestionsPerExam) : exams * kQuestionsPerExam,
            random.bounded(3000U)};
}

int Count(RecordsDatabase& records, const QString& sql) {
    return records.Db().Select(sql).rows.front().front().toInt();
}
}  // namespace

class RecordsKillTest : public QObject {
    Q_OBJECT

private slots:
    void killedProgramLosesAtMostTheAnswerItWrote();
};

void RecordsKillTest::killedProgramLosesAtMostTheAnswerItWrote() {
    constexpr int kKills = 20;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("records.db"));
    QRandomGenerator random(17);
    Reported reported;
    for (int run = 0; run < kKills; ++run) {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {QLatin1String(kRecordArgument), file});
        QVERIFY(program.waitForStarted());
        const KillMoment moment = ChooseKillMoment(run, random);
        const int goal = reported.answers + moment.answers;
        while (reported.answers < goal) {
            QVERIFY2(program.state() == QProcess::Running && program.waitForReadyRead(60000),
                     "the recording program stopped before it was killed");
            reported.Read(program);
        }
        QThread::usleep(moment.microseconds);
        ::kill(pid_t(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
        reported.Read(program);

        RecordsDatabase records(file);
        const QString after = QStringLiteral("after kill %1: %2 answers and %3 exams reported")
                                  .arg(run + 1)
                                  .arg(reported.answers)
                                  .arg(reported.exams);
        QVERIFY2(records.OpeningMessage().isEmpty(), qPrintable(after));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")}), QStringList());
        QCOMPARE(records.Db().Select(QStringLiteral("pragma integrity_check")).rows.front().front().toString(),
                 QStringLiteral("ok"));
        const int answers = Count(records, QStringLiteral("select count(*) from answers"));
        QVERIFY2(answers == reported.answers || answers == reported.answers + 1, qPrintable(after));
        const int exams = Count(records, QStringLiteral("select count(*) from exams"));
        QVERIFY2(exams == reported.exams || exams == reported.exams + 1, qPrintable(after));
        // The answer that was being written is either kept with its tallies or not at all.
        QCOMPARE(Count(records, QStringLiteral("select sum(correct + wrong) from chapter_totals")), answers);
        // Every exam kept is whole: its chapters add up to all its questions and to its score.
        QCOMPARE(
            Count(records, QStringLiteral("select count(*) from exams e where "
                                          "(select sum(correct + wrong) from exam_chapters where exam=e.id)=%1 "
                                          "and (select sum(correct) from exam_chapters where exam=e.id)*%2=e.score")
                               .arg(kQuestionsPerExam)
                               .arg(kPointsPerRight)),
            exams);
        // No exam is kept before all its answers are.
        QVERIFY2(exams * kQuestionsPerExam <= answers, qPrintable(after));
        // The next program goes on where this one's records end, as the learner's next start would.
        reported.answers = answers;
        reported.exams = exams;
    }
}

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], kRecordArgument) == 0) {
        const QCoreApplication app(argc, argv);
        RecordUntilKilled(QString::fromLocal8Bit(argv[2]));
    }
    Application app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    RecordsKillTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_recordskill.moc"
