// range-card: the range card of one load and rifle as CSV, rows from the muzzle to the range,
// then the maximum point-blank range and the zero that gives it.
#include "Commands.h"
#include "Conditions.h"

#include "ballistics/GridLayout.h"
#include "catalog/Catalog.h"
#include "catalog/SectionTraits.h"
#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/TextUtil.h"
#include "common/UnitConversion.h"
#include "rifle/RangeCard.h"
#include "rifle/RangeCardSetup.h"
#include "rifle/RangeCardText.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace corvane::tool {

namespace {

constexpr const char* kRangeCardUsage =
    "usage: corvane-catalog-tool range-card (--bc X --mv FPS --weight GR | --load DATA SECTION "
    "LOADNO)\n"
    "         [--sight-height IN] [--zero YD] [--increment YD] [--range YD] [--altitude FT]\n"
    "         [--temperature F] [--crosswind MPH] [--metric] [--unit moa|mil] [--click VALUE]\n"
    "         [--vital INCHES]\n"
    "  --load      a load of sections 0-3 of the catalog in DATA, by its load number\n"
    "  --increment the rows' spacing; --range the last row (at most 102 rows after the muzzle)\n"
    "  --crosswind the full-value wind of the wind hold column\n"
    "  --unit      come-up and wind hold in MOA (default) or mil; --click one click in that unit\n"
    "              (default 0.25 MOA or 0.1 mil)\n"
    "  --vital     the point-blank zone's diameter (default 6 in, with --metric 15 cm)\n"
    "  With --metric every distance, speed and temperature is Metric, as for `table`.\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool range-card: %s\n%s", message.c_str(),
                 kRangeCardUsage);
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool range-card: %s\n", message.c_str());
    return 1;
}

std::optional<double> PositiveNumber(const std::map<std::string, std::string>& options,
                                     const std::string& name) {
    const auto found = options.find(name);
    if (found == options.end()) {
        return std::nullopt;
    }
    const std::optional<double> value = TryParseDouble(found->second);
    return value && *value > 0 ? value : std::optional<double>(-1.0);
}

// The record with the load number in a section of the catalog in `data`.
std::optional<LoadRecord> CatalogLoad(const std::string& data, CatalogTab tab,
                                      const std::string& loadNumber, std::string& error) {
    const std::optional<std::filesystem::path> programDir = ProgramDirOf(data);
    if (!programDir) {
        error = "no Data folder in " + data;
        return std::nullopt;
    }
    StderrPrompts prompts;
    Catalog catalog(*programDir, prompts);
    catalog.LoadSectionTable(tab);
    for (const LoadRecord& record : catalog.Records(tab)) {
        if (EqualsNoCase(Trim(record.LoadNumber), Trim(Utf8ToCp1252(loadNumber)))) {
            return record;
        }
    }
    error = "no load " + loadNumber + " in section " + std::to_string(TabIndex(tab));
    return std::nullopt;
}

} // namespace

