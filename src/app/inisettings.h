// The per-user settings as the store holds them: every value's section, name and default in
// one table, start-up's reader and the writers of the editor and the preferences dialog.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "app/settings.h"

namespace fpw::app {

struct ProgramContext;

inline constexpr std::string_view kColorsSection = "Boot\\Colors";
inline constexpr std::string_view kMainSection = "Boot\\Main";
inline constexpr std::string_view kPreferencesSection = "Boot\\Preferences";

// The field of Settings a stored value goes to; its type decides the text form: Long and
// Integer as decimal text, Boolean as "True"/"False", String as it is.
using SettingField = std::variant<std::int32_t Settings::*, std::int16_t Settings::*,
                                  bool Settings::*, std::string Settings::*>;

struct SettingEntry {
    std::string_view section;
    std::string_view name;
    SettingField field;
    // In the stored text form. "LastDir" has none: its default is the program directory.
    std::string_view defaultText;
    // The preferences dialog writes it.
    bool preference;
};

// Every setting, in the order start-up reads them.
std::span<const SettingEntry> settingsTable();

// The screen the editor opens on, in twips.
struct ScreenSize {
    std::int32_t widthTwips = 0;
    std::int32_t heightTwips = 0;
};

// Reads every setting of the table into ctx.settings; a value that is absent takes its
// default. A "Top" beyond the screen's height becomes 2000, a "Left" beyond its width 1000.
// A value that cannot be converted is reported as "ReadINI" and ends the reading: what was
// read keeps its value, the rest keep their defaults. Returns false after such a report.
bool ReadINI(ProgramContext& ctx, const SettingsStore& store, ScreenSize screen);

// What the editor stores when it closes: its position and the last folder used.
void WriteEditorPosition(SettingsStore& store, std::int32_t top, std::int32_t left,
                         std::string_view lastDir);

// What the preferences dialog stores on OK: every "Boot\Colors" and "Boot\Preferences"
// value but the two HTML texts.
void WritePreferences(SettingsStore& store, const Settings& settings);

} // namespace fpw::app
