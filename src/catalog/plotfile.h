// The record sheet's diagram points: "ArmrPlt.Bin" (11 locations, rear torsos included) and
// "IntrnPlt.Bin" (8 locations).
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

// The fixed facts of one of the two plot files.
struct PlotFileKind {
    std::string_view fileName;
    std::string_view header;
    std::size_t recordCount;
    // How the messages name the file: "armor plot", "internal structure plot".
    std::string_view description;
    // The procedure name in error reports.
    std::string_view procedure;
};

inline constexpr PlotFileKind kArmorPlotFile{"ArmrPlt.Bin", "Forgeplanwork Armor Plot File", 11,
                                             "armor plot", "LoadArmorPlot"};
inline constexpr PlotFileKind kInternalPlotFile{"IntrnPlt.Bin", "Forgeplanwork Internal Plot File",
                                                8, "internal structure plot", "LoadInternalPlot"};
inline constexpr std::size_t kPlotHeaderWidth = 50;
inline constexpr std::int16_t kPlotFileVersion = 1;

// Parses a plot file of the given kind. X and Y arrays of different bounds make it Damaged.
ParseResult<PlotTable> parsePlotFile(std::string_view bytes, const PlotFileKind& kind);
// The file's bytes; `table` must hold kind.recordCount records (std::invalid_argument if not).
std::string writePlotFile(const PlotTable& table, const PlotFileKind& kind);

// Read the plot file into ctx.armorPlot / ctx.internalPlot, showing the missing, damaged or
// wrong-version message; false on any failure, the table left as it was.
bool LoadArmorPlot(app::ProgramContext& ctx);
bool LoadInternalPlot(app::ProgramContext& ctx);

struct PlotPoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t size = 0; // the location's PointSize
};

// Point `point` of `location` (0 to 10 for the armour plot, 0 to 7 for the structure plot).
// Point numbers are the arrays' own indices, starting at the record's lowerBound (0 in the
// shipped files). False when the location has no such point or is out of range.
bool gGetArmorPlotPoint(const PlotTable& armorPlot, int location, int point, PlotPoint& out);
bool gGetInternalPlotPoint(const PlotTable& internalPlot, int location, int point, PlotPoint& out);

} // namespace fpw::catalog
