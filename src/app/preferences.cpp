#include "app/preferences.h"

#include <array>
#include <string_view>

namespace fpw::app {
namespace {

constexpr std::string_view kIllegalDefaults = "Illegal default settings";
constexpr std::string_view kIllegalText = "Illegal text";

struct Placeholder {
    std::string_view code;
    std::string_view meaning;
};

constexpr std::array<Placeholder, 3> kSpecialPlaceholders{{{"%0", "the name of the ammo"},
                                                           {"%1", "the type of the ammo"},
                                                           {"%2", "the number of shots"}}};
constexpr std::array<Placeholder, 2> kStandardPlaceholders{
    {{"%0", "the name of the ammo"}, {"%2", "the number of shots"}}};

template <std::size_t N>
std::optional<PreferencesRefusal> checkTemplate(const std::string& text,
                                                const std::array<Placeholder, N>& placeholders,
                                                std::string_view box) {
    for (const Placeholder& placeholder : placeholders) {
        if (text.find(placeholder.code) == std::string::npos) {
            return PreferencesRefusal{std::string(kIllegalText),
                                      "The custom ammo print text in the " + std::string(box) +
                                          " does not contain " + std::string(placeholder.meaning) +
                                          ". This must be present to have a legal printout."};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<PreferencesRefusal> CheckPreferences(const Settings& settings) {
    if (settings.defaultTechLevel == 1) {
        if (settings.defaultTechBase == "Clan" || settings.defaultTechBase == "Inner Sphere 'C'") {
            return PreferencesRefusal{std::string(kIllegalDefaults),
                                      "A mech that is classified as " + settings.defaultTechBase +
                                          " can not be tech level 1."};
        }
        if (settings.defaultTechBase == "Inner Sphere" && settings.defaultMechType == "Omni-Mech") {
            return PreferencesRefusal{std::string(kIllegalDefaults),
                                      "You can not have a level 1 Inner Sphere Omni-Mech."};
        }
    }
    if (auto refused =
            checkTemplate(settings.ammoSpecialHeader, kSpecialPlaceholders, "specialty ammo box")) {
        return refused;
    }
    return checkTemplate(settings.ammoStandardHeader, kStandardPlaceholders, "standard ammo box");
}

} // namespace fpw::app
