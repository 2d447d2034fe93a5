#pragma once
// The trajectory chart window: beside the catalog, not modal. It plots the finely sampled flight
// of one load, or of up to four compared loads, under the panel's conditions, with the line of
// sight and the zero range marked, and lists the values at the range points beneath.
#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/LoadComparison.h"
#include "catalog/LoadRecord.h"

#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace corvane {

// What the chart shows: loads of one section under one set of conditions.
struct ChartRequest {
    CatalogTab Section = CatalogTab::Rifle;
    PanelTexts Panel;
    bool English = true;
    double SightHeight = 0; // inches
    std::vector<LoadRecord> Loads;
};

class TrajectoryChart : public QWidget {
    Q_OBJECT
public:
    enum class Series { Trajectory, Velocity, Energy, WindDrift };

    explicit TrajectoryChart(QWidget* owner);

    void ShowRequest(const ChartRequest& request);
    // A note above the chart, such as why it emptied; it goes with the next load shown.
    void ShowNote(const QString& note);
    QLabel* Note() const { return note_; }
    // The conditions, as shown above the chart and written beneath the saved picture.
    QString Caption() const;
    void SetSeries(Series series);
    Series CurrentSeries() const;

    bool SaveChartPng(const QString& file);
    bool SaveComparisonCsv(const QString& file) const;

    QChart* Chart() const { return chart_; }
    QTableWidget* ValuesTable() const { return table_; }
    QPushButton* ClearComparisonButton() const { return clearComparison_; }
    const ComparisonRows& Rows() const { return rows_; }

signals:
    void closed();
    void clearComparisonClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Rebuild();
    void FillTable();
    void SaveChartClick();
    void SaveTableClick();

    ChartRequest request_;
    ComparisonRows rows_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QComboBox* seriesChoice_ = nullptr;
    QLabel* conditions_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* clearComparison_ = nullptr;
};

} // namespace corvane
