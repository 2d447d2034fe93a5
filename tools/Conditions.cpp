#include "Conditions.h"

#include "ballistics/FixedWidthMeasure.h"
#include "ballistics/PanelStepping.h"
#include "catalog/FilterLists.h"
#include "catalog/SectionTraits.h"
#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/UnitConversion.h"

#include <cstdio>

namespace corvane::tool {

namespace {

void PrintToStderr(const std::string& text) {
    std::fprintf(stderr, "corvane-catalog-tool: %s\n", Cp1252ToUtf8(text).c_str());
}

std::string Rounded(double value) {
    return std::to_string(RoundHalfEven(value));
}

const char* const kValueOptions[] = {"--altitude", "--temperature", "--crosswind",   "--increment",
                                     "--range",    "--zero",        "--sight-height"};

} // namespace

const char* const kConditionsHelp =
    "  Conditions are in the units of the chosen system: feet, F, mph, yards and inches, or\n"
    "  with --metric meters, C, m/s, meters and centimeters (the sight height is converted to\n"
    "  inches). Absent conditions take the factory defaults: altitude 0, temperature 59 F,\n"
    "  crosswind 10 mph (rounded Metric equivalents), the section's default increment, range\n"
    "  and zero, and the section's default sight height. Increment, range and zero are\n"
    "  integers; range div increment may be at most 45.\n";

void StderrPrompts::ShowMessage(const std::string& text) {
    PrintToStderr(text);
}
void StderrPrompts::ShowError(const std::string& text) {
    PrintToStderr(text);
}
AbortRetryAnswer StderrPrompts::AskAbortRetry(const std::string& text) {
    PrintToStderr(text);
    return AbortRetryAnswer::Abort;
}

std::optional<std::filesystem::path> ProgramDirOf(const std::filesystem::path& data) {
    std::error_code error;
    if (std::filesystem::is_directory(data / "Data", error)) {
        return data;
    }
    const std::filesystem::path full = std::filesystem::weakly_canonical(data, error);
    if (!error && full.filename() == "Data" && std::filesystem::is_directory(full, error)) {
        return full.parent_path();
    }
    return std::nullopt;
}

std::optional<std::string> SplitConditionArgs(const Args& args, ConditionArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--metric") {
            out.Metric = true;
            continue;
        }
        bool known = false;
        for (const char* name : kValueOptions) {
            known = known || arg == name;
        }
        if (known) {
            if (i + 1 >= args.size()) {
                return arg + " needs a value";
            }
            out.Options[arg] = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && !TryParseDouble(arg)) {
            return "unknown option " + arg;
        } else {
            out.Positional.push_back(arg);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadConditions(const ConditionArgs& args, CatalogTab tab,
                                          Conditions& out) {
    const bool ballistics = Traits(tab).HasBallistics();
    AppSettings& settings = out.Settings;
    PanelTexts& panel = out.Panel;
    settings.EnglSys = !args.Metric;
    if (args.Metric) {
        panel.Altitude = Rounded(settings.DefaultAltitude * kMetersPerFoot);
        panel.Temperature = Rounded(FahrenheitToCelsius(settings.DefaultTemperature));
        panel.CrossWind = Rounded(settings.DefaultCrossWind * kMetersPerSecondPerMph);
    } else {
        panel.Altitude = Rounded(settings.DefaultAltitude);
        panel.Temperature = Rounded(settings.DefaultTemperature);
        panel.CrossWind = Rounded(settings.DefaultCrossWind);
    }
    if (ballistics) {
        const PanelChoices choices = DefaultPanelChoices(tab);
        panel.Increment = std::to_string(choices.Increment());
        panel.Range = std::to_string(choices.Range());
        panel.ZeroAt = std::to_string(choices.ZeroAt());
    }
    const auto& options = args.Options;
    const auto take = [&options](const char* name, std::string& target) {
        if (const auto found = options.find(name); found != options.end()) {
            target = found->second;
        }
    };
    take("--altitude", panel.Altitude);
    take("--temperature", panel.Temperature);
    take("--crosswind", panel.CrossWind);
    take("--increment", panel.Increment);
    take("--range", panel.Range);
    take("--zero", panel.ZeroAt);
    for (const char* name : {"--altitude", "--temperature", "--crosswind"}) {
        if (const auto found = options.find(name);
            found != options.end() && !TryParseDouble(found->second)) {
            return std::string(name) + " must be a number";
        }
    }
    if (ballistics) {
        const auto increment = TryParseInt(panel.Increment);
        const auto range = TryParseInt(panel.Range);
        const auto zero = TryParseInt(panel.ZeroAt);
        if (!increment || !range || !zero || *increment <= 0 || *range <= 0 || *zero <= 0) {
            return "increment, range and zero must be positive integers";
        }
        if (*range / *increment > kMaxGridRangePoints) {
            return "range div increment must be at most " + std::to_string(kMaxGridRangePoints);
        }
    }
    if (const auto found = options.find("--sight-height"); found != options.end()) {
        const std::optional<double> sight = TryParseDouble(found->second);
        if (!sight || *sight <= 0) {
            return "--sight-height must be a positive number";
        }
        const double inches = args.Metric ? CentimetersToInches(*sight) : *sight;
        switch (tab) {
        case CatalogTab::Rifle:
            settings.RifleSightHeight = inches;
            break;
        case CatalogTab::Pistol:
            settings.PistolSightHeight = inches;
            break;
        case CatalogTab::Rimfire:
            settings.RimfireSightHeight = inches;
            break;
        case CatalogTab::Slug:
            settings.SlugSightHeight = inches;
            break;
        default:
            break;
        }
    }
    return std::nullopt;
}

ShownLoads ShowAllLoads(Catalog& catalog, CatalogTab tab) {
    ShownLoads shown;
    if (tab == CatalogTab::Components) {
        FilterBox typeBox;
        BuildComponentList(catalog, typeBox, shown);
    } else {
        FilterBox brand, usage, bullet, caliber;
        BuildFilterLists(catalog, tab, brand, usage, bullet, caliber, shown);
    }
    return shown;
}

GridData BuildShownGrid(Catalog& catalog, CatalogTab tab, const ShownLoads& shown,
                        const Conditions& conditions) {
    const FixedWidthMeasure measure;
    const GridRequest request{
        .Section = tab,
        .Records = catalog.Records(tab),
        .Shown = shown,
        .LookupName = [&catalog, tab](int id,
                                      ListKind kind) { return catalog.LookupName(id, tab, kind); },
        .Panel = conditions.Panel,
        .Settings = conditions.Settings,
        .Measure = measure,
    };
    return BuildGridData(request);
}

} // namespace corvane::tool
