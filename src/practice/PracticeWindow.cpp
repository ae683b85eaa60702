#include "practice/PracticeWindow.h"

#include <QKeyEvent>
#include <tuple>

#include "bank/TQuestion.h"
#include "bank/UDM.h"
#include "platform/Fonts.h"
#include "platform/Query.h"
#include "practice/CommandKeys.h"
#include "questionview/AnswerFeedback.h"
#include "questionview/AnswerKeys.h"
#include "questionview/ExplanationNote.h"
#include "questionview/OptionButtons.h"
#include "questionview/QuestionBlock.h"
#include "records/AnswerLog.h"
#include "records/Learners.h"
#include "records/RecordsDatabase.h"
#include "records/Stars.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/loading/SkinNames.h"
#include "ui/Application.h"
#include "ui/MessageBox.h"
#include "ui/TImage.h"
#include "ui/TShape.h"
#include "ui/WindowPlacement.h"

namespace {
const QColor kLabelColour(36, 44, 53);
const QColor kNumberColour(Qt::blue);
constexpr int kBarHeight = 57;

TsLabelFX* MakeWordLabel(QWidget* parent, const char* name, const QString& caption, int left) {
    auto* label = new TsLabelFX(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(MakeFont(QStringLiteral("宋体"), 12));
    label->SetColor(kLabelColour);
    label->move(left, 8);
    return label;
}

TsLabel* MakeNumberLabel(QWidget* parent, const char* name, int left) {
    auto* label = Place(new TsLabel(QStringLiteral("0"), parent), name, left, 5, 40, 19);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(MakeFont(QStringLiteral("黑体"), 19));
    label->SetFontColor(kNumberColour);
    return label;
}

TsSpeedButton* MakeBarButton(QWidget* bar, const char* name, const QString& caption, int left, int width) {
    auto* button = Place(new TsSpeedButton(caption, bar), name, left, 8, width, 41);
    button->SkinData().SetSkinSection(SkinNames::Button);
    CommandKeys::MakeTabStop(button);
    return button;
}
}  // namespace

TPracticeWindow::TPracticeWindow(const QString& caption, int endButtonLeft, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    resize(705, 430);
    setFont(MakeFont(QStringLiteral("宋体"), 12));
    dstTest = new Query(this);
    dstTest->setObjectName("dstTest");
    DM->UseQuestionTable(dstTest, BankId::Car);

    CreateNumberLine();
    CreateQuestionBlock();
    CreateBottomBar(endButtonLeft);
    // The bar from left to right, then the options, the hint and the check box.
    CommandKeys::ChainTabStops({btnPrior, btnNext, sSpeedButton7, btnStar, sSpeedButton2, sSpeedButton3, sSpeedButton4,
                                sSpeedButton5, as1, as2, as3, as4, sSpeedButton1, chkAutoJmp});
    CentreOnScreen(this);
}

void TPracticeWindow::CreateNumberLine() {
    sLabelFX1 = MakeWordLabel(this, "sLabelFX1", QStringLiteral("第"), 8);
    lblNo = MakeNumberLabel(this, "lblNo", 28);
    sLabelFX2 = MakeWordLabel(this, "sLabelFX2", QStringLiteral("题"), 75);
    sLabelFX3 = MakeWordLabel(this, "sLabelFX3", QStringLiteral("共"), 103);
    lblAll = MakeNumberLabel(this, "lblAll", 123);
    sLabelFX5 = MakeWordLabel(this, "sLabelFX5", QStringLiteral("题"), 170);
    chkAutoJmp = Place(new TsCheckBox(QStringLiteral("答对后自动跳转下一题"), this), "chkAutoJmp", 544, 8, 145, 18);
    chkAutoJmp->setChecked(true);
}

void TPracticeWindow::CreateQuestionBlock() {
    Shape1 = Place(new TShape(Qt::yellow, Qt::black, this), "Shape1", 8, 33, 689, 145);
    sMemo1 = Place(new TsMemo(this), "sMemo1", 10, 35, 684, 141);
    sMemo1->SetBackground(QColor(221, 236, 248));
    sMemo1->setFont(MakeFont(QStringLiteral("黑体"), 20));
    sMemo1->SkinData().SetSkinSection(SkinNames::Panel);

    std::tie(as1, as2, as3, as4) =
        std::tuple_cat(MakeOptionButtons(this, MakeFont(QStringLiteral("黑体"), 16), 11, {202, 244, 287, 330},
                                         [this](TsRadioButton* option) { as1Click(option); }));

    Image1 = Place(new TImage(this), "Image1", 296, 184, 305, 177);
    Image1->SetCenter(true);
    lblans = Place(new TsLabel(QStringLiteral("A"), this), "lblans", 628, 200, 48, 97);
    lblans->setFont(MakeFont(QStringLiteral("黑体"), 96));
    lblans->SetFontColor(kNumberColour);
    lblans->hide();
    sSpeedButton1 = Place(new TsSpeedButton(QStringLiteral("提示答案"), this), "sSpeedButton1", 608, 304, 89, 57);
    sSpeedButton1->SkinData().SetSkinSection(SkinNames::ButtonHuge);
    CommandKeys::MakeTabStop(sSpeedButton1);
    CommandKeys::Bind(sSpeedButton1, QKeySequence(Qt::ALT | Qt::Key_H));
    connect(sSpeedButton1, &QAbstractButton::clicked, this, Handled([this] { sSpeedButton1Click(); }));
}

void TPracticeWindow::CreateBottomBar(int endButtonLeft) {
    sPanel1 = new TsPanel(this);
    sPanel1->setObjectName("sPanel1");
    sPanel1->AlignBottom(kBarHeight);
    sPanel1->SkinData().SetSkinSection(SkinNames::Toolbar);
    btnPrior = MakeBarButton(sPanel1, "btnPrior", QStringLiteral("上一题"), 8, 81);
    btnNext = MakeBarButton(sPanel1, "btnNext", QStringLiteral("下一题"), 98, 81);
    sSpeedButton7 = MakeBarButton(sPanel1, "sSpeedButton7", QStringLiteral("结束"), endButtonLeft, 81);
    btnPrior->setToolTip(AnswerKeys::PriorHint());
    btnNext->setToolTip(AnswerKeys::NextHint());
    sSpeedButton7->setToolTip(CommandKeys::Hint(QKeySequence::Cancel));
    connect(btnPrior, &QAbstractButton::clicked, this, Handled([this] { btnPriorClick(); }));
    connect(btnNext, &QAbstractButton::clicked, this, Handled([this] { btnNextClick(); }));
    connect(sSpeedButton7, &QAbstractButton::clicked, this, Handled([this] { sSpeedButton7Click(); }));
    btnStar = MakeBarButton(sPanel1, "btnStar", QStringLiteral("收藏"), 392, 81);
    btnStar->setVisible(Records != nullptr);
    CommandKeys::Bind(btnStar, QKeySequence(Qt::ALT | Qt::Key_F));
    connect(btnStar, &QAbstractButton::clicked, this, Handled([this] { btnStarClick(); }));

    TsSpeedButton** letters[] = {&sSpeedButton2, &sSpeedButton3, &sSpeedButton4, &sSpeedButton5};
    for (int k = 1; k <= 4; ++k) {
        TsSpeedButton* button = MakeBarButton(sPanel1, "", QString(QChar('A' + k - 1)), 488 + 56 * (k - 1), 41);
        button->setObjectName(QStringLiteral("sSpeedButton%1").arg(k + 1));
        connect(button, &QAbstractButton::clicked, this, Handled([this, k] { LetterClick(k); }));
        button->setToolTip(AnswerKeys::OptionHint(k));
        *letters[k - 1] = button;
    }
}

void TPracticeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    Application::RunHandled([this] { FormActivate(); });
}

