// Writes the engine's golden file (tests/data/engine-golden.txt): a few thousand varied inputs -
// catalog rows through the panel in both unit systems, sampled flights and edge inputs - each
// with its results (EngineGoldenLine.h). EngineGoldenTest recomputes them bit for bit, so the
// engine can be made faster but never different. Run it only when the engine's results are
// meant to change: write_engine_golden <file>; with --full it writes every result value as a
// hex float, to compare two engines line by line.
#include "../tests/ballistics/EngineGoldenLine.h"
#include "ballistics/BallisticEngine.h"
#include "ballistics/EngineInputsFromPanel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace corvane;

// A fixed generator, so that the cases are the same on every machine and library.
class Picks {
public:
    std::uint64_t Next() {
        state_ += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int Between(int low, int high) { // inclusive
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }
    template <typename T> T From(const std::vector<T>& values) {
        return values[static_cast<std::size_t>(Next() % values.size())];
    }

private:
    std::uint64_t state_ = 20240611;
};

// Every value of the results, for comparing two engines case by case.
std::string FullResultsText(const BallisticResults& r) {
    std::string text = golden::ResultsText(r);
    for (int i = 0; i <= r.RangeCount; ++i) {
        const TrajectoryPoint p = r.Point(i);
        for (double value : {p.Velocity, p.Time, p.Drop, p.Energy, p.Drift, p.Trajectory}) {
            text += ' ';
            text += golden::Hex(value);
        }
    }
    return text;
}

// A catalog row as the grid computes it: a record and the panel, English or Metric.
EngineInputs CatalogRow(Picks& picks) {
    const bool english = picks.Between(0, 2) != 0;
    const CatalogTab section =
        picks.From<CatalogTab>({CatalogTab::Rifle, CatalogTab::Rifle, CatalogTab::Pistol,
                                CatalogTab::Rimfire, CatalogTab::Slug});
    LoadRecord load;
    load.MuzzleVelocity = picks.Between(700, 4300);
    load.BallisticCoefficient = picks.Between(40, 950) / 1000.0;
    load.BulletWeight = picks.Between(17, 600);
    load.SlugWeight = picks.Between(3, 20) / 16.0;
    const int increment = picks.From<int>({10, 25, 25, 50, 50, 100, 100, 100, 100, 200});
    const int range = increment * picks.From<int>({1, 2, 3, 4, 5, 5, 6, 8, 10, 10, 12});
    PanelTexts panel;
    panel.Increment = std::to_string(increment);
    panel.Range = std::to_string(range);
    panel.ZeroAt =
        picks.Between(0, 5) == 0
            ? std::string()
            : std::to_string(picks.From<int>({25, 50, 75, 100, 100, 150, 200, 200, 250, 300}));
    panel.Altitude = std::to_string(picks.From<int>({0, 0, 0, 500, 1500, 3000, 5000, 9000}));
    const int temperature = english ? picks.Between(-20, 110) : picks.Between(-30, 45);
    panel.Temperature = std::to_string(temperature) + (picks.Between(0, 3) == 0 ? ".5" : "");
    panel.CrossWind = std::to_string(picks.From<int>({0, 5, 10, 10, 15, 20, -10}));
    const double sightHeight = picks.From<double>({0.5, 0.9, 1.5, 1.5, 2.0, 3.25});
    return EngineInputsFromPanel(panel, section, load, english, sightHeight);
}

// A flight sampled between its range points, as the trajectory chart asks for it.
EngineInputs SampledFlight(Picks& picks) {
    EngineInputs in = CatalogRow(picks);
    const int count = std::max(1, std::min(in.RangeCount, 12));
    in.PointsPerIncrement = picks.Between(2, kMaxRangeCount / count);
    in.RangeCount = count * in.PointsPerIncrement;
    return in;
}

// A catalog row with one or two inputs at the edges the engine accepts (or refuses).
EngineInputs EdgeInputs(Picks& picks) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EngineInputs in = CatalogRow(picks);
    in.RangeCount = std::min(in.RangeCount, 12);
    for (int changes = picks.Between(1, 2); changes > 0; --changes) {
        switch (picks.Between(0, 12)) {
        case 0:
            in.MuzzleVelocity = picks.From<double>(
                {1, 20, 49.99, 50, 100, 150, 400, 6049, 6050, 6100, 9000, 15000, 0, -3000, nan});
            break;
        case 1:
            in.BallisticCoefficient =
                picks.From<double>({1e-3, 0.01, 0.02, 1.5, 5, 1e-30, 5e-324, 1e300, 0, inf});
            break;
        case 2:
            in.Temperature = picks.From<double>({-459.688, -459, -200, 200, 1e6, -1e6, inf});
            break;
        case 3:
            in.Altitude = picks.From<double>({-5000, 25000, 40000, 1e5, 1e6, -inf});
            break;
        case 4:
            in.Pressure = picks.From<double>({0, 10, 25.1, 31.2, 60, -5, nan});
            break;
        case 5:
            in.Increment = picks.From<double>({0.5, 1, 3, 7.5, 1000, 3000, 30000, 0, -3});
            break;
        case 6:
            in.RangeCount = picks.From<int>(
                {-5, 0, 1, 20, 101, 102, 103, 500, std::numeric_limits<int>::max()});
            break;
        case 7:
            in.ZeroRange =
                picks.From<double>({-100, 0, 1e-9, 0.5, 33.3, 99.99999, 100.00001, 5000, 1e6, nan});
            break;
        case 8:
            in.SightHeight = picks.From<double>({0, -2, 40, 100, 1e5, inf});
            break;
        case 9:
            in.Crosswind = picks.From<double>({-30, 0.1, 100, 1e5});
            break;
        case 10:
            in.BulletWeight = picks.From<double>({0, -50, 1e-3, 7000, 1e9});
            break;
        case 11: // the zero exactly on a range point, English and Metric steps
            in.Increment = picks.From<double>({300, 150, 75, 100 * 3.2808398950131235});
            in.ZeroRange = in.Increment / 3 * picks.Between(1, 4);
            break;
        default:
            in.PointsPerIncrement = picks.From<int>({-2, 0, 3, 7, 200});
            break;
        }
    }
    return in;
}

} // namespace

int main(int argc, char** argv) {
    const bool full = argc == 3 && std::string(argv[1]) == "--full";
    if (argc != 2 && !full) {
        std::fprintf(stderr, "usage: write_engine_golden [--full] <file>\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[argc - 1], "w");
    if (out == nullptr) {
        std::perror(argv[argc - 1]);
        return 1;
    }
    Picks picks;
    std::vector<EngineInputs> cases;
    for (int i = 0; i < 1800; ++i) {
        cases.push_back(CatalogRow(picks));
    }
    for (int i = 0; i < 100; ++i) {
        cases.push_back(SampledFlight(picks));
    }
    for (int i = 0; i < 700; ++i) {
        cases.push_back(EdgeInputs(picks));
    }
    for (const EngineInputs& in : cases) {
        const BallisticResults results = ComputeBallistics(in);
        const std::string line = golden::InputsText(in) + " ; " +
                                 (full ? FullResultsText(results) : golden::ResultsText(results));
        std::fprintf(out, "%s\n", line.c_str());
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
