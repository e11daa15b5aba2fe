#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/weapondatabase.h"
#include "data/datafiles.h"
#include "support/contextfixture.h"

namespace fpw::app {
namespace {

class RecordingHooks : public StartupHooks {
public:
    void showSplash(std::string_view version) override {
        events.push_back("show " + std::string(version));
    }
    void setProgressRange(int minimum, int maximum) override {
        events.push_back("range " + std::to_string(minimum) + "-" + std::to_string(maximum));
    }
    void setProgress(int value) override { events.push_back("at " + std::to_string(value)); }
    void closeSplash() override { events.push_back("close"); }
    ScreenSize screenSize() override { return {20490, 11520}; }

    std::vector<std::string> events;
};

// A program directory with the shipped reference files.
class StartupTest : public ::testing::Test, protected testing::ContextFixture {
protected:
    StartupTest() {
        for (const char* name : {"wpndata.bin", "ArmrPlt.Bin", "IntrnPlt.Bin", "bvdata.bin",
                                 "PiltData.Bin", "credits.dat"}) {
            dir.write(name, app::readWholeFile(testing::programFilePath(name)).value_or(""));
        }
    }

    bool start() { return RunStartup(ctx, store, hooks); }

    MemorySettingsStore store;
    RecordingHooks hooks;
    const catalog::WeaponTable& weapons = testing::builtWeapons();
};

TEST_F(StartupTest, AllFilesPresentLoadsEverything) {
    ctx.prices.current[3] = 1; // start-up resets every price
    dir.write("kelmor.log", "an old log\n");
    ASSERT_TRUE(start());
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(ctx.weapons, weapons);
    EXPECT_EQ(ctx.armorPlot.size(), 11u);
    EXPECT_EQ(ctx.internalPlot.size(), 8u);
    EXPECT_EQ(ctx.pilots.size(), 8u);
    EXPECT_EQ(ctx.credits.size(), 4u);
    EXPECT_TRUE(ctx.bvDataLoaded && ctx.creditsLoaded);
    EXPECT_EQ(ctx.prices, catalog::PriceTable{});
    EXPECT_FALSE(ctx.priceEditorEnabled);
    EXPECT_FALSE(ctx.log.isVerbose());
    EXPECT_TRUE(ctx.noClanLAMs);
    EXPECT_EQ(ctx.settings.lastDir, dir.path());
    // The splash shows the version and one step per weapon record.
    const std::string last = std::to_string(weapons.size() - 1);
    ASSERT_EQ(hooks.events.size(), weapons.size() + 3);
    EXPECT_EQ((std::vector(hooks.events.begin(), hooks.events.begin() + 3)),
              (std::vector<std::string>{"show " + versionText(), "range 0-" + last, "at 0"}));
    EXPECT_EQ(hooks.events.end()[-2], "at " + last);
    EXPECT_EQ(hooks.events.back(), "close");
    EXPECT_GE(user.eventPumps, static_cast<int>(weapons.size()) + 2) << "after every record";
    // The log is recreated with its start line.
    const std::string log = dir.read("kelmor.log");
    EXPECT_EQ(log.rfind("Logging initialized for Quennard's Forgeplanwork on ", 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
}

TEST_F(StartupTest, AMissingWeaponDatabaseEndsStartUpAfterItsMessage) {
    std::remove(dir.file("wpndata.bin").c_str());
    EXPECT_FALSE(start());
    const auto& shown = user.onlyMessage();
    EXPECT_EQ(shown.text, "The weapon database is missing.");
    EXPECT_TRUE(ctx.armorPlot.empty()) << "nothing after the weapon database is loaded";
    EXPECT_FALSE(ctx.bvDataLoaded);
    ASSERT_FALSE(hooks.events.empty());
    EXPECT_EQ(hooks.events.back(), "close");
}

TEST_F(StartupTest, ADamagedPlotFileEndsStartUp) {
    for (const char* file : {"ArmrPlt.Bin", "IntrnPlt.Bin"}) {
        const std::string good = dir.read(file);
        dir.write(file, "Forgeplanwork Nothing");
        ProgramContext fresh(dir.path(), user);
        user.messages.clear();
        hooks.events.clear();
        EXPECT_FALSE(RunStartup(fresh, store, hooks)) << file;
        EXPECT_EQ(user.onlyMessage().title, "Database corrupt");
        EXPECT_FALSE(fresh.creditsLoaded) << "the credits come after the plot files";
        EXPECT_EQ(hooks.events.back(), "close");
        dir.write(file, good);
    }
}

TEST_F(StartupTest, OptionalFilesOnlySwitchTheirFeatureOff) {
    dir.write("bvdata.bin", dir.read("bvdata.bin").substr(0, 500));
    std::remove(dir.file("credits.dat").c_str());
    std::remove(dir.file("PiltData.Bin").c_str());
    ASSERT_TRUE(start());
    EXPECT_FALSE(ctx.bvDataLoaded);
    EXPECT_FALSE(ctx.creditsLoaded);
    EXPECT_EQ(ctx.pilots, std::vector<catalog::Pilot>{catalog::Pilot{}});
    EXPECT_EQ(user.onlyMessage().title, "BV Datafile Corrupt");
    EXPECT_EQ(ctx.weapons, weapons);
}

TEST_F(StartupTest, ABadSettingIsReportedAndStartUpGoesOn) {
    store.setValue("Boot\\Colors", "Normal", "blue");
    store.setValue("Boot\\Main", "Top", "30000");
    ASSERT_TRUE(start());
    EXPECT_NE(user.onlyMessage().text.find("Function: ReadINI"), std::string::npos);
    EXPECT_EQ(ctx.settings.top, 2000);
    EXPECT_NE(dir.read("kelmor.log").find("Function: ReadINI"), std::string::npos);
}

TEST_F(StartupTest, CustomPricesApplyOnlyWithTheirParameter) {
    // With the parameter but no price file the price editor is still offered, silently.
    dir.write("parm.txt", "Custom Prices\n");
    ASSERT_TRUE(start());
    EXPECT_TRUE(ctx.priceEditorEnabled);
    EXPECT_TRUE(user.messages.empty());

    dir.write("parm.txt", "");
    dir.write("cus_data.dat", "WeaponPrice;LRM-20;C;1\r\nItemPrice;55;3500\r\n");
    const auto lrm = std::size_t(catalog::findWeapon(weapons, "LRM-20", catalog::kClan));
    ProgramContext first(dir.path(), user);
    ASSERT_TRUE(RunStartup(first, store, hooks));
    EXPECT_EQ(first.weapons[lrm].cost, weapons[lrm].cost);
    EXPECT_FALSE(first.priceEditorEnabled);

    dir.write("parm.txt", "custom prices\r\nverboselog\r\nClan LAMs\r\n");
    testing::ScriptedUser quiet;
    ProgramContext second(dir.path(), quiet);
    ASSERT_TRUE(RunStartup(second, store, hooks));
    EXPECT_EQ(second.weapons[lrm].cost, 1);
    EXPECT_EQ(second.prices.current[55], 3500);
    EXPECT_TRUE(second.priceEditorEnabled);
    EXPECT_TRUE(second.log.isVerbose());
    EXPECT_FALSE(second.noClanLAMs);
    EXPECT_TRUE(quiet.messages.empty());
}

} // namespace
} // namespace fpw::app
