#include "fpwdata/plotlayout.h"

#include <array>

#include "fpwdata/sourcetext.h"

namespace fpw::datatool {
namespace {

constexpr std::string_view kHeader =
    "Diagram\tLocation\tName\tLeft\tTop\tRight\tBottom\tSpacing\tPointSize\tPoints";
constexpr std::size_t kArmorLocations = 11;
constexpr std::size_t kInternalLocations = 8;

std::size_t locationCount(Diagram d) {
    return d == Diagram::Armor ? kArmorLocations : kInternalLocations;
}

std::string_view diagramName(Diagram d) {
    return d == Diagram::Armor ? "Armor" : "Internal";
}

int columnsOf(const PlotArea& a) {
    return (a.right - a.left) / a.spacing;
}
int rowsOf(const PlotArea& a) {
    return (a.bottom - a.top) / a.spacing;
}

bool overlap(const PlotArea& a, const PlotArea& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

PlotArea parseArea(const std::vector<std::string>& cells, std::string_view file, int line) {
    PlotArea a;
    a.line = line;
    if (cells[0] == "Armor") {
        a.diagram = Diagram::Armor;
    } else if (cells[0] == "Internal") {
        a.diagram = Diagram::Internal;
    } else {
        throw SourceError(file, line,
                          "column Diagram: \"" + cells[0] + "\" is neither Armor nor Internal");
    }
    a.location = parseInteger(cells[1], {file, line, "Location"});
    a.name = cells[2];
    a.left = parseInteger(cells[3], {file, line, "Left"});
    a.top = parseInteger(cells[4], {file, line, "Top"});
    a.right = parseInteger(cells[5], {file, line, "Right"});
    a.bottom = parseInteger(cells[6], {file, line, "Bottom"});
    a.spacing = parseInteger(cells[7], {file, line, "Spacing"});
    a.pointSize = parseInteger(cells[8], {file, line, "PointSize"});
    a.points = parseInteger(cells[9], {file, line, "Points"});
    if (a.location < 0 || static_cast<std::size_t>(a.location) >= locationCount(a.diagram)) {
        throw SourceError(file, line,
                          "column Location: " + std::to_string(a.location) +
                              " is not a location of the " + std::string(diagramName(a.diagram)) +
                              " diagram (0 to " + std::to_string(locationCount(a.diagram) - 1) +
                              ")");
    }
    if (a.left < 0 || a.top < 0 || a.right <= a.left || a.bottom <= a.top) {
        throw SourceError(file, line,
                          "the rectangle must have Left < Right and Top < Bottom, "
                          "all at 0 or more");
    }
    if (a.pointSize < 1 || a.spacing <= 2 * a.pointSize) {
        throw SourceError(file, line,
                          "Spacing must be more than twice PointSize (at least 1), or "
                          "neighbouring points touch");
    }
    if (a.points < 1) {
        throw SourceError(file, line, "column Points: a location needs at least one point");
    }
    const int room = columnsOf(a) * rowsOf(a);
    if (room < a.points) {
        throw SourceError(file, line,
                          "the area holds only " + std::to_string(room) + " points, " +
                              std::to_string(a.points) + " wanted");
    }
    return a;
}

} // namespace

PlotLayout parsePlotLayout(std::string_view text, std::string_view fileName) {
    const std::vector<std::string> lines = splitSourceLines(text);
    PlotLayout layout;
    bool headerSeen = false;
    std::array<std::vector<int>, 2> lineOf{std::vector<int>(kArmorLocations, 0),
                                           std::vector<int>(kInternalLocations, 0)};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (!headerSeen) {
            if (line != kHeader) {
                throw SourceError(fileName, lineNumber,
                                  "expected the header row \"Diagram\", \"Location\", \"Name\", "
                                  "\"Left\", \"Top\", \"Right\", \"Bottom\", \"Spacing\", "
                                  "\"PointSize\", \"Points\" (tab-separated)");
            }
            headerSeen = true;
            continue;
        }
        const std::vector<std::string> cells = splitCells(line, '\t');
        if (cells.size() != 10) {
            throw SourceError(fileName, lineNumber,
                              "expected 10 tab-separated columns, found " +
                                  std::to_string(cells.size()));
        }
        PlotArea area = parseArea(cells, fileName, lineNumber);
        int& first =
            lineOf[static_cast<std::size_t>(area.diagram)][static_cast<std::size_t>(area.location)];
        if (first != 0) {
            throw SourceError(fileName, lineNumber,
                              "location " + std::to_string(area.location) + " of the " +
                                  std::string(diagramName(area.diagram)) +
                                  " diagram is already on line " + std::to_string(first));
        }
        first = lineNumber;
        for (const PlotArea& other : layout) {
            // Both diagrams are drawn on one sheet, so no two areas may share any space.
            if (overlap(area, other)) {
                throw SourceError(fileName, lineNumber,
                                  "the area overlaps the one on line " +
                                      std::to_string(other.line));
            }
        }
        layout.push_back(std::move(area));
    }
    const int endLine = static_cast<int>(lines.size());
    for (const Diagram d : {Diagram::Armor, Diagram::Internal}) {
        const auto& seen = lineOf[static_cast<std::size_t>(d)];
        for (std::size_t loc = 0; loc < seen.size(); ++loc) {
            if (seen[loc] == 0) {
                throw SourceError(fileName, endLine,
                                  "location " + std::to_string(loc) + " of the " +
                                      std::string(diagramName(d)) + " diagram has no area");
            }
        }
    }
    return layout;
}

catalog::PlotTable generatePlot(const PlotLayout& layout, Diagram diagram) {
    catalog::PlotTable table(locationCount(diagram));
    for (const PlotArea& a : layout) {
        if (a.diagram != diagram) {
            continue;
        }
        const int columns = columnsOf(a);
        const int rows = (a.points + columns - 1) / columns;
        // Centre the used grid in the rectangle; the first point sits half a step in.
        const int x0 = a.left + (a.right - a.left - columns * a.spacing) / 2 + a.spacing / 2;
        const int y0 = a.top + (a.bottom - a.top - rows * a.spacing) / 2 + a.spacing / 2;
        catalog::PlotRecord& record = table[static_cast<std::size_t>(a.location)];
        record.pointSize = static_cast<std::int16_t>(a.pointSize);
        record.lowerBound = 0;
        for (int i = 0; i < a.points; ++i) {
            record.x.push_back(static_cast<std::int16_t>(x0 + (i % columns) * a.spacing));
            record.y.push_back(static_cast<std::int16_t>(y0 + (i / columns) * a.spacing));
        }
    }
    return table;
}

std::string formatPlotText(const catalog::PlotTable& table) {
    std::string text = "Location\tPointSize\tLowerBound\tPoints\n";
    for (std::size_t loc = 0; loc < table.size(); ++loc) {
        const catalog::PlotRecord& r = table[loc];
        text += std::to_string(loc) + "\t" + std::to_string(r.pointSize) + "\t" +
                std::to_string(r.lowerBound) + "\t";
        for (std::size_t i = 0; i < r.x.size() && i < r.y.size(); ++i) {
            if (i > 0) {
                text += ';';
            }
            text += std::to_string(r.x[i]) + "," + std::to_string(r.y[i]);
        }
        text += "\n";
    }
    return text;
}

} // namespace fpw::datatool
