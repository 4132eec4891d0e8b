#include "graph/ChartAdapter.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QVBoxLayout>

namespace graph {

struct MonitoringChart::Parts {
    QChart* chart = new QChart;
    QLineSeries* series[2] = {new QLineSeries, new QLineSeries};
    QChartView* view = nullptr;
};

MonitoringChart::MonitoringChart(QWidget* parent) : QWidget(parent), parts_(new Parts) {
    parts_->series[0]->setObjectName(QStringLiteral("Series1"));
    parts_->series[1]->setObjectName(QStringLiteral("Series2"));
    parts_->series[0]->setColor(Qt::red);
    parts_->series[1]->setColor(Qt::green);
    for (QLineSeries* series : parts_->series)
        parts_->chart->addSeries(series);
    parts_->chart->legend()->hide();
    parts_->chart->createDefaultAxes();
    parts_->view = new QChartView(parts_->chart, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(parts_->view);
}

MonitoringChart::~MonitoringChart() = default;

void MonitoringChart::ClearSeries() {
    for (QLineSeries* series : parts_->series)
        series->clear();
}

QColor MonitoringChart::SeriesColor(int series) const {
    return parts_->series[series]->color();
}

int MonitoringChart::PointCount(int series) const {
    return int(parts_->series[series]->count());
}

} // namespace graph
