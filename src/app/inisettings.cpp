#include "app/inisettings.h"

#include <array>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "app/errorreporter.h"
#include "app/numbers.h"
#include "app/programcontext.h"
#include "app/textutil.h"

namespace fpw::app {
namespace {

using S = Settings;

// The window text colour 0x80000008 in its stored form.
constexpr std::string_view kWindowText = "-2147483640";

constexpr std::array<SettingEntry, 26> kSettings{{
    {kColorsSection, "Normal", &S::normalColor, "16777152", true},
    {kColorsSection, "Locked", &S::lockedColor, "8421631", true},
    {kColorsSection, "Armored", &S::armoredColor, "8438015", true},
    {kColorsSection, "Hilited", &S::hilitedColor, "16761087", true},
    {kColorsSection, "Inactive", &S::inactiveColor, "8454016", true},
    {kColorsSection, "FNormal", &S::normalTextColor, kWindowText, true},
    {kColorsSection, "FLocked", &S::lockedTextColor, kWindowText, true},
    {kColorsSection, "FArmored", &S::armoredTextColor, kWindowText, true},
    {kColorsSection, "FHilited", &S::hilitedTextColor, kWindowText, true},
    {kColorsSection, "FInactive", &S::inactiveTextColor, kWindowText, true},
    {kColorsSection, "LocationBackground", &S::locationBackground, "255", true},
    {kColorsSection, "LocationForeground", &S::locationForeground, kWindowText, true},
    {kMainSection, "Top", &S::top, "2000", false},
    {kMainSection, "Left", &S::left, "1000", false},
    {kMainSection, "LastDir", &S::lastDir, "", false},
    {kPreferencesSection, "HTML Header", &S::htmlHeader, "", false},
    {kPreferencesSection, "HTML Footer", &S::htmlFooter, "", false},
    {kPreferencesSection, "Default TechBase", &S::defaultTechBase, "Inner Sphere", true},
    {kPreferencesSection, "Default TechLevel", &S::defaultTechLevel, "1", true},
    {kPreferencesSection, "Default MechType", &S::defaultMechType, "Biped", true},
    {kPreferencesSection, "Default AmmoSpecialHeader", &S::ammoSpecialHeader, "@%0 [%1] (%2)",
     true},
    {kPreferencesSection, "Default AmmoStandardHeader", &S::ammoStandardHeader, "@%0 (%2)", true},
    {kPreferencesSection, "Heat Scale", &S::heatScale, "1", true},
    {kPreferencesSection, "MultiPrint Type", &S::multiPrintType, "False", true},
    {kPreferencesSection, "Print Loc Rolls", &S::printLocRolls, "False", true},
    {kPreferencesSection, "Save Prompt", &S::savePrompt, "False", true},
}};

constexpr std::int32_t kDefaultTop = 2000;
constexpr std::int32_t kDefaultLeft = 1000;

std::optional<bool> toBoolean(std::string_view text) {
    const std::string lower = lowerCase(text);
    if (lower == "true") {
        return true;
    }
    if (lower == "false") {
        return false;
    }
    if (const auto number = parseNumber(text)) {
        return *number != 0;
    }
    return std::nullopt;
}

// Converts `text` into the entry's field of `settings`; a failure leaves the field alone.
std::optional<Failure> assign(Settings& settings, const SettingEntry& entry,
                              std::string_view text) {
    const auto mismatch = [&] {
        return Failure{failure::kTypeMismatch, "Type mismatch: " + std::string(entry.section) +
                                                   "\\" + std::string(entry.name) + " = '" +
                                                   std::string(text) + "'"};
    };
    const auto overflow = [&] {
        return Failure{failure::kOverflow, "Overflow: " + std::string(entry.section) + "\\" +
                                               std::string(entry.name) + " = '" +
                                               std::string(text) + "'"};
    };
    return std::visit(
        [&](auto member) -> std::optional<Failure> {
            using Field = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                settings.*member = std::string(text);
            } else if constexpr (std::is_same_v<Field, bool>) {
                const auto value = toBoolean(text);
                if (!value) {
                    return mismatch();
                }
                settings.*member = *value;
            } else {
                const auto number = parseNumber(text);
                if (!number) {
                    return mismatch();
                }
                std::optional<Field> value;
                if constexpr (std::is_same_v<Field, std::int16_t>) {
                    value = tryToInteger(*number);
                } else {
                    value = tryToLong(*number);
                }
                if (!value) {
                    return overflow();
                }
                settings.*member = *value;
            }
            return std::nullopt;
        },
        entry.field);
}

std::string storedText(const Settings& settings, const SettingEntry& entry) {
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = settings.*member;
            using Field = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                return value;
            } else if constexpr (std::is_same_v<Field, bool>) {
                return value ? "True" : "False";
            } else {
                return std::to_string(value);
            }
        },
        entry.field);
}

} // namespace

Settings::Settings() {
    for (const SettingEntry& entry : kSettings) {
        assign(*this, entry, entry.defaultText);
    }
}

std::span<const SettingEntry> settingsTable() {
    return kSettings;
}

bool ReadINI(ProgramContext& ctx, const SettingsStore& store, ScreenSize screen) {
    Settings settings;
    settings.lastDir = ctx.programDirectory;
    bool complete = true;
    for (const SettingEntry& entry : kSettings) {
        const std::optional<std::string> text = store.value(entry.section, entry.name);
        if (!text) {
            continue;
        }
        if (const auto failed = assign(settings, entry, *text)) {
            ctx.errors.report("ReadINI", *failed);
            complete = false;
            break;
        }
    }
    if (settings.top > screen.heightTwips) {
        settings.top = kDefaultTop;
    }
    if (settings.left > screen.widthTwips) {
        settings.left = kDefaultLeft;
    }
    ctx.settings = std::move(settings);
    return complete;
}

void WriteEditorPosition(SettingsStore& store, std::int32_t top, std::int32_t left,
                         std::string_view lastDir) {
    store.setValue(kMainSection, "Top", std::to_string(top));
    store.setValue(kMainSection, "Left", std::to_string(left));
    store.setValue(kMainSection, "LastDir", lastDir);
}

void WritePreferences(SettingsStore& store, const Settings& settings) {
    for (const SettingEntry& entry : kSettings) {
        if (entry.preference) {
            store.setValue(entry.section, entry.name, storedText(settings, entry));
        }
    }
}

} // namespace fpw::app
