// The blank standard armour diagram: our own outline, one rounded area per location, read from
// the layout text "plotlayout.txt" that the plot files are generated from.
#pragma once

#include <string_view>
#include <vector>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::recordsheet {

inline constexpr std::string_view kDiagramOutlineFile = "plotlayout.txt";

// One location's area in plot units.
struct OutlineArea {
    bool armor = true; // else the structure diagram
    int location = 0;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The areas of the layout text: comment lines ("#") and the header row are skipped, and so is
// any line whose diagram, location or rectangle does not read, so a damaged file costs only
// the outline of its bad lines.
std::vector<OutlineArea> parseDiagramOutline(std::string_view text);

// The outline from the program directory; empty when the file is missing.
std::vector<OutlineArea> loadDiagramOutline(const app::ProgramContext& ctx);

} // namespace fpw::recordsheet
