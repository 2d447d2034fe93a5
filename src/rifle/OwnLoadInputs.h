#pragma once
// Engine inputs for one of the shooter's own loads under the ballistics panel's conditions, the
// same way the catalog's loads get theirs, so that an own load and a catalog load with equal
// numbers fly the same in the card, the chart and the comparison.
#include "ballistics/EngineInputsFromPanel.h"
#include "rifle/MyLoads.h"

namespace corvane {

EngineInputs EngineInputsForOwnLoad(const PanelTexts& panel, const OwnLoad& load, bool english,
                                    double sightHeight);

} // namespace corvane
