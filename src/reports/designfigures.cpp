#include "reports/designfigures.h"

#include <cstdio>

#include "catalog/equipment.h"
#include "model/mech.h"
#include "valuation/refreshfigures.h"

namespace fpw::reports {

DesignFigures designFigures(const model::Mech& mech, bool hasBV) {
    DesignFigures f;
    fillDesignFigures(f, mech, hasBV, freeSlots(mech));
    return f;
}

void fillDesignFigures(DesignFigures& f, const model::Mech& mech, bool hasBV, int freeSlots) {
    f.name = mech.mechName();
    f.model = mech.mechModel();
    if (mech.omniBaseLocked() && mech.OmniConfigCount() > 0) {
        f.config = mech.currentConfig();
    } else {
        f.config.reset();
    }
    f.tonnage = mech.tonnage();
    f.totalTonnage = mech.totalTonnage();
    f.freeTonnage = mech.freeTonnage();
    f.walking = mech.walking();
    f.running = mech.running();
    f.jumping = mech.jumping();
    f.maxHeat = mech.maxHeatValue();
    f.heatDissipation = heatDissipation(mech);
    f.freeSlots = freeSlots;
    f.cost = mech.totalCost();
    if (hasBV) {
        f.bv = mech.battleValue();
    } else {
        f.bv.reset();
    }
}

int heatDissipation(const model::Mech& mech) {
    return mech.hsType() == catalog::heatsink::kSingle ? mech.hsCount() : 2 * mech.hsCount();
}

int freeSlots(const model::Mech& mech) {
    return valuation::tallySlots(mech).free;
}

std::string plainNumber(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    const std::string text = buffer;
    return text == "-0" ? "0" : text;
}

std::vector<std::pair<std::string, std::string>> figureTexts(const DesignFigures& f) {
    return {{"name", f.name},
            {"model", f.model},
            {"config", f.config.value_or("")},
            {"tonnage", std::to_string(f.tonnage)},
            {"total_tonnage", plainNumber(f.totalTonnage)},
            {"free_tonnage", plainNumber(f.freeTonnage)},
            {"walking", std::to_string(f.walking)},
            {"running", std::to_string(f.running)},
            {"jumping", std::to_string(f.jumping)},
            {"max_heat", std::to_string(f.maxHeat)},
            {"heat_dissipation", std::to_string(f.heatDissipation)},
            {"free_slots", std::to_string(f.freeSlots)},
            {"cost", std::to_string(f.cost)},
            {"bv", f.bv ? std::to_string(*f.bv) : "-"}};
}

} // namespace fpw::reports
