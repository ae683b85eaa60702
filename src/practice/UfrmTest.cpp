#include "practice/UfrmTest.h"

#include <QKeyEvent>
#include <algorithm>

#include "bank/ProgressStore.h"
#include "bank/UDM.h"
#include "platform/Exception.h"
#include "platform/Fonts.h"
#include "platform/Query.h"
#include "practice/CommandKeys.h"
#include "questionview/AnswerKeys.h"
#include "records/Learners.h"
#include "records/RecordsDatabase.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/loading/SkinNames.h"
#include "ui/Application.h"
#include "ui/MessageBox.h"
#include "ui/WindowPlacement.h"

namespace {
// A decimal integer with an optional sign, as the jump box takes it.
int ParseInteger(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return number;
}
}  // namespace

TfrmTest::TfrmTest(QWidget* parent) : TPracticeWindow(QStringLiteral("顺序练习"), 280, parent) {
    setObjectName("frmTest");
    setFixedSize(705, 430);

    btnJump = Place(new TsSpeedButton(QStringLiteral("跳转"), this), "btnJump", 206, 5, 37, 20);
    sEdit1 = Place(new TsEdit(this), "sEdit1", 243, 5, 41, 20);
    sLabelFX4 = new TsLabelFX(QStringLiteral("题"), this);
    sLabelFX4->setObjectName("sLabelFX4");
    sLabelFX4->setFont(MakeFont(QStringLiteral("宋体"), 12));
    sLabelFX4->SetColor(QColor(36, 44, 53));
    sLabelFX4->move(285, 8);
    sSpeedButton6 = Place(new TsSpeedButton(QStringLiteral("保存进度"), sPanel1), "sSpeedButton6", 189, 8, 81, 41);
    sSpeedButton6->SkinData().SetSkinSection(SkinNames::Button);
    CommandKeys::MakeTabStop(btnJump);
    CommandKeys::MakeTabStop(sSpeedButton6);
    CommandKeys::Bind(sSpeedButton6, QKeySequence(Qt::CTRL | Qt::Key_S));

    connect(btnJump, &QAbstractButton::clicked, this, Handled([this] { btnJumpClick(); }));
    connect(sEdit1, &QLineEdit::returnPressed, this, Handled([this] { btnJumpClick(); }));
    connect(sSpeedButton6, &QAbstractButton::clicked, this, Handled([this] { sSpeedButton6Click(); }));

    CommandKeys::ChainTabStops({btnNext, sSpeedButton6, sSpeedButton7});
    CommandKeys::ChainTabStops({sSpeedButton5, btnJump, sEdit1, as1});
    sEdit1->installEventFilter(this);
}

// The jump box takes letters as text: the answering keys go past it to the window.
bool TfrmTest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sEdit1 && event->type() == QEvent::KeyPress &&
        AnswerKeys::Read(*static_cast<QKeyEvent*>(event)).action != AnswerKeys::Action::None) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return TPracticeWindow::eventFilter(watched, event);
}

// A position saved before the bank changed may lie beyond the last row: it is brought back to the last
// question, so the number shown always belongs to the question shown.
void TfrmTest::FormActivate() {
    OpenQuestions();
    FPosition = std::clamp(ReadPosition(), 0, std::max(0, QuestionCount() - 1));
    positionRead_ = true;
    ShowQuestion(FPosition);
    TellOfProgressSetAside();
}

// The learner can type a number and press Enter at once: the old number is selected and goes as they type.
void TfrmTest::FocusAfterShow() {
    sEdit1->setFocus();
    sEdit1->selectAll();
}

// The current learner's own position; the first learner's, and everyone's without records, is the bank's.
std::optional<Positions> TfrmTest::LearnerPositions() const {
    if (Records == nullptr)
        return std::nullopt;
    Positions positions(*Records, Learners(*Records).Current().id);
    return positions.InBank() ? std::nullopt : std::optional(positions);
}

int TfrmTest::ReadPosition() const {
    const std::optional<Positions> positions = LearnerPositions();
    return positions ? positions->Read(FProgressKey) : DM->ReadProgress(FProgressKey);
}

void TfrmTest::SavePosition() {
    std::optional<Positions> positions = LearnerPositions();
    if (positions)
        positions->Save(FProgressKey, FPosition);
    else
        SaveProgress(dstTest->GetConnection(), FProgressKey, FPosition);
}

// The progress database opens when a position is first read or saved; one found damaged then has been set aside.
void TfrmTest::TellOfProgressSetAside() {
    if (DM == nullptr)
        return;
    if (const QString told = DM->TakeProgressMessage(); !told.isEmpty())
        ShowMessageBox(this, {QStringLiteral("提示"), told, QMessageBox::Warning, QMessageBox::Ok});
}

void TfrmTest::btnJumpClick() {
    const int n = ParseInteger(sEdit1->text());
    if (n < 1 || n > QuestionCount())
        return;
    FPosition = n - 1;
    ShowQuestion(FPosition);
}

// A failed save is rolled back and the learner is told so: the position is not safe yet.
void TfrmTest::sSpeedButton6Click() {
    // A window that could not read its questions or the saved position would write a position it never had
    // over the one that is saved.
    if (!positionRead_) {
        ShowMessageBox(this, {QStringLiteral("提示"), QStringLiteral("进度没有保存：题目或已保存的进度没有读出。"),
                              QMessageBox::Warning, QMessageBox::Ok});
        return;
    }
    try {
        SavePosition();
    } catch (const Exception& error) {
        ShowMessageBox(this, {QStringLiteral("提示"), QStringLiteral("进度没有保存：") + error.Message(),
                              QMessageBox::Warning, QMessageBox::Ok});
        return;
    }
    TellOfProgressSetAside();
    ShowMessageBox(this,
                   {QStringLiteral("提示"), QStringLiteral("进度已保存"), QMessageBox::Information, QMessageBox::Ok});
}
