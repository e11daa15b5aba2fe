// The desktop start over the shipped reference files, and over a program folder where one of
// them is missing or damaged.
#include "ui/desktopstartup.h"

#include <filesystem>

#include <QAction>

#include <gtest/gtest.h>

#include "shippedprogram.h"
#include "ui/editor/editorwindow.h"

namespace fpw::ui {
namespace {

struct BrokenFile {
    const char* file;
    bool remove; // else its header is overwritten
    bool starts;
    const char* title; // of the one message shown
};

class DesktopStartup : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(DesktopStartup, EndsAfterTheMessageOfAFatalLoaderOrRunsOn) {
    const BrokenFile& broken = GetParam();
    testing::ShippedProgram program;
    if (broken.remove) {
        std::filesystem::remove(program.dir.file(broken.file));
    } else {
        std::string bytes = program.dir.read(broken.file);
        ASSERT_GT(bytes.size(), 10u);
        bytes.replace(0, 10, "XXXXXXXXXX");
        program.dir.write(broken.file, bytes);
    }

    const std::unique_ptr<EditorWindow> window = program.start();

    EXPECT_EQ(window != nullptr, broken.starts);
    ASSERT_EQ(program.user.messages.size(), 1u);
    EXPECT_EQ(program.user.messages[0].title, broken.title);
    if (window) {
        EXPECT_FALSE(program.ctx.bvDataLoaded);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceFiles, DesktopStartup,
    ::testing::Values(BrokenFile{"wpndata.bin", true, false, ""},
                      BrokenFile{"wpndata.bin", false, false, "Database corrupt"},
                      BrokenFile{"ArmrPlt.Bin", false, false, "Database corrupt"},
                      BrokenFile{"IntrnPlt.Bin", true, false, ""},
                      BrokenFile{"bvdata.bin", false, true, "BV Datafile Corrupt"}));

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

} // namespace
} // namespace fpw::ui
