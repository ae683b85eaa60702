#pragma once

#include <vector>

#include "practice/PracticeWindow.h"

// Practice of a list of questions of one bank in the order given: the mistake book (due ones first), the starred
// questions, or the questions missed in an exam. Questions no longer in the bank are left out.
class TfrmMistakes : public TPracticeWindow {
    Q_OBJECT

public:
    TfrmMistakes(const QString& caption, int bank, std::vector<int> ids, QWidget* parent = nullptr);

protected:
    int RowOffset(int n) const override;
    void FocusAfterShow() override;
    void FormActivate() override;

private:
    std::vector<int> FIds;
    std::vector<int> FRows;  // the row of the result for each position
};

// The window while the main window shows it; empty otherwise.
inline TfrmMistakes* frmMistakes = nullptr;
