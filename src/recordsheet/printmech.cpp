#include "recordsheet/printmech.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "app/identity.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/plotfile.h"
#include "model/mech.h"
#include "recordsheet/diagramoutline.h"
#include "recordsheet/drawingsurface.h"
#include "recordsheet/sheetcontent.h"
#include "recordsheet/surfacetext.h"
#include "reports/costbreakdown.h"
#include "valuation/bvcalc.h"

namespace fpw::recordsheet {
namespace {

constexpr double kBodySize = 8;
constexpr double kHeadingSize = kBodySize + 1;
constexpr double kGap = 4; // between blocks
// The share of the page below the header that the mech data and the armour diagram take.
constexpr double kUpperRowShare = 0.40;
// Lines are never packed closer than this share of the body line height.
constexpr double kTightestStep = 0.7;
// A plot point's circle: coordinates are in plot units of 15, sizes in units of 14.
constexpr double kPointRadiusFactor = 14.0 / 15.0;

struct Pilot {
    std::string_view name;
    std::string_view gunnery;
    std::string_view piloting;
};

// The page grid: nine columns of a whole number of points; the left six are the main area.
struct Grid {
    explicit Grid(double pageWidth) : unit(std::floor(pageWidth / 9)) {}
    double unit;
    double x(double columns) const { return columns * unit; }
};

class SheetPainter {
public:
    SheetPainter(model::Mech& mech, DrawingSurface& surface)
        : mech_(mech), ctx_(mech.context()), s_(surface), grid_(surface.pageWidth()) {}

    void paint(const Pilot& pilot, const Pilot& consolePilot, bool adjustBV, bool standardDiagram) {
        s_.setFont(body());
        step_ = s_.textHeight();
        progress("Printing Header");
        header();
        progress("Printing armor diagram");
        upperBottom_ = top_ + (s_.pageHeight() - top_) * kUpperRowShare;
        if (standardDiagram)
            standardArmorDiagram();
        else
            textArmorDiagram();
        progress("Out of armor diagram printing");
        const std::optional<valuation::BVResult> bv = valuation::CalcBV(mech_);
        std::optional<int> adjusted;
        if (adjustBV && bv)
            adjusted = adjustedBV(ctx_.bvTables, mech_.cockpitType(), pilot.gunnery, pilot.piloting,
                                  bv->rawBattleValue);
        progress("Printing crits");
        criticalTable(adjusted);
        progress("Out of printing crits");
        progress("Starting printing of mech info");
        double y = mechData();
        progress("Printing weapons data");
        const int weaponHeat = weaponsList(y);
        const bool console = mech_.cockpitType() == catalog::cockpit::kCommandConsole;
        const double pilotsBottom = (console ? 2 : 1) * (pilotBlockHeight() + kGap);
        const double heatBottom = heatData(pilotsBottom, weaponHeat);
        progress("Out of printing weapons data");
        progress("Printing pilot data");
        pilotBlock("Pilot Name: ", pilot, 0);
        if (console)
            pilotBlock("Console Pilot: ", consolePilot, pilotBlockHeight() + kGap);
        progress("Finished printing pilot data");
        progress("Printing heat scale");
        heatScale(heatBottom);
        progress("Done printing heat scale");
        progress("Printing weapons info chart");
        rangeChartBlock();
        progress("Out of printing weapons info chart");
        progress("Printing complete");
    }

private:
    static Font body() { return Font{"Arial", kBodySize, false}; }
    static Font heading() { return Font{"Arial", kHeadingSize, true}; }

    void progress(std::string_view line) { app::gLogVerbose(ctx_, line); }

    // The line step that fits `lines` lines into `height`, never above the body step.
    double stepFor(std::size_t lines, double height) const {
        if (lines == 0)
            return step_;
        return std::clamp(height / static_cast<double>(lines), step_ * kTightestStep, step_);
    }

    double headingLine(double x, double y, std::string_view text, double width) {
        FontScope bold(s_, heading());
        drawFitted(s_, x, y, text, width);
        return y + s_.textHeight();
    }

