// The lines of a breakdown or a printout as plain data: the window lays them out, a printer
// layer only places them. Amounts are already formatted as the player sees them.
#pragma once

#include <string>
#include <vector>

namespace fpw::reports {

struct ReportLine {
    std::string description;
    // The right-hand column; empty when the line has none.
    std::string value;
    // A caption or title, shown bold.
    bool heading = false;

    bool operator==(const ReportLine&) const = default;
};

using ReportLines = std::vector<ReportLine>;

} // namespace fpw::reports
