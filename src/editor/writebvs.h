// Writes the Battle Value of every design file in a directory tree to the log.
#pragma once

#include <functional>
#include <string>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::editor {

struct WriteBVsResult {
    int files = 0;          // design files found, the ones that did not open included
    std::string statusText; // the count and " done..."
    bool stopped = false;   // the person stopped the run
};

// Asked before each design file with the number of files done so far; false stops the run
// there (a window's Cancel button).
using WriteBVsCarryOn = std::function<bool(int filesDone)>;

// Visits `directory` and every directory below it (each in name order): "Dir: " and the path
// go to the log, then for every "*.FPM" file (any letter case) its name, " " and model when it
// has one, a tab and its Battle Value. Every file is opened quietly into a design of its own,
// so the editor's design is never touched; a file that does not open is shown and skipped.
// Ends with the message "Done", unless the person stopped the run.
WriteBVsResult WriteBVs(app::ProgramContext& ctx, const std::string& directory,
                        const WriteBVsCarryOn& carryOn = {});

} // namespace fpw::editor
