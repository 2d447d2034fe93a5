#include "report/LoadReport.h"

#include "ballistics/BallisticEngine.h"
#include "catalog/PelletData.h"
#include "catalog/SectionTraits.h"
#include "catalog/ShotSizes.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "report/LoadHeading.h"
#include "report/ReportText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace corvane {

namespace {

constexpr std::size_t kNoteLineLength = 56;

// A field never holds the separator: a "|" in catalog data would shift every later field.
std::string Field(std::string_view text) {
    std::string field(text);
    std::replace(field.begin(), field.end(), '|', '\xA6');
    return field;
}

ReportPair Pair(std::string_view label, std::string_view value) {
    return {std::string(label), Field(value)};
}

// Shortest decimal form with up to 12 significant digits and no trailing zeros.
std::string FormatGeneral(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.12g", value);
    return buffer;
}

std::string Integer(double value) {
    return std::to_string(RoundHalfEven(value));
}

// A record value that is no number (only a damaged table holds one) leaves its line empty
// rather than printing "NAN Inches".
std::string LengthText(double inches, bool english, int metricDecimals) {
    if (!std::isfinite(inches)) {
        return {};
    }
    return english ? FormatGeneral(inches) + " Inches"
                   : FormatFixed(inches * kCentimetersPerInch, metricDecimals) + " Centimeters";
}

std::string OunceWeightText(double ounces, bool english) {
    if (!std::isfinite(ounces)) {
        return {};
    }
    return english ? FormatGeneral(ounces) + " Ounces"
                   : FormatFixed(ounces * kGramsPerOunce, 2) + " Grams";
}

class ReportBuilder {
public:
    ReportBuilder(const LoadReportRequest& request, const LoadRecord& load, CatalogTab tab)
        : request_(request), load_(load), tab_(tab), traits_(Traits(tab)),
          english_(request.Settings.EnglSys),
          sightHeight_(SectionSightHeight(request.Settings, tab)) {}

    LoadReport Build() {
        report_.Section = TabIndex(tab_);
        AddHeader();
        if (traits_.HasBallistics()) {
            AddRangeBlock();
        } else if (!IsBuckshotLoad(load_)) {
            report_.Shots = ReportShotTable{
                {"Shot Size", "Typical Pellet Count",
                 english_ ? "Pellet Diameter in inches" : "Pellet Diameter in Centimeters"},
                ShotRows(load_, Name(load_.MaterialId, ListKind::Material), ShotSizeIndex(),
                         english_)};
        }
        return std::move(report_);
    }

private:
    std::string Name(int id, ListKind kind) const {
        return request_.LookupName ? request_.LookupName(id, kind) : std::string();
    }

    const std::vector<int>& ShotSizeIndex() {
        if (!index_) {
            // A shot size without its index line would silently drop out of the report.
            int highest = 0;
            for (int id = 0; id < static_cast<int>(load_.ShotSizeFlags.size()); ++id) {
                highest = load_.ShotSizeFlags[static_cast<std::size_t>(id)] ? id : highest;
            }
            index_ = ValueOrThrow(ReadShotSizeIndex(request_.DataDir, highest));
        }
        return *index_;
    }

    std::string Title() const {
        const std::string brand = Field(Name(load_.BrandId, ListKind::Brand));
        switch (tab_) {
        case CatalogTab::Rifle:
            return brand + " Centerfire Rifle";
        case CatalogTab::Rimfire:
            return brand + " Rimfire";
        default:
            return brand;
        }
    }

    void AddHeader() {
        const bool gauge = traits_.gauge;
        report_.Title = Title();
        report_.Header.push_back(Pair("Usage:", LoadUsageText(load_, [this](int id, ListKind kind) {
                                          return Name(id, kind);
                                      })));
        report_.Header.push_back(Pair("Corvane Load No.:", Trim(load_.LoadNumber)));
        report_.Header.push_back(
            Pair(gauge ? "Gauge:" : "Caliber:", Name(load_.CaliberId, ListKind::Caliber)));
        if (gauge) {
            report_.Header.push_back(
                Pair("Shell Length:", LengthText(load_.ShellLength, english_, 1)));
        }
        if (traits_.family == RecordFamily::Shotshell) {
            AddShotshellHeader();
        } else {
            AddBulletHeader();
        }
        // The note's line holds 56 characters, its label's included.
        const std::string note = Left(Field(load_.Note), kNoteLineLength - 6);
        if (!note.empty()) {
            report_.Header.push_back({"Note:", note});
        }
    }

