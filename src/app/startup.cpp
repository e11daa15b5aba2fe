#include "app/startup.h"

#include <exception>
#include <new>

#include "app/customprices.h"
#include "app/errorreporter.h"
#include "app/files.h"
#include "app/identity.h"
#include "app/log.h"
#include "app/parameters.h"
#include "app/programcontext.h"
#include "catalog/bvdatafile.h"
#include "catalog/credits.h"
#include "catalog/pilotfile.h"
#include "catalog/plotfile.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"

namespace fpw::app {
namespace {

// Closes the splash screen on every way out of start-up: a start that fails must not leave it
// on the screen after its message.
class SplashScreen {
public:
    explicit SplashScreen(StartupHooks& hooks) : hooks_(hooks) { hooks_.showSplash(versionText()); }
    ~SplashScreen() { close(); }
    SplashScreen(const SplashScreen&) = delete;
    SplashScreen& operator=(const SplashScreen&) = delete;

    void close() {
        if (open_) {
            open_ = false;
            hooks_.closeSplash();
        }
    }

private:
    StartupHooks& hooks_;
    bool open_ = true;
};

bool loadReferenceData(ProgramContext& ctx, StartupHooks& hooks) {
    catalog::LoadProgress progress;
    progress.setRange = [&hooks](int minimum, int maximum) {
        hooks.setProgressRange(minimum, maximum);
    };
    progress.advance = [&hooks](int value) { hooks.setProgress(value); };
    if (!catalog::LoadWeapons(ctx, progress)) {
        return false;
    }
    if (!catalog::LoadArmorPlot(ctx) || !catalog::LoadInternalPlot(ctx)) {
        return false;
    }
    ctx.creditsLoaded = catalog::TLoadCredits(ctx);
    catalog::LoadBVData(ctx);
    catalog::LoadPilotData(ctx);
    return true;
}

bool startUp(ProgramContext& ctx, const SettingsStore& store, StartupHooks& hooks) {
    SplashScreen splash(hooks);
    ctx.user.processEvents();
    ctx.user.processEvents();

    ReadINI(ctx, store, hooks.screenSize());
    if (!loadReferenceData(ctx, hooks)) {
        return false;
    }

    LoadPrices(ctx);
    splash.close();
    SetParameterSwitches(ctx);
    return true;
}

} // namespace

void LoadPrices(ProgramContext& ctx) {
    catalog::gResetPrices(ctx.prices);
    if (ParmExists(ctx, parameter::kCustomPrices)) {
        const std::string customPrices = ctx.programFile(kCustomPriceFile);
        if (ctx.files->exists(customPrices)) {
            ReadCustomData(ctx, customPrices);
        }
        ctx.priceEditorEnabled = true;
    }
}

void SetParameterSwitches(ProgramContext& ctx) {
    if (ParmExists(ctx, parameter::kVerboseLog)) {
        ctx.log.setVerbose(true);
    }
    ctx.noClanLAMs = !ParmExists(ctx, parameter::kClanLAMs);
}

std::string versionText() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

bool RunStartup(ProgramContext& ctx, const SettingsStore& store, StartupHooks& hooks) {
    ctx.log.start(localTimeNow());
    try {
        return startUp(ctx, store, hooks);
    } catch (const std::bad_alloc&) {
        ctx.errors.report("Main", Failure{failure::kOutOfMemory, "Out of memory"});
    } catch (const std::exception& e) {
        ctx.errors.report("Main", Failure{failure::kInvalidProcedureCall, e.what()});
    }
    return false;
}

} // namespace fpw::app
