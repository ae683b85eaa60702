#include "app/UfrmConfig.h"

#include "app/Upublic.h"
#include "platform/DataFolders.h"
#include "platform/Fonts.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "ui/Application.h"
#include "ui/WindowPlacement.h"

namespace {
const QColor kLabelColour(36, 44, 53);

TsLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* label = Place(new TsLabel(caption, parent), name, 16, top, 48, 12);
    label->SetFontColor(kLabelColour);
    return label;
}

TsEdit* MakeEdit(QWidget* parent, const char* name, int top) {
    return Place(new TsEdit(parent), name, 67, top, 293, 20);
}
}  // namespace

TfrmConfig::TfrmConfig(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("frmConfig");
    setWindowTitle(QStringLiteral("参数设定"));
    setFixedSize(373, 232);
    setFont(MakeFont(QStringLiteral("宋体"), 12));

    sLabel1 = MakeLabel(this, "sLabel1", QStringLiteral("单位名称"), 24);
    sLabel2 = MakeLabel(this, "sLabel2", QStringLiteral("报名热线"), 56);
    sLabel3 = MakeLabel(this, "sLabel3", QStringLiteral("报名地址"), 88);
    sEdit1 = MakeEdit(this, "sEdit1", 19);
    sEdit2 = MakeEdit(this, "sEdit2", 51);
    sEdit3 = MakeEdit(this, "sEdit3", 83);
    sEdit1->setMaxLength(kMaxCentreNameLength);
    sEdit2->setMaxLength(kMaxCentreTelLength);
    sEdit3->setMaxLength(kMaxCentreAddsLength);
    sBitBtn1 = Place(new TsBitBtn(QStringLiteral("确定"), this, TsBitBtn::Kind::OK), "sBitBtn1", 43, 160, 97, 33);
    sBitBtn2 = Place(new TsBitBtn(QStringLiteral("取消"), this, TsBitBtn::Kind::Cancel), "sBitBtn2", 235, 160, 97, 33);

    // The two additions share the room between the boxes and the buttons: the check box, then (installed) two lines.
    chkResult = Place(new TsCheckBox(QStringLiteral("考试结束后显示成绩单"), this), "chkResult", 16, 108, 200, 18);
    lblSaveTo = Place(new TsLabel(QString(), this), "lblSaveTo", 16, 128, 344, 30);
    lblSaveTo->setWordWrap(true);
    lblSaveTo->SetFontColor(kLabelColour);
    lblSaveTo->setVisible(DataFolders::Installed());
    if (DataFolders::Installed()) {
        lblSaveTo->setText(QStringLiteral("只为您本人保存到：%1").arg(DataFolders::SettingsFile()));
    }

    // Outside the Tab cycle of the centre's boxes and buttons, which stays as it always was.
    chkResult->setFocusPolicy(Qt::ClickFocus);

    sBitBtn1->setDefault(true);
    connect(sBitBtn1, &QPushButton::clicked, this, Handled([this] { OkPressed(); }));
    connect(sBitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(sEdit1, sEdit2);
    setTabOrder(sEdit2, sEdit3);
    setTabOrder(sEdit3, sBitBtn1);
    setTabOrder(sBitBtn1, sBitBtn2);
    sEdit1->setFocus();

    CentreOnScreen(this);
    FormCreate();
}

void TfrmConfig::FormCreate() {
    QString name, tel, adds;
    ReadConfig(name, tel, adds);
    sEdit1->setText(name);
    sEdit2->setText(tel);
    sEdit3->setText(adds);
    chkResult->setChecked(ReadShowResult());
}

// The result is OK before anything is written: a write that fails is reported, and the dialog still
// closes with OK, as the button promised.
void TfrmConfig::OkPressed() {
    setResult(QDialog::Accepted);
    try {
        sBitBtn1Click();
    } catch (...) {
        done(QDialog::Accepted);
        throw;
    }
    done(QDialog::Accepted);
}

void TfrmConfig::sBitBtn1Click() {
    WriteConfig(sEdit1->text(), sEdit2->text(), sEdit3->text());
    // Written only when changed, so that a settings file of a training centre gains no key it did not ask for.
    if (chkResult->isChecked() != ReadShowResult())
        WriteShowResult(chkResult->isChecked());
}