    void header() {
        FontScope bold(s_, heading());
        const std::string title = "Korvath Record Sheet - " + std::string(app::kProgramTitle) +
                                  " - v" + std::to_string(app::kVersionMajor) + "." +
                                  std::to_string(app::kVersionMinor) + "." +
                                  std::to_string(app::kVersionRevision);
        drawCentred(s_, 0, grid_.x(6), 0, title);
        drawCentred(s_, 0, grid_.x(6), s_.textHeight(), app::kCompanyName);
        top_ = 3 * s_.textHeight();
    }

    // ---- armour diagram: the right half of the main area's upper row
    void standardArmorDiagram() {
        const double left = grid_.x(3) + kGap;
        const double width = grid_.x(6) - left;
        const double height = upperBottom_ - top_;
        const std::vector<OutlineArea> outline = loadDiagramOutline(ctx_);
        double maxX = 1, maxY = 1;
        for (const OutlineArea& a : outline) {
            maxX = std::max(maxX, a.right);
            maxY = std::max(maxY, a.bottom);
        }
        forEachPlot([&](bool, int, int, const catalog::PlotPoint& p) {
            maxX = std::max<double>(maxX, p.x + p.size);
            maxY = std::max<double>(maxY, p.y + p.size);
        });
        const double scale = std::min(width / maxX, height / maxY);
        const double x0 = left + (width - maxX * scale) / 2;
        const double y0 = top_;
        diagramCaptions(outline, x0, y0, scale, maxX);
        for (const OutlineArea& a : outline)
            s_.drawPath(roundedBox(x0 + a.left * scale, y0 + a.top * scale,
                                   (a.right - a.left) * scale, (a.bottom - a.top) * scale,
                                   1.5 * scale),
                        0.6);
        forEachPlot([&](bool armor, int location, int index, const catalog::PlotPoint& p) {
            const int points = armor ? pointsOf(location) : structureOf(location);
            if (index >= points)
                return;
            const int lost = armor ? lostArmorPoints(mech_, location, points)
                                   : lostStructurePoints(mech_, location, points);
            s_.drawCircle(x0 + p.x * scale, y0 + p.y * scale, p.size * kPointRadiusFactor * scale,
                          index < lost ? Fill::Solid : Fill::None);
        });
    }

    // "Armor", "Rear" and "Structure" at the top-left of each part of the diagram, just above
    // it where there is room, fitted into the free space left of any area beside them.
    void diagramCaptions(const std::vector<OutlineArea>& outline, double x0, double y0,
                         double scale, double maxX) {
        struct Part {
            std::string_view caption;
            bool armor;
            int firstLocation;
            int lastLocation;
        };
        constexpr std::array<Part, 3> kParts{
            {{"Armor", true, 0, 7}, {"Rear", true, 8, 10}, {"Structure", false, 0, 7}}};
        FontScope small(s_, Font{"Arial", kBodySize - 1, true});
        const double band = s_.textHeight() / scale;
        for (const Part& part : kParts) {
            double top = -1;
            for (const OutlineArea& a : outline)
                if (a.armor == part.armor && a.location >= part.firstLocation &&
                    a.location <= part.lastLocation)
                    top = top < 0 ? a.top : std::min(top, a.top);
            if (top < 0)
                continue;
            const double y = std::max(0.0, top - band);
            double free = maxX;
            for (const OutlineArea& a : outline)
                if (a.top < y + band && a.bottom > y)
                    free = std::min(free, a.left);
            if (free * scale > s_.textWidth(part.caption) / 2)
                drawFitted(s_, x0, y0 + y * scale, part.caption, free * scale - 2);
        }
    }

    int pointsOf(int location) const { return mech_.GetArmor(location); }
    int structureOf(int location) const {
        if (mech_.armless() && (location == catalog::kLeftArm || location == catalog::kRightArm))
            return 0;
        return catalog::gGetISPoints(location, mech_.tonnage(), mech_.mechType());
    }

