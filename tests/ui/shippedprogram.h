// A program folder holding a copy of the shipped reference files, with a scripted person and
// settings in memory: the desktop layer's tests start the program over it without touching
// the build's own folder.
#pragma once

#include <memory>
#include <string_view>

#include "app/programcontext.h"
#include "app/settings.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"
#include "ui/editor/editorwindow.h"

namespace fpw::testing {

struct ShippedProgram {
    ShippedProgram();

    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
    app::MemorySettingsStore store;

    // Runs start-up and opens the editor (not shown); nothing when start-up ended. The
    // editor's invariants are checked after every action, undo and redo from then on.
    std::unique_ptr<ui::EditorWindow> start();
};

} // namespace fpw::testing
