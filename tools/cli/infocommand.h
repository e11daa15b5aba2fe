// `info FILE...`: one row of recomputed figures per design, as text or as JSON lines.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "batchrun.h"
#include "designfigures.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// Messages carry CR LF line ends; a terminal wants LF only.
std::string withoutCR(std::string_view text);

// A file's failure for the error stream: "<file>: <message>" and a line end.
std::string failureLine(std::string_view file, std::string_view message);

// The JSON line of a row with exactly the keys file, name, model, config, tonnage,
// total_tonnage, free_tonnage, walking, running, jumping, max_heat, heat_dissipation,
// free_slots, cost, bv and error; figures are null in the row of a failed file. The append
// form adds it to `out` without its line end.
std::string jsonLine(const DesignRow& row);
void appendJsonLine(std::string& out, const DesignRow& row);

// Room that writeJsonInteger may fill.
inline constexpr std::size_t kJsonIntegerLength = 24;
// Writes `value` at `at` as std::to_chars writes it and returns the end.
char* writeJsonInteger(char* at, long long value);

// Room that writeJsonDouble may fill.
inline constexpr std::size_t kJsonDoubleLength = 40;
// Writes `value` at `at` as std::to_chars writes it (the shortest text that reads back as the
// same value), with ".0" after a text of digits only, and returns the end.
char* writeJsonDouble(char* at, double value);

// The tab-separated header and row of the text output.
std::string textHeader();
std::string textLine(const DesignRow& row);

// What `info` prints for one design file: its rows (text or JSON lines) for `out`; for a file
// that cannot be read its message for `err` and, in JSON, a row with the error.
ItemOutput infoOutput(app::ProgramContext& ctx, const std::string& path, bool json);

// Processes the files and the design files in the trees of the directories among `args`;
// rows go to `out` in the order of the files, messages of failed files to `err`. Returns 0
// when every file and directory was read, 1 otherwise.
int runInfo(app::ProgramContext& ctx, const std::vector<std::string>& args, bool json,
            const BatchOptions& options, std::ostream& out, std::ostream& err);

} // namespace fpw::cli
