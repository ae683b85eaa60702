#include "exam/UfrmMNKS.h"

#include <QKeyEvent>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTimer>
#include <tuple>

#include "bank/BankQueries.h"
#include "bank/TQuestion.h"
#include "bank/UDM.h"
#include "exam/OptionFit.h"
#include "platform/DrawSeed.h"
#include "platform/Fonts.h"
#include "platform/ImageFormat.h"
#include "platform/Query.h"
#include "questionview/AnswerFeedback.h"
#include "questionview/AnswerKeys.h"
#include "questionview/OptionButtons.h"
#include "questionview/QuestionBlock.h"
#include "records/AnswerLog.h"
#include "skin/controls/EnterKey.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
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
constexpr int kOptionLeft = 267;
constexpr std::array kOptionTops{280, 309, 338, 368};
// The options stand in the light panel of the background, whose right edge is the picture's; each has the height of
// its row.
constexpr QSize kOptionRoom(376 + 313 - kOptionLeft, 309 - 280);

QFont OptionFont() {
    return MakeFont(QStringLiteral("黑体"), 14);
}

// A label of the exam's own: size fixed as laid out, the text centred or left.
TsLabelFX* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect place, int pixelSize = 11,
                     bool centred = false) {
    auto* label = new TsLabelFX(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(MakeFont(QStringLiteral("MS Sans Serif"), pixelSize));
    label->SetColor(kLabelColour);
    label->move(place.topLeft());
    if (centred) {
        label->SetAlignment(Qt::AlignCenter);
        label->SetAutoSize(false);
        label->resize(place.size());
    }
    return label;
}

void ShowMessage(QWidget* owner, const QString& text) {
    ShowMessageBox(owner, {QStringLiteral("提示"), text, QMessageBox::Information, QMessageBox::Ok});
}
}  // namespace

TfrmMNKS::TfrmMNKS(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmMNKS");
    setWindowTitle(QStringLiteral("模拟考试"));
    setFixedSize(712, 460);
    setFont(MakeFont(QStringLiteral("MS Sans Serif"), 11));

    Shape1 = Place(new TShape(QColor(49, 49, 49), QColor(49, 49, 49), this), "Shape1", 0, 0, 712, 460);
    Image = Place(new TImage(this), "Image", -3, -10, 717, 468);
    Image->SetCenter(true);
    Image->SetAutoSize(true);
    Image->SetPicture(ReadImageAs(QStringLiteral(":/art/exam.bmp"), "BMP"));
    CreateLabels();
    CreateQuestionBlock();

    dstTest = new Query(this);
    dstTest->setObjectName("dstTest");
    DM->UseQuestionTable(dstTest, BankId::Car);
    qry = new Query(this);
    qry->setObjectName("qry");
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, Handled([this] { Timer1Timer(); }));

    CentreOnScreen(this);
    FormCreate();
}

void TfrmMNKS::CreateLabels() {
    lblLeftTime = MakeLabel(this, "lblLeftTime", ExamTimeText(Rules().Seconds()), {104, 49, 104, 33}, 24);
    lblJZLX = MakeLabel(this, "lblJZLX", QStringLiteral("C1 C2 C3 C4"), {101, 155, 65, 17});
    lblSource = MakeLabel(this, "lblSource", QStringLiteral("100"), {145, 195, 29, 20}, 13);
    QFont bold = lblSource->font();
    bold.setBold(true);
    lblSource->setFont(bold);
    sLabelFX4 = MakeLabel(this, "sLabelFX4", QStringLiteral("第"), {295, 171, 16, 17});
    lblNo = MakeLabel(this, "lblNo", QStringLiteral("100"), {319, 171, 22, 17}, 11, true);
    sLabelFX5 = MakeLabel(this, "sLabelFX5", QStringLiteral("题"), {351, 171, 16, 17});
    sLabelFX7 = MakeLabel(this, "sLabelFX7", QStringLiteral("还有"), {417, 173, 28, 17});
    lblExt = MakeLabel(this, "lblExt", QStringLiteral("100"), {449, 174, 22, 17}, 11, true);
    sLabelFX8 = MakeLabel(this, "sLabelFX8", QStringLiteral("题未作答"), {482, 173, 52, 17});

    btnExit = Place(new TsSpeedButton(QStringLiteral("退出考试系统"), this), "btnExit", 56, 400, 129, 33);
    btnExit->SkinData().SetSkinSection(SkinNames::ToolButton);
    btnExit->setFocusPolicy(Qt::TabFocus);
    connect(btnExit, &QAbstractButton::clicked, this, Handled([this] { btnExitClick(); }));
}

