// A corpus of varied designs built through the headless editor, as a person would build them:
// every tech base and level, body type, engine, gyro, cockpit, heat sink, armour and structure
// type, weapons of each kind placed in slots with their ammunition, and locked OmniMechs with
// variants. Every design passes the editor's save checks.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/programcontext.h"
#include "editor/script.h"
#include "model/mech.h"

namespace fpw::editor {
class Editor;
}

namespace fpw::corpus {

class Generator {
public:
    // Works on a copy of the reference data loaded into `reference`, with a person of its own
    // who answers the editor's questions: the caller's context is neither used nor changed.
    explicit Generator(const app::ProgramContext& reference);
    ~Generator();
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    // Design number `n` in a fresh editor, which stays until the next call. The same number
    // always gives the same design. The types cycle at different periods, so that a few
    // hundred designs meet every combination of neighbours.
    editor::Editor& build(int n);

    // Builds design `n` and saves it through the editor's save procedure below `root`, at
    // relativePath. The path written, or nothing when the folder could not be made or the
    // save was refused or failed.
    std::optional<std::string> write(int n, const std::filesystem::path& root);

private:
    std::ostream quiet_{nullptr};
    editor::script::ScriptUser user_{quiet_};
    app::ProgramContext ctx_;
    std::unique_ptr<editor::Editor> editor_;
};

// Where design `n` goes below the corpus folder: "<weight class>/<tech base>/dNNNNNN.FPM", so
// that the corpus is a tree of folders.
std::string relativePath(const model::Mech& mech, int n);

} // namespace fpw::corpus
