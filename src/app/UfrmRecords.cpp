#include "app/UfrmRecords.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTreeView>

#include "app/RecordCharts.h"
#include "app/Upublic.h"
#include "bank/BankQueries.h"
#include "bank/TQuestion.h"
#include "bank/UDM.h"
#include "paper/ExamKinds.h"
#include "platform/AtomicFile.h"
#include "platform/Exception.h"
#include "platform/Fonts.h"
#include "platform/Query.h"
#include "records/ExamHistory.h"
#include "records/LearnerReport.h"
#include "records/Learners.h"
#include "records/MistakeBook.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsReport.h"
#include "records/ReportPages.h"
#include "records/Stars.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsMemo.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/loading/SkinNames.h"
#include "ui/Application.h"
#include "ui/MessageBox.h"
#include "ui/WindowPlacement.h"

namespace {
const QColor kLabelColour(36, 44, 53);
const QString kAllChapters = QStringLiteral("全部章节");

TsSpeedButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* button = Place(new TsSpeedButton(caption, parent), name, place.x(), place.y(), place.width(), place.height());
    button->SkinData().SetSkinSection(SkinNames::Button);
    return button;
}

TsLabel* MakeLabel(QWidget* parent, const char* name, QRect place) {
    auto* label = Place(new TsLabel(QString(), parent), name, place.x(), place.y(), place.width(), place.height());
    label->SetFontColor(kLabelColour);
    label->setWordWrap(true);
    return label;
}

void Tell(QWidget* owner, const QString& text) {
    ShowMessageBox(owner, {QStringLiteral("提示"), text, QMessageBox::Warning, QMessageBox::Ok});
}

std::vector<int> IdsOfBank(const std::vector<QuestionRef>& questions, int bank) {
    std::vector<int> ids;
    for (const QuestionRef& question : questions) {
        if (question.bank == bank)
            ids.push_back(question.question);
    }
    return ids;
}

// The bank the list is practised in: the cars' bank, unless it holds only questions of the motorcycle bank.
int BankOf(const std::vector<QuestionRef>& questions) {
    return !questions.empty() && IdsOfBank(questions, 1).empty() ? 2 : 1;
}

// The finished exams' scores, oldest first, against the pass line of the learner's latest exam (of the first kind
// while there is none); the unfinished ones are only counted.
ScoreChart ScoresOf(const std::vector<ExamResult>& exams) {
    const ExamKindInfo& rules = ExamRules(exams.empty() ? 0 : exams.back().kind);
    ScoreChart chart{{}, 0, rules.passMark, rules.fullMarks};
    for (const ExamResult& exam : exams) {
        if (exam.Finished())
            chart.scores.append(exam.score);
        else
            ++chart.unfinished;
    }
    return chart;
}

// The faces of the chart on paper, in pixels that stand for points at the chart's paper scale.
PaperChartFaces PaperFaces() {
    const auto face = [](const char16_t* design, double points) {
        QFont font = MakeFont(QString::fromUtf16(design), qRound(points * kPaperChartScale));
        font.setStyleStrategy(QFont::PreferAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    };
    return {face(u"黑体", 11), face(u"宋体", 9)};
}

// The text of a question as its bank has it; empty when the bank cannot give it.
QString QuestionText(const QuestionRef& question) {
    if (DM == nullptr)
        return {};
    try {
        Query query;
        DM->UseQuestionTable(&query, static_cast<BankId>(question.bank));
        query.SetSQL(BankQueries::AllQuestionsSql() + BankQueries::QuestionIdsFilter({question.question}));
        query.Open();
        return query.IsEmpty() ? QString() : TQuestion::Read(query).question;
    } catch (const Exception&) {
        return {};
    }
}

// A4 with margins; a printer's dialog may choose other paper.
QPageLayout ReportPageLayout() {
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter};
}

// Qt's own file dialog (where the desktop offers none of its own) opens wide, its size, type and date columns as
// wide as what they show and the name taking the rest, so that no date is cut.
constexpr QSize kFileDialogSize(760, 460);

