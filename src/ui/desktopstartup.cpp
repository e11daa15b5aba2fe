#include "ui/desktopstartup.h"

#include "app/programcontext.h"
#include "app/startup.h"
#include "ui/editor/editorwindow.h"

namespace fpw::ui {

std::unique_ptr<EditorWindow> startDesktop(app::ProgramContext& ctx, app::SettingsStore& store,
                                           app::StartupHooks& hooks) {
    if (!app::RunStartup(ctx, store, hooks)) {
        return nullptr;
    }
    return std::make_unique<EditorWindow>(ctx, store);
}

} // namespace fpw::ui
