// The optional parameter file "parm.txt": switches, one per line.
#pragma once

#include <string_view>

namespace fpw::app {

struct ProgramContext;

inline constexpr std::string_view kParameterFile = "parm.txt";

// The parameters the program knows.
namespace parameter {
inline constexpr std::string_view kCustomPrices = "Custom Prices";
inline constexpr std::string_view kVerboseLog = "VerboseLog";
inline constexpr std::string_view kClanLAMs = "Clan LAMs";
inline constexpr std::string_view kMuxSaving = "Mux Saving";
} // namespace parameter

// True when some line of "parm.txt" in the program directory equals `name` without regard to
// case (no trimming: a leading blank makes another line). The file is read anew on every
// query; a missing or unreadable file means no parameters.
bool ParmExists(const ProgramContext& ctx, std::string_view name);

} // namespace fpw::app
