#pragma once
// What the grid commands (table, report) share: the shooting conditions given on the command
// line, the catalog folder, the prompts and the grid of a section with every filter on
// "show all".
#include "Commands.h"

#include "ballistics/EngineInputsFromPanel.h"
#include "ballistics/GridData.h"
#include "catalog/Catalog.h"
#include "catalog/ShownLoads.h"
#include "common/UserPrompts.h"
#include "settings/AppSettings.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvane::tool {

// Help text of the condition options, for the commands' usage texts.
extern const char* const kConditionsHelp;

// Catalog messages go to stderr; a locked table is not retried.
class StderrPrompts : public UserPrompts {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    AbortRetryAnswer AskAbortRetry(const std::string& text) override;
    void ProcessEvents() override {}
};

// The program folder of DATA: DATA itself when it holds Data/, its parent when it is Data/.
std::optional<std::filesystem::path> ProgramDirOf(const std::filesystem::path& data);

struct ConditionArgs {
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Options; // condition option -> its value
    bool Metric = false;
};

// Splits the arguments into positional ones, condition options and --metric. Returns the
// error text for an option without a value or an unknown option.
std::optional<std::string> SplitConditionArgs(const Args& args, ConditionArgs& out);

struct Conditions {
    PanelTexts Panel;     // as the control panel would hold them
    AppSettings Settings; // unit system and the section's sight height
};

// The factory defaults of the section, overridden by the options. Returns the error text for a
// value that is out of place.
std::optional<std::string> ReadConditions(const ConditionArgs& args, CatalogTab tab,
                                          Conditions& out);

// The loads of the section with every filter on "show all", in grid order.
ShownLoads ShowAllLoads(Catalog& catalog, CatalogTab tab);

// The grid the catalog window would show for those loads (fixed-width text measure).
GridData BuildShownGrid(Catalog& catalog, CatalogTab tab, const ShownLoads& shown,
                        const Conditions& conditions);

} // namespace corvane::tool
