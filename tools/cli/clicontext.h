// The tool's program context: its own directory, the reference files and prices found there.
#pragma once

#include <string>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// The folder of the running executable, where the reference files lie beside it.
std::string executableDirectory(const char* argv0);

// Loads what the tool needs, as start-up does: the weapon database (without it nothing can be
// read: false after its message), the BV data (without it no Battle Value is computed), the
// default prices and, when "parm.txt" holds "Custom Prices", the custom price file.
bool loadReferenceData(app::ProgramContext& ctx);

// Copies what loadReferenceData loaded (and the settings and log verbosity) from one context
// into another, so that a worker thread computes with its own copy and nothing is shared.
void copyReferenceData(const app::ProgramContext& from, app::ProgramContext& to);

} // namespace fpw::cli
