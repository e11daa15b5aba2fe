// `edit [--open FILE] SCRIPT [--save OUT]`: runs an editor script on a new design or on an
// opened one and saves the result, as the desktop editor would with the same actions.
#pragma once

#include <iosfwd>
#include <string>

namespace fpw::app {
struct ProgramContext;
}
namespace fpw::editor::script {
class ScriptUser;
}

namespace fpw::cli {

struct EditRequest {
    std::string openFile; // empty: start from a new design
    std::string scriptFile;
    std::string saveFile; // empty: nothing is saved
};

// Runs the request in an editor over `ctx`, whose person must be `user` (the script's
// answers and printed messages). Everything the editor shows goes to `out`; an error (with
// its script line) to `err`. Returns 0 when the script ran to its end and the design was
// saved if asked, 1 when the design could not be opened, a line failed or the save was
// refused or failed, 2 when the script file could not be read.
int runEdit(app::ProgramContext& ctx, editor::script::ScriptUser& user, const EditRequest& request,
            std::ostream& out, std::ostream& err);

} // namespace fpw::cli
