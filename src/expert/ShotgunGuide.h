#pragma once
// The shotgun guide: for small game, upland game and waterfowl it recommends shot sizes in lead,
// steel and tungsten and the chokes, from the game and the shooting distance. Fixed tables only.
#include <array>
#include <string>
#include <vector>

namespace corvane {

// The twelve games in list order (texts shown and compared exactly as written).
const std::vector<std::string>& GuideGames();

// Gauges offered for the game, in list order; empty for an unknown game.
std::vector<std::string> GuideGauges(const std::string& game);

// The near and far distance texts of the unit system.
std::string GuideNearDistance(bool englSys);
std::string GuideFarDistance(bool englSys);
// Near, then far unless the game and gauge are for near shots only.
std::vector<std::string> GuideDistances(const std::string& game, const std::string& gauge,
                                        bool englSys);
// Only the near text of the current unit system counts as near; every other choice is far.
bool IsNearDistance(const std::string& distance, bool englSys);

struct GuideRecommendation {
    std::string lead; // shot sizes, empty when none
    std::string steel;
    std::string tungsten;
    std::string choke1;
    std::string choke2; // empty when the table has none
};
GuideRecommendation RecommendShot(const std::string& game, bool near);

// "Game at <distance> with <gauge> gauge:", or "Game at <distance> using 410:".
std::string GuideResultHeading(const std::string& distance, const std::string& gauge);

// Everything the result page shows; the shot texts are the grid's column 1, each after two
// blanks, in the order lead, steel, tungsten.
struct GuideResult {
    std::string gameLine;
    std::string heading;
    std::array<std::string, 3> shotTexts;
    std::string choke1;
    std::string choke2;
};
inline constexpr std::array<const char*, 3> kGuideShotLabels{"Lead Shot", "Steel Shot",
                                                             "Tungsten Shot"};
GuideResult BuildGuideResult(const std::string& game, const std::string& gauge,
                             const std::string& distance, bool englSys);

} // namespace corvane