void TfrmMNKS::CreateQuestionBlock() {
    lblTM = Place(new TsLabel(QStringLiteral("中华人民共和国交通法规定_____"), this), "lblTM", 264, 208, 417, 65);
    lblTM->setWordWrap(true);
    lblTM->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTM->setFont(MakeFont(QStringLiteral("黑体"), 16));
    lblTM->SetFontColor(QColor(255, 107, 33));
    lblTM->SetUseSkinColor(false);
    Image1 = Place(new TImage(this), "Image1", 376, 264, 313, 177);
    Image1->SetCenter(true);
    lblTS = Place(new TsLabel(QStringLiteral("请开始答题"), this), "lblTS", 24, 224, 193, 57);
    lblTS->setWordWrap(true);
    lblTS->setAlignment(Qt::AlignCenter);
    QFont message = MakeFont(QStringLiteral("宋体"), 14);
    message.setBold(true);
    lblTS->setFont(message);
    lblTS->SetFontColor(Qt::yellow);
    lblTS->SetUseSkinColor(false);

    std::tie(as1, as2, as3, as4) = std::tuple_cat(MakeOptionButtons(
        this, OptionFont(), kOptionLeft, kOptionTops, [this](TsRadioButton* option) { as1Click(option); }));
    btnNext = Place(new TsButton(QStringLiteral("下一题"), this), "btnNext", 272, 416, 73, 25);
    connect(btnNext, &QAbstractButton::clicked, this, Handled([this] { btnNextClick(); }));
    for (size_t k = 0; k < 4; ++k)
        Options()[k]->setToolTip(AnswerKeys::OptionHint(int(k) + 1));
    btnNext->setToolTip(AnswerKeys::NextHint());
    setTabOrder(as1, as2);
    setTabOrder(as2, as3);
    setTabOrder(as3, as4);
    setTabOrder(as4, btnNext);
    setTabOrder(btnNext, btnExit);
}

void TfrmMNKS::FormCreate() {
    FScore = 0;
    FLeftSeconds = Rules().Seconds();
    lblSource->SetCaption(QStringLiteral("0"));
}

void TfrmMNKS::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    Application::RunHandled([this] { FormActivate(); });
}

// Nothing can be answered until a paper stands: a paper that could not be composed leaves the window with no
// question to answer. Once it stands the clock starts, whatever the first question's display then does.
void TfrmMNKS::FormActivate() {
    EnableOptions(false);
    btnNext->setEnabled(false);
    OpenQuestionTable();
    MakePaper();
    FCurrentNo = 1;
    Timer1->start();
    ShowAnswerable(1);
}

// Clearing the last answer disables the options (as1Click): answering opens once the question stands, also when
// its picture could not be shown, so that question can still be answered.
void TfrmMNKS::ShowAnswerable(int n) {
    btnNext->setEnabled(true);
    try {
        ShowQuestion(n);
    } catch (...) {
        EnableOptions(true);
        throw;
    }
    EnableOptions(true);
}