QString AskFileName(QWidget* owner, const QString& caption, const QString& name, const QString& filter,
                    const QString& suffix) {
    QFileDialog dialog(owner, caption, name, filter);
    dialog.setObjectName(QStringLiteral("dlgSave"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.resize(kFileDialogSize);
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* columns = files->header();
        columns->setStretchLastSection(false);
        for (int column = 0; column < columns->count(); ++column)
            columns->setSectionResizeMode(column, column == 0 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
}  // namespace

TfrmRecords::TfrmRecords(RecordsDatabase& records, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      records_(records) {
    setObjectName("frmRecords");
    setFixedSize(760, 520);
    setFont(MakeFont(QStringLiteral("宋体"), 12));
    CreateLearnerRow();
    CreateSummary();
    CreateButtons();
    ShowLearners();
    // Left unplaced: the dialog opens centred over the window that opened it.
}

void TfrmRecords::CreateLearnerRow() {
    lblLearner = MakeLabel(this, "lblLearner", {16, 12, 40, 16});
    lblLearner->setText(QStringLiteral("学员"));
    cbLearner = Place(new QComboBox(this), "cbLearner", 56, 8, 150, 24);
    edtName = Place(new TsEdit(this), "edtName", 220, 9, 150, 22);
    edtName->setPlaceholderText(QStringLiteral("学员姓名"));
    btnAdd = MakeButton(this, "btnAdd", QStringLiteral("添加学员"), {380, 6, 80, 28});
    btnRename = MakeButton(this, "btnRename", QStringLiteral("改名"), {466, 6, 60, 28});
    btnRemove = MakeButton(this, "btnRemove", QStringLiteral("删除学员"), {532, 6, 80, 28});
    connect(cbLearner, &QComboBox::activated, this,
            [this](int index) { Application::RunHandled([this, index] { cbLearnerChange(index); }); });
    connect(btnAdd, &QAbstractButton::clicked, this, Handled([this] { btnAddClick(); }));
    connect(btnRename, &QAbstractButton::clicked, this, Handled([this] { btnRenameClick(); }));
    connect(btnRemove, &QAbstractButton::clicked, this, Handled([this] { btnRemoveClick(); }));
}

void TfrmRecords::CreateSummary() {
    chtScores = RecordCharts().CreateScoreChart(this, "chtScores", {16, 44, 470, 300});

    lblReadiness = MakeLabel(this, "lblReadiness", {500, 44, 244, 48});
    for (size_t k = 0; k < btnWeak.size(); ++k) {
        btnWeak[k] = MakeButton(this, "", QString(), {500, 96 + 34 * int(k), 244, 30});
        btnWeak[k]->setObjectName(QStringLiteral("btnWeak%1").arg(k + 1));
        connect(btnWeak[k], &QAbstractButton::clicked, this, Handled([this, k] { btnWeakClick(k); }));
    }
    lblChapters = MakeLabel(this, "lblChapters", {500, 200, 244, 16});
    lblChapters->setText(QStringLiteral("各章正确率"));
    memChapters = Place(new TsMemo(this), "memChapters", 500, 220, 244, 124);
    memChapters->SetBackground(QColor(221, 236, 248));
    memChapters->SkinData().SetSkinSection(SkinNames::Panel);
    memChapters->setReadOnly(true);

    lblMistakes = MakeLabel(this, "lblMistakes", {16, 356, 470, 16});
    cbMistakeChapter = Place(new QComboBox(this), "cbMistakeChapter", 16, 380, 150, 26);
    btnMistakes = MakeButton(this, "btnMistakes", QStringLiteral("错题练习"), {176, 378, 100, 30});
    btnStars = MakeButton(this, "btnStars", QStringLiteral("收藏练习"), {286, 378, 100, 30});
    connect(btnMistakes, &QAbstractButton::clicked, this, Handled([this] { btnMistakesClick(); }));
    connect(btnStars, &QAbstractButton::clicked, this, Handled([this] { btnStarsClick(); }));
}

void TfrmRecords::CreateButtons() {
    btnPrint = MakeButton(this, "btnPrint", QStringLiteral("打印"), {16, 470, 90, 33});
    btnPdf = MakeButton(this, "btnPdf", QStringLiteral("保存为PDF"), {112, 470, 90, 33});
    btnCsv = MakeButton(this, "btnCsv", QStringLiteral("导出CSV"), {208, 470, 90, 33});
    btnClose = MakeButton(this, "btnClose", QStringLiteral("关闭"), {654, 470, 90, 33});
    connect(btnPrint, &QAbstractButton::clicked, this, Handled([this] { btnPrintClick(); }));
    connect(btnPdf, &QAbstractButton::clicked, this, Handled([this] { btnPdfClick(); }));
    connect(btnCsv, &QAbstractButton::clicked, this, Handled([this] { btnCsvClick(); }));
    connect(btnClose, &QAbstractButton::clicked, this, &QDialog::accept);
}

int TfrmRecords::CurrentLearner() const {
    return Learners(records_).Current().id;
}

void TfrmRecords::ShowLearners() {
    cbLearner->clear();
    for (const Learner& learner : Learners(records_).All()) {
        cbLearner->addItem(learner.name, learner.id);
        if (learner.current)
            cbLearner->setCurrentIndex(cbLearner->count() - 1);
    }
    // Records that can only be read keep their learners as they are.
    const bool writable = !records_.ReadOnly();
    setWindowTitle(writable ? QStringLiteral("学习记录") : QStringLiteral("学习记录（只能查看）"));
    for (QWidget* control : std::initializer_list<QWidget*>{cbLearner, edtName, btnAdd, btnRename})
        control->setEnabled(writable);
    btnRemove->setEnabled(writable && cbLearner->count() > 1);
    ShowRecord();
}

void TfrmRecords::ShowRecord() {
    const int learner = CurrentLearner();
    const ExamHistory history(records_, learner);
    const Readiness readiness = history.ReadReadiness();
    const std::vector<ExamResult> exams = history.All();
    if (readiness.counted > 0) {
        lblReadiness->setText(
            QStringLiteral("最近%1次模拟考试合格%2次。最薄弱的章节：").arg(readiness.counted).arg(readiness.passed));
    } else {
        lblReadiness->setText(exams.empty() ? QStringLiteral("还没有模拟考试记录。")
                                            : QStringLiteral("还没有完成的模拟考试。"));
    }
    weakChapters_.clear();
    for (size_t k = 0; k < btnWeak.size(); ++k) {
        const bool shown = k < readiness.weakest.size();
        btnWeak[k]->setVisible(shown);
        if (!shown)
            continue;
        const ChapterTally& tally = readiness.weakest[k];
        weakChapters_.push_back(tally.chapter);
        btnWeak[k]->setText(
            QStringLiteral("练习第%1章（正确率%2%）").arg(tally.chapter).arg(qRound(tally.Accuracy() * 100)));
    }
    QStringList lines;
    for (const ChapterTally& tally : history.ChapterAccuracy()) {
        lines << QStringLiteral("第%1章  %2%  （对%3 错%4）")
                     .arg(tally.chapter)
                     .arg(qRound(tally.Accuracy() * 100))
                     .arg(tally.right)
                     .arg(tally.wrong);
    }
    memChapters->SetText(lines.join(u'\n'));

    const MistakeBook book(records_, learner);
    const std::vector<MistakeEntry> entries = book.Entries();
    lblMistakes->setText(QStringLiteral("错题本：%1道，%2；收藏：%3道")
                             .arg(entries.size())
                             .arg(book.DueText(records_.Now().date()))
                             .arg(Stars(records_, learner).All().size()));
    cbMistakeChapter->clear();
    cbMistakeChapter->addItem(kAllChapters, QString());
    QStringList chapters;
    for (const MistakeEntry& entry : entries) {
        if (!chapters.contains(entry.question.chapter))
            chapters << entry.question.chapter;
    }
    std::sort(chapters.begin(), chapters.end(),
              [](const QString& a, const QString& b) { return std::pair(a.toInt(), a) < std::pair(b.toInt(), b); });
    for (const QString& chapter : chapters)
        cbMistakeChapter->addItem(QStringLiteral("第%1章").arg(chapter), chapter);
    btnMistakes->setEnabled(!entries.empty());
    RecordCharts().FillScoreChart(*chtScores, ScoresOf(exams));
}

void TfrmRecords::cbLearnerChange(int index) {
    Learners(records_).SetCurrent(cbLearner->itemData(index).toInt());
    ShowLearners();
}

void TfrmRecords::btnAddClick() {
    Learners learners(records_);
    learners.SetCurrent(learners.Add(edtName->text()));
    edtName->clear();
    ShowLearners();
}

void TfrmRecords::btnRenameClick() {
    Learners(records_).Rename(CurrentLearner(), edtName->text());
    edtName->clear();
    ShowLearners();
}

void TfrmRecords::btnRemoveClick() {
    const Learner learner = Learners(records_).Current();
    const auto answer = ShowMessageBox(
        this, {QStringLiteral("确认"), QStringLiteral("确定要删除学员“%1”和他的全部学习记录吗？").arg(learner.name),
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No});
    if (answer != QMessageBox::Yes)
        return;
    Learners(records_).Remove(learner.id);
    ShowLearners();
}

void TfrmRecords::btnWeakClick(size_t k) {
    if (k < weakChapters_.size() && practiseChapter)
        practiseChapter(weakChapters_[k]);
    ShowRecord();
}

void TfrmRecords::btnMistakesClick() {
    std::vector<QuestionRef> questions;
    for (const MistakeEntry& entry :
         MistakeBook(records_, CurrentLearner()).Entries(cbMistakeChapter->currentData().toString()))
        questions.push_back(entry.question);
    const int bank = BankOf(questions);
    if (practiseList)
        practiseList(QStringLiteral("错题练习"), bank, IdsOfBank(questions, bank));
    ShowRecord();
}

void TfrmRecords::btnStarsClick() {
    const std::vector<QuestionRef> questions = Stars(records_, CurrentLearner()).All();
    if (questions.empty()) {
        Tell(this, QStringLiteral("还没有收藏的题。练习时按“收藏”可以收藏当前的题。"));
        return;
    }
    const int bank = BankOf(questions);
    if (practiseList)
        practiseList(QStringLiteral("收藏练习"), bank, IdsOfBank(questions, bank));
    ShowRecord();
}

void TfrmRecords::PrintRecord(QPagedPaintDevice& device) {
    QString centre, tel, adds;
    ReadConfig(centre, tel, adds);
    const Learner learner = Learners(records_).Current();
    const ScoreChart chart = ScoresOf(ExamHistory(records_, learner.id).All());
    const LearnerReport::Sources sources{centre, &QuestionText, [&chart](QPainter& painter, const QRectF& place) {
                                             RecordCharts().PaintScoreChart(painter, place, chart, PaperFaces());
                                         }};
    const std::unique_ptr<QTextDocument> document = LearnerReport::Make(records_, learner, sources);
    ReportPages::Print(*document, device, QStringLiteral("%1 学习记录").arg(learner.name));
}

void TfrmRecords::btnPrintClick() {
    RecordCharts().Print(this, ReportPageLayout(), [this](QPagedPaintDevice& printer) { PrintRecord(printer); });
}

void TfrmRecords::btnPdfClick() {
    const QString fileName =
        AskFileName(this, QStringLiteral("保存为PDF"), Learners(records_).Current().name + QStringLiteral(".pdf"),
                    QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"));
    if (!fileName.isEmpty())
        SavePdf(fileName);
}

void TfrmRecords::btnCsvClick() {
    const QString fileName = AskFileName(this, QStringLiteral("导出CSV"), QStringLiteral("学员汇总.csv"),
                                         QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv"));
    if (!fileName.isEmpty())
        SaveCsv(fileName);
}

// The pages are made in memory and written in one piece, so a target that fails leaves nothing behind.
void TfrmRecords::SavePdf(const QString& fileName) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(ReportPageLayout());
        writer.setTitle(QStringLiteral("学习记录"));
        PrintRecord(writer);
    }
    int error = 0;
    if (!WriteFileAtomically(fileName, buffer.data(), &error))
        Tell(this, QStringLiteral("无法写入文件 %1（%2），PDF 没有保存；学习记录本身不受影响。")
                       .arg(QDir::toNativeSeparators(fileName), FileWriteCause(error)));
}

void TfrmRecords::SaveCsv(const QString& fileName) {
    int error = 0;
    if (!WriteFileAtomically(fileName, RecordsReport::SummaryCsv(records_), &error))
        Tell(this, QStringLiteral("无法写入文件 %1（%2），汇总没有导出。")
                       .arg(QDir::toNativeSeparators(fileName), FileWriteCause(error)));
}
