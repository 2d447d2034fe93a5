#include "ballistics/GridData.h"

#include "ballistics/BallisticEngine.h"
#include "ballistics/CellText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"

#include <atomic>
#include <exception>
#include <system_error>
#include <thread>

namespace corvane {

namespace {

bool HasText(std::string_view text) {
    return !Trim(text).empty();
}

const LoadRecord& RecordOf(const std::vector<LoadRecord>& records, const ShownLoad& entry) {
    return records.at(static_cast<std::size_t>(entry.recordIndex));
}

// Writes one row's cells, widening columns to the texts that are fitted.
class RowWriter {
public:
    RowWriter(GridData& grid, std::vector<std::string>& row, const TextMeasure& measure)
        : grid_(grid), row_(row), measure_(measure) {}

    void Set(int column, std::string text) {
        if (column >= 0 && column < static_cast<int>(row_.size())) {
            row_[static_cast<std::size_t>(column)] = std::move(text);
        }
    }
    void Fit(int column, std::string_view fitText, bool bold = true) {
        if (column >= 0 && column < grid_.ColumnCount()) {
            FitColumnToText(grid_.Headings.Columns[static_cast<std::size_t>(column)], fitText, bold,
                            measure_);
        }
    }
    void SetFitted(int column, std::string text, std::string_view fitText, bool bold = true) {
        if (column < 0) {
            return;
        }
        Fit(column, fitText, bold);
        Set(column, std::move(text));
    }

private:
    GridData& grid_;
    std::vector<std::string>& row_;
    const TextMeasure& measure_;
};

class GridFiller {
public:
    GridFiller(const GridRequest& request, GridData& grid)
        : request_(request), grid_(grid), english_(request.Settings.EnglSys),
          index_(grid.Headings.Index) {}

    void FillRow(std::size_t shownIndex) {
        const ShownLoad& entry = request_.Shown[shownIndex];
        const LoadRecord& load = RecordOf(request_.Records, entry);
        const int row = static_cast<int>(shownIndex) + 1;
        currentRow_ = row;
        grid_.RecordIndexes[static_cast<std::size_t>(row)] = entry.recordIndex;
        RowWriter writer(grid_, grid_.Cells[static_cast<std::size_t>(row)], request_.Measure);
        if (request_.Section == CatalogTab::Components) {
            FillComponentRow(load, writer);
            return;
        }
        if (shownIndex == 0 || load.CaliberId != lastCaliber_) {
            grid_.RowSeparators[static_cast<std::size_t>(row)] = shownIndex != 0;
            lastCaliber_ = load.CaliberId;
        }
        FillLoadRow(load, writer);
    }

