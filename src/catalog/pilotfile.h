// The pilot list file "PiltData.Bin".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/parseresult.h"
#include "catalog/referencetables.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::catalog {

inline constexpr std::string_view kPilotFile = "PiltData.Bin";
inline constexpr std::string_view kPilotFileHeader = "Forgeplanwork Pilot File";
inline constexpr std::int16_t kPilotFileVersion = 2;

using PilotList = std::vector<Pilot>;

// Parses a pilot file; no records (last index -1) gives one pilot with an empty name.
ParseResult<PilotList> parsePilotFile(std::string_view bytes);
// The file's bytes; an empty list is written with last index -1.
std::string writePilotFile(const PilotList& pilots);

// The pilots with a name, in order; one empty pilot when none has a name.
PilotList compactPilots(const PilotList& pilots);

// Reads "PiltData.Bin" into ctx.pilots. A missing file is silent; a damaged or wrong-version
// file shows its message; a file that ends inside its records goes to the error reporter as
// "LoadPilotData". In every case but success ctx.pilots is one empty pilot.
void LoadPilotData(app::ProgramContext& ctx);

// Compacts ctx.pilots and writes it to "PiltData.Bin" (replacing the old file only once the new
// one is complete), with verbose log lines. A failed write goes to the error reporter as
// "WritePilotData" and returns false.
bool WritePilotData(app::ProgramContext& ctx);

} // namespace fpw::catalog
