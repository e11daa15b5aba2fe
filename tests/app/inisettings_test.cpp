#include "app/inisettings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/programcontext.h"
#include "support/contextfixture.h"

namespace fpw::app {
namespace {

constexpr ScreenSize kScreen{1366 * 15, 768 * 15}; // 20490 x 11520 twips

class ReadINITest : public ::testing::Test, protected testing::ContextFixture {
protected:
    MemorySettingsStore store;
};

TEST_F(ReadINITest, AnEmptyStoreGivesEveryDefault) {
    ctx.settings.heatScale = 3;
    EXPECT_TRUE(ReadINI(ctx, store, kScreen));
    Settings expected;
    expected.lastDir = dir.path();
    EXPECT_EQ(ctx.settings, expected);
    EXPECT_EQ(ctx.settings.ammoSpecialHeader, "@%0 [%1] (%2)"); // a spot check of the defaults
    EXPECT_TRUE(user.messages.empty());
}

// What the preference writer does not write, and booleans as other programs write them (the
// writer's own texts are read back by the round trip below).
TEST_F(ReadINITest, StoredValuesAreRead) {
    store.setValue("Boot\\Colors", "FHilited", "-2147483640");
    store.setValue("Boot\\Main", "LastDir", "/home/p/mechs");
    store.setValue("Boot\\Preferences", "HTML Header", "<h1>Mechs</h1>");
    store.setValue("Boot\\Preferences", "Save Prompt", "true");
    store.setValue("Boot\\Preferences", "Print Loc Rolls", "-1");
    EXPECT_TRUE(ReadINI(ctx, store, kScreen));
    EXPECT_EQ(ctx.settings.hilitedTextColor, kWindowTextColor);
    EXPECT_EQ(ctx.settings.lastDir, "/home/p/mechs");
    EXPECT_EQ(ctx.settings.htmlHeader, "<h1>Mechs</h1>");
    EXPECT_TRUE(ctx.settings.savePrompt && ctx.settings.printLocRolls);
}

TEST_F(ReadINITest, APositionBeyondTheScreenFallsBackToTheDefault) {
    // Top and left stored, and as read; on the edge stays.
    const std::tuple<const char*, const char*, std::int32_t, std::int32_t> cases[] = {
        {"30000", "500", 2000, 500},
        {"11520", "20490", 11520, 20490},
        {"11521", "20491", 2000, 1000}};
    for (const auto& [top, left, expectedTop, expectedLeft] : cases) {
        store.setValue("Boot\\Main", "Top", top);
        store.setValue("Boot\\Main", "Left", left);
        ReadINI(ctx, store, kScreen);
        EXPECT_EQ((std::pair{ctx.settings.top, ctx.settings.left}),
                  (std::pair{expectedTop, expectedLeft}))
            << top << "," << left;
    }
}

// A value that cannot be converted ends the reading: what came before it is read, the rest
// keeps its default.
TEST_F(ReadINITest, BadNumbersAndBooleansEndTheReadingWithTheirError) {
    // Section, name, text, error number, and whether the ammunition header comes after it.
    const std::tuple<const char*, const char*, const char*, int, bool> cases[] = {
        {"Boot\\Colors", "Locked", "red", 13, true},
        {"Boot\\Main", "Top", "1,000", 13, true},
        {"Boot\\Colors", "Locked", "4294967295", 6, true},
        {"Boot\\Preferences", "Heat Scale", "40000", 6, false},
        {"Boot\\Preferences", "Save Prompt", "yes", 13, false}};
    for (const auto& [section, name, text, number, headerAfter] : cases) {
        MemorySettingsStore one;
        one.setValue("Boot\\Colors", "Normal", "42");
        one.setValue(section, name, text);
        one.setValue("Boot\\Preferences", "Default AmmoStandardHeader", "#%0");
        ctx.settings = Settings{};
        user.messages.clear();
        EXPECT_FALSE(ReadINI(ctx, one, kScreen)) << name << "=" << text;
        EXPECT_EQ(ctx.settings.normalColor, 42);
        EXPECT_EQ(ctx.settings.ammoStandardHeader, headerAfter ? "@%0 (%2)" : "#%0") << name;
        EXPECT_EQ(user.onlyMessage().icon, MessageIcon::Critical);
        EXPECT_NE(user.onlyMessage().text.find(
                      "\tFunction: ReadINI\r\n\tError Number: " + std::to_string(number) + "\r\n"),
                  std::string::npos)
            << user.onlyMessage().text;
    }
}

TEST_F(ReadINITest, PreferencesAndEditorPositionRoundTripWithoutTheHtmlTexts) {
    Settings changed;
    changed.normalColor = 1;
    changed.locationForeground = 2;
    changed.defaultTechBase = "Clan";
    changed.defaultTechLevel = 3;
    changed.defaultMechType = "Quad";
    changed.ammoSpecialHeader = "%0-%1-%2";
    changed.heatScale = 2;
    changed.printLocRolls = true;
    changed.multiPrintType = true;
    changed.htmlHeader = "<b>";
    WritePreferences(store, changed);
    EXPECT_EQ(store.value("Boot\\Preferences", "Print Loc Rolls"), "True");
    EXPECT_EQ(store.value("Boot\\Preferences", "Save Prompt"), "False");
    EXPECT_EQ(store.value("Boot\\Colors", "FNormal"), "-2147483640");
    EXPECT_EQ(store.value("Boot\\Preferences", "HTML Header"), std::nullopt);
    EXPECT_EQ(store.value("Boot\\Main", "Top"), std::nullopt);

    WriteEditorPosition(store, 1500, -300, "/srv/mechs");
    EXPECT_EQ(store.value("Boot\\Main", "Top"), "1500");
    ReadINI(ctx, store, kScreen);
    Settings expected = changed;
    expected.htmlHeader.clear();
    expected.top = 1500;
    expected.left = -300;
    expected.lastDir = "/srv/mechs";
    EXPECT_EQ(ctx.settings, expected);
}

} // namespace
} // namespace fpw::app
