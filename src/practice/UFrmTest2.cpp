#include "practice/UFrmTest2.h"

#include <QRandomGenerator>

#include "bank/BankQueries.h"
#include "platform/DrawSeed.h"
#include "skin/controls/TsCheckBox.h"
#include "ui/Application.h"

TfrmTest2::TfrmTest2(QWidget* parent) : TPracticeWindow(QStringLiteral("随机练习"), 192, parent) {
    setObjectName("frmTest2");
    Application::RunHandled([this] { FormCreate(); });
}

void TfrmTest2::FormCreate() {
    FBaseSql = BankQueries::AllQuestionsSql();
    FFilter.clear();
    FPosition = 0;
    OpenQuestions();
    BuildOrder();
}

// Seeded at each build, so windows opened one after the other differ.
void TfrmTest2::BuildOrder() {
    const int count = QuestionCount();
    QRandomGenerator generator(DrawSeed());
    FOrder.assign(count, 0);
    for (int& entry : FOrder)
        entry = static_cast<int>(generator.bounded(count));
}

// An empty sequence has no entry to read: the empty result is shown.
int TfrmTest2::RowOffset(int n) const {
    return n >= 0 && n < int(FOrder.size()) ? FOrder[n] : 0;
}

void TfrmTest2::FormActivate() {
    FPosition = 0;
    ShowQuestion(0);
}

void TfrmTest2::FocusAfterShow() {
    chkAutoJmp->setFocus();
}
