#pragma once

#include <QDialog>

class TsBitBtn;
class TsCheckBox;
class TsEdit;
class TsLabel;

// The settings dialog: the training centre's name, hotline and address. "确定" writes them to
// config.ini and closes with OK; "取消", Esc and the close box close with Cancel and write nothing.
// Nothing in it needs more rights than the user has: installed, it writes the user's own file only.
class TfrmConfig : public QDialog {
    Q_OBJECT

public:
    explicit TfrmConfig(QWidget* parent = nullptr);

    TsLabel* sLabel1;
    TsLabel* sLabel2;
    TsLabel* sLabel3;
    TsEdit* sEdit1;
    TsEdit* sEdit2;
    TsEdit* sEdit3;
    TsBitBtn* sBitBtn1;
    TsBitBtn* sBitBtn2;
    // Installed, where the settings are saved: the user's own file, which is theirs alone. Hidden when
    // the program keeps its settings in its own folder.
    TsLabel* lblSaveTo;
    // Whether a result sheet follows each exam.
    TsCheckBox* chkResult;

private:
    void FormCreate();
    void OkPressed();
    void sBitBtn1Click();
};

// The dialog while the main window shows it; empty otherwise.
inline TfrmConfig* frmConfig = nullptr;
