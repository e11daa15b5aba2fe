// `info FILE...`: one row of recomputed figures per design, as text or as JSON lines.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "designfigures.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// Messages carry CR LF line ends; a terminal wants LF only.
std::string withoutCR(std::string_view text);

// A file's failure as one line on the error stream: "<file>: <message>".
void printFailure(std::ostream& err, std::string_view file, std::string_view message);

// The JSON line of a row with exactly the keys file, name, model, config, tonnage,
// total_tonnage, free_tonnage, walking, running, jumping, max_heat, heat_dissipation,
// free_slots, cost, bv and error; figures are null in the row of a failed file.
std::string jsonLine(const DesignRow& row);

// The tab-separated header and row of the text output.
std::string textHeader();
std::string textLine(const DesignRow& row);

// Processes every file in turn; rows go to `out`, messages of failed files (text mode) to
// `err`. Returns 0 when every file was read, 1 otherwise.
int runInfo(app::ProgramContext& ctx, const std::vector<std::string>& files, bool json,
            std::ostream& out, std::ostream& err);

} // namespace fpw::cli
