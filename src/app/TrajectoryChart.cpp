#include "app/TrajectoryChart.h"

#include "app/GridPainting.h"
#include "ballistics/TrajectorySampling.h"
#include "common/FileWrite.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "common/ui/QtText.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace corvane {
namespace {

struct Axis {
    QString Title;
    double (*Value)(const TrajectorySample&);
};

Axis AxisOf(TrajectoryChart::Series series, bool english) {
    switch (series) {
    case TrajectoryChart::Series::Velocity:
        return {english ? QStringLiteral("Velocity (feet per second)")
                        : QStringLiteral("Velocity (meters per second)"),
                [](const TrajectorySample& s) { return s.Velocity; }};
    case TrajectoryChart::Series::Energy:
        return {english ? QStringLiteral("Energy (foot-pounds)")
                        : QStringLiteral("Energy (joules)"),
                [](const TrajectorySample& s) { return s.Energy; }};
    case TrajectoryChart::Series::WindDrift:
        return {english ? QStringLiteral("Wind drift (inches)")
                        : QStringLiteral("Wind drift (centimeters)"),
                [](const TrajectorySample& s) { return s.Drift; }};
    case TrajectoryChart::Series::Trajectory:
        break;
    }
    return {english ? QStringLiteral("Trajectory above line of sight (inches)")
                    : QStringLiteral("Trajectory above line of sight (centimeters)"),
            [](const TrajectorySample& s) { return s.Trajectory; }};
}

QString LoadNames(const std::vector<ComparedLoad>& loads) {
    QStringList names;
    for (const ComparedLoad& load : loads) {
        names << QString::fromStdString(load.Label);
    }
    if (names.size() <= 1) {
        return names.value(0);
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// A point of the plot drawn as a marker of the load's colour, outside the legend.
QScatterSeries* MarkerSeries(const QColor& color, QScatterSeries::MarkerShape shape) {
    auto* marker = new QScatterSeries;
    marker->setMarkerShape(shape);
    marker->setMarkerSize(11);
    marker->setColor(color);
    marker->setBorderColor(Qt::black);
    return marker;
}

void HideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) {
        marker->setVisible(false);
    }
}

} // namespace

