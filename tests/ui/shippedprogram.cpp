#include "shippedprogram.h"

#include <filesystem>

#include <QCoreApplication>

#include "app/startup.h"
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
    return ui::startDesktop(ctx, store, hooks);
}

} // namespace fpw::testing
