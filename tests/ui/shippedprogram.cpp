#include "shippedprogram.h"

#include <filesystem>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "editor/invariants.h"
#include "ui/desktopstartup.h"
#include "ui/editor/editorwindow.h"

namespace fpw::testing {

ShippedProgram::ShippedProgram() {
    // The reference files lie beside the test executable; the executables stay behind.
    namespace fs = std::filesystem;
    const fs::path shipped = QCoreApplication::applicationDirPath().toStdString();
    for (const fs::directory_entry& entry : fs::directory_iterator(shipped)) {
        const fs::path name = entry.path().filename();
        const std::string extension = name.extension().string();
        if (entry.is_regular_file() && (extension == ".bin" || extension == ".Bin" ||
                                        extension == ".dat" || extension == ".txt")) {
            fs::copy_file(entry.path(), fs::path(dir.path()) / name);
        }
    }
}

std::unique_ptr<ui::EditorWindow> ShippedProgram::start() {
    app::StartupHooks hooks;
    std::unique_ptr<ui::EditorWindow> window = ui::startDesktop(ctx, store, hooks);
    if (window) {
        // Every step a test drives through the widgets ends with the editor's invariants.
        editor::Editor& editor = window->editor();
        editor.addObserver([&editor] {
            for (const std::string& problem : editor::checkInvariants(editor)) {
                ADD_FAILURE() << "after a step through the window: " << problem;
            }
        });
    }
    return window;
}

} // namespace fpw::testing
