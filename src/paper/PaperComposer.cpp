#include "paper/PaperComposer.h"

#include <QSet>
#include <algorithm>

#include "bank/UDM.h"
#include "platform/Exception.h"
#include "platform/Query.h"

namespace {
// The motorcycle group's last chapter may repeat its questions; every other position needs a question of its own.
bool MayRepeat(const ExamKindInfo& info, const ChapterQuota& quota) {
    return info.motorcycleBank && quota.chapter == 7;
}
}  // namespace

PaperComposer::PaperComposer(Query& qry, std::function<int(int)> pick) : qry_(qry), pick_(std::move(pick)) {}

bool PaperComposer::IsNewQuestion(const ExamPaper& paper, int id) {
    return std::find(paper.begin() + 1, paper.end(), id) == paper.end();
}

void PaperComposer::OpenChapter(int chapter) {
    qry_.Close();
    qry_.SetSQL(QString());
    qry_.SetSQL(TDM::ChapterQuestionIdsSql(chapter));
    qry_.Open();
}

int PaperComposer::QuestionsNeeded(const ExamKindInfo& info, const ChapterQuota& quota) {
    return MayRepeat(info, quota) ? 1 : quota.Count();
}

int PaperComposer::QuestionsAvailable(int chapter) {
    OpenChapter(chapter);
    return DistinctQuestions();
}

int PaperComposer::DistinctQuestions() {
    QSet<int> ids;
    qry_.First();
    for (int row = 0; row < qry_.RecordCount(); ++row, qry_.MoveBy(1)) {
        const int id = qry_.FieldByName(QStringLiteral("ID")).AsInteger();
        if (id != 0)
            ids.insert(id);
    }
    return int(ids.size());
}

int PaperComposer::PickRow() {
    qry_.First();
    qry_.MoveBy(pick_(qry_.RecordCount()));
    return qry_.FieldByName(QStringLiteral("ID")).AsInteger();
}

void PaperComposer::DrawQuestion(ExamPaper& paper, int position) {
    int id = PickRow();
    while (!IsNewQuestion(paper, id))
        id = PickRow();
    paper[position] = id;
}

void PaperComposer::MakePaper(const ExamKindInfo& info, ExamPaper& paper) {
    for (const ChapterQuota& quota : info.quotas) {
        const bool mayRepeat = MayRepeat(info, quota);
        const int needed = QuestionsNeeded(info, quota);
        const int available = QuestionsAvailable(quota.chapter);
        if (available < needed) {
            throw Exception(QStringLiteral("题库中的题目不足，无法组成“%1”的试卷：第%2章只有%3道题，需要%4道。")
                                .arg(info.label)
                                .arg(quota.chapter)
                                .arg(available)
                                .arg(needed));
        }
        for (int position = quota.first; position <= quota.last; ++position) {
            if (mayRepeat) {
                paper[position] = PickRow();
            } else {
                DrawQuestion(paper, position);
            }
        }
    }
}