int RunRangeCard(const Args& args) {
    // The card's own options first; the rest are the grid's conditions.
    std::map<std::string, std::string> card;
    std::optional<Args> load;
    Args conditionArgs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--load") {
            if (i + 3 >= args.size()) {
                return UsageError("--load needs DATA SECTION LOADNO");
            }
            load = Args(args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                        args.begin() + static_cast<std::ptrdiff_t>(i) + 4);
            i += 3;
        } else if (arg == "--bc" || arg == "--mv" || arg == "--weight" || arg == "--unit" ||
                   arg == "--click" || arg == "--vital" || arg == "--increment" ||
                   arg == "--range") {
            if (i + 1 >= args.size()) {
                return UsageError(arg + " needs a value");
            }
            card[arg] = args[++i];
        } else {
            conditionArgs.push_back(arg);
        }
    }
    ConditionArgs parsed;
    if (const auto error = SplitConditionArgs(conditionArgs, parsed)) {
        return UsageError(*error);
    }
    if (!parsed.Positional.empty()) {
        return UsageError("unexpected argument " + parsed.Positional[0]);
    }
    const bool english = !parsed.Metric;

    CatalogTab tab = CatalogTab::Rifle;
    LoadRecord record;
    std::optional<double> bulletWeight;
    if (load) {
        const std::optional<std::int32_t> section = TryParseInt((*load)[1]);
        if (!section || *section < 0 || *section >= kSectionCount ||
            !Traits(static_cast<CatalogTab>(*section)).HasBallistics()) {
            return UsageError("SECTION of --load must be 0 to 3");
        }
        if (card.count("--bc") || card.count("--mv") || card.count("--weight")) {
            return UsageError("--load and --bc, --mv, --weight exclude each other");
        }
        tab = static_cast<CatalogTab>(*section);
        std::string error;
        try {
            const std::optional<LoadRecord> found = CatalogLoad((*load)[0], tab, (*load)[2], error);
            if (!found) {
                return Failure(error);
            }
            record = *found;
        } catch (const CatalogFileError& fileError) {
            return Failure(fileError.what());
        }
    } else {
        const auto bc = PositiveNumber(card, "--bc");
        const auto mv = PositiveNumber(card, "--mv");
        const auto weight = PositiveNumber(card, "--weight");
        if (!bc || !mv || !weight) {
            return UsageError("give --bc, --mv and --weight, or --load");
        }
        if (*bc <= 0 || *bc > 2 || *mv <= 0 || *mv > 5000 || *weight <= 0 || *weight > 2000) {
            return UsageError("--bc must be above 0 and at most 2, --mv above 0 and at most 5000, "
                              "--weight above 0 and at most 2000");
        }
        record.BallisticCoefficient = *bc;
        record.MuzzleVelocity = *mv;
        bulletWeight = *weight; // grains with a fraction, which a catalog record cannot hold
    }

    Conditions conditions;
    if (const auto error = ReadConditions(parsed, tab, conditions)) {
        return UsageError(*error);
    }
    PanelTexts& panel = conditions.Panel;
    for (const char* name : {"--increment", "--range"}) {
        if (const auto found = card.find(name); found != card.end()) {
            const std::optional<std::int32_t> value = TryParseInt(found->second);
            if (!value || *value <= 0 || *value > 100000) {
                return UsageError(std::string(name) + " must be a whole number from 1 to 100000");
            }
            (std::string(name) == "--range" ? panel.Range : panel.Increment) =
                std::to_string(*value);
        }
    }

    RangeCardRequest request;
    request.english = english;
    request.inputs = EngineInputsFromPanel(panel, tab, record, english,
                                           SectionSightHeight(conditions.Settings, tab));
    if (bulletWeight) {
        request.inputs.BulletWeight = *bulletWeight;
    }
    const PanelRanges ranges = ReadPanelRanges(panel);
    request.gridIncrement = ranges.Increment;
    request.step = ranges.Increment;
    request.maxRange = ranges.Range;
    request.zeroAt = ranges.ZeroAt;
    request.holdWindMph = request.inputs.Crosswind;
    if (const auto found = card.find("--unit"); found != card.end()) {
        if (!EqualsNoCase(found->second, "moa") && !EqualsNoCase(found->second, "mil")) {
            return UsageError("--unit must be moa or mil");
        }
        request.unit =
            EqualsNoCase(found->second, "mil") ? AdjustmentUnit::Mil : AdjustmentUnit::Moa;
    }
    request.click = DefaultClick(request.unit);
    if (const auto click = PositiveNumber(card, "--click")) {
        if (*click <= 0 || *click > 10) {
            return UsageError("--click must be above 0 and at most 10");
        }
        request.click = *click;
    }
    request.vitalZoneInches = english ? 6.0 : CentimetersToInches(15);
    if (const auto vital = PositiveNumber(card, "--vital")) {
        if (*vital <= 0 || *vital > 100) {
            return UsageError("--vital must be above 0 and at most 100");
        }
        request.vitalZoneInches = english ? *vital : CentimetersToInches(*vital);
    }

    const RangeCard result = BuildRangeCard(request);
    switch (result.problem) {
    case RangeCardProblem::None:
        break;
    case RangeCardProblem::TooManyRows:
        return UsageError("at most " + std::to_string(kMaxCardRows) +
                          " rows after the muzzle: raise --increment or lower --range");
    case RangeCardProblem::NoSteps:
        return UsageError("--increment must be positive");
    case RangeCardProblem::LoadCannotFly:
    case RangeCardProblem::ZeroOutOfReach: // the catalog's engine always zeroes
        return Failure("the load has no usable velocity or ballistic coefficient");
    }

    const std::string out = RangeCardCsv(result);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        return Failure("cannot write the output");
    }
    return 0;
}

} // namespace corvane::tool