// The exam ends with "退出考试系统" or the close box only: a stray Esc must not end it and lose the score.
// Enter on an option answers with it, as a click would (the buttons take Enter themselves). Alt with a letter answers
// as a click on that option would, while the option can be clicked; Alt+N as "下一题".
void TfrmMNKS::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    if (auto* option = qobject_cast<TsRadioButton*>(focusWidget()); option != nullptr && PressOnEnter(*option, *event))
        return;
    const AnswerKeys::Key key = AnswerKeys::Read(*event);
    if (key.action == AnswerKeys::Action::Option) {
        TsRadioButton* option = Options()[size_t(key.option - 1)];
        if (option->isEnabled() && option->isVisibleTo(this))
            option->click();
        return;
    }
    if (key.action == AnswerKeys::Action::Next) {
        if (btnNext->isEnabled())
            btnNext->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Tab stops at every option shown, then at "下一题" and "退出考试系统". Left to themselves, options that exclude each
// other would make one tab stop, the checked one or the first, and the others could be reached by arrows only.
bool TfrmMNKS::focusNextPrevChild(bool next) {
    const std::array<QWidget*, 6> chain{as1, as2, as3, as4, btnNext, btnExit};
    const auto at = std::find(chain.begin(), chain.end(), focusWidget());
    if (at == chain.end())
        return QDialog::focusNextPrevChild(next);
    const auto count = chain.size();
    const auto from = size_t(at - chain.begin());
    for (size_t step = 1; step < count; ++step) {
        QWidget* candidate = chain[(from + (next ? step : count - step)) % count];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    return true;
}

void TfrmMNKS::OpenQuestionTable() {
    const ExamKindInfo* info = FindExamKind(ExamKind);
    if (info == nullptr)
        return;
    dstTest->Close();
    DM->UseQuestionTable(dstTest, info->bank);
    dstTest->Open();
}

// Seeded once per paper, so two exams get different papers.
void TfrmMNKS::MakePaper() {
    qry->SetConnection(dstTest->GetConnection());
    QRandomGenerator generator(DrawSeed());
    const ExamKindInfo* info = FindExamKind(ExamKind);
    if (info == nullptr)
        return;
    lblJZLX->SetCaption(info->label);
    PaperComposer(*qry, [&generator](int n) { return int(generator.bounded(n)); }).MakePaper(*info, FPaperIDs);
}

void TfrmMNKS::ShowQuestion(int n) {
    dstTest->SetFiltered(false);
    dstTest->SetFilter(BankQueries::QuestionIdFilter(size_t(n) < FPaperIDs.size() ? FPaperIDs[size_t(n)] : 0));
    dstTest->SetFiltered(true);
    lblNo->SetCaption(QString::number(n));
    lblExt->SetCaption(QString::number(Rules().paperSize + 1 - n));
    {
        // The options show the new question also when its picture cannot be loaded.
        const auto fitOptions = qScopeGuard([this] {
            for (TsRadioButton* option : Options()) {
                if (!option->isHidden())
                    FitOption(option, OptionFont(), kOptionRoom);
            }
        });
        ShowQuestionBlock(TQuestion::Read(*dstTest),
                          {[this](const QString& text) { lblTM->setText(text); }, Options(), Image1});
    }
    btnNext->setFocus();
}

void TfrmMNKS::EnableOptions(bool enabled) {
    for (TsRadioButton* option : Options())
        option->setEnabled(enabled);
}

void TfrmMNKS::as1Click(TsRadioButton* sender) {
    EnableOptions(false);
    if (!sender->isChecked())
        return;
    const TQuestion question = TQuestion::Read(*dstTest);
    const bool right = AnswerFeedback::IsRight(sender->Tag(), question.ans);
    ShowJudgement(right, question);
    // Kept once the learner has heard and read the judgement.
    FSheet.Add(question, sender->Tag(), right);
    RecordForCurrentLearner({Bank(), question.ID, question.zhanjie}, right);
}

int TfrmMNKS::Bank() const {
    return int(Rules().bank);
}

const ExamKindInfo& TfrmMNKS::Rules() const {
    return ExamRules(ExamKind);
}

void TfrmMNKS::SetExamKind(int kind) {
    ExamKind = kind;
    FLeftSeconds = Rules().Seconds();
    lblLeftTime->SetCaption(ExamTimeText(FLeftSeconds));
}

void TfrmMNKS::ShowJudgement(bool right, const TQuestion& question) {
    if (right) {
        lblTS->setText(QStringLiteral("恭喜您!回答正确!"));
        AnswerFeedback::PlayRight();
        FScore += Rules().PointsFor(TypeOf(question));
        lblSource->SetCaption(QString::number(FScore));
        btnNextClick();
        return;
    }
    AnswerFeedback::PlayWrong();
    const QString letter = AnswerFeedback::Letter(question.ans);
    if (letter.isEmpty())
        return;
    lblTS->setText(QStringLiteral("正确答案应该是") + letter);
    AnswerFeedback::SpeakLetter(question.ans);
}

ExamResult TfrmMNKS::Result() const {
    const ExamKindInfo* info = FindExamKind(ExamKind);
    return {{},
            ExamKind,
            info != nullptr ? info->label : QString(),
            FScore,
            std::clamp(Rules().Seconds() - FLeftSeconds, 0, Rules().Seconds()),
            FSheet.Chapters()};
}

void TfrmMNKS::btnNextClick() {
    const auto options = Options();
    if (std::none_of(options.begin(), options.end(), [](TsRadioButton* option) { return option->isChecked(); })) {
        ShowMessage(this, QStringLiteral("您还没有解答!"));
        return;
    }
    if (FCurrentNo == Rules().paperSize)
        return;
    ++FCurrentNo;
    lblTS->setText(QStringLiteral("请开始答题!"));
    ShowAnswerable(FCurrentNo);
}

// The time shown is a count of handled ticks, not a reading of the wall clock. At time-up answering ends:
// the options are disabled with the button that moves on.
void TfrmMNKS::Timer1Timer() {
    lblLeftTime->SetCaption(ExamTimeText(FLeftSeconds));
    --FLeftSeconds;
    if (FLeftSeconds >= 0)
        return;
    btnNext->setEnabled(false);
    EnableOptions(false);
    Timer1->stop();
    lblTS->setText(QStringLiteral("考试时间到！"));
    ShowMessage(this, QStringLiteral("考试时间到！"));
}

void TfrmMNKS::btnExitClick() {
    close();
}
