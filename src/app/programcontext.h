// The program-wide state that start-up builds and passes on: no globals. A test builds its
// own context over a temporary program directory and a scripted user.
#pragma once

#include <string>
#include <vector>

#include "app/errorreporter.h"
#include "app/filelayer.h"
#include "app/log.h"
#include "app/readbuffer.h"
#include "app/settings.h"
#include "app/userinteraction.h"
#include "catalog/prices.h"
#include "catalog/referencetables.h"
#include "catalog/weaponrecord.h"

namespace fpw::app {

struct ProgramContext {
    ProgramContext(std::string programDirectory, UserInteraction& user);
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    // Where the executables and reference files live.
    std::string programDirectory;
    UserInteraction& user;
    Log log;
    ErrorReporter errors;
    Settings settings;
    // Every document save goes through this layer; a test swaps in one that fails on demand.
    FileLayer* files = &diskFileLayer();
    // Memory for the designs read through this context, kept from one to the next: a batch
    // reads thousands, each thread through a context of its own.
    ReadBuffer designBytes;

    catalog::WeaponTable weapons;
    catalog::PriceTable prices;
    catalog::BVTables bvTables;
    bool bvDataLoaded = false;
    std::vector<catalog::Pilot> pilots{catalog::Pilot{}};
    catalog::PlotTable armorPlot;
    catalog::PlotTable internalPlot;
    std::vector<std::string> credits;
    bool creditsLoaded = false;

    bool noClanLAMs = false;
    // Set by start-up when the "Custom Prices" parameter is present.
    bool priceEditorEnabled = false;

    // Full path of a file in the program directory.
    std::string programFile(std::string_view name) const;
};

// The program's names for the log and the error reporter of a context.
inline void gWriteLog(ProgramContext& ctx, std::string_view text) {
    ctx.log.write(text);
}
inline void gLogVerbose(ProgramContext& ctx, std::string_view text) {
    ctx.log.verbose(text);
}
inline std::string gReportError(ProgramContext& ctx, std::string_view procedure,
                                const Failure& failure, bool show = true, bool log = true) {
    return ctx.errors.report(procedure, failure, show, log);
}

} // namespace fpw::app
