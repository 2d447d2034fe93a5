#pragma once
// What the Zora Raduzu window asks of the main window.
#include "catalog/LoadRecord.h"

#include <string>

namespace corvane {

class ExpertHost {
public:
    virtual ~ExpertHost() = default;
    // Switches the catalog to the load's section (slug may mean a shotshell of that load
    // number, told apart by the shot key) and selects the load; a section out of range does
    // nothing.
    virtual void ShowExpertLoad(const std::string& loadNumber, const std::string& shotKey,
                                CatalogTab section) = 0;
    // Shows the shotshell section unless it is already on show.
    virtual void ShowShotshellSection() = 0;
    // The window was closed (hidden); the main window clears its shown flag.
    virtual void ExpertWindowClosed() {}
};

} // namespace corvane
