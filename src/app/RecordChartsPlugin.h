#pragma once

#include <QObject>

#include "app/RecordCharts.h"

// The entry of the records window's chart and printing module.
class RecordChartsPlugin : public QObject, public RecordChartsModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QV_RECORD_CHARTS_IID)
    Q_INTERFACES(RecordChartsModule)

public:
    QChartView* CreateScoreChart(QWidget* parent, const char* name, const QRect& place) override;
    void FillScoreChart(QChartView& view, const ScoreChart& chart) override;
    void PaintScoreChart(QPainter& painter, const QRectF& place, const ScoreChart& chart,
                         const PaperChartFaces& faces) override;
    void Print(QWidget* owner, const QPageLayout& layout,
               const std::function<void(QPagedPaintDevice&)>& print) override;
};
