#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QtPlugin>
#include <functional>

class QChartView;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QRect;
class QRectF;
class QWidget;

// What the score chart shows: the finished exams' scores, oldest first, how many exams were left unfinished
// (only counted in the title), and the pass line.
struct ScoreChart {
    QList<double> scores;
    qsizetype unfinished = 0;
    int passMark = 0;
    int fullMarks = 0;
};

// The chart drawn on paper is laid out this many times as large as its place and drawn scaled down, so that
// its text is measured where no rounding of small sizes shows; its faces are sized in pixels that stand for
// points at this scale.
constexpr double kPaperChartScale = 4;

// The faces of the chart on paper: its title's, and the legend's and axes'.
struct PaperChartFaces {
    QFont title;
    QFont text;
};

// The records window's chart and printing, a module of their own: their libraries are loaded with it, the
// first time the records window opens, not with every start of the program.
class RecordChartsModule {
public:
    virtual ~RecordChartsModule() = default;

    // An empty score chart, a control of `parent` named `name` at `place`.
    virtual QChartView* CreateScoreChart(QWidget* parent, const char* name, const QRect& place) = 0;
    virtual void FillScoreChart(QChartView& view, const ScoreChart& chart) = 0;
    virtual void PaintScoreChart(QPainter& painter, const QRectF& place, const ScoreChart& chart,
                                 const PaperChartFaces& faces) = 0;
    // Asks for a printer in Qt's print dialog, its paper laid out as `layout`, and has `print` print on it;
    // nothing when the learner cancels.
    virtual void Print(QWidget* owner, const QPageLayout& layout,
                       const std::function<void(QPagedPaintDevice&)>& print) = 0;
};

#define QV_RECORD_CHARTS_IID "org.quorvane.RecordCharts/1"
Q_DECLARE_INTERFACE(RecordChartsModule, QV_RECORD_CHARTS_IID)

// The module's file, relative to AppDir.
inline const QString kRecordChartsModule = QStringLiteral("libqvrecordcharts.so");

// The module, loaded from the program folder on first use. Raises Exception when it cannot be loaded.
RecordChartsModule& RecordCharts();
