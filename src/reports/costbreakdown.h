// The cost breakdown of the summary window and its printout, as lines of text: the same
// amounts the cost calculation adds, with the captions, descriptions and money formats the
// player sees.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/reportlines.h"

namespace fpw::model {
class Mech;
}

namespace fpw::reports {

// One frame of the breakdown: its caption with the sum ("Basic Items - 1,234 C-Bills") and
// its (description, amount) lines.
struct CostSection {
    std::string name; // "Basic Items"
    std::string caption;
    ReportLines lines;
};

// A line of the weapons list: a group of identical weapons, a physical weapon or the Artemis
// systems. `bv` is empty where the line has no Battle Value.
struct WeaponCostLine {
    std::string description;
    std::string cost;
    std::string bv;
    bool operator==(const WeaponCostLine&) const = default;
};

struct CostBreakdown {
    CostSection basic;
    CostSection additional;
    CostSection specialty;
    std::vector<WeaponCostLine> weapons;
    ReportLine weaponTotal;              // "Total weapon cost:"
    std::optional<ReportLine> surcharge; // LAM and Omni-Mech only
    ReportLine subtotal;                 // parts and surcharge
    ReportLine multiplier;               // "Construction Multiplier: 1.2"
    ReportLine finalCost;
    // The window's header: the final cost and the design's Battle Value.
    std::string summaryCost;
    std::string summaryBV;
};

// "###,###,###,##0" followed by " C-Bills".
std::string formatCBills(double amount);

// The breakdown of the design at the current prices.
CostBreakdown costBreakdown(const model::Mech& mech);

// The printout: the title "Cost breakdown for <name> <model> - Level <n>", the four sections
// with their lines (the weapons with their cost only), then the totals.
ReportLines costBreakdownPrintout(const model::Mech& mech);

} // namespace fpw::reports