    // Calls `visit(armor, location, index, point)` for every point of both plot tables.
    template <typename Visit> void forEachPlot(Visit visit) const {
        for (const bool armor : {true, false}) {
            const catalog::PlotTable& table = armor ? ctx_.armorPlot : ctx_.internalPlot;
            for (int loc = 0; loc < static_cast<int>(table.size()); ++loc) {
                const int first = table[static_cast<std::size_t>(loc)].lowerBound;
                catalog::PlotPoint p;
                for (int i = 0; armor ? catalog::gGetArmorPlotPoint(table, loc, first + i, p)
                                      : catalog::gGetInternalPlotPoint(table, loc, first + i, p);
                     ++i)
                    visit(armor, loc, i, p);
            }
        }
    }

    static Path roundedBox(double x, double y, double w, double h, double r) {
        constexpr int kCornerSteps = 4;
        constexpr double kQuarter = 1.5707963267948966;
        const std::array<PathPoint, 4> centres{
            {{x + w - r, y + r}, {x + w - r, y + h - r}, {x + r, y + h - r}, {x + r, y + r}}};
        Path path;
        path.closed = true;
        for (int corner = 0; corner < 4; ++corner) {
            const double start = (corner - 1) * kQuarter;
            for (int i = 0; i <= kCornerSteps; ++i) {
                const double a = start + kQuarter * i / kCornerSteps;
                path.points.push_back(
                    {centres[static_cast<std::size_t>(corner)].x + r * std::cos(a),
                     centres[static_cast<std::size_t>(corner)].y + r * std::sin(a)});
            }
        }
        return path;
    }

    void textArmorDiagram() {
        const std::vector<DiagramLine> lines = textDiagramLines(mech_);
        const double left = grid_.x(3) + kGap;
        const double columnWidth = (grid_.x(6) - left) / 2;
        const double height = upperBottom_ - top_;
        const std::size_t perColumn = std::max<std::size_t>(1, (lines.size() + 1) / 2);
        const double step = stepFor(perColumn, height);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const double x = left + (i < perColumn ? 0 : columnWidth);
            const double y = top_ + static_cast<double>(i % perColumn) * step;
            const DiagramLine& line = lines[i];
            // Sections stand out from the location headings by one more point.
            Font font = body();
            if (line.kind == DiagramLine::Kind::Section)
                font = Font{"Arial", kHeadingSize + 1, true};
            else if (line.kind == DiagramLine::Kind::Location)
                font = heading();
            FontScope scope(s_, font);
            drawFitted(s_, x, y, line.text, columnWidth - kGap);
        }
    }

