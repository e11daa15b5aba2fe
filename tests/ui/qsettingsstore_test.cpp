#include "ui/services/qsettingsstore.h"

#include <cstdlib>

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include "app/inisettings.h"

namespace fpw::ui {
namespace {

TEST(QSettingsStore, ValuesRoundTripUnderTheProgramsNameWithNestedSections) {
    const QString configHome = QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME"));
    ASSERT_FALSE(configHome.isEmpty());
    {
        QSettingsStore store;
        EXPECT_EQ(store.fileName(), configHome + "/Quennard/The Forgeplanwork.conf");
        EXPECT_EQ(store.value("Boot\\Colors", "Normal"), std::nullopt);
        store.setValue("Boot\\Colors", "Normal", "-2147483640");
        store.setValue("Boot\\Preferences", "HTML Header", "<h1>Ünits; a=b</h1>");
        app::WriteEditorPosition(store, 1500, 30, "/home/p/My Mechs");
    }
    QSettingsStore reopened;
    EXPECT_EQ(reopened.value("Boot\\Colors", "Normal"), "-2147483640");
    EXPECT_EQ(reopened.value("Boot\\Preferences", "HTML Header"), "<h1>Ünits; a=b</h1>");
    EXPECT_EQ(reopened.value("Boot\\Main", "Top"), "1500");
    EXPECT_EQ(reopened.value("Boot\\Main", "LastDir"), "/home/p/My Mechs");

    // The sections nest as groups, not as names with a backslash in them.
    QSettings raw(reopened.fileName(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Boot/Colors/Normal").toString(), "-2147483640");
    EXPECT_TRUE(raw.childGroups().contains("Boot"));
    EXPECT_EQ(raw.childGroups().size(), 1);
}

} // namespace
} // namespace fpw::ui