// Esc asks as "结束" does; only the close box leaves without asking.
void TPracticeWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        sSpeedButton7->click();
        return;
    }
    const AnswerKeys::Key key = AnswerKeys::Read(*event);
    switch (key.action) {
        case AnswerKeys::Action::Option:
            Application::RunHandled([this, key] { LetterClick(key.option); });
            return;
        case AnswerKeys::Action::Next:
            Application::RunHandled([this] { btnNextClick(); });
            return;
        case AnswerKeys::Action::Prior:
            Application::RunHandled([this] { btnPriorClick(); });
            return;
        case AnswerKeys::Action::None:
            break;
    }
    QDialog::keyPressEvent(event);
}

void TPracticeWindow::OpenQuestions() {
    dstTest->Close();
    dstTest->SetSQL(FBaseSql + FFilter);
    dstTest->Open();
    lblAll->setText(QString::number(dstTest->RecordCount()));
}

int TPracticeWindow::QuestionCount() const {
    return dstTest->RecordCount();
}

void TPracticeWindow::ShowQuestion(int n) {
    dstTest->First();
    dstTest->MoveBy(RowOffset(n));
    // An empty result has no question to number.
    lblNo->setText(QString::number(QuestionCount() == 0 ? 0 : n + 1));
    ShowQuestionBlock(TQuestion::Read(*dstTest),
                      {[this](const QString& text) { sMemo1->SetText(text); }, {as1, as2, as3, as4}, Image1});
    lblans->hide();
    explanationShown_ = false;
    ShowStar();
    FocusAfterShow();
}

