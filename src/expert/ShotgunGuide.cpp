#include "expert/ShotgunGuide.h"

#include <algorithm>

namespace corvane {

namespace {

// Windows-1252 one-half.
const std::string kHalf = "\xBD";
const std::string k7h = "7" + kHalf;

constexpr const char* kImpMod = "Improved Cylinder, Modified";
constexpr const char* kSkeetIc = "Skeet, Improved Cylinder";

struct GameRow {
    const char* name;
    std::vector<std::string> gauges;
    std::vector<std::string> nearOnlyGauges;
    GuideRecommendation nearShot;
    GuideRecommendation farShot;
};

const std::vector<GameRow>& Games() {
    static const std::vector<GameRow> rows = {
        {"Turkey",
         {"10", "12", "20"},
         {"20"},
         {"4, 5, 6, " + k7h, "", "4, 6", "Full", ""},
         {"4, 5, 6", "", "4, 6", "Full, Extra Full", ""}},
        {"Pheasent, Prairie Grouse",
         {"12", "16", "20"},
         {"20"},
         {"5, 6, " + k7h, "3, 4, 5, 6", "4, 6", kImpMod, ""},
         {"4, 5, 6", "3, 4, 5", "4, 6", "Modified, Full", ""}},
        {"Ruffed Grouse, Partridge",
         {"12", "16", "20", "28"},
         {"28"},
         {"6, " + k7h + ", 8", "5, 6, 7", "", kSkeetIc, "Modified"},
         {"5, 6, " + k7h, "4, 5", "", kImpMod, ""}},
        {"Quail",
         {"12", "16", "20", "28"},
         {"28"},
         {k7h + ", 8, 9", "6, 7", "", kSkeetIc, "Modified"},
         {k7h + ", 8", "5, 6", "", kImpMod, ""}},
        {"Dove",
         {"12", "16", "20", "28"},
         {"28"},
         {k7h + ", 8, 9", "7", "", kSkeetIc, "Modified"},
         {k7h + ", 8", "7", "", kImpMod, ""}},
        {"Woodcock, Reil Snipe",
         {"12", "16", "20", "28"},
         {"28"},
         {k7h + ", 8, 9", "7", "", kSkeetIc, "Modified"},
         {k7h + ", 8", "7", "", kImpMod, ""}},
        {"Rabbit, Squirrel",
         {"12", "16", "20", "28", "410"},
         {"28", "410"},
         {"4, 5, 6, " + k7h, "2, 4", "", kImpMod, ""},
         {"4, 5, 6", "2", "", kImpMod, "Full"}},
        {"Large Ducks (Mallard, Pintail)",
         {"12", "16", "20"},
         {},
         {"", "1, 2, 3, 4", "2, 4, 6", kImpMod, ""},
         {"", "BB, 1, 2, 3", "2, 4", kImpMod, "Full"}},
        {"Med Ducks (Wood duck, Widgeon)",
         {"12", "16", "20"},
         {},
         {"", "2, 3, 4, 5, 6", "4, 6", kImpMod, ""},
         {"", "1, 2, 3, 4, 5", "4, 6", kImpMod, "Full"}},
        {"Small Ducks (Teal, Bufflehead)",
         {"12", "16", "20"},
         {},
         {"", "3, 4, 5, 6", "4, 6", kImpMod, ""},
         {"", "3, 4, 5", "4, 6", kImpMod, "Full"}},
        {"Large Geese (giant, western Canada)",
         {"10", "12"},
         {},
         {"", "T, BBB, BB", "BBB, BB", kImpMod, ""},
         {"", "T, BBB, BB", "BBB, BB", kImpMod, "Full"}},
        {"Med Geese (Snow, Lesser Canada)",
         {"10", "12"},
         {},
         {"", "BBB, BB, 1", "BB, 2", kImpMod, ""},
         {"", "BBB, BB, 1", "BB, 2", kImpMod, "Full"}},
    };
    return rows;
}

const GameRow* FindGame(const std::string& game) {
    for (const GameRow& row : Games()) {
        if (game == row.name) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<std::string>& GuideGames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (const GameRow& row : Games()) {
            result.emplace_back(row.name);
        }
        return result;
    }();
    return names;
}

std::vector<std::string> GuideGauges(const std::string& game) {
    const GameRow* row = FindGame(game);
    return row ? row->gauges : std::vector<std::string>{};
}

std::string GuideNearDistance(bool englSys) {
    return englSys ? "20 - 30 yards" : "18 - 27 meters";
}

std::string GuideFarDistance(bool englSys) {
    return englSys ? "30+ yards" : "27+ meters";
}

std::vector<std::string> GuideDistances(const std::string& game, const std::string& gauge,
                                        bool englSys) {
    std::vector<std::string> distances{GuideNearDistance(englSys)};
    const GameRow* row = FindGame(game);
    const bool nearOnly = row && std::find(row->nearOnlyGauges.begin(), row->nearOnlyGauges.end(),
                                           gauge) != row->nearOnlyGauges.end();
    if (!nearOnly) {
        distances.push_back(GuideFarDistance(englSys));
    }
    return distances;
}

bool IsNearDistance(const std::string& distance, bool englSys) {
    return distance == GuideNearDistance(englSys);
}

GuideRecommendation RecommendShot(const std::string& game, bool near) {
    const GameRow* row = FindGame(game);
    if (!row) {
        return {};
    }
    return near ? row->nearShot : row->farShot;
}

std::string GuideResultHeading(const std::string& distance, const std::string& gauge) {
    if (gauge == "410") {
        return "Game at " + distance + " using 410:";
    }
    return "Game at " + distance + " with " + gauge + " gauge:";
}

GuideResult BuildGuideResult(const std::string& game, const std::string& gauge,
                             const std::string& distance, bool englSys) {
    const GuideRecommendation shot = RecommendShot(game, IsNearDistance(distance, englSys));
    GuideResult result;
    result.gameLine = game;
    result.heading = GuideResultHeading(distance, gauge);
    result.shotTexts = {"  " + shot.lead, "  " + shot.steel, "  " + shot.tungsten};
    result.choke1 = shot.choke1;
    result.choke2 = shot.choke2;
    return result;
}

} // namespace corvane
