// The two printouts of the summary: the cost breakdown and the Battle Value calculation,
// drawn line by line on the same surface as the record sheet.
#pragma once

#include "reports/reportlines.h"

namespace fpw::model {
class Mech;
}
namespace fpw::valuation {
class BVDataStore;
}

namespace fpw::recordsheet {

class DrawingSurface;

// Draws report lines from the top of the current page: headings bold and one point larger,
// each description at the left margin on one line (a long one is shrunk or cut, never
// wrapped), its value, when it has one, in a right-hand column; empty lines stay blank. A
// line that does not fit on the page starts a new one.
void printReportLines(const reports::ReportLines& lines, DrawingSurface& surface);

// PrintSummary: the cost breakdown of the design at the current prices.
void PrintSummary(const model::Mech& mech, DrawingSurface& surface);

// PrintBVCalcs: the lines of the design's last Battle Value calculation.
void PrintBVCalcs(const model::Mech& mech, const valuation::BVDataStore& lines,
                  DrawingSurface& surface);

} // namespace fpw::recordsheet
