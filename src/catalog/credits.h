// The credits text "credits.dat": pages separated by "[NEW PAGE]" lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::catalog {

inline constexpr std::string_view kCreditsFile = "credits.dat";
inline constexpr std::string_view kCreditsHeader = "Forgeplanwork Credits File";
inline constexpr std::string_view kCreditsPageMarker = "[NEW PAGE]";

// The pages of a credits file's bytes, lines of a page joined by CR LF; nothing when the first
// line is not the header. Text after the last marker is not stored; two markers in a row
// leave an empty page.
std::optional<std::vector<std::string>> parseCredits(std::string_view bytes);
// The file's bytes: the header, then each page's lines followed by a marker line. An empty
// first page does not survive: the reader fills page 0 with the first text it finds.
std::string writeCredits(const std::vector<std::string>& pages);

// Reads "credits.dat" into ctx.credits and sets ctx.creditsLoaded to the result. A file that
// cannot be read goes to the error reporter as "TLoadCredits".
bool TLoadCredits(app::ProgramContext& ctx);

} // namespace fpw::catalog
