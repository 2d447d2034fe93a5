#pragma once
// What the Zora Raduzu window asks of the main window.
#include "catalog/LoadRecord.h"

#include <string>

namespace corvane {

class ExpertHost {
public:
    virtual ~ExpertHost() = default;
    // Switches the catalog to the load's section (0-5) and selects the load; a shotshell load
    // number is told apart by its shot key.
    virtual void ShowExpertLoad(const std::string& loadNumber, const std::string& shotKey,
                                CatalogTab section) = 0;
    // Shows the shotshell section unless it is already on show.
    virtual void ShowShotshellSection() = 0;
    // The window was closed (hidden); the main window clears its shown flag.
    virtual void ExpertWindowClosed() {}
};

} // namespace corvane