    // The ballistics cells of every queued row. The flights are computed two at a time, and on
    // two threads for a long table: each row's cells are its own, so the grid is the same
    // whichever thread computes a row, and nothing but these cells is written meanwhile.
    void FillBallistics() {
        const std::size_t pairs = (flights_.size() + 1) / 2;
        std::atomic<std::size_t> nextPair{0};
        const auto work = [this, pairs, &nextPair] {
            BallisticResults first;
            BallisticResults second;
            for (std::size_t pair = nextPair++; pair < pairs; pair = nextPair++) {
                const QueuedFlight& one = flights_[2 * pair];
                if (2 * pair + 1 == flights_.size()) {
                    WriteBallistics(one.Row, ComputeBallistics(one.Inputs));
                    continue;
                }
                const QueuedFlight& two = flights_[2 * pair + 1];
                ComputeBallisticsPair(one.Inputs, two.Inputs, first, second);
                WriteBallistics(one.Row, first);
                WriteBallistics(two.Row, second);
            }
        };
        if (pairs < kPairsForSecondThread || std::thread::hardware_concurrency() < 2) {
            work();
            return;
        }
        std::exception_ptr helperFailure;
        std::thread helper;
        try {
            helper = std::thread([&work, &helperFailure] {
                try {
                    work();
                } catch (...) {
                    helperFailure = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            work(); // no thread to be had: all rows here
            return;
        }
        try {
            work();
        } catch (...) {
            nextPair = pairs; // the helper stops at its next pair
            helper.join();
            throw;
        }
        helper.join();
        if (helperFailure) {
            std::rethrow_exception(helperFailure);
        }
    }

private:
    std::string Name(int id, ListKind kind) const { return request_.LookupName(id, kind); }

    void FillMark(const LoadRecord& load, RowWriter& writer) {
        if (index_.FootNote < 0) {
            return;
        }
        const LoadMark mark =
            MakeLoadMark(load.MarkCode, load.YearIntroduced,
                         request_.Section == CatalogTab::Shotshell, load.ShotSizeText);
        grid_.NickelPlatedSeen = grid_.NickelPlatedSeen || mark.NickelPlated;
        grid_.LowRecoilSeen = grid_.LowRecoilSeen || mark.LowRecoil;
        grid_.HighEnergySeen = grid_.HighEnergySeen || mark.HighEnergy;
        writer.SetFitted(index_.FootNote, " " + mark.Text, mark.Text);
    }

    void FillLoadRow(const LoadRecord& load, RowWriter& writer) {
        const CatalogTab section = request_.Section;
        FillMark(load, writer);
        writer.SetFitted(index_.LoadNumber, SpacedCut(load.LoadNumber, 21), load.LoadNumber);
        if (index_.Caliber >= 0) {
            const std::string caliber = Name(load.CaliberId, ListKind::Caliber);
            writer.SetFitted(index_.Caliber, " " + caliber, caliber);
        }
        if (section == CatalogTab::Shotshell) {
            FillShotshellCells(load, writer);
        } else {
            FillBulletCells(load, writer);
        }
        if (index_.Note >= 0) {
            const std::string note = load.Note + " ";
            writer.SetFitted(index_.Note, TrailingBlankCellText(load.Note, 51), note, false);
        }
    }

    void FillBulletCells(const LoadRecord& load, RowWriter& writer) {
        const bool slug = request_.Section == CatalogTab::Slug;
        if (slug) {
            writer.Set(index_.ShellLength, LengthCellText(load.ShellLength, english_));
            writer.Set(index_.Weight, OunceWeightCellText(load.SlugWeight, english_));
            writer.Set(index_.Coefficient, CoefficientCellText(load.BallisticCoefficient, 5));
            if (index_.Dram >= 0) {
                const std::string dram = " " + load.DramEquivalent;
                writer.SetFitted(index_.Dram, dram, dram);
            }
        } else {
            writer.Set(index_.Weight, BulletWeightCellText(load.BulletWeight, english_));
            writer.Set(index_.Coefficient, CoefficientCellText(load.BallisticCoefficient, 7));
        }
        if (index_.Style >= 0) {
            const std::string style =
                Name(slug ? load.SlugStyleId : load.BulletStyleId, ListKind::Bullet);
            writer.SetFitted(index_.Style, " " + style, style);
        }
        if (index_.PrimerNumber >= 0) {
            const std::string primer = Left("     " + load.PrimerNumber, 15);
            writer.SetFitted(index_.PrimerNumber, primer, primer);
        }
        QueueBallistics(load);
        writer.Set(index_.TestBarrel, LengthCellText(load.BarrelLength, english_));
    }

    // The flight of a bullet row, computed after every row is written (FillBallistics).
    void QueueBallistics(const LoadRecord& load) {
        if (index_.Velocity < 0 && index_.Energy < 0 && index_.Drift < 0 && index_.Trajectory < 0) {
            return;
        }
        flights_.push_back(
            {currentRow_,
             EngineInputsFromPanel(request_.Panel, request_.Section, load, english_,
                                   SectionSightHeight(request_.Settings, request_.Section))});
    }

    // Below this a second thread costs more than it saves.
    static constexpr std::size_t kPairsForSecondThread = 8;

    struct QueuedFlight {
        int Row = 0;
        EngineInputs Inputs;
    };

    void WriteBallistics(int row, const BallisticResults& results) {
        if (results.Status == kStatusSkipped) {
            return;
        }
        RowWriter writer(grid_, grid_.Cells[static_cast<std::size_t>(row)], request_.Measure);
        const auto& headings = grid_.Headings;
        const int points =
            std::min(static_cast<int>(headings.RangeLabels.size()), results.RangeCount);
        const double speed = english_ ? 1.0 : kMetersPerSecondPerFootPerSecond;
        const double energy = english_ ? 1.0 : kJoulesPerFootPound;
        const double length = english_ ? 1.0 : kCentimetersPerInch;
        for (int i = 0; i <= points; ++i) {
            const auto point = static_cast<std::size_t>(i);
            if (index_.Velocity >= 0) {
                writer.Set(index_.Velocity + i, RoundedCellText(results.Velocity[point] * speed));
            }
            if (index_.Energy >= 0) {
                writer.Set(index_.Energy + i, RoundedCellText(results.Energy[point] * energy));
            }
            if (i == 0) {
                continue;
            }
            if (index_.Drift >= 0) {
                writer.Set(index_.Drift + i - 1, OneDecimalCellText(results.Drift[point] * length));
            }
            if (index_.Trajectory >= 0 && results.TrajectoryValid) {
                writer.Set(index_.Trajectory + i - 1,
                           i == grid_.ZeroIndex
                               ? std::string(kZeroCellText)
                               : OneDecimalCellText(results.Trajectory[point] * length));
            }
        }
    }

    void FillShotshellCells(const LoadRecord& load, RowWriter& writer) {
        writer.Set(index_.ShellLength, LengthCellText(load.ShellLength, english_));
        if (index_.Dram >= 0) {
            const std::string dram = " " + load.DramEquivalent;
            writer.SetFitted(index_.Dram, dram, dram);
        }
        const double speed = english_ ? 1.0 : kMetersPerSecondPerFootPerSecond;
        writer.Set(index_.Velocity, RoundedCellText(load.MuzzleVelocity * speed));
        if (OunceWeightShown(load.ShotWeight, english_) > 0) {
            writer.Set(index_.Weight, OunceWeightCellText(load.ShotWeight, english_));
        }
        if (index_.Style >= 0) {
            const std::string sizes = TrailingBlankCellText(load.ShotSizeText, 41);
            writer.SetFitted(index_.Style, sizes, sizes);
        }
        if (index_.Material >= 0) {
            const std::string material = Name(load.MaterialId, ListKind::Material) + " ";
            writer.SetFitted(index_.Material, " " + material, material, false);
        }
    }

    void FillComponentRow(const LoadRecord& load, RowWriter& writer) {
        const auto setComponent = [&writer](int column, std::string text) {
            if (column >= 0) {
                writer.Fit(column, WithoutLeadingBlanks(text));
                writer.Set(column, std::move(text));
            }
        };
        setComponent(index_.Number, SpacedCut(load.ItemNumber, 13));
        setComponent(index_.Gauge, SpacedCut(load.Gauge, 11));
        setComponent(index_.Diameter, PrimerDiameterCellText(load.PrimerDiameter, english_));
        setComponent(index_.Product, SpacedCut(load.Product, 11));
        setComponent(index_.Brand, SpacedCut(load.BrandName, 41));
        setComponent(index_.Description, SpacedCut(load.Description, 41));
        setComponent(index_.ComponentUsage, SpacedCut(load.UsageText, 61));
    }

    const GridRequest& request_;
    GridData& grid_;
    bool english_;
    const ColumnIndexes& index_;
    std::int32_t lastCaliber_ = 0;
    int currentRow_ = 0; // the row FillRow is filling
    std::vector<QueuedFlight> flights_;
};

} // namespace

ColumnSwitches SectionColumnSwitches(CatalogTab section, const std::vector<LoadRecord>& records,
                                     const ShownLoads& shown) {
    ColumnSwitches switches; // the starting values
    switch (section) {
    case CatalogTab::Rimfire:
        switches.PrimerNumber = false;
        break;
    case CatalogTab::Slug:
        switches.ShellLength = true;
        switches.PrimerNumber = false;
        break;
    case CatalogTab::Shotshell:
        switches.ShellLength = true;
        switches.Material = true;
        switches.PrimerNumber = false;
        switches.WindDrift = false;
        switches.Trajectory = false;
        switches.TestBarrel = false;
        switches.Weight = false;
        switches.Energy = false;
        break;
    default:
        break;
    }
    const bool dramChecked = section == CatalogTab::Slug || section == CatalogTab::Shotshell;
    for (const ShownLoad& entry : shown.Entries()) {
        const LoadRecord& load = RecordOf(records, entry);
        if (HasText(load.MarkCode) || load.IsNew()) {
            switches.FootNote = true;
        }
        if (HasText(load.Note)) {
            switches.Note = true;
        }
        if (dramChecked && HasText(load.DramEquivalent)) {
            switches.Dram = true;
        }
        if (section == CatalogTab::Shotshell && load.ShotWeight > 0.001) {
            switches.Weight = true;
            switches.Energy = true;
        }
    }
    return switches;
}

ComponentSwitches SectionComponentSwitches(const std::vector<LoadRecord>& records,
                                           const ShownLoads& shown) {
    ComponentSwitches switches;
    for (const ShownLoad& entry : shown.Entries()) {
        const LoadRecord& load = RecordOf(records, entry);
        if (load.ComponentTypeId == 1 || load.ComponentTypeId == 2) {
            switches.Diameter = true;
            switches.Description = true;
        }
        if (load.ComponentTypeId == 3) {
            switches.Gauge = true;
        }
    }
    return switches;
}

std::string LegendLine1Text(bool nickelPlatedSeen, bool lowRecoilSeen) {
    if (nickelPlatedSeen && lowRecoilSeen) {
        return std::string(kLegendNickelPlated) + "    " + std::string(kLegendLowRecoil);
    }
    if (nickelPlatedSeen) {
        return std::string(kLegendNickelPlated);
    }
    if (lowRecoilSeen) {
        return std::string(kLegendLowRecoil);
    }
    return {};
}

GridData BuildGridData(const GridRequest& request) {
    GridData grid;
    grid.Section = request.Section;
    if (request.Section == CatalogTab::Components) {
        grid.Headings =
            BuildComponentHeadings(SectionComponentSwitches(request.Records, request.Shown),
                                   request.Settings, request.Measure);
    } else {
        const PanelRanges ranges = ReadPanelRanges(request.Panel);
        grid.Headings =
            BuildHeadings(request.Section, ranges.Increment, ranges.Range,
                          SectionColumnSwitches(request.Section, request.Records, request.Shown),
                          request.Panel.CrossWind, request.Settings, request.Measure);
        if (ranges.Increment > 0) {
            grid.ZeroIndex = ranges.ZeroAt / ranges.Increment;
        }
    }
    const std::size_t rows = request.Shown.Count() + 1;
    grid.Cells.assign(rows, std::vector<std::string>(static_cast<std::size_t>(grid.ColumnCount())));
    grid.RowSeparators.assign(rows, false);
    grid.RecordIndexes.assign(rows, -1);

    GridFiller filler(request, grid);
    for (std::size_t i = 0; i < request.Shown.Count(); ++i) {
        filler.FillRow(i);
    }
    filler.FillBallistics();
    grid.LegendLine1 = LegendLine1Text(grid.NickelPlatedSeen, grid.LowRecoilSeen);
    grid.LegendLine2Visible = grid.HighEnergySeen;
    return grid;
}

} // namespace corvane
