#pragma once
// The trajectory chart window: beside the catalog, not modal. It plots the finely sampled flight
// of one load, or of up to four compared loads, under the panel's conditions, with the line of
// sight and the zero range marked, and lists the values at the range points beneath. The
// shooter's own loads can join the comparison; each load's maximum point-blank range and the
// range where its energy falls below a threshold are marked.
#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/LoadComparison.h"
#include "catalog/LoadRecord.h"
#include "common/FileWrite.h"
#include "rifle/PrecisionCard.h"
#include "rifle/RangeCard.h"

#include <QWidget>

#include <optional>
#include <vector>

class QAreaSeries;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QTableWidget;
class QToolButton;
class QValueAxis;

namespace corvane {

// What the chart shows: loads of one section (and own loads) under one set of conditions.
struct ChartRequest {
    CatalogTab Section = CatalogTab::Rifle;
    PanelTexts Panel;
    bool English = true;
    double SightHeight = 0; // inches
    std::vector<ComparedLoad> Loads;
    // What the precision model flies for each load, in the same order; a load without one flies
    // G1 with its coefficient.
    std::vector<PrecisionBullet> Bullets;
    double VitalZoneInches = 6;    // the point-blank zone's diameter
    double EnergyThreshold = 1000; // ft-lbf
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
    // The names offered by "Add my load"; none disables it.
    void SetOwnLoadNames(const QStringList& names);
    Series CurrentSeries() const;
    BallisticModel Model() const;
    QComboBox* ModelChoice() const { return model_; }

    bool SaveChartPng(const QString& file);
    WriteResult SaveComparisonCsv(const QString& file) const;

    QChart* Chart() const { return chart_; }
    QTableWidget* ValuesTable() const { return table_; }
    QPushButton* ClearComparisonButton() const { return clearComparison_; }
    QToolButton* AddOwnLoadButton() const { return addOwnLoad_; }
    // Each load's point-blank range and energy threshold, beneath the chart.
    QLabel* Marks() const { return marksText_; }
    const ComparisonRows& Rows() const { return rows_; }

signals:
    void closed();
    void clearComparisonClicked();
    void ownLoadPicked(const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The chart's series, kept while the series shown, the number of loads and the zero line stay
    // the same: a changed condition then only moves their points, since rebuilding the series,
    // axes and legend is what made the chart lag behind a held spin arrow.
    struct Plot {
        Series Kind = Series::Trajectory;
        std::size_t Loads = 0;
        bool Zero = false;
        std::vector<QLineSeries*> Lines;
        std::vector<QScatterSeries*> RangePoints; // the values the table shows
        // Each load's point-blank or energy mark; without points when it is off the chart.
        std::vector<QScatterSeries*> Marks;
        QLineSeries* Threshold = nullptr;
        QLineSeries* ZoneUpper = nullptr;
        QLineSeries* ZoneLower = nullptr;
        QAreaSeries* Zone = nullptr;
        QLineSeries* Sight = nullptr;
        QLineSeries* ZeroLine = nullptr;
    };

    void Rebuild();
    void MakePlot(Series kind, std::size_t loads, bool zero);
    void FillTable();
    void FillMarks();
    void SaveChartClick();
    void SaveTableClick();
    // The comparison's conditions, and the model when it is the precision one.
    std::vector<std::string> Conditions() const;

    struct LoadMarks {
        std::optional<PointBlank> PointBlankRange;
        std::optional<double> EnergyBelow; // yards or meters
    };

    ChartRequest request_;
    ComparisonRows rows_;
    std::vector<LoadMarks> loadMarks_; // one per load of the request
    QChart* chart_ = nullptr;
    QValueAxis* xAxis_ = nullptr;
    QValueAxis* yAxis_ = nullptr;
    std::optional<Plot> plot_;
    QChartView* view_ = nullptr;
    QComboBox* seriesChoice_ = nullptr;
    QComboBox* model_ = nullptr;
    QLabel* conditions_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* clearComparison_ = nullptr;
    QToolButton* addOwnLoad_ = nullptr;
    QLabel* marksText_ = nullptr;
};

} // namespace corvane
