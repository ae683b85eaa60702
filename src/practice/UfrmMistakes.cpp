#include "practice/UfrmMistakes.h"

#include <unordered_map>

#include "bank/BankQueries.h"
#include "bank/UDM.h"
#include "platform/Query.h"
#include "skin/controls/TsCheckBox.h"

TfrmMistakes::TfrmMistakes(const QString& caption, int bank, std::vector<int> ids, QWidget* parent)
    : TPracticeWindow(caption, 192, parent), FIds(std::move(ids)) {
    setObjectName("frmMistakes");
    FBank = bank;
    DM->UseQuestionTable(dstTest, static_cast<BankId>(bank));
    FBaseSql = BankQueries::AllQuestionsSql();
    FFilter = BankQueries::QuestionIdsFilter(FIds);
}

// The result comes by ID; the positions follow the list.
void TfrmMistakes::FormActivate() {
    OpenQuestions();
    std::unordered_map<int, int> rowOf;
    dstTest->First();
    for (int row = 0; row < QuestionCount(); ++row, dstTest->MoveBy(1))
        rowOf[dstTest->FieldByName(QStringLiteral("ID")).AsInteger()] = row;
    FRows.clear();
    for (int id : FIds) {
        if (const auto found = rowOf.find(id); found != rowOf.end())
            FRows.push_back(found->second);
    }
    FPosition = 0;
    ShowQuestion(0);
}

int TfrmMistakes::RowOffset(int n) const {
    return n >= 0 && n < int(FRows.size()) ? FRows[n] : 0;
}

void TfrmMistakes::FocusAfterShow() {
    chkAutoJmp->setFocus();
}
