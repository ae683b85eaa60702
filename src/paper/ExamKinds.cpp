#include "paper/ExamKinds.h"

#include "bank/TQuestion.h"

namespace {
// Chapters 1 to 7 as the bus, truck and machinery groups share them; they differ in positions 96 to 100.
std::vector<ChapterQuota> SharedQuotasAnd(int ownChapter) {
    return {{1, 1, 30},  {2, 31, 45}, {3, 46, 65}, {4, 66, 75},
            {5, 76, 85}, {6, 86, 90}, {7, 91, 95}, {ownChapter, 96, 100}};
}

// The first theory exam: 100 questions in 45 minutes, one point each, 90 to pass.
ExamKindInfo FirstTheoryExam(int kind, const QString& label, const QString& buttonCaption, BankId bank,
                             std::vector<ChapterQuota> quotas) {
    return {kind,
            label,
            buttonCaption,
            bank,
            std::move(quotas),
            100,
            {{QuestionType::TrueFalse, 1}, {QuestionType::SingleChoice, 1}},
            45,
            100,
            90};
}

// Two digits, with a leading zero where needed.
QString TwoDigits(int value) {
    return (QStringLiteral("0") + QString::number(value)).right(2);
}
}  // namespace

QuestionType TypeOf(const TQuestion& question) {
    return question.ans3.isEmpty() ? QuestionType::TrueFalse : QuestionType::SingleChoice;
}

int ExamKindInfo::PointsFor(QuestionType type) const {
    for (const TypePoints& entry : points) {
        if (entry.type == type)
            return entry.points;
    }
    return 0;
}

const std::vector<ExamKindInfo>& ExamKinds() {
    static const std::vector<ExamKindInfo> kinds{
        FirstTheoryExam(1, QStringLiteral("C1 C2 C3 C4"), QStringLiteral("C1C2C3C4小车"), BankId::Car,
                        {{1, 1, 30}, {2, 31, 50}, {3, 51, 70}, {4, 71, 80}, {5, 81, 90}, {6, 91, 95}, {7, 96, 100}}),
        FirstTheoryExam(2, QStringLiteral("A1 A3 B1"), QStringLiteral("A1A3B1客车"), BankId::Car, SharedQuotasAnd(8)),
        FirstTheoryExam(3, QStringLiteral("A2 B2"), QStringLiteral("A2B2货车"), BankId::Car, SharedQuotasAnd(9)),
        FirstTheoryExam(4, QStringLiteral("M轮式机械"), QStringLiteral("M轮式自行机械车"), BankId::Car,
                        SharedQuotasAnd(10)),
        FirstTheoryExam(5, QStringLiteral("D E F"), QStringLiteral("DEF摩托车"), BankId::Motorcycle,
                        {{1, 1, 30}, {2, 31, 55}, {3, 56, 80}, {4, 81, 90}, {5, 91, 95}, {6, 96, 96}, {7, 97, 100}}),
    };
    return kinds;
}

const ExamKindInfo* FindExamKind(int kind) {
    for (const ExamKindInfo& info : ExamKinds()) {
        if (info.kind == kind)
            return &info;
    }
    return nullptr;
}

const ExamKindInfo& ExamRules(int kind) {
    const ExamKindInfo* info = FindExamKind(kind);
    return info != nullptr ? *info : ExamKinds().front();
}

QString ExamTimeText(int seconds) {
    return TwoDigits(seconds / 60) + QStringLiteral("分") + TwoDigits(seconds % 60) + QStringLiteral("秒");
}
