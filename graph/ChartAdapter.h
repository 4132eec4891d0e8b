#pragma once

#include <QColor>
#include <QDateTime>
#include <QWidget>
#include <memory>

// The monitoring chart: two line series over a date-time or plain-number X
// axis. Everything that depends on the chart library stays behind this class.
namespace graph {

class MonitoringChart : public QWidget {
    Q_OBJECT
public:
    explicit MonitoringChart(QWidget* parent = nullptr);
    ~MonitoringChart() override;

    void ClearSeries();
    QColor SeriesColor(int series) const;
    int PointCount(int series) const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace graph
