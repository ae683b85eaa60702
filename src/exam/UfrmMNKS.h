#pragma once

#include <QDialog>

#include "paper/PaperComposer.h"
#include "records/ExamSheet.h"

class QTimer;
class Query;
class TImage;
class TShape;
class TsButton;
class TsLabel;
class TsLabelFX;
class TsRadioButton;
class TsSpeedButton;

// One timed mock exam of 100 questions for one vehicle group: each answer is judged at once with a sound
// and a sentence, right answers are counted as the score, and the clock counts 45 minutes down.
class TfrmMNKS : public QDialog {
    Q_OBJECT

public:
    explicit TfrmMNKS(QWidget* parent = nullptr);

    TShape* Shape1;
    TImage* Image;
    TsLabelFX* lblLeftTime;
    TsLabelFX* lblJZLX;
    TsLabelFX* lblSource;
    TsLabelFX* sLabelFX4;
    TsLabelFX* lblNo;
    TsLabelFX* sLabelFX5;
    TsLabelFX* sLabelFX7;
    TsLabelFX* lblExt;
    TsLabelFX* sLabelFX8;
    TsSpeedButton* btnExit;
    TsLabel* lblTM;
    TImage* Image1;
    TsLabel* lblTS;
    TsRadioButton* as1;
    TsRadioButton* as2;
    TsRadioButton* as3;
    TsRadioButton* as4;
    TsButton* btnNext;
    Query* dstTest;
    Query* qry;
    QTimer* Timer1;

    // Sets the kind, and with it the time the paper allows.
    void SetExamKind(int kind);
    void OpenQuestionTable();
    void MakePaper();
    void ShowQuestion(int n);

    void Timer1Timer();
    void as1Click(TsRadioButton* sender);
    void btnNextClick();
    void btnExitClick();

    int Score() const { return FScore; }
    int CurrentNo() const { return FCurrentNo; }
    int LeftSeconds() const { return FLeftSeconds; }
    const ExamPaper& PaperIDs() const { return FPaperIDs; }
    // The answers given so far, and the exam as the records keep it (its time left for the caller to set).
    const ExamSheet& Sheet() const { return FSheet; }
    ExamResult Result() const;
    // The bank the paper is drawn from, as the records name it: 2 for the motorcycle bank, else 1.
    int Bank() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void CreateLabels();
    void CreateQuestionBlock();
    void FormCreate();
    void FormActivate();
    std::array<TsRadioButton*, 4> Options() const { return {as1, as2, as3, as4}; }
    void EnableOptions(bool enabled);
    void ShowAnswerable(int n);
    // The sound and the sentence for an answer; a right one is scored and moves on.
    void ShowJudgement(bool right, const TQuestion& question);
    // The rules of the kind set; those of the first kind before one is set.
    const ExamKindInfo& Rules() const;

    int FLeftSeconds = 0;
    int FScore = 0;
    int FCurrentNo = 0;
    ExamPaper FPaperIDs{};
    ExamSheet FSheet;
    int ExamKind = 0;
    bool activated_ = false;
};

// The exam window while the main window shows it; empty otherwise.
inline TfrmMNKS* frmMNKS = nullptr;
