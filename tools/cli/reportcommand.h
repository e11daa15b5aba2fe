// `bv FILE` and `cost FILE`: the Battle Value calculation and the cost breakdown of a design,
// as the summary prints them, written as plain text.
#pragma once

#include <iosfwd>
#include <string>

#include "reports/reportlines.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// The two printouts of the summary.
enum class Report { BattleValue, Cost };

// The lines as text: a line with a value gets it in a right-hand column that starts after the
// longest description that carries a value (descriptions longer than 60 characters push only
// their own value further out); a line without value is its description alone.
std::string reportText(const reports::ReportLines& lines);

// Opens the design quietly, recomputes it in the editor's order (for a locked OmniMech in
// `config`, or in the configuration it was saved in when `config` is empty) and writes the
// report to `out`. Returns 0, or 1 after a message on `err` when the file cannot be read, the
// configuration does not exist or, for the Battle Value, no BV data is loaded.
int runReport(app::ProgramContext& ctx, Report report, const std::string& file,
              const std::string& config, std::ostream& out, std::ostream& err);

} // namespace fpw::cli
