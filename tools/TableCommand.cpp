// table DATA SECTION [conditions] [--metric]: the section's grid, all filters on "show all", as
// exactly the lines that "Table to file" writes (Windows-1252 bytes, CR LF).
#include "Commands.h"

#include "ballistics/FixedWidthMeasure.h"
#include "ballistics/GridData.h"
#include "ballistics/PanelStepping.h"
#include "ballistics/UnitConversion.h"
#include "catalog/Catalog.h"
#include "catalog/FilterLists.h"
#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "report/TableToFile.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace corvane::tool {

namespace {

constexpr const char* kTableUsage =
    "usage: corvane-catalog-tool table DATA SECTION [--altitude A] [--temperature T]\n"
    "         [--crosswind W] [--increment I] [--range R] [--zero Z] [--sight-height S] "
    "[--metric]\n"
    "  DATA      the program folder holding Data/ and ProductInfo/, or its Data/ folder\n"
    "  SECTION   0 rifle, 1 handgun, 2 rimfire, 3 slug, 4 shotshell, 5 components\n"
    "  Conditions are in the units of the chosen system: feet, F, mph, yards and inches, or\n"
    "  with --metric meters, C, m/s, meters and centimeters (the sight height is converted to\n"
    "  inches). Absent conditions take the factory defaults: altitude 0, temperature 59 F,\n"
    "  crosswind 10 mph (rounded Metric equivalents), the section's default increment, range\n"
    "  and zero, and the section's default sight height. Increment, range and zero are\n"
    "  integers; range div increment may be at most 45.\n";

// Catalog messages go to stderr; a locked table is not retried.
class StderrPrompts : public UserPrompts {
public:
    void ShowMessage(const std::string& text) override { Print(text); }
    void ShowError(const std::string& text) override { Print(text); }
    AbortRetryAnswer AskAbortRetry(const std::string& text) override {
        Print(text);
        return AbortRetryAnswer::Abort;
    }
    void ProcessEvents() override {}

private:
    static void Print(const std::string& text) {
        std::fprintf(stderr, "corvane-catalog-tool: %s\n", Cp1252ToUtf8(text).c_str());
    }
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool table: %s\n%s", message.c_str(), kTableUsage);
    return 2;
}

// The program folder of DATA: DATA itself when it holds Data/, its parent when it is Data/.
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

std::string Rounded(double value) {
    return std::to_string(RoundHalfEven(value));
}

} // namespace

int RunTable(const Args& args) {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    bool metric = false;
    static const char* const kValueOptions[] = {"--altitude",    "--temperature", "--crosswind",
                                                "--increment",   "--range",       "--zero",
                                                "--sight-height"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--metric") {
            metric = true;
            continue;
        }
        bool known = false;
        for (const char* name : kValueOptions) {
            known = known || arg == name;
        }
        if (known) {
            if (i + 1 >= args.size()) {
                return UsageError(arg + " needs a value");
            }
            options[arg] = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && !TryParseDouble(arg)) {
            return UsageError("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return UsageError("expected DATA and SECTION");
    }
    const std::optional<std::int32_t> sectionNumber = TryParseInt(positional[1]);
    if (!sectionNumber || *sectionNumber < 0 || *sectionNumber >= kSectionCount) {
        return UsageError("SECTION must be 0 to 5");
    }
    const auto tab = static_cast<CatalogTab>(*sectionNumber);
    const std::optional<std::filesystem::path> programDir = ProgramDirOf(positional[0]);
    if (!programDir) {
        std::fprintf(stderr, "corvane-catalog-tool table: no Data folder in %s\n",
                     positional[0].c_str());
        return 1;
    }

    AppSettings settings;
    settings.EnglSys = !metric;
    PanelTexts panel;
    if (metric) {
        panel.Altitude = Rounded(settings.DefaultAltitude * kMetersPerFoot);
        panel.Temperature = Rounded(FahrenheitToCelsius(settings.DefaultTemperature));
        panel.CrossWind = Rounded(settings.DefaultCrossWind * kMetersPerSecondPerMph);
    } else {
        panel.Altitude = Rounded(settings.DefaultAltitude);
        panel.Temperature = Rounded(settings.DefaultTemperature);
        panel.CrossWind = Rounded(settings.DefaultCrossWind);
    }
    if (*sectionNumber <= 3) {
        const PanelChoices choices = DefaultPanelChoices(*sectionNumber);
        panel.Increment = std::to_string(choices.Increment());
        panel.Range = std::to_string(choices.Range());
        panel.ZeroAt = std::to_string(choices.ZeroAt());
    }
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
        if (options.count(name) != 0 && !TryParseDouble(options[name])) {
            return UsageError(std::string(name) + " must be a number");
        }
    }
    if (*sectionNumber <= 3) {
        const auto increment = TryParseInt(panel.Increment);
        const auto range = TryParseInt(panel.Range);
        const auto zero = TryParseInt(panel.ZeroAt);
        if (!increment || !range || !zero || *increment <= 0 || *range <= 0 || *zero <= 0) {
            return UsageError("increment, range and zero must be positive integers");
        }
        if (*range / *increment > kMaxGridRangePoints) {
            return UsageError("range div increment must be at most " +
                              std::to_string(kMaxGridRangePoints));
        }
    }
    if (const auto found = options.find("--sight-height"); found != options.end()) {
        const std::optional<double> sight = TryParseDouble(found->second);
        if (!sight || *sight <= 0) {
            return UsageError("--sight-height must be a positive number");
        }
        const double inches = metric ? *sight / kCentimetersPerInch : *sight;
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

    StderrPrompts prompts;
    try {
        Catalog catalog(*programDir, prompts);
        ShownLoads shown;
        if (tab == CatalogTab::Components) {
            FilterBox typeBox;
            BuildComponentList(catalog, typeBox, shown);
        } else {
            FilterBox brand, usage, bullet, caliber;
            BuildFilterLists(catalog, tab, brand, usage, bullet, caliber, shown);
        }
        const FixedWidthMeasure measure;
        const GridRequest request{
            .Section = tab,
            .Records = catalog.Records(tab),
            .Shown = shown,
            .LookupName = [&catalog, tab](
                              int id, ListKind kind) { return catalog.LookupName(id, tab, kind); },
            .Panel = panel,
            .Settings = settings,
            .Measure = measure,
        };
        const std::string text = TableFileText(BuildGridData(request));
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            std::fputs("corvane-catalog-tool table: cannot write the output\n", stderr);
            return 1;
        }
    } catch (const CatalogFileError& error) {
        std::fprintf(stderr, "corvane-catalog-tool table: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace corvane::tool
