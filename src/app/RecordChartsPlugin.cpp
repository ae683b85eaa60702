#include "app/RecordChartsPlugin.h"

#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QValueAxis>

namespace {
// Qt's own print dialog at least this large, so that its options, once shown, are not cut.
constexpr QSize kPrintDialogSize(560, 420);
constexpr double kPaperLineWidth = 1.2;  // points
constexpr double kPaperMarkerSize = 4.5;

// The first tick of 1, 2, 5, 10, 20, 50… that numbers `exams` with at most ten labels.
int ExamTickInterval(int exams) {
    for (int step = 1;; step *= 10) {
        for (int k : {1, 2, 5}) {
            if (exams <= 10 * k * step)
                return k * step;
        }
    }
}

// The scores, each a marked point numbered by whole exams, against the pass line.
void Fill(QChart& chart, const ScoreChart& data) {
    chart.removeAllSeries();
    // The chart deletes the series it drops, but hands back the axes it drops.
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    QList<QPointF> points;
    for (double score : data.scores)
        points.append(QPointF(double(points.size() + 1), score));
    chart.setTitle(data.unfinished == 0
                       ? QStringLiteral("模拟考试成绩")
                       : QStringLiteral("模拟考试成绩（另有%1次未完成，不计入）").arg(data.unfinished));
    auto* scores = new QLineSeries;
    scores->setName(QStringLiteral("成绩"));
    scores->setPointsVisible(true);
    scores->setMarkerSize(7);
    scores->replace(points);
    auto* passLine = new QLineSeries;
    passLine->setName(QStringLiteral("合格线（%1分）").arg(data.passMark));
    // Half an exam beyond the first and the last, so that their marks are whole.
    const double last = double(std::max<qsizetype>(points.size(), 1)) + 0.5;
    passLine->append(0.5, data.passMark);
    passLine->append(last, data.passMark);
    passLine->setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
    chart.addSeries(scores);
    chart.addSeries(passLine);
    auto* x = new QValueAxis;
    x->setRange(0.5, last);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(1);
    x->setTickInterval(ExamTickInterval(int(points.size())));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("第几次考试"));
    auto* y = new QValueAxis;
    y->setRange(0, data.fullMarks);
    y->setTickCount(6);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(QStringLiteral("分数"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}
}  // namespace

QChartView* RecordChartsPlugin::CreateScoreChart(QWidget* parent, const char* name, const QRect& place) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setBackgroundRoundness(0);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(place);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

void RecordChartsPlugin::FillScoreChart(QChartView& view, const ScoreChart& chart) {
    Fill(*view.chart(), chart);
}

void RecordChartsPlugin::PaintScoreChart(QPainter& painter, const QRectF& place, const ScoreChart& data,
                                         const PaperChartFaces& faces) {
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    Fill(*chart, data);
    chart->setTitleFont(faces.title);
    chart->legend()->setFont(faces.text);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 0, 0, 0));
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsFont(faces.text);
        axis->setTitleFont(faces.text);
    }
    for (QAbstractSeries* series : chart->series()) {
        auto* line = static_cast<QLineSeries*>(series);
        QPen pen = line->pen();
        pen.setWidthF(kPaperLineWidth * kPaperChartScale);
        line->setPen(pen);
        line->setMarkerSize(kPaperMarkerSize * kPaperChartScale);
    }
    const QRectF drawn(QPointF(), place.size() * kPaperChartScale);
    chart->setGeometry(drawn);
    // The chart lays itself out on the layout requests it posts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    scene.render(&painter, place, drawn);
}

void RecordChartsPlugin::Print(QWidget* owner, const QPageLayout& layout,
                               const std::function<void(QPagedPaintDevice&)>& print) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.resize(dialog.sizeHint().expandedTo(kPrintDialogSize));
    if (dialog.exec() != QDialog::Accepted)
        return;
    print(printer);
}
