#pragma once

#include <optional>

#include "practice/PracticeWindow.h"
#include "records/Positions.h"

class TsEdit;

// Sequential practice over the whole bank or one chapter, in the order the database returns the rows,
// with a jump box and a saved position that the next opening resumes.
class TfrmTest : public TPracticeWindow {
    Q_OBJECT

public:
    explicit TfrmTest(QWidget* parent = nullptr);

    TsSpeedButton* btnJump;
    TsEdit* sEdit1;
    TsLabelFX* sLabelFX4;
    TsSpeedButton* sSpeedButton6;

    void SetBaseSql(const QString& text) { FBaseSql = text; }
    void SetFilter(const QString& text) { FFilter = text; }
    void SetProgressKey(const QString& text) { FProgressKey = text; }

    void btnJumpClick();
    void sSpeedButton6Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    int RowOffset(int n) const override { return n; }
    void FocusAfterShow() override;
    void FormActivate() override;

private:
    std::optional<Positions> LearnerPositions() const;
    int ReadPosition() const;
    void SavePosition();
    void TellOfProgressSetAside();

    QString FProgressKey;
    bool positionRead_ = false;  // the questions and the saved position were read
};

// The window while the main window shows it; empty otherwise.
inline TfrmTest* frmTest = nullptr;
