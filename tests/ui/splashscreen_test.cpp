#include "ui/services/splashscreen.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::ui {
namespace {

int openSplashScreens() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<SplashScreen*>(widget) != nullptr ? 1 : 0;
    }
    return count;
}

TEST(QtStartupHooks, TheSplashShowsVersionAndProgressAndIsGoneAfterAFailedStart) {
    {
        QtStartupHooks hooks;
        hooks.showSplash(app::versionText());
        ASSERT_EQ(openSplashScreens(), 1);
        SplashScreen* splash = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<SplashScreen*>(widget)) {
                splash = found;
            }
        }
        ASSERT_NE(splash, nullptr);
        EXPECT_TRUE(splash->isVisible());
        const auto* version = splash->findChild<QLabel*>("version");
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text().toStdString(), app::versionText());
        hooks.setProgressRange(0, 40);
        hooks.setProgress(25);
        EXPECT_EQ(splash->progressBar()->maximum(), 40);
        EXPECT_EQ(splash->progressBar()->value(), 25);
        hooks.closeSplash();
        EXPECT_EQ(openSplashScreens(), 0);
    }

    testing::TempDir dir; // no weapon database: start-up ends after its message
    testing::ScriptedUser user;
    app::ProgramContext ctx(dir.path(), user);
    app::MemorySettingsStore store;
    QtStartupHooks hooks;
    EXPECT_FALSE(app::RunStartup(ctx, store, hooks));
    EXPECT_EQ(user.onlyMessage().text, "The weapon database is missing.");
    EXPECT_EQ(openSplashScreens(), 0);
}

} // namespace
} // namespace fpw::ui
