#pragma once
// One line of the engine's golden file: the inputs as hex floats, " ; ", then the results - point
// count, status, validity, the zero angle as a hex float and a 64-bit digest of the bits of every
// slot of every result array, past the last point too. A digest keeps a few thousand flights
// small; write_engine_golden --full prints every value instead, to find what a change moved.
#include "ballistics/BallisticEngine.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace corvane::golden {

inline std::string Hex(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

inline std::string InputsText(const EngineInputs& in) {
    std::string text = std::to_string(in.RangeCount);
    text += ' ';
    text += std::to_string(in.PointsPerIncrement);
    for (double value :
         {in.Increment, in.BallisticCoefficient, in.MuzzleVelocity, in.BulletWeight, in.Altitude,
          in.Pressure, in.Temperature, in.Crosswind, in.ZeroRange, in.SightHeight}) {
        text += ' ';
        text += Hex(value);
    }
    return text;
}

// Reads what InputsText wrote; false when the text is not such a line.
inline bool ParseInputs(const std::string& text, EngineInputs& in) {
    return std::sscanf(text.c_str(), "%d %d %la %la %la %la %la %la %la %la %la %la",
                       &in.RangeCount, &in.PointsPerIncrement, &in.Increment,
                       &in.BallisticCoefficient, &in.MuzzleVelocity, &in.BulletWeight, &in.Altitude,
                       &in.Pressure, &in.Temperature, &in.Crosswind, &in.ZeroRange,
                       &in.SightHeight) == 12;
}

inline std::string ResultsText(const BallisticResults& r) {
    std::uint64_t digest = 0xcbf29ce484222325ULL; // FNV-1a over the bytes of every double
    for (const auto* values : {&r.Velocity, &r.Time, &r.Drop, &r.Energy, &r.Drift, &r.Trajectory}) {
        for (double value : *values) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            for (int shift = 0; shift < 64; shift += 8) {
                digest = (digest ^ ((bits >> shift) & 0xff)) * 0x100000001b3ULL;
            }
        }
    }
    char text[120];
    std::snprintf(text, sizeof text, "%d %d %d %a %016llx", r.RangeCount,
                  static_cast<int>(r.Status), r.TrajectoryValid ? 1 : 0, r.ZeroAngle,
                  static_cast<unsigned long long>(digest));
    return text;
}

} // namespace corvane::golden
