// The desktop program's start: the core start-up sequence with the splash screen, then the
// editor with a new design.
#pragma once

#include <memory>

namespace fpw::app {
struct ProgramContext;
class SettingsStore;
class StartupHooks;
} // namespace fpw::app

namespace fpw::ui {

class EditorWindow;

// Runs start-up; returns the editor (not yet shown), or nothing when start-up ended the
// program after its message (a missing or damaged weapon database or plot file).
std::unique_ptr<EditorWindow> startDesktop(app::ProgramContext& ctx, app::SettingsStore& store,
                                           app::StartupHooks& hooks);

} // namespace fpw::ui
