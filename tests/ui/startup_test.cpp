// The desktop start over the shipped reference files, over a program folder where one of them
// is missing or damaged, and the splash screen it shows meanwhile.
#include "ui/desktopstartup.h"

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "ui/editor/editorwindow.h"
#include "ui/services/splashscreen.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

TEST(DesktopStartup, EndsAfterTheMessageOfAFatalLoaderOrRunsOnWithoutTheBVData) {
    const struct {
        const char* file;
        bool remove; // else its header is overwritten
        bool starts;
        const char* title; // of the one message shown
    } cases[] = {{"wpndata.bin", true, false, ""},
                 {"wpndata.bin", false, false, "Database corrupt"},
                 {"ArmrPlt.Bin", false, false, "Database corrupt"},
                 {"IntrnPlt.Bin", true, false, ""},
                 {"bvdata.bin", false, true, "BV Datafile Corrupt"}};
    for (const auto& broken : cases) {
        SCOPED_TRACE(broken.file);
        testing::ShippedProgram program;
        std::string bytes = program.dir.read(broken.file);
        ASSERT_GT(bytes.size(), 10u);
        if (broken.remove)
            std::filesystem::remove(program.dir.file(broken.file));
        else
            program.dir.write(broken.file, bytes.replace(0, 10, "XXXXXXXXXX"));
        const std::unique_ptr<EditorWindow> window = program.start();
        EXPECT_EQ(window != nullptr, broken.starts);
        ASSERT_EQ(program.user.messages.size(), 1u);
        EXPECT_EQ(program.user.messages[0].title, broken.title);
        EXPECT_TRUE(!window || !program.ctx.bvDataLoaded);
    }
}

TEST(DesktopStartupShipped, OpensTheEditorWithANewDesignAndTheParameterMenus) {
    for (const bool parameters : {false, true}) {
        testing::ShippedProgram program;
        if (parameters) {
            program.dir.write("parm.txt", "Custom Prices\r\nmux saving\r\n");
        }
        const std::unique_ptr<EditorWindow> window = program.start();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(program.user.messages.empty());
        EXPECT_TRUE(program.ctx.bvDataLoaded);
        EXPECT_EQ(window->windowTitle(), "Forgeplanwork");
        EXPECT_TRUE(window->editor().saved());
        EXPECT_EQ(window->findChild<QAction*>("pricesAction")->isVisible(), parameters);
        EXPECT_EQ(window->findChild<QAction*>("saveMuxAction")->isVisible(), parameters);
        EXPECT_TRUE(window->findChild<QAction*>("creditsAction")->isEnabled());
        // The editor must fit the smallest screen it is made for, less a title bar.
        EXPECT_LE(window->minimumSizeHint().width(), 1366);
        EXPECT_LE(window->minimumSizeHint().height(), 768 - 32);
    }
}

std::vector<SplashScreen*> openSplashScreens() {
    std::vector<SplashScreen*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<SplashScreen*>(widget)) {
            open.push_back(found);
        }
    }
    return open;
}

TEST(QtStartupHooks, TheSplashShowsVersionAndProgressAndIsGoneAfterAFailedStart) {
    {
        QtStartupHooks hooks;
        hooks.showSplash(app::versionText());
        ASSERT_EQ(openSplashScreens().size(), 1u);
        SplashScreen* splash = openSplashScreens()[0];
        EXPECT_TRUE(splash->isVisible());
        const auto* version = splash->findChild<QLabel*>("version");
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text().toStdString(), app::versionText());
        hooks.setProgressRange(0, 40);
        hooks.setProgress(25);
        EXPECT_EQ(splash->progressBar()->maximum(), 40);
        EXPECT_EQ(splash->progressBar()->value(), 25);
        hooks.closeSplash();
        EXPECT_TRUE(openSplashScreens().empty());
    }
    testing::TempDir dir; // no weapon database: start-up ends after its message
    testing::ScriptedUser user;
    app::ProgramContext ctx(dir.path(), user);
    app::MemorySettingsStore store;
    QtStartupHooks hooks;
    EXPECT_FALSE(app::RunStartup(ctx, store, hooks));
    EXPECT_EQ(user.onlyMessage().text, "The weapon database is missing.");
    EXPECT_TRUE(openSplashScreens().empty());
}

} // namespace
} // namespace fpw::ui
