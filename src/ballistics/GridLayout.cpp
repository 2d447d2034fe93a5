#include "ballistics/GridLayout.h"

#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/UnitWords.h"
#include "catalog/SectionTraits.h"
#include "common/NumberText.h"

#include <algorithm>
#include <utility>

namespace corvane {

namespace {

enum class GroupKind { Plain, Ballistics, TestBarrel };

struct PendingGroup {
    std::string Text;
    int First = 0;
    int Last = 0;
    GroupKind Kind = GroupKind::Plain;
    ColorRef Color = 0;
};

// Collects the columns in their order, then lays them out in one pass.
class HeadingBuilder {
public:
    HeadingBuilder(GridHeadings& headings, const TextMeasure& measure)
        : headings_(headings), measure_(measure) {}

    int AddColumn(std::string lower) {
        lowers_.push_back(std::move(lower));
        return static_cast<int>(lowers_.size()) - 1;
    }

    // A group over the given lower lines; nothing when there are none.
    int AddGroup(std::string upper, std::vector<std::string> lowers,
                 GroupKind kind = GroupKind::Plain, ColorRef color = 0) {
        if (lowers.empty()) {
            return -1;
        }
        PendingGroup group{std::move(upper), static_cast<int>(lowers_.size()), 0, kind, color};
        for (std::string& lower : lowers) {
            AddColumn(std::move(lower));
        }
        group.Last = static_cast<int>(lowers_.size()) - 1;
        groups_.push_back(std::move(group));
        return groups_.back().First;
    }

    void Finish(ColorRef gridColor) {
        const int height = measure_.TextHeight("T", true);
        headings_.TextHeight = height;
        headings_.RowHeight = height + 4;
        headings_.HeadingRowHeight = 2 * height + 4;

        std::vector<ColumnLayout>& columns = headings_.Columns;
        ResetColumns(columns, static_cast<int>(lowers_.size()), gridColor);
        for (std::size_t c = 0; c < lowers_.size(); ++c) {
            columns[c].HeadingText = lowers_[c];
            FitColumnToText(columns[c], lowers_[c], true, measure_);
        }
        for (const PendingGroup& group : groups_) {
            LayOutGroup(group);
        }
        for (ColumnLayout& column : columns) {
            column.HeadingTextOffset =
                (column.Width - measure_.TextWidth(column.HeadingText, true)) / 2;
        }
    }

private:
    void LayOutGroup(const PendingGroup& group) {
        std::vector<ColumnLayout>& columns = headings_.Columns;
        const int count = group.Last - group.First + 1;
        int sum = 0;
        for (int c = group.First; c <= group.Last; ++c) {
            FitColumnToText(columns[c], columns[c].HeadingText, true, measure_);
            sum += columns[c].Width;
        }
        const int textWidth = measure_.TextWidth(group.Text, true);
        int wanted = textWidth + 12;
        if (wanted > sum) {
            // Spread the excess over the group's columns, rounding up.
            const int extra = (wanted - sum) / count + 1;
            for (int c = group.First; c <= group.Last; ++c) {
                columns[c].Width += extra;
            }
        } else {
            wanted = sum;
        }
        headings_.GroupTexts.push_back(group.Text);
        const int number = static_cast<int>(headings_.GroupTexts.size());
        const int offset = (wanted - textWidth) / 2 + 1;
        int left = 0;
        for (int c = group.First; c <= group.Last; ++c) {
            columns[c].GroupNumber = number;
            columns[c].GroupTextOffset = offset - left;
            left += columns[c].Width;
            if (group.Kind == GroupKind::Ballistics) {
                columns[c].Coloured = true;
                columns[c].Color = group.Color;
            }
        }
        const bool thick = group.Kind != GroupKind::Plain;
        columns[group.First].LeftBorderColor = BorderColor::ButtonShadow;
        columns[group.First].LeftBorderWidth = thick ? 2 : 1;
        if (group.Last + 1 < static_cast<int>(columns.size())) {
            ColumnLayout& after = columns[group.Last + 1];
            after.LeftBorderColor = BorderColor::ButtonShadow;
            after.LeftBorderWidth = group.Kind == GroupKind::Ballistics ? 2 : 1;
        }
        for (int c = group.First + 1; c <= group.Last; ++c) {
            columns[c].LeftBorderWidth = 0;
        }
    }

