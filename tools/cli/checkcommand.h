// `check FILE|DIR...`: the editor's save checks for each design, and `write-bvs DIR...`: the
// editor's write-BVs command, each over the editor's own procedures.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "batchrun.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// Opens the design into an editor of its own, as the editor's Open does, and runs the save
// checks: the refusal or the ammunition warning, "<file>: <title>: <text>", go to `out`; a
// file that does not open gives its messages on `err`. Returns 0 only when every design would
// save (a warning does not stop a save).
int runCheck(app::ProgramContext& ctx, const std::vector<std::string>& args,
             const BatchOptions& options, std::ostream& out, std::ostream& err);

// The write-BVs command over each directory tree: the lines it writes to the log go to `out`
// as well (error reports apart), its messages (files that did not open, "Done") and the count
// to `err`. Returns 0
// only when every design file opened and every argument was a directory.
int runWriteBVs(app::ProgramContext& ctx, const std::vector<std::string>& directories,
                std::ostream& out, std::ostream& err);

} // namespace fpw::cli
