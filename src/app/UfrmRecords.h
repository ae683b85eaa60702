#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

class QChartView;
class QComboBox;
class QPagedPaintDevice;
class RecordsDatabase;
class TsEdit;
class TsLabel;
class TsMemo;
class TsSpeedButton;

// The records window (学习记录): the learners of this computer, switched, added, renamed and removed; the current
// learner's exam scores over time against the pass line, accuracy by chapter and readiness, with the weakest
// chapters, the mistake book and the starred questions each a click from practice; the record printed or saved as
// PDF, and every learner's summary exported as CSV.
class TfrmRecords : public QDialog {
    Q_OBJECT

public:
    explicit TfrmRecords(RecordsDatabase& records, QWidget* parent = nullptr);

    TsLabel* lblLearner;
    QComboBox* cbLearner;
    TsEdit* edtName;
    TsSpeedButton* btnAdd;
    TsSpeedButton* btnRename;
    TsSpeedButton* btnRemove;
    QChartView* chtScores;
    TsLabel* lblReadiness;
    std::array<TsSpeedButton*, 3> btnWeak;
    TsLabel* lblChapters;
    TsMemo* memChapters;
    TsLabel* lblMistakes;
    QComboBox* cbMistakeChapter;
    TsSpeedButton* btnMistakes;
    TsSpeedButton* btnStars;
    TsSpeedButton* btnPrint;
    TsSpeedButton* btnPdf;
    TsSpeedButton* btnCsv;
    TsSpeedButton* btnClose;

    // How the window starts practice; the main window sets them.
    std::function<void(const QString& chapter)> practiseChapter;
    std::function<void(const QString& caption, int bank, const std::vector<int>& ids)> practiseList;

    void cbLearnerChange(int index);
    void btnAddClick();
    void btnRenameClick();
    void btnRemoveClick();
    void btnWeakClick(size_t k);
    void btnMistakesClick();
    void btnStarsClick();
    void btnPrintClick();
    void btnPdfClick();
    void btnCsvClick();
    // Write the file whole, or give a message and leave none.
    void SavePdf(const QString& fileName);
    void SaveCsv(const QString& fileName);
    // The current learner's record on the pages of a printer or PDF, through one layout for both.
    void PrintRecord(QPagedPaintDevice& device);

private:
    void CreateLearnerRow();
    void CreateSummary();
    void CreateButtons();
    void ShowLearners();
    void ShowRecord();
    int CurrentLearner() const;

    RecordsDatabase& records_;
    std::vector<QString> weakChapters_;
};

// The records window while the main window shows it; empty otherwise.
inline TfrmRecords* frmRecords = nullptr;
