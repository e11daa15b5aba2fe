#include "clicontext.h"

#include <filesystem>
#include <system_error>

#include "app/customprices.h"
#include "app/files.h"
#include "app/parameters.h"
#include "app/programcontext.h"
#include "catalog/bvdatafile.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"

namespace fpw::cli {

std::string executableDirectory(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        exe = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return exe.parent_path().string();
}

bool loadReferenceData(app::ProgramContext& ctx) {
    if (!catalog::LoadWeapons(ctx))
        return false;
    catalog::LoadBVData(ctx);
    catalog::gResetPrices(ctx.prices);
    if (app::ParmExists(ctx, app::parameter::kCustomPrices)) {
        const std::string path = ctx.programFile(app::kCustomPriceFile);
        if (app::fileExists(path))
            app::ReadCustomData(ctx, path);
    }
    return true;
}

void copyReferenceData(const app::ProgramContext& from, app::ProgramContext& to) {
    to.settings = from.settings;
    to.log.setVerbose(from.log.isVerbose());
    to.weapons = from.weapons;
    to.prices = from.prices;
    to.bvTables = from.bvTables;
    to.bvDataLoaded = from.bvDataLoaded;
    to.pilots = from.pilots;
    to.armorPlot = from.armorPlot;
    to.internalPlot = from.internalPlot;
    to.credits = from.credits;
    to.creditsLoaded = from.creditsLoaded;
    to.noClanLAMs = from.noClanLAMs;
    to.priceEditorEnabled = from.priceEditorEnabled;
}

} // namespace fpw::cli
