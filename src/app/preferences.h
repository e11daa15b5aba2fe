// The rules the preferences dialog applies before it stores the default settings.
#pragma once

#include <optional>
#include <string>

#include "app/settings.h"

namespace fpw::app {

// Why a set of preferences is refused: the message box's title and text.
struct PreferencesRefusal {
    std::string title;
    std::string text;
};

// The first rule the preferences break, or nothing when they may be stored: a Clan or mixed
// default tech base, or an Inner Sphere Omni-Mech, at tech level 1; an ammunition header
// template without one of its placeholders ("%0", "%1", "%2" for special ammunition, "%0" and
// "%2" for standard ammunition).
std::optional<PreferencesRefusal> CheckPreferences(const Settings& settings);

} // namespace fpw::app
