#include "recordsheet/summaryprint.h"

#include "recordsheet/drawingsurface.h"
#include "recordsheet/surfacetext.h"
#include "reports/bvreport.h"
#include "reports/costbreakdown.h"

namespace fpw::recordsheet {
namespace {

constexpr double kBodySize = 10;
// The value column starts at this share of the page width.
constexpr double kValueColumn = 0.72;

} // namespace

void printReportLines(const reports::ReportLines& lines, DrawingSurface& surface) {
    const Font body{"Arial", kBodySize, false};
    const Font heading{"Arial", kBodySize + 1, true};
    const double valueX = surface.pageWidth() * kValueColumn;
    surface.setFont(body);
    double y = 0;
    for (const reports::ReportLine& line : lines) {
        FontScope font(surface, line.heading ? heading : body);
        const double height = surface.textHeight();
        if (y + height > surface.pageHeight() && y > 0) {
            surface.newPage();
            y = 0;
        }
        const double descriptionWidth = (line.value.empty() ? surface.pageWidth() : valueX) - 4;
        if (!line.description.empty())
            drawFitted(surface, 0, y, line.description, descriptionWidth);
        if (!line.value.empty())
            drawFitted(surface, valueX, y, line.value, surface.pageWidth() - valueX);
        y += height;
    }
}

void PrintSummary(const model::Mech& mech, DrawingSurface& surface) {
    printReportLines(reports::costBreakdownPrintout(mech), surface);
}

void PrintBVCalcs(const model::Mech& mech, const valuation::BVDataStore& lines,
                  DrawingSurface& surface) {
    printReportLines(reports::BVCalcsPrintLines(mech, lines), surface);
}

} // namespace fpw::recordsheet
