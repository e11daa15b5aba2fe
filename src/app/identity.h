// Who the program is: the names that appear in its messages, log and settings.
#pragma once

#include <string_view>

namespace fpw::app {

inline constexpr std::string_view kCompanyName = "Quennard";
inline constexpr std::string_view kProgramTitle = "Forgeplanwork";
// The settings store's organisation and application.
inline constexpr std::string_view kSettingsOrganisation = "Quennard";
inline constexpr std::string_view kSettingsApplication = "The Forgeplanwork";
inline constexpr std::string_view kSupportAddress = "support@quennard.example";

inline constexpr int kVersionMajor = FPW_VERSION_MAJOR;
inline constexpr int kVersionMinor = FPW_VERSION_MINOR;
inline constexpr int kVersionRevision = FPW_VERSION_PATCH;

} // namespace fpw::app
