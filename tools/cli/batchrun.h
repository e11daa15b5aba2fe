// Runs one piece of work per design file on several threads and writes the results in the
// order of the files, as if they had been processed one after the other. The workers start on
// the first files while the walk is still finding the rest.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "designwalk.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// What one file gave: text for standard output and for standard error, and whether it
// failed.
struct ItemOutput {
    std::string out;
    std::string err;
    bool failed = false;
};

// Works on one design file with a context of its own thread. Must not touch shared state.
using ItemWork = std::function<ItemOutput(app::ProgramContext&, const std::string& path)>;

struct BatchOptions {
    // Threads at work; 1 works on the calling thread alone, with no thread started.
    int jobs = 1;
    // A progress bar on standard error (the caller has checked that it is a terminal).
    bool progress = false;
    // Standard output goes to the same terminal: the bar is taken off before each row.
    bool outputOnTerminal = false;
};

// The default for -j: every hardware thread, at least one.
int hardwareThreads();

// Hands every item, in order, to the sink it is given.
using ItemSource = std::function<void(const WalkSink&)>;

// Runs `work` on every file item the source gives; an item that is a directory failure only
// has its message printed. The source runs on the calling thread, which then works with `ctx`
// beside up to jobs - 1 helper threads, each with its own context holding a copy of ctx's
// reference data. Returns 0 when nothing failed, 1 otherwise.
int runBatch(app::ProgramContext& ctx, const ItemSource& source, const ItemWork& work,
             const BatchOptions& options, std::ostream& out, std::ostream& err);
// The same over the designs the arguments name (see walkDesigns).
int runBatch(app::ProgramContext& ctx, const std::vector<std::string>& args, const ItemWork& work,
             const BatchOptions& options, std::ostream& out, std::ostream& err);

} // namespace fpw::cli
