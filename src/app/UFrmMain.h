#pragma once

#include <QWidget>
#include <vector>

class QAction;
class QMenu;
class TImage;
class TsBitBtn;
class TsGroupBox;
class TsLabelFX;
class TsPanel;
class TsSkinManager;
class TsSpeedButton;
class TsStatusBar;

// The maker's web site, opened by "作者网站" and shown in the status bar.
inline const QString kMakerWebSite = QStringLiteral("http://www.quorvane.example/");

// The main window: the five mock exams, practice, reference pages and games, the settings, and the
// training centre's name, hotline and address. Closing it ends the program.
class TfrmMain : public QWidget {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);

    TsGroupBox* sGroupBox1;
    TImage* Image1;
    TsSpeedButton* sSpeedButton1;
    TsSpeedButton* sSpeedButton2;
    TsSpeedButton* sSpeedButton3;
    TsSpeedButton* sSpeedButton4;
    TsSpeedButton* sSpeedButton5;
    TsPanel* sPanel1;
    TsBitBtn* sBitBtn1;
    TsBitBtn* sBitBtn2;
    TsBitBtn* btnZJ;
    TsBitBtn* btnFG;
    TsBitBtn* btnBZ;
    TsBitBtn* btnJQ;
    TsBitBtn* btnGame;
    TsBitBtn* sBitBtn9;
    TsBitBtn* sBitBtn8;
    // 学习记录: the records window; shown with records only.
    TsBitBtn* btnRecords;
    TsLabelFX* lbl1;
    TsLabelFX* sLabelFX2;
    TsLabelFX* lbl2;
    TsStatusBar* sStatusBar1;
    TsSkinManager* sSkinManager1;
    QMenu* PopupMenu1;
    QMenu* PopupMenu2;
    QMenu* PopupMenu3;
    QMenu* PopupMenu4;
    QMenu* PopupMenu5;

    // The five exam buttons, sSpeedButton1Click to sSpeedButton5Click: the mock exam of vehicle group 1 to 5.
    // Practice and exam windows are made only when their bank opens; otherwise one message says it cannot.
    void ShowExam(int kind);
    void sBitBtn1Click();
    void sBitBtn2Click();
    void N10Click(const QAction* item);
    void sBitBtn8Click();
    void sBitBtn9Click();
    void N11Click();
    void N12Click();
    void N13Click();
    void N19Click(const QAction* item);
    void N20Click(const QAction* item);
    void N22Click();
    void N23Click();
    void N24Click();
    void N3D1Click();
    void btnRecordsClick();
    // Practice of exactly these questions of one bank, in this order.
    void ShowQuestionList(const QString& caption, int bank, const std::vector<int>& ids);
    // The status bar's text, with the current learner when there are records.
    void ShowStatus();

private:
    void CreateExamBox();
    void CreatePracticePanel();
    void CreateCentreLabels();
    void FormCreate();
    void ShowCentreInfo();
    void SetCentreLabels(const QString& name, const QString& tel, const QString& adds);
    void ShowSequentialPractice(const QString& filter, const QString& progressKey);
    void CreateRecordItems();
    // Whether the browser window stays, hidden, in its slot once the learner has closed it.
    enum class AfterBrowse { Keep, Destroy };
    void ShowInBrowser(const QString& fileName, const QString& caption, AfterBrowse after);
    void ConnectBrowserItems();
    // A button whose menu opens below it on a left click and at the pointer on a right click.
    TsBitBtn* MenuButton(const char* name, const QString& caption, int left, QMenu* menu);
};

// The main window, from its creation at start-up until the program ends.
inline TfrmMain* frmMain = nullptr;
