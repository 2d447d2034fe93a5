#include "rifle/RangeCardText.h"

#include "common/NumberText.h"

#include <optional>

namespace corvane {

namespace {

// A value that rounds to nothing shows no sign: "-0.00" on a card reads as a hold.
std::string Fixed(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string Optional(const std::optional<double>& value, int decimals) {
    return value ? Fixed(*value, decimals) : std::string();
}

std::string Optional(const std::optional<long>& value) {
    return value ? std::to_string(*value) : std::string();
}

} // namespace

std::vector<std::string> RangeCardCells(const RangeCardRow& row) {
    std::vector<std::string> cells(9);
    cells[0] = std::to_string(row.range);
    if (row.reached) {
        cells[1] = Fixed(row.path, 2);
        cells[2] = Optional(row.comeUp, 2);
        cells[3] = Optional(row.clicks);
        cells[4] = Optional(row.windHold, 2);
        cells[5] = Optional(row.windClicks);
        cells[6] = FormatFixed(row.velocity, 0);
        cells[7] = FormatFixed(row.energy, 0);
        cells[8] = FormatFixed(row.time, 3);
    }
    return cells;
}

std::string RangeCardCsv(const RangeCard& card, BallisticModel model) {
    std::string out = model == BallisticModel::Precision ? "# " + ModelLine(model) + "\n" : "";
    out += "Range,Path,ComeUp,Clicks,WindHold,WindClicks,Velocity,Energy,Time\n";
    for (const RangeCardRow& row : card.rows) {
        const std::vector<std::string> cells = RangeCardCells(row);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            out += (i > 0 ? "," : "") + cells[i];
        }
        out += '\n';
    }
    out += "MaxPointBlank,";
    if (card.pointBlank) {
        out += FormatFixed(card.pointBlank->range, 0) + ',' +
               FormatFixed(card.pointBlank->zeroRange, 0);
    } else {
        out += ',';
    }
    out += '\n';
    return out;
}

WriteResult WriteRangeCardCsv(const std::filesystem::path& file, const RangeCard& card,
                              BallisticModel model) {
    return WriteFileWhole(file, RangeCardCsv(card, model));
}

} // namespace corvane
