#include "designfigures.h"

#include <ostream>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "infocommand.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace fpw::cli {
namespace {

DesignRow rowOf(model::Mech& mech, const std::string& path, bool hasBV) {
    DesignRow row;
    row.file = path;
    row.name = mech.mechName();
    row.model = mech.mechModel();
    if (mech.omniBaseLocked() && mech.OmniConfigCount() > 0)
        row.config = mech.currentConfig();
    row.tonnage = mech.tonnage();
    row.totalTonnage = mech.totalTonnage();
    row.freeTonnage = mech.freeTonnage();
    row.walking = mech.walking();
    row.running = mech.running();
    row.jumping = mech.jumping();
    row.maxHeat = mech.maxHeatValue();
    row.heatDissipation = heatDissipation(mech);
    row.freeSlots = freeSlots(mech);
    row.cost = mech.totalCost();
    if (hasBV)
        row.bv = mech.battleValue();
    return row;
}

} // namespace

bool refreshFigures(model::Mech& mech) {
    mech.RecalcAll();
    int armored = 0;
    for (const model::CritLocation& list : mech.critLocations())
        for (const model::CriticalSlot& slot : list.slots())
            armored += slot.isArmored ? 1 : 0;
    mech.ArmoredSlotData(armored, armored);
    mech.CalcTotalTonnage();
    mech.MaxHeat();
    valuation::CalcTotalCost(mech);
    return valuation::CalcBV(mech, valuation::BVLines::Skip).has_value();
}

int heatDissipation(const model::Mech& mech) {
    return mech.hsType() == catalog::heatsink::kSingle ? mech.hsCount() : 2 * mech.hsCount();
}

int freeSlots(const model::Mech& mech) {
    int free = 0;
    for (const model::CritLocation& list : mech.critLocations())
        free += list.FreeSlotCount();
    return free;
}

std::optional<model::Mech> openQuietly(app::ProgramContext& ctx, const std::string& path,
                                       std::string& error) {
    std::optional<model::Mech> mech = io::OpenMechQuietly(ctx, path, error);
    if (!mech && error.empty())
        error = "The design file could not be read.";
    return mech;
}

std::optional<model::Mech> openOrReport(app::ProgramContext& ctx, const std::string& path,
                                        std::ostream& err) {
    std::string error;
    std::optional<model::Mech> mech = openQuietly(ctx, path, error);
    if (!mech)
        err << failureLine(path, error);
    return mech;
}

std::vector<DesignRow> designRows(app::ProgramContext& ctx, const std::string& path) {
    std::string error;
    std::optional<model::Mech> opened = openQuietly(ctx, path, error);
    if (!opened) {
        DesignRow failed;
        failed.file = path;
        failed.error = std::move(error);
        return {failed};
    }
    model::Mech& mech = *opened;
    std::vector<DesignRow> rows;
    if (mech.omniBaseLocked() && mech.OmniConfigCount() > 0) {
        for (int i = 0; i < mech.OmniConfigCount(); ++i) {
            mech.ChangeOmniConfig(mech.GetOmniConfigName(i), false);
            const bool hasBV = refreshFigures(mech);
            rows.push_back(rowOf(mech, path, hasBV));
        }
    } else {
        const bool hasBV = refreshFigures(mech);
        rows.push_back(rowOf(mech, path, hasBV));
    }
    return rows;
}

} // namespace fpw::cli