    // ---- critical hit table: the main area below the upper row
    void criticalTable(const std::optional<int>& adjusted) {
        constexpr std::array<std::array<int, 2>, 4> kColumns{{
            {catalog::kLeftArm, catalog::kLeftTorso},
            {catalog::kHead, catalog::kCenterTorso},
            {catalog::kRightArm, catalog::kRightTorso},
            {catalog::kLeftLeg, catalog::kRightLeg},
        }};
        const double columnWidth = grid_.x(6) / 4;
        const bool quad = mech_.mechType() == catalog::kQuad;
        double y0 = upperBottom_ + kGap;
        s_.drawLine(0, y0, grid_.x(6), y0);
        y0 = headingLine(0, y0 + 1, "Critical Hit Table", grid_.x(6));
        double bottom = y0;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const double x = static_cast<double>(c) * columnWidth;
            double y = y0;
            for (const int loc : kColumns[c]) {
                y = headingLine(x, y, catalog::locationName(loc, quad), columnWidth - kGap);
                const std::vector<std::string> lines =
                    criticalLines(mech_, loc, ctx_.settings.printLocRolls);
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    // A little air between the groups of six that one die roll chooses.
                    if (i == 6)
                        y += step_ / 4;
                    drawFitted(s_, x, y, lines[i], columnWidth - kGap);
                    y += step_;
                }
                y += step_ / 2;
            }
            bottom = std::max(bottom, y);
        }
        const std::array<std::string, 4> damage{"Engine hits: OOO", "Gyro hits: OO",
                                                "Sensor hits: OO", "Life Support hits: O"};
        for (std::size_t i = 0; i < damage.size(); ++i)
            s_.drawText(static_cast<double>(i) * columnWidth, bottom, damage[i]);
        bottom += step_;
        std::vector<std::string> values{"Battle Value: " + std::to_string(mech_.battleValue())};
        if (adjusted)
            values.push_back("Adjusted BV: " + std::to_string(*adjusted));
        values.push_back("Cost: " + reports::formatCBills(mech_.totalCost()));
        {
            FontScope bold(s_, Font{"Arial", kBodySize, true});
            for (std::size_t i = 0; i < values.size(); ++i)
                s_.drawText(static_cast<double>(i) * columnWidth, bottom, values[i]);
        }
        critBottom_ = bottom + step_;
    }

    // ---- mech data and weapons: the left half of the main area's upper row
    double mechData() {
        const double width = grid_.x(3) - kGap;
        double y = top_;
        s_.drawLine(0, y, width, y);
        y = headingLine(0, y + 1, sheetTitle(mech_), width);
        for (const std::string& line : typeLines(mech_)) {
            s_.drawText(0, y, line);
            y += step_;
        }
        s_.drawLine(0, y + 1, width, y + 1);
        y += 2;
        for (const std::string& line : movementLines(mech_)) {
            s_.drawText(0, y, line);
            y += step_;
        }
        s_.drawLine(0, y + 1, width, y + 1);
        return y + kGap;
    }

    int weaponsList(double y) {
        const double width = grid_.x(3) - kGap;
        const double locX = width - s_.textWidth("LA/LT/CT");
        const double typeX = s_.textWidth("00") + 2;
        y = headingLine(0, y, "Weapons and Equipment", width);
        s_.setFont(body());
        const std::vector<WeaponLine> lines = weaponLines(mech_);
        const double step = stepFor(lines.size() + 1, upperBottom_ - y);
        {
            FontScope bold(s_, Font{"Arial", kBodySize, true});
            s_.drawText(0, y, "#");
            s_.drawText(typeX, y, "Type");
            s_.drawText(locX, y, "Loc");
        }
        y += step;
        int heat = 0;
        for (const WeaponLine& line : lines) {
            s_.drawText(0, y, line.count);
            drawFitted(s_, typeX, y, line.type, locX - typeX - 2);
            drawFitted(s_, locX, y, line.location, width - locX);
            heat += line.heat;
            y += step;
        }
        return heat;
    }

    // ---- the right-hand columns: pilots, heat data, heat scale
    // A pilot block: name, skills, and the six hit boxes with the consciousness numbers.
    double pilotBlockHeight() const { return 5.6 * step_ + 5; }

    void pilotBlock(std::string_view label, const Pilot& pilot, double y) {
        const double x = grid_.x(6) + kGap;
        const double width = grid_.x(9) - x;
        const std::string hardened = mech_.armorType() == catalog::armor::kHardened ? " (+1)" : "";
        s_.drawBox(x - 2, y, width + 2, pilotBlockHeight());
        y += 1;
        drawFitted(s_, x, y, std::string(label) + std::string(pilot.name), width - 2);
        y += step_;
        s_.drawText(x, y,
                    "Gunnery: " + std::string(pilot.gunnery) +
                        "          Piloting: " + std::string(pilot.piloting) + hardened);
        y += step_;
        s_.drawText(x, y, "Hits Taken:");
        y += step_;
        static constexpr std::array<std::string_view, 6> kHits{"1st", "2nd", "3rd",
                                                               "4th", "5th", "6th"};
        static constexpr std::array<std::string_view, 6> kConsciousness{"(3)",  "(5)",  "(7)",
                                                                        "(10)", "(11)", "(Dead)"};
        const double box = (width - 4) / 6;
        for (std::size_t i = 0; i < kHits.size(); ++i) {
            const double bx = x + static_cast<double>(i) * box;
            s_.drawBox(bx, y, box, step_ * 1.3);
            drawCentred(s_, bx, bx + box, y + 0.15 * step_, kHits[i]);
            drawCentred(s_, bx, bx + box, y + 1.3 * step_, kConsciousness[i]);
        }
    }

    double heatData(double y, int weaponHeat) {
        const double x = grid_.x(6) + kGap;
        y = headingLine(x, y, "Heat Data", grid_.x(9) - x);
        for (const std::string& line :
             {"Max weapon heat: " + std::to_string(weaponHeat),
              "Max heat dissipation: " + std::to_string(heatSinkDissipation(mech_)),
              "Heat sink type: " + catalog::heatSinkName(mech_.hsType())}) {
            s_.drawText(x, y, line);
            y += step_;
        }
        for (const std::string& row : heatSinkRows(workingHeatSinks(mech_))) {
            s_.drawText(x, y, row);
            y += step_;
        }
        return y + kGap;
    }

    void heatScale(double y) {
        const double x = grid_.x(6) + kGap;
        y = headingLine(x, y, "Heat Scale", grid_.x(9) - x);
        const std::vector<std::string> lines =
            heatScaleLines(ctx_.settings.heatScale, mech_.techLevel());
        const double step = stepFor(lines.size(), s_.pageHeight() - y);
        for (const std::string& line : lines) {
            drawFitted(s_, x, y, line, grid_.x(9) - x);
            y += step;
        }
    }

    // ---- weapon range chart: the main area below the critical hit table
    void rangeChartBlock() {
        const std::vector<std::vector<std::string>> rows = rangeChart(mech_);
        double y = critBottom_ + kGap;
        s_.drawLine(0, y, grid_.x(6), y);
        y = headingLine(0, y + 1, "Weapon Range Data", grid_.x(6));
        const double nameWidth = grid_.x(2.5);
        const double numberWidth = (grid_.x(6) - nameWidth) / 7;
        const double step = stepFor(rows.size(), s_.pageHeight() - y);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            FontScope font(s_, Font{"Arial", kBodySize, r == 0});
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                const double x = c == 0 ? 0 : nameWidth + static_cast<double>(c - 1) * numberWidth;
                drawFitted(s_, x, y, rows[r][c], (c == 0 ? nameWidth : numberWidth) - 2);
            }
            y += step;
        }
    }

    model::Mech& mech_;
    app::ProgramContext& ctx_;
    DrawingSurface& s_;
    Grid grid_;
    double step_ = 0;
    double top_ = 0;
    double upperBottom_ = 0;
    double critBottom_ = 0;
};

