#include "app/UFrmMain.h"

#include <QImage>
#include <QMenu>
#include <QScopeGuard>
#include <functional>

#include "app/MainMenus.h"
#include "app/UfrmConfig.h"
#include "app/UfrmRecords.h"
#include "app/Upublic.h"
#include "app/WindowSlot.h"
#include "bank/BankQueries.h"
#include "bank/UDM.h"
#include "browse/UfrmBrowse.h"
#include "exam/UfrmMNKS.h"
#include "exam/UfrmResult.h"
#include "paper/ExamKinds.h"
#include "platform/AppDir.h"
#include "platform/Fonts.h"
#include "platform/ImageFormat.h"
#include "platform/UrlOpener.h"
#include "practice/UFrmTest2.h"
#include "practice/UfrmMistakes.h"
#include "practice/UfrmTest.h"
#include "records/ExamHistory.h"
#include "records/Learners.h"
#include "records/RecordsDatabase.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsStatusBar.h"
#include "skin/frame/WindowHook.h"
#include "skin/loading/SkinNames.h"
#include "ui/Application.h"
#include "ui/FocusReturn.h"
#include "ui/TImage.h"
#include "ui/WindowPlacement.h"

namespace {
const QColor kCentreTextColour(255, 255, 0);
const QColor kLabelFontColour(36, 44, 53);
const QString kSkinName = QStringLiteral("s");
// Names the edition of the rules the shipped banks follow.
const QString kCaption = QStringLiteral("Quorvane（２０２５年新版题库）");

QString StatusText() {
    return QStringLiteral("软件技术支持：Morlenta") + QChar(0x3000) + QStringLiteral("网址：") + kMakerWebSite +
           QStringLiteral(" 服务电话：00000000000");
}

TsLabelFX* MakeCentreLabel(QWidget* parent, const char* name, const QString& caption, int pixelSize) {
    // The font comes before the caption, so that the text is never measured in the window's own font.
    auto* label = new TsLabelFX(QString(), parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(MakeFont(QStringLiteral("黑体"), pixelSize));
    label->SetCaption(caption);
    label->SetColor(kLabelFontColour);
    label->SetKind({TsKind::ktCustom, kCentreTextColour});
    return label;
}
}  // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmMain");
    // The skin is read while the controls are made; FormCreate loads it.
    TsSkinManager::Prefetch(AppDir(), kSkinName);
    setWindowTitle(kCaption);
    setWindowIcon(QIcon(QPixmap::fromImage(ReadImageAs(QStringLiteral(":/art/quorvane.png"), "PNG"))));
    setFixedSize(705, 430);
    setFont(MakeFont(QStringLiteral("宋体"), 12));
    // Until a skin paints the form, a deep background keeps the yellow centre labels readable.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, PlainLook::kDeepBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    CreateExamBox();
    CreatePracticePanel();
    sBitBtn9 = Place(new TsBitBtn(QStringLiteral("作者网站"), this), "sBitBtn9", 8, 304, 82, 57);
    sBitBtn8 = Place(new TsBitBtn(QStringLiteral("参数设定"), this), "sBitBtn8", 92, 304, 82, 57);
    for (TsBitBtn* button : {sBitBtn9, sBitBtn8})
        button->SkinData().SetSkinSection(SkinNames::ButtonHuge);
    connect(sBitBtn9, &QPushButton::clicked, this, Handled([this] { sBitBtn9Click(); }));
    connect(sBitBtn8, &QPushButton::clicked, this, Handled([this] { sBitBtn8Click(); }));
    CreateCentreLabels();
    sStatusBar1 = new TsStatusBar(this);
    sStatusBar1->setObjectName("sStatusBar1");
    ShowStatus();
    btnRecords = Place(new TsBitBtn(QStringLiteral("学习记录"), this), "btnRecords", 178, 304, 82, 57);
    btnRecords->SkinData().SetSkinSection(SkinNames::ButtonHuge);
    btnRecords->setVisible(Records != nullptr);
    connect(btnRecords, &QPushButton::clicked, this, Handled([this] { btnRecordsClick(); }));

