// The design files a batch command works through: files named on the command line as given,
// and every "*.FPM" file in the trees of the directories named there.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// One thing to process, in the order of the arguments: a design file, or a directory that
// could not be read with the program's message for it.
struct WalkItem {
    std::string path;
    std::optional<std::string> error;
};

// Takes each item as soon as the walk has found it.
using WalkSink = std::function<void(WalkItem)>;

// Expands the arguments, handing the items to `found` one by one in their order. A directory
// is visited with everything below it, names in byte order, links followed; a directory
// reached a second time (through a link, or named twice) is not visited again, so link loops
// end. Any other argument is taken as a design file, even when it does not exist: opening it
// gives its message. A directory that cannot be listed is reported to the error reporter
// quietly (logged, not shown) and becomes an item with its message.
void walkDesigns(app::ProgramContext& ctx, const std::vector<std::string>& args,
                 const WalkSink& found);
// The same walk, gathered.
std::vector<WalkItem> walkDesigns(app::ProgramContext& ctx, const std::vector<std::string>& args);

// Whether a file name ends in ".FPM", in any case.
bool isDesignFileName(std::string_view name);

} // namespace fpw::cli
