#include "report/LoadReport.h"

#include "ballistics/BallisticEngine.h"
#include "catalog/PelletData.h"
#include "catalog/ShotSizes.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "report/LoadHeading.h"
#include "report/ReportText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace corvane {

namespace {

constexpr std::size_t kNoteLineLength = 56;

// A field never holds the separator: a "|" in catalog data would shift every later field.
std::string Field(std::string_view text) {
    std::string field(text);
    std::replace(field.begin(), field.end(), '|', '\xA6');
    return field;
}

std::string Pair(std::string_view label, std::string_view value) {
    return std::string(label) + "|" + Field(value);
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += '|';
        }
        line += fields[i];
    }
    return line;
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
    ReportBuilder(const LoadReportRequest& request, const LoadRecord& load, int section)
        : request_(request), load_(load), section_(section), english_(request.Settings.EnglSys),
          sightHeight_(request.Settings.SightHeightOf(section)) {}

    LoadReportText Build() {
        AddHeader();
        text_.push_back("ENDHEADER");
        text_.push_back("TABNUMBER|" + std::to_string(section_));
        if (section_ <= 3) {
            AddRangeBlock();
        } else if (!IsBuckshotLoad(load_)) {
            text_.push_back("SHOTDATA|");
            text_.push_back(english_ ? "Shot Size|Typical Pellet Count|Pellet Diameter in inches"
                                     : "Shot Size|Typical Pellet Count|Pellet Diameter in "
                                       "Centimeters");
            AddShotRows(load_, Name(load_.MaterialId, ListKind::Material), ShotSizeIndex(),
                        english_, text_);
        }
        return std::move(text_);
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
        switch (section_) {
        case 0:
            return brand + " Centerfire Rifle";
        case 2:
            return brand + " Rimfire";
        default:
            return brand;
        }
    }

    void AddHeader() {
        const bool gauge = section_ >= 3;
        text_.push_back(Title());
        text_.push_back(Pair("Usage:", LoadUsageText(load_, [this](int id, ListKind kind) {
                                 return Name(id, kind);
                             })));
        text_.push_back(Pair("Corvane Load No.:", Trim(load_.LoadNumber)));
        text_.push_back(
            Pair(gauge ? "Gauge:" : "Caliber:", Name(load_.CaliberId, ListKind::Caliber)));
        if (gauge) {
            text_.push_back(Pair("Shell Length:", LengthText(load_.ShellLength, english_, 1)));
        }
        if (section_ == 4) {
            AddShotshellHeader();
        } else {
            AddBulletHeader();
        }
        const std::string note = Left("Note:|" + Field(load_.Note), kNoteLineLength);
        if (note.size() > 6) {
            text_.push_back(note);
        }
    }

    void AddBulletHeader() {
        const bool slug = section_ == 3;
        if (slug) {
            text_.push_back(Pair("Slug Weight:", OunceWeightText(load_.SlugWeight, english_)));
        } else {
            text_.push_back(
                Pair("Bullet Weight:",
                     english_ ? FormatFixed(load_.BulletWeight, 0) + " Grains"
                              : FormatFixed(load_.BulletWeight * kGramsPerGrain, 2) + " Grams"));
        }
        text_.push_back(
            Pair(slug ? "Slug Style:" : "Bullet Style:",
                 Name(slug ? load_.SlugStyleId : load_.BulletStyleId, ListKind::Bullet)));
        const double coefficient = load_.BallisticCoefficient;
        text_.push_back(Pair("Ballistic Coefficient:", std::isfinite(coefficient)
                                                           ? FormatFixed(coefficient, 3)
                                                           : std::string()));
        if (section_ <= 1) {
            text_.push_back(Pair("Factory Primer No.:", load_.PrimerNumber));
        }
        const PanelTexts& panel = request_.Panel;
        text_.push_back(Pair("Barrel Length:", LengthText(load_.BarrelLength, english_, 2)));
        text_.push_back(Pair("Altitude Above Sea Level:",
                             Trim(panel.Altitude) + (english_ ? " Feet" : " Meters")));
        text_.push_back(Pair("Temperature:", Trim(panel.Temperature) +
                                                 (english_ ? "\xBA Fahrenheit" : "\xBA Celsius")));
        text_.push_back(Pair("Crosswind Speed:", panel.CrossWind + (english_ ? " MPH" : " MPS")));
        text_.push_back(
            Pair("Sight Height:",
                 english_ ? FormatFixed(sightHeight_, 1) + " Inches"
                          : FormatFixed(sightHeight_ * kCentimetersPerInch, 1) + " Centimeters"));
    }

    void AddShotshellHeader() {
        const bool pellets = IsBuckshotLoad(load_);
        text_.push_back(Pair(pellets ? "Typical Weight:" : "Weight:",
                             OunceWeightText(load_.ShotWeight, english_)));
        text_.push_back(
            Pair("Muzzle Velocity:",
                 english_ ? std::to_string(load_.MuzzleVelocity) + " feet per second"
                          : Integer(load_.MuzzleVelocity * kMetersPerFoot) + " meters per second"));
        text_.push_back(Pair("Muzzle Energy:",
                             english_
                                 ? std::to_string(load_.MuzzleEnergy) + " Foot-pounds"
                                 : Integer(load_.MuzzleEnergy * kJoulesPerFootPound) + " Joules"));
        const std::string sizes = CollapseBlanks(load_.ShotSizeText);
        text_.push_back(Pair(pellets ? "Pellet Count - Size:" : "Shot Size:", sizes));
        const std::string material = Name(load_.MaterialId, ListKind::Material);
        if (!pellets) {
            text_.push_back(Pair("Shot Material:", material));
            return;
        }
        text_.push_back(Pair("Pellet Material:", material));
        // A shot size without a usable index line leaves the diameter empty.
        const std::optional<double> diameter = PelletDiameter(load_, ShotSizeIndex(), english_);
        text_.push_back(
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
    std::string DataLine(std::string label, std::vector<std::string> leading, int first,
                         int count) const {
        std::vector<std::string> fields{std::move(label)};
        fields.insert(fields.end(), leading.begin(), leading.end());
        for (int k = 0; k < count; ++k) {
            fields.push_back(Cell(first + k));
        }
        return JoinFields(fields);
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
        text_.push_back("RANGECOUNT|" + std::to_string(n));

        // Without a muzzle column (only drift or trajectory shown) the headings are built from
        // the range labels so that they stay aligned with the data lines.
        std::vector<std::string> rangeHeadings;
        if (velocity || energy) {
            const int first = velocity ? index.Velocity : index.Energy;
            for (int k = 0; k <= n; ++k) {
                rangeHeadings.push_back(Heading(first + k));
            }
        } else {
            rangeHeadings.push_back("Muzzle");
            for (const std::string& label : headings.RangeLabels) {
                rangeHeadings.push_back(Field(TitleCase(label)));
            }
        }
        text_.push_back(JoinFields(rangeHeadings));

        if (velocity) {
            text_.push_back(DataLine(english_ ? "Velocity (f/s)" : "Velocity (m/s)", {},
                                     index.Velocity, n + 1));
        }
        if (energy) {
            text_.push_back(DataLine(english_ ? "Energy (ft-lbs.)" : "Energy (Joules)", {},
                                     index.Energy, n + 1));
        }
        if (drift) {
            text_.push_back(
                DataLine(english_ ? "Wind Drift (in)" : "Wind Drift (cm)", {"0"}, index.Drift, n));
        }
        if (trajectory) {
            const double muzzle = english_ ? -sightHeight_ : -sightHeight_ * kCentimetersPerInch;
            text_.push_back(DataLine(english_ ? "Trajectory (in)" : "Trajectory (cm)",
                                     {FormatFixed(muzzle, 1)}, index.Trajectory, n));
            text_.push_back(ZeroAdjustmentLine(load_, static_cast<CatalogTab>(section_),
                                               request_.Panel, english_, sightHeight_, n));
        }
    }

    const LoadReportRequest& request_;
    const LoadRecord& load_;
    int section_;
    bool english_;
    double sightHeight_;
    std::optional<std::vector<int>> index_;
    LoadReportText text_;
};

} // namespace