    void AddBulletHeader() {
        const bool slug = traits_.family == RecordFamily::Slug;
        if (slug) {
            report_.Header.push_back(
                Pair("Slug Weight:", OunceWeightText(load_.SlugWeight, english_)));
        } else {
            report_.Header.push_back(
                Pair("Bullet Weight:",
                     english_ ? FormatFixed(load_.BulletWeight, 0) + " Grains"
                              : FormatFixed(load_.BulletWeight * kGramsPerGrain, 2) + " Grams"));
        }
        report_.Header.push_back(
            Pair(slug ? "Slug Style:" : "Bullet Style:",
                 Name(slug ? load_.SlugStyleId : load_.BulletStyleId, ListKind::Bullet)));
        const double coefficient = load_.BallisticCoefficient;
        report_.Header.push_back(Pair("Ballistic Coefficient:", std::isfinite(coefficient)
                                                                    ? FormatFixed(coefficient, 3)
                                                                    : std::string()));
        if (traits_.primerNumber) {
            report_.Header.push_back(Pair("Factory Primer No.:", load_.PrimerNumber));
        }
        const PanelTexts& panel = request_.Panel;
        report_.Header.push_back(
            Pair("Barrel Length:", LengthText(load_.BarrelLength, english_, 2)));
        report_.Header.push_back(Pair("Altitude Above Sea Level:",
                                      Trim(panel.Altitude) + (english_ ? " Feet" : " Meters")));
        report_.Header.push_back(
            Pair("Temperature:",
                 Trim(panel.Temperature) + (english_ ? "\xBA Fahrenheit" : "\xBA Celsius")));
        report_.Header.push_back(
            Pair("Crosswind Speed:", panel.CrossWind + (english_ ? " MPH" : " MPS")));
        report_.Header.push_back(
            Pair("Sight Height:",
                 english_ ? FormatFixed(sightHeight_, 1) + " Inches"
                          : FormatFixed(sightHeight_ * kCentimetersPerInch, 1) + " Centimeters"));
    }

    void AddShotshellHeader() {
        const bool pellets = IsBuckshotLoad(load_);
        report_.Header.push_back(Pair(pellets ? "Typical Weight:" : "Weight:",
                                      OunceWeightText(load_.ShotWeight, english_)));
        report_.Header.push_back(
            Pair("Muzzle Velocity:",
                 english_ ? std::to_string(load_.MuzzleVelocity) + " feet per second"
                          : Integer(load_.MuzzleVelocity * kMetersPerFoot) + " meters per second"));
        report_.Header.push_back(
            Pair("Muzzle Energy:",
                 english_ ? std::to_string(load_.MuzzleEnergy) + " Foot-pounds"
                          : Integer(load_.MuzzleEnergy * kJoulesPerFootPound) + " Joules"));
        const std::string sizes = CollapseBlanks(load_.ShotSizeText);
        report_.Header.push_back(Pair(pellets ? "Pellet Count - Size:" : "Shot Size:", sizes));
        const std::string material = Name(load_.MaterialId, ListKind::Material);
        if (!pellets) {
            report_.Header.push_back(Pair("Shot Material:", material));
            return;
        }
        report_.Header.push_back(Pair("Pellet Material:", material));
        // A shot size without a usable index line leaves the diameter empty.
        const std::optional<double> diameter = PelletDiameter(load_, ShotSizeIndex(), english_);
        report_.Header.push_back(
            Pair("Pellet Diameter:",
                 diameter ? FormatFixed(*diameter, 3) + (english_ ? " Inches" : " Centimeters")
                          : std::string()));
    }