// A tool window of the main window: the window manager keeps it above its owner.
TrajectoryChart::TrajectoryChart(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName(QStringLiteral("frmTrajectoryChart"));
    setWindowTitle(QStringLiteral("Trajectory chart"));
    resize(720, 760);

    seriesChoice_ = new QComboBox(this);
    seriesChoice_->setObjectName(QStringLiteral("ComBoxSeries"));
    seriesChoice_->addItems({QStringLiteral("Trajectory"), QStringLiteral("Velocity"),
                             QStringLiteral("Energy"), QStringLiteral("Wind drift")});
    model_ = new QComboBox(this);
    model_->setObjectName(QStringLiteral("cmbModel"));
    model_->addItems({QStringLiteral("Catalog standard"), QStringLiteral("Precision")});
    conditions_ = new QLabel(this);
    conditions_->setObjectName(QStringLiteral("lblConditions"));
    conditions_->setWordWrap(true);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblNote"));
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("QLabel { background: #fff3c4; color: #5a4300; "
                                        "border: 1px solid #d8b84a; padding: 4px; }"));
    note_->hide();
    auto* saveChart = new QPushButton(QStringLiteral("Save &chart..."), this);
    saveChart->setObjectName(QStringLiteral("bbnSaveChart"));
    saveChart->setToolTip(QStringLiteral("Save the chart as a PNG picture"));
    auto* saveTable = new QPushButton(QStringLiteral("Save &table..."), this);
    saveTable->setObjectName(QStringLiteral("bbnSaveTable"));
    saveTable->setToolTip(QStringLiteral("Save the values beneath as comma-separated text"));
    clearComparison_ = new QPushButton(QStringLiteral("Clear c&omparison"), this);
    clearComparison_->setObjectName(QStringLiteral("bbnClearComparison"));
    addOwnLoad_ = new QToolButton(this);
    addOwnLoad_->setObjectName(QStringLiteral("sbnAddMyLoad"));
    addOwnLoad_->setText(QStringLiteral("Add &my load"));
    addOwnLoad_->setPopupMode(QToolButton::InstantPopup);
    addOwnLoad_->setMenu(new QMenu(addOwnLoad_));
    SetOwnLoadNames({});
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    marksText_ = new QLabel(this);
    marksText_->setObjectName(QStringLiteral("lblMarks"));
    marksText_->setWordWrap(true);
    marksText_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(300);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("ComparisonTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setVisible(false);
    table_->verticalHeader()->setVisible(false);
    table_->setMinimumHeight(150);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Show:"), this));
    top->addWidget(seriesChoice_);
    top->addWidget(new QLabel(QStringLiteral("Model:"), this));
    top->addWidget(model_);
    top->addSpacing(12);
    top->addWidget(conditions_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearComparison_);
    buttons->addWidget(addOwnLoad_);
    buttons->addStretch(1);
    buttons->addWidget(saveChart);
    buttons->addWidget(saveTable);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(note_);
    layout->addWidget(view_, 3);
    layout->addWidget(marksText_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    connect(seriesChoice_, &QComboBox::currentIndexChanged, this, [this] { Rebuild(); });
    connect(model_, &QComboBox::currentIndexChanged, this,
            [this] { ShowRequest(ChartRequest(request_)); });
    connect(saveChart, &QPushButton::clicked, this, &TrajectoryChart::SaveChartClick);
    connect(saveTable, &QPushButton::clicked, this, &TrajectoryChart::SaveTableClick);
    connect(clearComparison_, &QPushButton::clicked, this,
            &TrajectoryChart::clearComparisonClicked);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void TrajectoryChart::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void TrajectoryChart::ShowRequest(const ChartRequest& request) {
    request_ = request;
    if (request_.Loads.size() > static_cast<std::size_t>(kMaxComparedLoads)) {
        request_.Loads.resize(kMaxComparedLoads);
    }
    const bool precise = Model() == BallisticModel::Precision;
    rows_ = LoadComparisonRows(request_.Section,
                               precise ? WithPrecisionResults(request_.Loads, request_.Bullets, {})
                                       : request_.Loads,
                               request_.Panel, request_.English, request_.SightHeight);
    loadMarks_.clear();
    for (std::size_t n = 0; n < request_.Loads.size(); ++n) {
        const EngineInputs& inputs = request_.Loads[n].Inputs;
        if (precise) {
            const PrecisionMarks marks =
                PrecisionSearch(inputs, request_.VitalZoneInches, request_.EnergyThreshold,
                                request_.English, BulletAt(request_.Bullets, n, inputs), {});
            loadMarks_.push_back({marks.pointBlank, marks.energyBelow});
        } else {
            loadMarks_.push_back(
                {MaximumPointBlank(inputs, request_.VitalZoneInches, request_.English),
                 EnergyFallsBelow(inputs, request_.EnergyThreshold, request_.English)});
        }
    }
    const QString names = LoadNames(request_.Loads);
    setWindowTitle((names.isEmpty() ? QStringLiteral("Trajectory chart")
                                    : QStringLiteral("Trajectory chart - ") + names) +
                   (precise ? QStringLiteral(" (precision model)") : QString()));
    conditions_->setText(Caption());
    if (!request_.Loads.empty()) {
        note_->hide();
    }
    Rebuild();
    FillTable();
    FillMarks();
}

void TrajectoryChart::SetOwnLoadNames(const QStringList& names) {
    QMenu* menu = addOwnLoad_->menu();
    menu->clear();
    for (const QString& name : names) {
        // Shown as typed: an ampersand in a name is no shortcut.
        QAction* item =
            menu->addAction(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(item, &QAction::triggered, this, [this, name] { emit ownLoadPicked(name); });
    }
    addOwnLoad_->setEnabled(!names.isEmpty());
    addOwnLoad_->setToolTip(names.isEmpty()
                                ? QStringLiteral("Your own loads, entered under Tools > My loads, "
                                                 "can be compared here")
                                : QStringLiteral("Compare one of your own loads"));
}

void TrajectoryChart::FillMarks() {
    const bool english = request_.English;
    const QString distance = english ? QStringLiteral("yd") : QStringLiteral("m");
    const QString zone = english ? QStringLiteral("%1 in").arg(request_.VitalZoneInches, 0, 'g', 3)
                                 : QStringLiteral("%1 cm").arg(
                                       request_.VitalZoneInches * kCentimetersPerInch, 0, 'f', 0);
    const QString threshold =
        english
            ? QStringLiteral("%1 ft-lbf").arg(request_.EnergyThreshold, 0, 'f', 0)
            : QStringLiteral("%1 J").arg(request_.EnergyThreshold * kJoulesPerFootPound, 0, 'f', 0);
    QStringList lines;
    for (std::size_t n = 0; n < request_.Loads.size() && n < loadMarks_.size(); ++n) {
        const LoadMarks& marks = loadMarks_[n];
        const QString pointBlank =
            marks.PointBlankRange ? QStringLiteral("point-blank to %1 %3 with the zero at %2 %3")
                                        .arg(marks.PointBlankRange->range, 0, 'f', 0)
                                        .arg(marks.PointBlankRange->zeroRange, 0, 'f', 0)
                                        .arg(distance)
                                  : QStringLiteral("no point-blank range");
        QString energy = QStringLiteral("%1 or more to 1000 %2").arg(threshold, distance);
        if (marks.EnergyBelow) {
            energy = *marks.EnergyBelow > 0
                         ? QStringLiteral("below %1 from %2 %3")
                               .arg(threshold)
                               .arg(*marks.EnergyBelow, 0, 'f', 0)
                               .arg(distance)
                         : QStringLiteral("below %1 at the muzzle").arg(threshold);
        }
        lines << QStringLiteral("%1: %2, %3.")
                     .arg(QString::fromStdString(request_.Loads[n].Label), pointBlank, energy);
    }
    marksText_->setText(
        lines.isEmpty()
            ? QString()
            : QStringLiteral("Marked \u25B2 and \u25A0, for a %1 vital zone: ").arg(zone) +
                  lines.join(QLatin1Char(' ')));
    marksText_->setVisible(!lines.isEmpty());
}

void TrajectoryChart::ShowNote(const QString& note) {
    note_->setText(note);
    note_->show();
}

BallisticModel TrajectoryChart::Model() const {
    return model_->currentIndex() == 1 ? BallisticModel::Precision : BallisticModel::Catalog;
}

std::vector<std::string> TrajectoryChart::Conditions() const {
    std::vector<std::string> conditions =
        ComparisonConditions(request_.Panel, request_.English, request_.SightHeight);
    if (Model() == BallisticModel::Precision) {
        conditions.push_back(ModelLine(BallisticModel::Precision));
    }
    return conditions;
}

QString TrajectoryChart::Caption() const {
    QStringList conditions;
    for (const std::string& condition : Conditions()) {
        // Lines break between the conditions, never inside one.
        conditions << ToQString(condition).replace(QLatin1Char(' '), QChar::Nbsp);
    }
    return conditions.join(QStringLiteral("   "));
}

void TrajectoryChart::SetSeries(Series series) {
    seriesChoice_->setCurrentIndex(static_cast<int>(series));
}

TrajectoryChart::Series TrajectoryChart::CurrentSeries() const {
    return static_cast<Series>(std::max(0, seriesChoice_->currentIndex()));
}

void TrajectoryChart::MakePlot(Series kind, std::size_t loads, bool zero) {
    chart_->removeAllSeries();
    if (xAxis_ == nullptr) {
        xAxis_ = new QValueAxis;
        xAxis_->setLabelFormat(QStringLiteral("%d"));
        yAxis_ = new QValueAxis;
        chart_->addAxis(xAxis_, Qt::AlignBottom);
        chart_->addAxis(yAxis_, Qt::AlignLeft);
    }
    auto attach = [this](QXYSeries* s) {
        chart_->addSeries(s);
        s->attachAxis(xAxis_);
        s->attachAxis(yAxis_);
    };
    Plot plot;
    plot.Kind = kind;
    plot.Loads = loads;
    plot.Zero = zero;
    // Added in the order they are drawn and listed in the legend.
    for (std::size_t n = 0; n < loads; ++n) {
        const QColor color = ComparedLoadColor(static_cast<int>(n));
        auto* line = new QLineSeries;
        line->setPen(QPen(color, 2));
        auto* points = new QScatterSeries;
        points->setMarkerSize(7);
        points->setColor(color);
        points->setBorderColor(color);
        attach(line);
        attach(points);
        HideFromLegend(chart_, points);
        plot.Lines.push_back(line);
        plot.RangePoints.push_back(points);
    }
    if (kind == Series::Trajectory || kind == Series::Energy) {
        for (std::size_t n = 0; n < loads; ++n) {
            QScatterSeries* marker =
                MarkerSeries(ComparedLoadColor(static_cast<int>(n)),
                             kind == Series::Trajectory ? QScatterSeries::MarkerShapeTriangle
                                                        : QScatterSeries::MarkerShapeRectangle);
            attach(marker);
            HideFromLegend(chart_, marker);
            plot.Marks.push_back(marker);
        }
    }
    if (kind == Series::Energy && loads > 0) {
        plot.Threshold = new QLineSeries;
        plot.Threshold->setPen(QPen(QColor(0xb0, 0x50, 0x20), 1.5, Qt::DashLine));
        attach(plot.Threshold);
    }
    if (kind == Series::Trajectory) {
        if (loads > 0) {
            // The vital zone about the line of sight, which the point-blank range is about.
            plot.ZoneUpper = new QLineSeries;
            plot.ZoneLower = new QLineSeries;
            plot.Zone = new QAreaSeries(plot.ZoneUpper, plot.ZoneLower);
            plot.Zone->setColor(QColor(0x40, 0xa0, 0x40, 0x30));
            plot.Zone->setBorderColor(QColor(0x40, 0xa0, 0x40, 0x80));
            chart_->addSeries(plot.Zone);
            plot.Zone->attachAxis(xAxis_);
            plot.Zone->attachAxis(yAxis_);
        }
        plot.Sight = new QLineSeries;
        plot.Sight->setName(QStringLiteral("Line of sight"));
        plot.Sight->setPen(QPen(Qt::darkGray, 1.5, Qt::DashLine));
        attach(plot.Sight);
        if (zero) {
            plot.ZeroLine = new QLineSeries;
            plot.ZeroLine->setPen(QPen(QColor(0x80, 0x40, 0x90), 1.5, Qt::DotLine));
            attach(plot.ZeroLine);
        }
    }
    plot_ = std::move(plot);
}

void TrajectoryChart::Rebuild() {
    const Series series = CurrentSeries();
    const bool english = request_.English;
    const Axis axis = AxisOf(series, english);
    const PanelRanges ranges = ReadPanelRanges(request_.Panel);
    const QString distance = english ? QStringLiteral("yards") : QStringLiteral("meters");
    const std::size_t loads = request_.Loads.size();
    if (!plot_ || plot_->Kind != series || plot_->Loads != loads ||
        plot_->Zero != (ranges.ZeroAt > 0)) {
        MakePlot(series, loads, ranges.ZeroAt > 0);
    }
    const Plot& plot = *plot_;

    xAxis_->setTitleText(QStringLiteral("Range (%1)").arg(distance));
    const int points = std::max(1, ranges.RangeCount());
    xAxis_->setRange(0, std::max(1, ranges.Increment) * points);
    xAxis_->setTickCount(std::min(points, 12) + 1);
    yAxis_->setTitleText(axis.Title);
    const double right = xAxis_->max();

    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    QList<QPointF> line;
    QList<QPointF> marks;
    for (std::size_t n = 0; n < loads; ++n) {
        const ComparedLoad& load = request_.Loads[n];
        const FineTrajectory fine =
            Model() == BallisticModel::Precision
                ? SamplePrecisionTrajectory(load.Inputs, ranges, english,
                                            BulletAt(request_.Bullets, n, load.Inputs), {})
                : SampleTrajectory(load.Inputs, ranges, english);
        line.clear();
        marks.clear();
        const bool plotted = series != Series::Trajectory || fine.TrajectoryValid;
        for (std::size_t i = 0; plotted && i < fine.Samples.size(); ++i) {
            const TrajectorySample& sample = fine.Samples[i];
            const double y = axis.Value(sample);
            line.append(QPointF(sample.Range, y));
            const bool rangePoint = i % static_cast<std::size_t>(fine.PerIncrement) == 0;
            const bool shownInTable =
                i > 0 || series == Series::Velocity || series == Series::Energy;
            if (rangePoint && shownInTable) {
                marks.append(QPointF(sample.Range, y));
            }
            low = std::min(low, y);
            high = std::max(high, y);
        }
        const QString name = QString::fromStdString(load.Label);
        if (plot.Lines[n]->name() != name) {
            plot.Lines[n]->setName(name);
        }
        plot.Lines[n]->replace(line);
        plot.RangePoints[n]->replace(marks);
    }
    if (low > high) {
        low = 0;
        high = 1;
    }
    // Each load's point-blank range on the lower edge of the vital zone, and where its energy
    // falls below the threshold, as markers of its colour.
    const double length = english ? 1.0 : kCentimetersPerInch;
    const double halfZone = request_.VitalZoneInches / 2 * length;
    const double threshold = request_.EnergyThreshold * (english ? 1.0 : kJoulesPerFootPound);
    for (std::size_t n = 0; n < plot.Marks.size() && n < loadMarks_.size(); ++n) {
        const LoadMarks& load = loadMarks_[n];
        marks.clear();
        if (series == Series::Trajectory && load.PointBlankRange &&
            load.PointBlankRange->range <= right) {
            marks.append(QPointF(load.PointBlankRange->range, -halfZone));
        }
        if (series == Series::Energy && load.EnergyBelow && *load.EnergyBelow <= right) {
            marks.append(QPointF(*load.EnergyBelow, threshold));
        }
        plot.Marks[n]->replace(marks);
    }
    auto setName = [](QAbstractSeries* s, const QString& name) {
        if (s->name() != name) {
            s->setName(name);
        }
    };
    if (plot.Threshold != nullptr) {
        setName(plot.Threshold, english ? QStringLiteral("%1 ft-lbf").arg(threshold, 0, 'f', 0)
                                        : QStringLiteral("%1 J").arg(threshold, 0, 'f', 0));
        plot.Threshold->replace({QPointF(0, threshold), QPointF(right, threshold)});
        high = std::max(high, threshold);
    }
    if (series == Series::Trajectory) {
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
        if (plot.Zone != nullptr) {
            low = std::min(low, -halfZone);
            high = std::max(high, halfZone);
            plot.ZoneUpper->replace({QPointF(0, halfZone), QPointF(right, halfZone)});
            plot.ZoneLower->replace({QPointF(0, -halfZone), QPointF(right, -halfZone)});
            setName(plot.Zone,
                    english ? QStringLiteral("Vital zone %1 in").arg(2 * halfZone, 0, 'g', 3)
                            : QStringLiteral("Vital zone %1 cm").arg(2 * halfZone, 0, 'f', 0));
        }
        plot.Sight->replace({QPointF(0, 0), QPointF(right, 0)});
        if (plot.ZeroLine != nullptr) {
            setName(plot.ZeroLine,
                    QStringLiteral("Zero at %1 %2").arg(ranges.ZeroAt).arg(distance));
            const double margin = (high - low) * 0.05 + 0.1;
            plot.ZeroLine->replace(
                {QPointF(ranges.ZeroAt, low - margin), QPointF(ranges.ZeroAt, high + margin)});
        }
    }
    const double margin = (high - low) * 0.05 + 0.1;
    // The nice range is worked out on a new axis: the rounding starts from the axis's tick
    // count, which on the kept axis would be the previous range's, and setting the kept axis
    // once instead of twice spares a layout of its labels.
    QValueAxis nice;
    if (series == Series::Velocity || series == Series::Energy) {
        nice.setRange(0, high + margin); // from nothing, never below it
    } else {
        nice.setRange(low - margin, high + margin);
    }
    nice.applyNiceNumbers();
    yAxis_->setRange(nice.min(), nice.max());
    yAxis_->setTickCount(nice.tickCount());
    yAxis_->setLabelFormat(yAxis_->max() - yAxis_->min() > 20 ? QStringLiteral("%.0f")
                                                              : QStringLiteral("%.1f"));
    const QString names = LoadNames(request_.Loads);
    const QString model = Model() == BallisticModel::Precision
                              ? QStringLiteral(" - ") + ToQString(ModelLine(Model()))
                              : QString();
    const QString title =
        names.isEmpty()
            ? QString()
            : QStringLiteral("%1 of %2").arg(seriesChoice_->currentText(), names) + model;
    if (chart_->title() != title) {
        chart_->setTitle(title);
    }
}

void TrajectoryChart::FillTable() {
    // The items are kept and only their texts change, so that a changed condition neither
    // recreates every cell nor resizes the columns when no text changed.
    const int rowCount = static_cast<int>(rows_.size());
    const int columnCount = rows_.empty() ? 0 : static_cast<int>(rows_.front().Cells.size());
    bool changed = table_->rowCount() != rowCount || table_->columnCount() != columnCount;
    table_->setRowCount(rowCount);
    table_->setColumnCount(columnCount);
    QFont bold = table_->font();
    bold.setBold(true);
    for (int r = 0; r < rowCount; ++r) {
        const ComparisonRow& row = rows_[static_cast<std::size_t>(r)];
        const bool heading = row.Heading;
        for (int c = 0; c < columnCount; ++c) {
            QTableWidgetItem* item = table_->item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                              : Qt::AlignRight | Qt::AlignVCenter);
                table_->setItem(r, c, item);
            }
            const QString text = QString::fromStdString(row.Cells[static_cast<std::size_t>(c)]);
            if (item->text() != text) {
                item->setText(text);
                changed = true;
            }
            if (item->data(Qt::FontRole).isValid() != heading) {
                item->setData(Qt::FontRole, heading ? QVariant(bold) : QVariant());
                changed = true;
            }
        }
        const int span = heading && r > 0 && columnCount > 1 ? columnCount : 1;
        if (columnCount > 0 && table_->columnSpan(r, 0) != span) {
            table_->setSpan(r, 0, 1, span);
            changed = true;
        }
    }
    if (changed) {
        table_->resizeColumnsToContents();
        if (columnCount > 0) {
            table_->setColumnWidth(0, std::max(80, table_->columnWidth(0) / 3));
        }
    }
}

bool TrajectoryChart::SaveChartPng(const QString& file) {
    // The conditions go beneath the chart, so the picture says what it was computed for.
    const QPixmap chart = view_->grab();
    const QFont font = this->font();
    const QRect textArea(8, 0, chart.width() - 16, 10000);
    const QRect text = QFontMetrics(font).boundingRect(textArea, Qt::TextWordWrap, Caption());
    QPixmap picture(chart.width(), chart.height() + text.height() + 12);
    picture.setDevicePixelRatio(chart.devicePixelRatio());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, chart);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(textArea.translated(0, chart.height() + 6), Qt::TextWordWrap, Caption());
    painter.end();
    return picture.save(file, "PNG");
}

WriteResult TrajectoryChart::SaveComparisonCsv(const QString& file) const {
    return WriteFileWhole(file.toStdString(), ComparisonCsvText(rows_, Conditions()));
}

void TrajectoryChart::SaveChartClick() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Save chart"),
                                                      QStringLiteral("trajectory.png"),
                                                      QStringLiteral("PNG pictures (*.png)"));
    if (!file.isEmpty() && !SaveChartPng(file)) {
        QMessageBox::critical(this, windowTitle(),
                              QStringLiteral("The chart could not be saved as %1.").arg(file));
    }
}

void TrajectoryChart::SaveTableClick() {
    const QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save table"), QStringLiteral("trajectory.csv"),
        QStringLiteral("Comma-separated text (*.csv)"));
    if (file.isEmpty()) {
        return;
    }
    const WriteResult saved = SaveComparisonCsv(file);
    if (!saved.Ok) {
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(saved.Error));
    }
}

} // namespace corvane
