#include "designfigures.h"

#include <ostream>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "infocommand.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "valuation/refreshfigures.h"

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

std::optional<std::string> visitDesign(app::ProgramContext& ctx, const std::string& path,
                                       const std::function<void(model::Mech&, bool)>& visit) {
    std::string error;
    std::optional<model::Mech> opened = openQuietly(ctx, path, error);
    if (!opened)
        return error;
    model::Mech& mech = *opened;
    if (mech.omniBaseLocked() && mech.OmniConfigCount() > 0) {
        for (int i = 0; i < mech.OmniConfigCount(); ++i) {
            mech.ChangeOmniConfig(mech.GetOmniConfigName(i), false);
            visit(mech, valuation::RefreshFigures(mech));
        }
    } else {
        visit(mech, valuation::RefreshFigures(mech));
    }
    return std::nullopt;
}

std::vector<DesignRow> designRows(app::ProgramContext& ctx, const std::string& path) {
    std::vector<DesignRow> rows;
    const std::optional<std::string> failure =
        visitDesign(ctx, path, [&](model::Mech& mech, bool hasBV) {
            rows.push_back(rowOf(mech, path, hasBV));
        });
    if (failure) {
        DesignRow failed;
        failed.file = path;
        failed.error = *failure;
        return {failed};
    }
    return rows;
}

} // namespace fpw::cli
