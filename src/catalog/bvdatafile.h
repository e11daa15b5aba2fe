// The Battle Value tables file "bvdata.bin".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalog/parseresult.h"
#include "catalog/referencetables.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::catalog {

inline constexpr std::string_view kBVDataFile = "bvdata.bin";
inline constexpr std::string_view kBVDataHeader = "Forgeplanwork BV Data File";
inline constexpr std::int16_t kBVDataVersion = 2;
// Header, version and the five tables.
inline constexpr std::size_t kBVDataFileSize = 1168;

// Parses the tables; a file that ends before them is Damaged. Bytes after them are ignored.
ParseResult<BVTables> parseBVData(std::string_view bytes);
std::string writeBVData(const BVTables& tables);

// Reads "bvdata.bin" into ctx.bvTables and sets ctx.bvDataLoaded. A missing, damaged or
// wrong-version file shows its message and switches BV off; the tables stay as they were.
void LoadBVData(app::ProgramContext& ctx);

} // namespace fpw::catalog
