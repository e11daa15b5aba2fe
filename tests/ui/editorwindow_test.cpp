#include "ui/editor/editorwindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::ui {
namespace {

TEST(EditorWindow, OpensTitledWithItsMenuAndClosesWritingPositionAndLog) {
    testing::TempDir dir;
    testing::ScriptedUser user;
    app::ProgramContext ctx(dir.path(), user);
    ctx.settings.top = 3000;  // twips: 200 pixels
    ctx.settings.left = 1500; // 100 pixels
    ctx.settings.lastDir = "/srv/mechs";
    app::MemorySettingsStore store;
    dir.write("kelmor.log", "start\n");

    EditorWindow window(ctx, store);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Forgeplanwork");
    EXPECT_EQ(window.pos(), QPoint(100, 200));
    EXPECT_EQ(window.size(), QSize(617, 481));
    EXPECT_NE(window.statusBar(), nullptr);
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "&File");
    QAction* exit = window.findChild<QAction*>("exitAction");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), "E&xit");

    window.move(40, 60);
    exit->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(store.value("Boot\\Main", "Top"), "900");
    EXPECT_EQ(store.value("Boot\\Main", "Left"), "600");
    EXPECT_EQ(store.value("Boot\\Main", "LastDir"), "/srv/mechs");
    const std::string log = dir.read("kelmor.log");
    EXPECT_EQ(log.rfind("start\nLogging closed on ", 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << "one closing line";
}

} // namespace
} // namespace fpw::ui
