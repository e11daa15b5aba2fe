// The pilot window's rules over the pilot list (ctx.pilots): add, rename, change skills and
// remove. Every accepted change is written to the pilot file at once; a change the file does
// not take is reported and leaves the list as it was.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::units {

// The skills a new pilot starts with: a regular pilot of the game.
inline constexpr int kNewPilotGunnery = 4;
inline constexpr int kNewPilotPiloting = 5;
// The skill range the pilot-adjusted BV table covers.
inline constexpr int kLowestSkill = 0;
inline constexpr int kHighestSkill = 7;

// The positions in ctx.pilots of the pilots with a name, in order: the rows of the window.
std::vector<std::size_t> namedPilots(const app::ProgramContext& ctx);

// Asks for the new pilot's name; a name already present (ignoring letter case and outer
// blanks) is refused with its message. A cancelled or blank answer changes nothing. True when
// the pilot was added (with the new-pilot skills) and the file written.
bool AddPilot(app::ProgramContext& ctx);
// Asks for a new name for the pilot at `index`, offering the current one; the same refusal.
bool ChangePilot(app::ProgramContext& ctx, std::size_t index);
// Sets both skills of the pilot at `index`; skills outside 0 to 7 change nothing.
bool SetPilotSkills(app::ProgramContext& ctx, std::size_t index, int gunnery, int piloting);
// Asks whether the pilot at `index` should go; Yes removes it.
bool RemovePilot(app::ProgramContext& ctx, std::size_t index);

} // namespace fpw::units