QuestionRef TPracticeWindow::QuestionOnShow() const {
    const TQuestion question = TQuestion::Read(*dstTest);
    return {FBank, question.ID, question.zhanjie};
}

void TPracticeWindow::ShowStar() {
    if (Records == nullptr || QuestionCount() == 0)
        return;
    const bool starred = Stars(*Records, Learners(*Records).Current().id).Has(QuestionOnShow());
    btnStar->setText(starred ? QStringLiteral("取消收藏") : QStringLiteral("收藏"));
}

void TPracticeWindow::btnStarClick() {
    if (Records == nullptr || QuestionCount() == 0)
        return;
    Stars(*Records, Learners(*Records).Current().id).Toggle(QuestionOnShow());
    ShowStar();
}

void TPracticeWindow::btnPriorClick() {
    if (FPosition <= 0)
        return;
    --FPosition;
    ShowQuestion(FPosition);
}

void TPracticeWindow::btnNextClick() {
    if (FPosition >= QuestionCount() - 1)
        return;
    ++FPosition;
    ShowQuestion(FPosition);
}

void TPracticeWindow::as1Click(TsRadioButton* sender) {
    if (!sender->isChecked())
        return;
    const TQuestion question = TQuestion::Read(*dstTest);
    const bool right = AnswerFeedback::IsRight(sender->Tag(), question.ans);
    if (right) {
        AnswerFeedback::PlayRight();
        if (chkAutoJmp->isChecked())
            btnNextClick();
    } else {
        ShowExplanation();
        AnswerFeedback::PlayWrong();
    }
    // Kept once the learner has heard the judgement and, after a right answer, sees the next question.
    RecordForCurrentLearner({FBank, question.ID, question.zhanjie}, right);
}

void TPracticeWindow::sSpeedButton1Click() {
    lblans->show();
    const int ans = TQuestion::Read(*dstTest).ans;
    if (!AnswerFeedback::Letter(ans).isEmpty())
        lblans->setText(AnswerFeedback::Letter(ans));
    ShowExplanation();
    AnswerFeedback::SpeakLetter(ans);
}

// After a wrong answer or the hint, once for each question shown.
void TPracticeWindow::ShowExplanation() {
    if (explanationShown_)
        return;
    explanationShown_ = true;
    AppendExplanation(sMemo1, TQuestion::Read(*dstTest).jiexi);
}

// Judges option k, then selects it. A right answer may have moved on to the next question: option k is then
// selected only if the question on show is still the one the press was for, so one press judges once.
void TPracticeWindow::LetterClick(int k) {
    TsRadioButton* option = std::array{as1, as2, as3, as4}[k - 1];
    const int pressedOn = FPosition;
    as1Click(option);
    if (FPosition == pressedOn)
        option->setChecked(true);
}

void TPracticeWindow::sSpeedButton7Click() {
    const auto answer = ShowMessageBox(this, {QStringLiteral("确认"), QStringLiteral("确定要结束练习吗？"),
                                              QMessageBox::Question, QMessageBox::Yes | QMessageBox::No});
    if (answer == QMessageBox::Yes)
        close();
}
