#pragma once

#include <QDialog>

#include "records/QuestionRef.h"

class Query;
class TImage;
class TShape;
class TsCheckBox;
class TsLabel;
class TsLabelFX;
class TsMemo;
class TsPanel;
class TsRadioButton;
class TsSpeedButton;

// What the sequential and the random practice windows share: the number line, the question block, the
// hint, the bottom bar with its navigation and letter buttons, and judging with sounds. The two differ
// in how a position maps to a row of the result and in the few controls of their own.
class TPracticeWindow : public QDialog {
    Q_OBJECT

public:
    TsLabelFX* sLabelFX1;
    TsLabel* lblNo;
    TsLabelFX* sLabelFX2;
    TsLabelFX* sLabelFX3;
    TsLabel* lblAll;
    TsLabelFX* sLabelFX5;
    TsCheckBox* chkAutoJmp;
    TShape* Shape1;
    TsMemo* sMemo1;
    TsRadioButton* as1;
    TsRadioButton* as2;
    TsRadioButton* as3;
    TsRadioButton* as4;
    TImage* Image1;
    TsLabel* lblans;
    TsSpeedButton* sSpeedButton1;
    TsPanel* sPanel1;
    TsSpeedButton* btnPrior;
    TsSpeedButton* btnNext;
    TsSpeedButton* sSpeedButton7;
    TsSpeedButton* sSpeedButton2;
    TsSpeedButton* sSpeedButton3;
    TsSpeedButton* sSpeedButton4;
    TsSpeedButton* sSpeedButton5;
    // Stars the question on show for the current learner, or takes the star off; shown with records only.
    TsSpeedButton* btnStar;
    Query* dstTest;

    int Position() const { return FPosition; }

    void btnPriorClick();
    void btnNextClick();
    void as1Click(TsRadioButton* sender);
    void sSpeedButton1Click();
    // The letter buttons "A" to "D": judge option k, selected or not, exactly once.
    void LetterClick(int k);
    void sSpeedButton7Click();
    void btnStarClick();

protected:
    // endButtonLeft: where "结束" stands on the bottom bar.
    TPracticeWindow(const QString& caption, int endButtonLeft, QWidget* parent);

    void OpenQuestions();
    void ShowQuestion(int n);
    int QuestionCount() const;

    // Rows after the first row of the result for the question at position n.
    virtual int RowOffset(int n) const = 0;
    // The window's last step of showing a question: where the keyboard focus goes.
    virtual void FocusAfterShow() = 0;
    // Runs once, when the window is first shown.
    virtual void FormActivate() = 0;

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    int FPosition = 0;
    int FBank = 1;  // the bank the questions come from, as the records name it
    QString FBaseSql;
    QString FFilter;

private:
    void CreateNumberLine();
    void CreateQuestionBlock();
    void CreateBottomBar(int endButtonLeft);
    void ShowExplanation();
    QuestionRef QuestionOnShow() const;
    void ShowStar();

    bool activated_ = false;
    bool explanationShown_ = false;
};