bool drawSheet(std::string_view procedure, model::Mech& mech, const Pilot& pilot,
               const Pilot& console, bool adjustBV, bool standardDiagram, DrawingSurface& surface) {
    try {
        SheetPainter(mech, surface).paint(pilot, console, adjustBV, standardDiagram);
        return true;
    } catch (const std::bad_alloc&) {
        app::gReportError(mech.context(), procedure, {app::failure::kOutOfMemory, "Out of memory"});
    } catch (const std::exception& e) {
        app::gReportError(mech.context(), procedure,
                          {app::failure::kInvalidProcedureCall, e.what()});
    }
    return false;
}

} // namespace

bool PrintMech(model::Mech& mech, std::string_view pilotName, std::string_view pilotGunnery,
               std::string_view pilotPiloting, std::string_view consoleName,
               std::string_view consoleGunnery, std::string_view consolePiloting, bool adjustBV,
               bool standardDiagram, DrawingSurface& surface, int /*reserved*/) {
    return drawSheet(kPrintMechProcedure, mech, {pilotName, pilotGunnery, pilotPiloting},
                     {consoleName, consoleGunnery, consolePiloting}, adjustBV, standardDiagram,
                     surface);
}

bool PrintPreviewMech(model::Mech& mech, std::string_view pilotName, std::string_view pilotGunnery,
                      std::string_view pilotPiloting, std::string_view consoleName,
                      std::string_view consoleGunnery, std::string_view consolePiloting,
                      bool adjustBV, bool standardDiagram, DrawingSurface& surface,
                      int /*reserved*/) {
    return drawSheet(kPrintPreviewProcedure, mech, {pilotName, pilotGunnery, pilotPiloting},
                     {consoleName, consoleGunnery, consolePiloting}, adjustBV, standardDiagram,
                     surface);
}

} // namespace fpw::recordsheet