    std::string Cell(int column) const {
        const auto& cells = request_.Grid.Cells[static_cast<std::size_t>(request_.Row)];
        if (column < 0 || column >= static_cast<int>(cells.size())) {
            return {};
        }
        return Field(Trim(cells[static_cast<std::size_t>(column)]));
    }

    std::string Heading(int column) const {
        const auto& columns = request_.Grid.Headings.Columns;
        if (column < 0 || column >= static_cast<int>(columns.size())) {
            return {};
        }
        return Field(TitleCase(columns[static_cast<std::size_t>(column)].HeadingText));
    }

    // Label, then `count` cells from `first` on, after the given leading values.
    ReportRow DataRow(std::string label, std::vector<std::string> leading, int first,
                      int count) const {
        ReportRow row{std::move(label), std::move(leading)};
        for (int k = 0; k < count; ++k) {
            row.Values.push_back(Cell(first + k));
        }
        return row;
    }

    void AddRangeBlock() {
        const GridHeadings& headings = request_.Grid.Headings;
        const ColumnIndexes& index = headings.Index;
        const bool velocity = index.Velocity >= 0;
        const bool energy = index.Energy >= 0;
        const bool drift = index.Drift >= 0;
        const bool trajectory = index.Trajectory >= 0;
        if (!velocity && !energy && !drift && !trajectory) {
            return;
        }
        const int n = static_cast<int>(headings.RangeLabels.size());
        ReportRangeTable& table = report_.Ranges.emplace();

        // Without a muzzle column (only drift or trajectory shown) the headings are built from
        // the range labels so that they stay aligned with the rows.
        if (velocity || energy) {
            const int first = velocity ? index.Velocity : index.Energy;
            for (int k = 0; k <= n; ++k) {
                table.Headings.push_back(Heading(first + k));
            }
        } else {
            table.Headings.push_back("Muzzle");
            for (const std::string& label : headings.RangeLabels) {
                table.Headings.push_back(Field(TitleCase(label)));
            }
        }

        if (velocity) {
            table.Rows.push_back(
                DataRow(english_ ? "Velocity (f/s)" : "Velocity (m/s)", {}, index.Velocity, n + 1));
        }
        if (energy) {
            table.Rows.push_back(DataRow(english_ ? "Energy (ft-lbs.)" : "Energy (Joules)", {},
                                         index.Energy, n + 1));
        }
        if (drift) {
            table.Rows.push_back(
                DataRow(english_ ? "Wind Drift (in)" : "Wind Drift (cm)", {"0"}, index.Drift, n));
        }
        if (trajectory) {
            const double muzzle = english_ ? -sightHeight_ : -sightHeight_ * kCentimetersPerInch;
            table.Rows.push_back(DataRow(english_ ? "Trajectory (in)" : "Trajectory (cm)",
                                         {FormatFixed(muzzle, 1)}, index.Trajectory, n));
            table.Rows.push_back(
                ZeroAdjustmentRow(load_, tab_, request_.Panel, english_, sightHeight_, n));
        }
    }

    const LoadReportRequest& request_;
    const LoadRecord& load_;
    CatalogTab tab_;
    const SectionTraits& traits_;
    bool english_;
    double sightHeight_;
    std::optional<std::vector<int>> index_;
    LoadReport report_;
};

} // namespace

