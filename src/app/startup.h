// The program's start-up: log, settings, reference data and prices, in a fixed order. The
// desktop layer supplies the splash screen and the screen size through StartupHooks and then
// shows the editor; everything else it needs from the person goes through ctx.user.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "app/inisettings.h"

namespace fpw::app {

struct ProgramContext;
class SettingsStore;

// What start-up needs of the windowing layer. The defaults do nothing, for tests and tools.
class StartupHooks {
public:
    virtual ~StartupHooks() = default;
    // Shown without waiting; `version` is "Version 1.2.3".
    virtual void showSplash(std::string_view /*version*/) {}
    // The splash screen's progress while the weapon database loads.
    virtual void setProgressRange(int /*minimum*/, int /*maximum*/) {}
    virtual void setProgress(int /*value*/) {}
    virtual void closeSplash() {}
    // Where the editor may open, for the position clamp of the settings; by default a screen
    // so large that no stored position is replaced.
    virtual ScreenSize screenSize() {
        return {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()};
    }
};

// "Version " + major.minor.revision, as the splash screen shows it.
std::string versionText();

// The default prices, then the custom price file when the "Custom Prices" parameter is present
// (which also enables the price editor).
void LoadPrices(ProgramContext& ctx);
// The switches of the parameter file: verbose logging, and Clan LAMs allowed or not.
void SetParameterSwitches(ProgramContext& ctx);

// Runs start-up: recreates the log with its start line, shows the splash screen, reads the
// settings (a bad setting is reported and start-up goes on), loads the weapon database and the
// two plot files (a failure of any ends start-up after the loader's message), the credits, BV
// and pilot files (their failures do not), resets the prices and applies the custom price file
// when the "Custom Prices" parameter is present, closes the splash screen and sets the
// parameter switches. Anything unexpected is reported as "Main". Returns whether the program
// goes on to show the editor; the splash screen is closed either way.
bool RunStartup(ProgramContext& ctx, const SettingsStore& store, StartupHooks& hooks);

} // namespace fpw::app
