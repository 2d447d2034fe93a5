#include "report/RulerTicks.h"

#include <cmath>

namespace corvane {

namespace {

constexpr double kMinTickSpacing = 4;   // pixels between neighbouring ticks
constexpr double kMinLabelSpacing = 24; // pixels between neighbouring labels

} // namespace

std::vector<RulerTick> RulerTicks(double origin, double pixelsPerUnit, double paperUnits,
                                  double length, bool metric) {
    std::vector<RulerTick> ticks;
    if (!(pixelsPerUnit > 0) || !(paperUnits > 0)) {
        return ticks;
    }
    int divisions = metric ? 10 : 8;
    while (divisions > 1 && pixelsPerUnit / divisions < kMinTickSpacing) {
        divisions = metric && divisions == 10 ? 2 : divisions / 2;
    }
    int labelEvery = 1;
    for (const int step : {2, 5, 10, 20}) {
        if (pixelsPerUnit * labelEvery >= kMinLabelSpacing) {
            break;
        }
        labelEvery = step;
    }
    const int count = static_cast<int>(std::floor(paperUnits * divisions + 1e-9));
    for (int i = 0; i <= count; ++i) {
        const double position = origin + pixelsPerUnit * i / divisions;
        if (position < 0 || position >= length) {
            continue;
        }
        RulerTick tick{position, 2, {}};
        if (i % divisions == 0) {
            tick.Level = 0;
            const int unit = i / divisions;
            if (unit > 0 && unit % labelEvery == 0) {
                tick.Label = std::to_string(unit);
            }
        } else if (2 * (i % divisions) == divisions) {
            tick.Level = 1;
        }
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

} // namespace corvane