ReportRow ZeroAdjustmentRow(const LoadRecord& load, CatalogTab section, const PanelTexts& panel,
                            bool englSys, double sightHeight, int rangePoints) {
    const PanelRanges ranges = ReadPanelRanges(panel);
    const std::int32_t increment = ranges.Increment;
    const std::int32_t zeroAt = ranges.ZeroAt;
    // K equals the grid's N while the panel keeps its invariants; never more, so the line
    // stays aligned with the table.
    const int k = std::clamp(ranges.RangeCount(), 0, std::max(rangePoints, 0));
    ReportRow row{"Zero Adj. (moa)", {"n/a"}};
    if (k == 0) {
        return row;
    }

    EngineInputs inputs = EngineInputsFromPanel(panel, section, load, englSys, sightHeight);
    const int zeroPoint = increment > 0 ? zeroAt / increment : -1;
    // The zero's drop is needed even when the zero lies beyond the last range shown.
    inputs.RangeCount = std::max({inputs.RangeCount, k, zeroPoint});
    const BallisticResults results = ComputeBallistics(inputs);

    const auto reached = [&results](int i) {
        return i >= 0 && i <= results.RangeCount && results.Time[static_cast<std::size_t>(i)] >= 0;
    };
    const bool zeroKnown =
        results.Status != kStatusSkipped && increment > 0 && zeroAt > 0 && reached(zeroPoint);
    const auto angle = [&](int point, double distance) {
        return BoreAngleMoa(results.Drop[static_cast<std::size_t>(point)], sightHeight, distance,
                            englSys);
    };
    const double zeroAngle = zeroKnown ? angle(zeroPoint, zeroAt) : 0;
    for (int i = 1; i <= k; ++i) {
        std::string& value = row.Values.emplace_back();
        if (zeroKnown && reached(i)) {
            // The distance as a whole number first, so that the zero point gives exactly 0.
            value = FormatFixed(
                angle(i, static_cast<double>(std::int64_t{i} * increment)) - zeroAngle, 1);
        }
    }
    return row;
}

std::vector<ReportShotRow> ShotRows(const LoadRecord& load, std::string_view materialName,
                                    const std::vector<int>& index, bool englSys) {
    std::vector<ReportShotRow> rows;
    for (const ShotRow& row : BuildPelletTable(load, index, materialName, englSys).rows) {
        rows.push_back(
            {row.name, row.count ? std::optional(row.countText) : std::nullopt, row.diameterText});
    }
    return rows;
}

std::pair<ReportRangeTable, ReportRangeTable> SplitRangeTable(const ReportRangeTable& table) {
    const std::size_t half = table.Headings.size() / 2 + table.Headings.size() % 2;
    const auto cut = [half](const std::vector<std::string>& values) {
        const auto middle =
            values.begin() + static_cast<std::ptrdiff_t>(std::min(half, values.size()));
        return std::pair(std::vector<std::string>(values.begin(), middle),
                         std::vector<std::string>(middle, values.end()));
    };
    std::pair<ReportRangeTable, ReportRangeTable> halves;
    std::tie(halves.first.Headings, halves.second.Headings) = cut(table.Headings);
    for (const ReportRow& row : table.Rows) {
        auto [first, second] = cut(row.Values);
        halves.first.Rows.push_back({row.Label, std::move(first)});
        halves.second.Rows.push_back({row.Label, std::move(second)});
    }
    return halves;
}

std::optional<LoadReport> BuildLoadReport(const LoadReportRequest& request) {
    const CatalogTab tab = request.Grid.Section;
    const GridData& grid = request.Grid;
    if (Traits(tab).IsComponents() || request.Row < 1 || request.Row >= grid.RowCount() ||
        request.Row >= static_cast<int>(grid.RecordIndexes.size())) {
        return std::nullopt;
    }
    const int record = grid.RecordIndexes[static_cast<std::size_t>(request.Row)];
    if (record < 0 || record >= static_cast<int>(request.Records.size())) {
        return std::nullopt;
    }
    ReportBuilder builder(request, request.Records[static_cast<std::size_t>(record)], tab);
    return builder.Build();
}

std::optional<LoadReport> BuildLoadReport(Catalog& catalog, const GridData& grid, int row,
                                          const PanelTexts& panel, const AppSettings& settings) {
    const CatalogTab tab = grid.Section;
    catalog.LoadSectionTable(tab);
    const LoadReportRequest request{
        .Grid = grid,
        .Row = row,
        .Records = catalog.Records(tab),
        .LookupName = [&catalog, tab](int id,
                                      ListKind kind) { return catalog.LookupName(id, tab, kind); },
        .Panel = panel,
        .Settings = settings,
        .DataDir = catalog.DataDir(),
    };
    return BuildLoadReport(request);
}

} // namespace corvane