std::string ZeroAdjustmentLine(const LoadRecord& load, CatalogTab section, const PanelTexts& panel,
                               bool englSys, double sightHeight, int rangePoints) {
    const PanelRanges ranges = ReadPanelRanges(panel);
    const std::int32_t increment = ranges.Increment;
    const std::int32_t zeroAt = ranges.ZeroAt;
    // K equals the grid's N while the panel keeps its invariants; never more, so the line
    // stays aligned with the table.
    const int k = std::clamp(ranges.RangeCount(), 0, std::max(rangePoints, 0));
    std::string line = "Zero Adj. (moa)|n/a";
    if (k == 0) {
        return line;
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
    const double feetPerUnit = englSys ? kFeetPerYard : kFeetPerMeter;
    const auto angle = [&](int point, double distance) {
        return (results.Drop[static_cast<std::size_t>(point)] + sightHeight) /
               (kMoaInchesPerFoot * distance * feetPerUnit);
    };
    const double zeroAngle = zeroKnown ? angle(zeroPoint, zeroAt) : 0;
    for (int i = 1; i <= k; ++i) {
        line += '|';
        if (zeroKnown && reached(i)) {
            // The distance as a whole number first, so that the zero point gives exactly 0.
            line += FormatFixed(
                angle(i, static_cast<double>(std::int64_t{i} * increment)) - zeroAngle, 1);
        }
    }
    return line;
}

void AddShotRows(const LoadRecord& load, std::string_view materialName,
                 const std::vector<int>& index, bool englSys, LoadReportText& text) {
    const PelletTable table = BuildPelletTable(load, index, materialName, englSys);
    for (std::string& row : ShotReportRows(table)) {
        text.push_back(std::move(row));
    }
}

LoadReportText BuildLoadReportText(const LoadReportRequest& request) {
    const int section = TabIndex(request.Grid.Section);
    const GridData& grid = request.Grid;
    if (section < 0 || section > 4 || request.Row < 1 || request.Row >= grid.RowCount() ||
        request.Row >= static_cast<int>(grid.RecordIndexes.size())) {
        return {};
    }
    const int record = grid.RecordIndexes[static_cast<std::size_t>(request.Row)];
    if (record < 0 || record >= static_cast<int>(request.Records.size())) {
        return {};
    }
    ReportBuilder builder(request, request.Records[static_cast<std::size_t>(record)], section);
    return builder.Build();
}

LoadReportText BuildLoadReportText(Catalog& catalog, const GridData& grid, int row,
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
    return BuildLoadReportText(request);
}

} // namespace corvane
