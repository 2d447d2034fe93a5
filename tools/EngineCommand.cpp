// engine: one trajectory from raw engine inputs (English units), printed as one JSON object.
#include "Commands.h"

#include "ballistics/BallisticEngine.h"
#include "common/NumberText.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace corvane::tool {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kEngineUsage =
    "usage: corvane-catalog-tool engine --range-count N --increment FT --bc X --mv FPS\n"
    "         --weight GR --altitude FT --pressure INHG --temperature F --crosswind MPH\n"
    "         --zero-range YD --sight-height IN\n";

// The options in the order of EngineInputs, each with the field it fills.
const std::map<std::string, double EngineInputs::*>& DecimalOptions() {
    static const std::map<std::string, double EngineInputs::*> options = {
        {"--increment", &EngineInputs::Increment},
        {"--bc", &EngineInputs::BallisticCoefficient},
        {"--mv", &EngineInputs::MuzzleVelocity},
        {"--weight", &EngineInputs::BulletWeight},
        {"--altitude", &EngineInputs::Altitude},
        {"--pressure", &EngineInputs::Pressure},
        {"--temperature", &EngineInputs::Temperature},
        {"--crosswind", &EngineInputs::Crosswind},
        {"--zero-range", &EngineInputs::ZeroRange},
        {"--sight-height", &EngineInputs::SightHeight},
    };
    return options;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "corvane-catalog-tool engine: %s\n%s", message.c_str(), kEngineUsage);
    return 2;
}

// The values of one result column; a column without values prints its entries as null.
Json Column(const double* values, int count, bool valid) {
    Json column = Json::array();
    for (int i = 0; i < count; ++i) {
        column.push_back(valid ? Json(values[i]) : Json(nullptr));
    }
    return column;
}

} // namespace

int RunEngine(const Args& args) {
    EngineInputs inputs;
    std::optional<std::int32_t> rangeCount;
    std::map<std::string, bool> seen;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            return UsageError("option " + option + " needs a value");
        }
        const std::string& value = args[i + 1];
        if (option == "--range-count") {
            rangeCount = TryParseInt(value);
            if (!rangeCount) {
                return UsageError("--range-count wants a whole number, not '" + value + "'");
            }
        } else {
            const auto field = DecimalOptions().find(option);
            if (field == DecimalOptions().end()) {
                return UsageError("unknown option '" + option + "'");
            }
            const std::optional<double> number = TryParseDouble(value);
            if (!number) {
                return UsageError(option + " wants a number, not '" + value + "'");
            }
            inputs.*(field->second) = *number;
        }
        seen[option] = true;
    }
    if (!rangeCount) {
        return UsageError("missing option --range-count");
    }
    for (const auto& [option, field] : DecimalOptions()) {
        if (!seen.count(option)) {
            return UsageError("missing option " + option);
        }
    }
    inputs.RangeCount = *rangeCount;

    const BallisticResults results = ComputeBallistics(inputs);
    const bool skipped = results.Status == kStatusSkipped;
    const int count = skipped ? 0 : results.RangeCount + 1;
    // The library writes the shortest text that reads back to the same double, and null for
    // what is not finite, which JSON cannot spell.
    Json document;
    document["Velocity"] = Column(results.Velocity.data(), count, true);
    document["Time"] = Column(results.Time.data(), count, true);
    document["Drop"] = Column(results.Drop.data(), count, true);
    document["Energy"] = Column(results.Energy.data(), count, true);
    document["Drift"] = Column(results.Drift.data(), count, true);
    // A trajectory that could not be zeroed has no values.
    document["Trajectory"] = Column(results.Trajectory.data(), count, results.TrajectoryValid);
    document["ZeroAngle"] = results.ZeroAngle;
    document["Status"] = static_cast<int>(results.Status);
    std::printf("%s\n", document.dump(2).c_str());
    return 0;
}

} // namespace corvane::tool
