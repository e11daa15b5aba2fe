// The lines of the summary's breakdowns and of their printouts, as plain data: a window or a
// printer layer only places them. Shared by the cost breakdown and the BV calculation.
#pragma once

#include <string>
#include <vector>

namespace fpw::reports {

// What a line is, so that the layer that shows it can give it its place and weight.
enum class LineKind {
    Title,   // the first line of a printout
    Heading, // a bold heading or a section caption
    Item,    // a description with its amounts; an empty item is a blank line
};

// One line: a description at the left and up to two amounts in columns to its right
// (a weapon line of the cost breakdown carries its cost and its BV). An empty amount
// prints nothing.
struct ReportLine {
    LineKind kind = LineKind::Item;
    std::string text;
    std::string amount;
    std::string secondAmount;

    bool operator==(const ReportLine&) const = default;
};

using ReportLines = std::vector<ReportLine>;

// A captioned group of lines ("Basic Items - 1,234 C-Bills").
struct ReportSection {
    std::string caption;
    ReportLines lines;

    bool operator==(const ReportSection&) const = default;
};

} // namespace fpw::reports
