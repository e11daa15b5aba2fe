// The layout of the record sheet's armour and structure diagrams: one rectangle per location
// with the grid its points are laid on. The plot files are generated from it, and the record
// sheet draws the diagram's outline from the same rectangles.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalog/referencetables.h"

namespace fpw::datatool {

enum class Diagram { Armor, Internal };

// One location's area, in plot units (x to the right, y downwards).
struct PlotArea {
    Diagram diagram = Diagram::Armor;
    int location = 0;
    std::string name;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int spacing = 0;   // distance between neighbouring points
    int pointSize = 0; // the PointSize written for the location
    int points = 0;    // how many points the location needs
    int line = 0;      // source line, for messages
};

using PlotLayout = std::vector<PlotArea>;

// Parses the layout file: '#' lines are comments; then a header row and one area per line.
// Throws SourceError when a line is malformed, a location is missing or given twice, an area
// cannot hold its points, points would touch (spacing not above twice the size), or two
// areas overlap.
PlotLayout parsePlotLayout(std::string_view text, std::string_view fileName);

// The plot records of one diagram, indexed by location (11 armour, 8 structure), each with
// exactly `points` points laid row by row on the area's grid, centred in it.
catalog::PlotTable generatePlot(const PlotLayout& layout, Diagram diagram);

// The text form of a plot table: a header row, then per location its index, PointSize, the
// arrays' lower bound and the points "x,y" separated by ";".
std::string formatPlotText(const catalog::PlotTable& table);

} // namespace fpw::datatool
