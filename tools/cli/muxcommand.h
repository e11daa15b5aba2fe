// `mux FILE [-o OUT]`: the MUX export of a design file.
#pragma once

#include <iosfwd>
#include <string>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// The default output: the design file's path with its extension replaced by ".mux".
std::string defaultMuxPath(const std::string& designPath);

// Opens the design quietly, recomputes its figures and writes the export to `out` (or the
// default path when empty). Returns 0 on success, 1 when the file could not be read or the
// export not written (the message goes to `err`).
int runMux(app::ProgramContext& ctx, const std::string& file, const std::string& out,
           std::ostream& err);

} // namespace fpw::cli