    // The window's own order, then the records and the exams, which the keyboard reaches after the rest.
    setTabOrder(sGroupBox1, sPanel1);
    QWidget* previous = sPanel1;
    for (QWidget* next :
         {static_cast<QWidget*>(sBitBtn1), static_cast<QWidget*>(sBitBtn2), static_cast<QWidget*>(btnZJ),
          static_cast<QWidget*>(btnFG), static_cast<QWidget*>(btnBZ), static_cast<QWidget*>(btnJQ),
          static_cast<QWidget*>(btnGame), static_cast<QWidget*>(sBitBtn8), static_cast<QWidget*>(sBitBtn9),
          static_cast<QWidget*>(btnRecords), static_cast<QWidget*>(sSpeedButton1), static_cast<QWidget*>(sSpeedButton2),
          static_cast<QWidget*>(sSpeedButton3), static_cast<QWidget*>(sSpeedButton4),
          static_cast<QWidget*>(sSpeedButton5)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    sBitBtn1->setFocus();

    CentreOnScreen(this);
    FormCreate();
}

void TfrmMain::CreateExamBox() {
    sGroupBox1 = Place(new TsGroupBox(QStringLiteral("模拟考试"), this), "sGroupBox1", 8, 8, 689, 209);
    sGroupBox1->SetColor(QColor(237, 246, 255));
    sGroupBox1->setFont(MakeFont(QStringLiteral("黑体"), 16));
    sGroupBox1->SkinData().SetSkinSection(SkinNames::Toolbar);
    sGroupBox1->CaptionSkin().SetSkinSection(SkinNames::ButtonBig);

    Image1 = Place(new TImage(sGroupBox1), "Image1", 8, 24, 670, 165);
    Image1->SetCenter(true);
    Image1->SetTransparent(true);
    Image1->SetAutoSize(true);
    Image1->SetPicture(ReadImageAs(QStringLiteral(":/art/banner.bmp"), "BMP"));

    // The kinds of exam in the order of the buttons, each button where the layout puts it.
    struct ExamButton {
        TsSpeedButton*& button;
        const char* name;
        int left;
        int width;
    };
    const ExamButton buttons[] = {
        {sSpeedButton1, "sSpeedButton1", 24, 121},  {sSpeedButton2, "sSpeedButton2", 160, 121},
        {sSpeedButton3, "sSpeedButton3", 304, 121}, {sSpeedButton4, "sSpeedButton4", 424, 137},
        {sSpeedButton5, "sSpeedButton5", 552, 121},
    };
    for (size_t k = 0; k < std::size(buttons); ++k) {
        const ExamButton& exam = buttons[k];
        const ExamKindInfo& info = ExamKinds()[k];
        exam.button =
            Place(new TsSpeedButton(info.buttonCaption, sGroupBox1), exam.name, exam.left, 150, exam.width, 41);
        exam.button->SkinData().SetSkinSection(SkinNames::WebButton);
        exam.button->setCursor(Qt::PointingHandCursor);
        exam.button->setFocusPolicy(Qt::StrongFocus);
        connect(exam.button, &QAbstractButton::clicked, this, Handled([this, kind = info.kind] { ShowExam(kind); }));
    }
}

void TfrmMain::CreatePracticePanel() {
    sPanel1 = Place(new TsPanel(this), "sPanel1", 8, 224, 689, 73);
    sPanel1->SkinData().SetSkinSection(SkinNames::Toolbar);
    sBitBtn1 = Place(new TsBitBtn(QStringLiteral("顺序练习"), sPanel1), "sBitBtn1", 11, 8, 89, 57);
    sBitBtn2 = Place(new TsBitBtn(QStringLiteral("随机练习"), sPanel1), "sBitBtn2", 107, 8, 89, 57);
    PopupMenu1 = CreateChapterMenu(this);
    PopupMenu2 = CreateLawMenu(this);
    PopupMenu3 = CreateSignMenu(this);
    PopupMenu4 = CreateTipMenu(this);
    PopupMenu5 = CreateGameMenu(this);
    btnZJ = MenuButton("btnZJ", QStringLiteral("章节练习"), 203, PopupMenu1);
    btnFG = MenuButton("btnFG", QStringLiteral("交通法规"), 299, PopupMenu2);
    btnBZ = MenuButton("btnBZ", QStringLiteral("交通标志"), 395, PopupMenu3);
    btnJQ = MenuButton("btnJQ", QStringLiteral("考试技巧"), 491, PopupMenu4);
    btnGame = MenuButton("btnGame", QStringLiteral("练车游戏"), 587, PopupMenu5);
    connect(sBitBtn1, &QPushButton::clicked, this, Handled([this] { sBitBtn1Click(); }));
    connect(sBitBtn2, &QPushButton::clicked, this, Handled([this] { sBitBtn2Click(); }));
    for (QAction* item : PopupMenu1->actions()) {
        connect(item, &QAction::triggered, this, Handled([this, item] { N10Click(item); }));
    }
    CreateRecordItems();
    ConnectBrowserItems();
    for (TsBitBtn* button : {sBitBtn1, sBitBtn2, btnZJ, btnFG, btnBZ, btnJQ, btnGame}) {
        button->SkinData().SetSkinSection(SkinNames::ToolButton);
    }
}

TsBitBtn* TfrmMain::MenuButton(const char* name, const QString& caption, int left, QMenu* menu) {
    TsBitBtn* button = Place(new TsBitBtn(caption, sPanel1), name, left, 8, 89, 57);
    connect(button, &QPushButton::clicked, menu,
            [button, menu] { menu->exec(button->mapToGlobal(QPoint(0, button->height()))); });
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, menu,
            [button, menu](const QPoint& pointer) { menu->exec(button->mapToGlobal(pointer)); });
    return button;
}

void TfrmMain::CreateCentreLabels() {
    lbl1 = MakeCentreLabel(this, "lbl1", QStringLiteral("***驾驶员培训中心"), 19);
    lbl1->SetAlignment(Qt::AlignCenter);
    lbl1->move(384, 320);
    sLabelFX2 = MakeCentreLabel(this, "sLabelFX2", QStringLiteral("报名热线：\r\n报名地址："), 14);
    sLabelFX2->move(288, 352);
    lbl2 = MakeCentreLabel(this, "lbl2", QStringLiteral("************\r\n************"), 14);
    lbl2->move(360, 353);
}

void TfrmMain::FormCreate() {
    // Every form and dialog made from now on gets the skinned frame. A skin that cannot be loaded is
    // reported by the manager itself; the window keeps its plain look.
    WindowHook::Install();
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->setObjectName(QStringLiteral("sSkinManager1"));
    sSkinManager1->SetSkinDirectory(AppDir());
    sSkinManager1->SetSkinName(kSkinName);
    sSkinManager1->SetActive(true);
    ShowCentreInfo();
}

void TfrmMain::ShowCentreInfo() {
    QString name, tel, adds;
    ReadConfig(name, tel, adds);
    SetCentreLabels(name, tel, adds);
}

void TfrmMain::SetCentreLabels(const QString& name, const QString& tel, const QString& adds) {
    lbl1->SetCaption(name);
    lbl2->SetCaption(tel + QStringLiteral("\r\n") + adds);
}

void TfrmMain::sBitBtn8Click() {
    WindowSlot<TfrmConfig> dialog(frmConfig, new TfrmConfig(this));
    if (dialog->exec() == QDialog::Accepted) {
        SetCentreLabels(dialog->sEdit1->text(), dialog->sEdit2->text(), dialog->sEdit3->text());
    }
}

void TfrmMain::sBitBtn9Click() {
    OpenUrl(kMakerWebSite);
}

void TfrmMain::sBitBtn1Click() {
    ShowSequentialPractice(QString(), QStringLiteral("0"));
}

void TfrmMain::sBitBtn2Click() {
    DM->OpenBankFor(BankId::Car);
    WindowSlot<TfrmTest2> practice(frmTest2, new TfrmTest2(this));
    practice->exec();
}

void TfrmMain::N10Click(const QAction* item) {
    const QString chapter = QString::number(ItemTag(item));
    ShowSequentialPractice(BankQueries::ChapterFilter(chapter), chapter);
}

void TfrmMain::ShowSequentialPractice(const QString& filter, const QString& progressKey) {
    DM->OpenBankFor(BankId::Car);
    WindowSlot<TfrmTest> practice(frmTest, new TfrmTest(this));
    practice->SetBaseSql(BankQueries::AllQuestionsSql());
    practice->SetFilter(filter);
    practice->SetProgressKey(progressKey);
    practice->exec();
}

// The records window, the mistake book and the starred questions at the end of the chapter menu, with records only.
void TfrmMain::CreateRecordItems() {
    if (Records == nullptr)
        return;
    PopupMenu1->addSeparator();
    QAction* records = PopupMenu1->addAction(QStringLiteral("学习记录（错题本、收藏）..."));
    records->setObjectName("NRecords");
    connect(records, &QAction::triggered, this, Handled([this] { btnRecordsClick(); }));
}

void TfrmMain::ShowStatus() {
    QString text = StatusText();
    if (Records != nullptr)
        text += QChar(0x3000) + QStringLiteral("当前学员：") + Learners(*Records).Current().name;
    sStatusBar1->SetPanelText(text);
}

void TfrmMain::btnRecordsClick() {
    if (Records == nullptr)
        return;
    const auto showStatus = qScopeGuard([this] { ShowStatus(); });
    WindowSlot<TfrmRecords> window(frmRecords, new TfrmRecords(*Records, this));
    window->practiseChapter = [this](const QString& chapter) {
        ShowSequentialPractice(BankQueries::ChapterFilter(chapter), chapter);
    };
    window->practiseList = [this](const QString& caption, int bank, const std::vector<int>& ids) {
        ShowQuestionList(caption, bank, ids);
    };
    window->exec();
}

void TfrmMain::ConnectBrowserItems() {
    const auto onItem = [this](QMenu* menu, const char* name, const std::function<void(const QAction*)>& handler) {
        const QAction* item = menu->findChild<QAction*>(QLatin1String(name));
        connect(item, &QAction::triggered, this, Handled([item, handler] { handler(item); }));
    };
    onItem(PopupMenu2, "N11", [this](const QAction*) { N11Click(); });
    onItem(PopupMenu2, "N12", [this](const QAction*) { N12Click(); });
    onItem(PopupMenu2, "N13", [this](const QAction*) { N13Click(); });
    for (const char* name : {"N14", "N15", "N16", "N18", "N17", "N19"})
        onItem(PopupMenu3, name, [this](const QAction* item) { N19Click(item); });
    for (const char* name : {"N20", "N21"})
        onItem(PopupMenu4, name, [this](const QAction* item) { N20Click(item); });
    onItem(PopupMenu5, "N22", [this](const QAction*) { N22Click(); });
    onItem(PopupMenu5, "N23", [this](const QAction*) { N23Click(); });
    onItem(PopupMenu5, "N24", [this](const QAction*) { N24Click(); });
    onItem(PopupMenu5, "N3D1", [this](const QAction*) { N3D1Click(); });
}

void TfrmMain::N11Click() {
    ShowInBrowser(QStringLiteral("image\\jt0.htm"), QStringLiteral("中华人民共和国道路交通安全法"), AfterBrowse::Keep);
}

void TfrmMain::N12Click() {
    ShowInBrowser(QStringLiteral("image\\jt1.htm"), QStringLiteral("中华人民共和国道路交通安全法实施条例"),
                  AfterBrowse::Keep);
}

void TfrmMain::N13Click() {
    ShowInBrowser(QStringLiteral("image\\jt2.htm"),
                  QStringLiteral("机动车驾驶证申领和使用规定（2022年4月1日起施行）要点"), AfterBrowse::Keep);
}

void TfrmMain::N19Click(const QAction* item) {
    ShowInBrowser(QStringLiteral("image\\bz") + QString::number(ItemTag(item)) + QStringLiteral(".htm"),
                  QStringLiteral("交通标志"), AfterBrowse::Keep);
}

void TfrmMain::N20Click(const QAction* item) {
    ShowInBrowser(QStringLiteral("image\\JQ") + QString::number(ItemTag(item)) + QStringLiteral(".htm"),
                  QStringLiteral("考试技巧"), AfterBrowse::Keep);
}

void TfrmMain::N22Click() {
    ShowInBrowser(QStringLiteral("game\\lianliankan.swf"), QStringLiteral("交通标志连连看"), AfterBrowse::Destroy);
}

void TfrmMain::N23Click() {
    ShowInBrowser(QStringLiteral("game\\daoche.swf"), QStringLiteral("经典倒车小游戏"), AfterBrowse::Destroy);
}

void TfrmMain::N24Click() {
    ShowInBrowser(QStringLiteral("game\\jiachegaoshou.swf"), QStringLiteral("驾车高手"), AfterBrowse::Destroy);
}

void TfrmMain::N3D1Click() {
    ShowInBrowser(QStringLiteral("game\\mnjs.swf"), QStringLiteral("模拟驾驶游戏"), AfterBrowse::Destroy);
}

void TfrmMain::ShowInBrowser(const QString& fileName, const QString& caption, AfterBrowse after) {
    const FocusReturn focus(this);
    if (frmBrowse == nullptr)
        frmBrowse = new TfrmBrowse(this);
    // A game never stays loaded in a hidden window, however its command ends.
    const auto dropGame = qScopeGuard([after] {
        if (after == AfterBrowse::Destroy)
            delete frmBrowse;
    });
    frmBrowse->setWindowTitle(caption);
    frmBrowse->Navigate(AppDir() + fileName);
    frmBrowse->exec();
}

// Every exam button starts a fresh exam in a fresh window; the exam window has no owner.
// An exam with at least one answer is kept in the learner's records once its window is gone, and its result sheet
// shown unless the settings turned it off.
void TfrmMain::ShowExam(int kind) {
    ExamSheet sheet;
    ExamResult result;
    int bank = 1;
    const ExamKindInfo* info = FindExamKind(kind);
    DM->OpenBankFor(info != nullptr ? info->bank : BankId::Car);
    {
        WindowSlot<TfrmMNKS> exam(frmMNKS, new TfrmMNKS);
        exam->SetExamKind(kind);
        exam->exec();
        sheet = exam->Sheet();
        result = exam->Result();
        bank = exam->Bank();
    }
    if (sheet.Empty())
        return;
    RecordExamForCurrentLearner(result);
    if (!ReadShowResult())
        return;
    std::vector<int> wrong;
    for (const SheetAnswer& answer : sheet.Wrong())
        wrong.push_back(answer.question.ID);
    {
        WindowSlot<TfrmResult> sheetWindow(frmResult, new TfrmResult(result, sheet, this));
        if (sheetWindow->exec() != TfrmResult::kPractiseWrong)
            return;
    }
    ShowQuestionList(QStringLiteral("错题练习"), bank, wrong);
}

void TfrmMain::ShowQuestionList(const QString& caption, int bank, const std::vector<int>& ids) {
    DM->OpenBankFor(static_cast<BankId>(bank));
    WindowSlot<TfrmMistakes> practice(frmMistakes, new TfrmMistakes(caption, bank, ids, this));
    practice->exec();
}