    GridHeadings& headings_;
    const TextMeasure& measure_;
    std::vector<std::string> lowers_;
    std::vector<PendingGroup> groups_;
};

std::vector<std::string> WithMuzzle(const std::vector<std::string>& labels) {
    std::vector<std::string> lowers{"MUZZLE"};
    lowers.insert(lowers.end(), labels.begin(), labels.end());
    return lowers;
}

} // namespace

const std::string& GridHeadings::GroupTextOf(int column) const {
    static const std::string kEmpty;
    if (column < 0 || column >= ColumnCount()) {
        return kEmpty;
    }
    const int group = Columns[column].GroupNumber;
    if (group < 1 || group > static_cast<int>(GroupTexts.size())) {
        return kEmpty;
    }
    return GroupTexts[group - 1];
}

ColumnSwitches ColumnChoicesFrom(const AppSettings& settings) {
    ColumnSwitches choices;
    choices.Usage = false;
    choices.FootNote = true;
    choices.LoadNumber = true;
    choices.Caliber = true;
    choices.ShellLength = true;
    choices.Weight = true;
    choices.Coefficient = true;
    choices.Style = true;
    choices.PrimerNumber = settings.PrimerNoSw;
    choices.Dram = settings.DramEquivSw;
    choices.TestBarrel = settings.BarrelLenSw;
    choices.Velocity = settings.VelocitySw;
    choices.Energy = settings.EnergySw;
    choices.WindDrift = settings.WindDriftSw;
    choices.Trajectory = settings.TrajectorySw;
    choices.Note = settings.NoteSw;
    choices.Material = true;
    return choices;
}

ColumnSwitches ApplyColumnChoices(const ColumnSwitches& s, const ColumnSwitches& c) {
    ColumnSwitches r;
    r.Usage = s.Usage && c.Usage;
    r.FootNote = s.FootNote && c.FootNote;
    r.LoadNumber = s.LoadNumber && c.LoadNumber;
    r.Caliber = s.Caliber && c.Caliber;
    r.ShellLength = s.ShellLength && c.ShellLength;
    r.Weight = s.Weight && c.Weight;
    r.Coefficient = s.Coefficient && c.Coefficient;
    r.Style = s.Style && c.Style;
    r.PrimerNumber = s.PrimerNumber && c.PrimerNumber;
    r.Dram = s.Dram && c.Dram;
    r.TestBarrel = s.TestBarrel && c.TestBarrel;
    r.Velocity = s.Velocity && c.Velocity;
    r.Energy = s.Energy && c.Energy;
    r.WindDrift = s.WindDrift && c.WindDrift;
    r.Trajectory = s.Trajectory && c.Trajectory;
    r.Note = s.Note && c.Note;
    r.Material = s.Material && c.Material;
    return r;
}

int RangePointCount(int increment, int maxRange) {
    if (increment <= 0 || maxRange <= 0) {
        return 0;
    }
    return std::min(maxRange / increment, kMaxGridRangePoints);
}

std::vector<std::string> BuildRangeLabels(int increment, int maxRange,
                                          std::string_view distanceWord) {
    std::vector<std::string> labels;
    const int count = RangePointCount(increment, maxRange);
    for (int i = 1; i <= count; ++i) {
        labels.push_back(std::to_string(i * increment) + " " + std::string(distanceWord) + ".");
    }
    return labels;
}

void FitColumnToText(ColumnLayout& column, std::string_view text, bool bold,
                     const TextMeasure& measure) {
    column.Width = std::max(column.Width, measure.TextWidth(text, bold) + 12);
}

void ResetColumns(std::vector<ColumnLayout>& columns, int count, ColorRef gridColor) {
    ColumnLayout reset;
    reset.Color = gridColor;
    columns.assign(static_cast<std::size_t>(std::max(0, std::min(count, kColumnCapacity))), reset);
}

double SectionSightHeight(const AppSettings& settings, CatalogTab tab) {
    const SectionTraits& traits = Traits(tab);
    return traits.HasBallistics()
               ? settings.SightHeightOf(static_cast<BallisticsSlot>(traits.ballisticsSlot))
               : 0.0;
}

GridHeadings BuildHeadings(CatalogTab tab, int increment, int maxRange, ColumnSwitches switches,
                           std::string_view crosswindText, const AppSettings& settings,
                           const TextMeasure& measure) {
    GridHeadings headings;
    switches = ApplyColumnChoices(switches, ColumnChoicesFrom(settings));
    const SectionTraits& traits = Traits(tab);
    const UnitWords words = MakeUnitWords(tab, settings.EnglSys);
    // Shotshells have one ballistics column, the muzzle velocity, and a table of shot sizes.
    const bool shotshell = traits.style == StyleSource::ShotSizes;
    if (shotshell) {
        switches.Energy = false;
    } else {
        headings.RangeLabels = BuildRangeLabels(increment, maxRange, words.Distance);
        if (headings.RangeLabels.size() < 2) {
            switches.Trajectory = false;
        }
    }
    headings.Switches = switches;
    const std::vector<std::string>& labels = headings.RangeLabels;
    const bool slugOrShot = traits.gauge;
    ColumnIndexes& index = headings.Index;

    HeadingBuilder builder(headings, measure);
    if (switches.FootNote) {
        index.FootNote = builder.AddGroup("FOOT", {"NOTE"});
    }
    if (switches.Usage) {
        index.Usage = builder.AddColumn("USAGE");
    }
    if (switches.LoadNumber) {
        index.LoadNumber = builder.AddGroup("CORVANE", {"LOAD NO."});
    }
    if (switches.Caliber) {
        index.Caliber = builder.AddColumn(slugOrShot ? "GAUGE" : "CALIBER");
    }
    if (switches.ShellLength && slugOrShot) {
        index.ShellLength = builder.AddGroup("SHELL LENGTH", {"IN " + words.LongLength});
    }
    if (!shotshell) {
        const bool slug = traits.style == StyleSource::SlugStyle;
        if (switches.Weight) {
            index.Weight =
                builder.AddGroup(slug ? "SLUG WGT." : "BULLET WGT.", {"IN " + words.Weight});
        }
        if (switches.Coefficient) {
            index.Coefficient = builder.AddColumn(slug ? "SLUG B.C." : "BULLET B.C.");
        }
        if (switches.Dram && slug) {
            index.Dram = builder.AddGroup("DRAM", {"EQUIV."});
        }
        if (switches.Style) {
            index.Style = builder.AddColumn(slug ? "SLUG TYPE" : "BULLET STYLE");
        }
        if (switches.PrimerNumber && traits.primerNumber) {
            index.PrimerNumber = builder.AddGroup("FACTORY", {"PRIMER NO."});
        }
        if (switches.Velocity) {
            index.Velocity = builder.AddGroup("VELOCITY IN " + words.Velocity, WithMuzzle(labels),
                                              GroupKind::Ballistics, settings.clVelocity);
        }
        if (switches.Energy) {
            index.Energy = builder.AddGroup("ENERGY IN " + words.Energy, WithMuzzle(labels),
                                            GroupKind::Ballistics, settings.clEnergy);
        }
        if (switches.WindDrift) {
            const double crosswind = ReadPanelDecimal(std::string(crosswindText), 0);
            index.Drift =
                builder.AddGroup("WIND DRIFT IN " + words.LongLength + " FOR " +
                                     FormatFixed(crosswind, 0) + " " + words.Wind + " CROSSWIND",
                                 labels, GroupKind::Ballistics, settings.clWindDrift);
        }
        if (switches.Trajectory) {
            const double sight = SectionSightHeight(settings, tab) * words.LengthFactor;
            index.Trajectory = builder.AddGroup(
                "TRAJECTORY IN " + words.LongLength + " FOR " + FormatFixed(sight, 1) + " " +
                    words.ShortLength + " SIGHT HEIGHT",
                labels, GroupKind::Ballistics, settings.clTrajectory);
        }
        if (switches.TestBarrel) {
            index.TestBarrel = builder.AddGroup("TEST BARREL", {"LENGTH " + words.BarrelLength},
                                                GroupKind::TestBarrel);
        }
    } else {
        if (switches.Dram) {
            index.Dram = builder.AddGroup("DRAM", {"EQUIV."});
        }
        if (switches.Velocity) {
            index.Velocity = builder.AddGroup("MUZZLE VELOCITY", {words.Velocity},
                                              GroupKind::Ballistics, settings.clVelocity);
        }
        if (switches.Weight) {
            index.Weight = builder.AddGroup("SHOT WGT.", {"IN " + words.Weight});
        }
        if (switches.Style) {
            index.Style = builder.AddColumn("SHOT SIZES");
        }
        if (switches.Material) {
            index.Material = builder.AddGroup("PELLET    ", {"MATERIAL"});
        }
    }
    if (switches.Note) {
        index.Note = builder.AddColumn("NOTE");
    }
    builder.Finish(settings.clGrid);
    return headings;
}

GridHeadings BuildComponentHeadings(const ComponentSwitches& switches, const AppSettings& settings,
                                    const TextMeasure& measure) {
    GridHeadings headings;
    headings.Components = switches;
    ColumnIndexes& index = headings.Index;
    HeadingBuilder builder(headings, measure);
    if (switches.Number) {
        index.Number = builder.AddGroup("CORVANE", {"NUMBER"});
    }
    if (switches.Gauge) {
        index.Gauge = builder.AddColumn("GAUGE");
    }
    if (switches.Diameter) {
        index.Diameter = builder.AddGroup("PRIMER   ", {"DIAMETER"});
    }
    if (switches.Product) {
        index.Product = builder.AddColumn("PRODUCT");
    }
    if (switches.Brand) {
        index.Brand = builder.AddColumn("BRAND");
    }
    if (switches.Description) {
        index.Description = builder.AddColumn("DESCRIPTION");
    }
    if (switches.Usage) {
        index.ComponentUsage = builder.AddColumn("USAGE");
    }
    builder.Finish(settings.clGrid);
    return headings;
}

} // namespace corvane
