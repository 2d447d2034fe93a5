#include "rifle/OwnLoadInputs.h"

namespace corvane {

EngineInputs EngineInputsForOwnLoad(const PanelTexts& panel, const OwnLoad& load, bool english,
                                    double sightHeight) {
    // The panel's part is the rifle section's; the load's three numbers replace the record's
    // (own loads keep fractional weights and velocities, which catalog records cannot).
    EngineInputs inputs =
        EngineInputsFromPanel(panel, CatalogTab::Rifle, LoadRecord{}, english, sightHeight);
    inputs.MuzzleVelocity = load.muzzleVelocity;
    inputs.BallisticCoefficient = load.ballisticCoefficient;
    inputs.BulletWeight = load.bulletWeight;
    return inputs;
}

} // namespace corvane
