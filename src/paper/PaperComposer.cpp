#include "paper/PaperComposer.h"

#include <QSet>
#include <algorithm>

#include "bank/BankQueries.h"
#include "platform/Exception.h"
#include "platform/Query.h"

PaperComposer::PaperComposer(Query& qry, std::function<int(int)> pick) : qry_(qry), pick_(std::move(pick)) {}

bool PaperComposer::IsNewQuestion(const ExamPaper& paper, int id) {
    return std::find(paper.begin() + 1, paper.end(), id) == paper.end();
}

void PaperComposer::OpenChapter(int chapter) {
    qry_.Close();
    qry_.SetSQL(QString());
    qry_.SetSQL(BankQueries::ChapterQuestionIdsSql(chapter));
    qry_.Open();
}

QSet<int> PaperComposer::ChapterIds() {
    QSet<int> ids;
    qry_.First();
    for (int row = 0; row < qry_.RecordCount(); ++row, qry_.MoveBy(1)) {
        const std::optional<int> id = qry_.FieldByName(QStringLiteral("ID")).AsWholeNumber();
        if (id && *id > 0)
            ids.insert(*id);
    }
    return ids;
}

std::vector<PaperComposer::ChapterSupply> PaperComposer::Supplies(const ExamKindInfo& info) {
    std::vector<ChapterSupply> supplies;
    QSet<int> earlier;
    for (const ChapterQuota& quota : info.quotas) {
        OpenChapter(quota.chapter);
        const QSet<int> ids = ChapterIds();
        supplies.push_back({quota, QSet<int>(ids).subtract(earlier), quota.Count()});
        earlier.unite(ids);
    }
    return supplies;
}

std::optional<int> PaperComposer::PickRow() {
    qry_.First();
    qry_.MoveBy(pick_(qry_.RecordCount()));
    return qry_.FieldByName(QStringLiteral("ID")).AsWholeNumber();
}

void PaperComposer::DrawQuestion(ExamPaper& paper, int position, const QSet<int>& usable) {
    std::optional<int> id = PickRow();
    while (!id || !usable.contains(*id) || !IsNewQuestion(paper, *id))
        id = PickRow();
    paper[position] = *id;
}

void PaperComposer::MakePaper(const ExamKindInfo& info, ExamPaper& paper) {
    const std::vector<ChapterSupply> supplies = Supplies(info);
    for (const ChapterSupply& supply : supplies) {
        if (supply.usable.size() < supply.needed) {
            throw Exception(QStringLiteral("题库中的题目不足，无法组成“%1”的试卷：第%2章只有%3道题，需要%4道。")
                                .arg(info.label)
                                .arg(supply.quota.chapter)
                                .arg(supply.usable.size())
                                .arg(supply.needed));
        }
    }
    paper.assign(size_t(info.paperSize) + 1, 0);
    for (const ChapterSupply& supply : supplies) {
        OpenChapter(supply.quota.chapter);
        for (int position = supply.quota.first; position <= supply.quota.last; ++position)
            DrawQuestion(paper, position, supply.usable);
    }
}
