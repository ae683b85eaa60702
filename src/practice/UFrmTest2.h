#pragma once

#include <vector>

#include "practice/PracticeWindow.h"

// Random practice over the whole bank: a sequence of random rows, drawn anew each time the window is
// created. A question may come up more than once in one sequence, and another not at all.
class TfrmTest2 : public TPracticeWindow {
    Q_OBJECT

public:
    explicit TfrmTest2(QWidget* parent = nullptr);

    const std::vector<int>& Order() const { return FOrder; }

protected:
    int RowOffset(int n) const override;
    void FocusAfterShow() override;
    void FormActivate() override;

private:
    void FormCreate();
    void BuildOrder();

    std::vector<int> FOrder;
};

// The window while the main window shows it; empty otherwise.
inline TfrmTest2* frmTest2 = nullptr;
