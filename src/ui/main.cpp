// The desktop program: Qt's entry point over the program's start-up. It takes no command
// line. With FPW_STARTUP_TIMING set it prints the time from its start to the editor on the
// screen; with the value "quit" it then ends, for the start-up benchmark.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include <QApplication>
#include <QTimer>

#include "app/programcontext.h"
#include "ui/desktopstartup.h"
#include "ui/editor/editorwindow.h"
#include "ui/services/qsettingsstore.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/services/splashscreen.h"

namespace {

// Read before anything else runs, so that the time includes Qt's own start.
const auto kProcessStart = std::chrono::steady_clock::now();

void reportStartupTime(bool quit) {
    const auto elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - kProcessStart);
    std::fprintf(stderr, "Start-up to editor shown: %.1f ms\n", elapsed.count());
    if (quit) {
        QCoreApplication::exit(0);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    fpw::ui::QtUserInteraction user;
    fpw::app::ProgramContext ctx(QCoreApplication::applicationDirPath().toStdString(), user);
    fpw::ui::QSettingsStore store;
    std::unique_ptr<fpw::ui::EditorWindow> window;
    {
        fpw::ui::QtStartupHooks hooks;
        window = fpw::ui::startDesktop(ctx, store, hooks);
    }
    if (!window) {
        return 1;
    }
    user.setParent(window.get());
    window->show();
    if (const char* timing = std::getenv("FPW_STARTUP_TIMING"); timing != nullptr && *timing) {
        // Runs when the event loop first comes round, after the events of showing the window.
        const bool quit = std::string_view(timing) == "quit";
        QTimer::singleShot(0, &application, [quit] { reportStartupTime(quit); });
    }
    return application.exec();
}
