#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "catalog/bvdatafile.h"
#include "catalog/credits.h"
#include "catalog/pilotfile.h"
#include "catalog/plotfile.h"
#include "catalog/weapondatabase.h"
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

catalog::WeaponRecord weapon(std::string name, std::int16_t techBase, std::int32_t cost) {
    catalog::WeaponRecord record;
    record.name = std::move(name);
    record.techBase = techBase;
    record.cost = cost;
    return record;
}

catalog::PlotTable plotTable(std::size_t locations) {
    catalog::PlotTable table(locations);
    for (auto& record : table) {
        record.pointSize = 3;
        record.x = {1, 2};
        record.y = {5, 6};
    }
    return table;
}

// A program directory with every reference file, written by the program's own writers.
class StartupTest : public ::testing::Test, protected testing::ContextFixture {
protected:
    StartupTest() {
        weapons = {weapon("Medium Laser", 0, 40000), weapon("LRM-20", 1, 250000)};
        dir.write("wpndata.bin", catalog::writeWeaponDatabase(weapons));
        dir.write("ArmrPlt.Bin", catalog::writePlotFile(plotTable(11), catalog::kArmorPlotFile));
        dir.write("IntrnPlt.Bin", catalog::writePlotFile(plotTable(8), catalog::kInternalPlotFile));
        bvTables.engineMultiplierIS[0] = 1.5;
        dir.write("bvdata.bin", catalog::writeBVData(bvTables));
        dir.write("PiltData.Bin", catalog::writePilotFile({{"Kell", 3, 4}, {"Ari", 2, 5}}));
        dir.write("credits.dat", catalog::writeCredits({"Page one", "Page two"}));
    }

    bool start() { return RunStartup(ctx, store, hooks); }

    MemorySettingsStore store;
    RecordingHooks hooks;
    catalog::WeaponTable weapons;
    catalog::BVTables bvTables;
};

TEST_F(StartupTest, AllFilesPresentLoadsEverything) {
    ctx.prices.current[3] = 1; // start-up resets every price
    dir.write("kelmor.log", "an old log\n");
    ASSERT_TRUE(start());
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(ctx.weapons, weapons);
    EXPECT_EQ(ctx.armorPlot, plotTable(11));
    EXPECT_EQ(ctx.internalPlot, plotTable(8));
    EXPECT_TRUE(ctx.bvDataLoaded);
    EXPECT_EQ(ctx.bvTables, bvTables);
    ASSERT_EQ(ctx.pilots.size(), 2u);
    EXPECT_EQ(ctx.pilots[1].name, "Ari");
    EXPECT_TRUE(ctx.creditsLoaded);
    EXPECT_EQ(ctx.prices, catalog::PriceTable{});
    EXPECT_FALSE(ctx.priceEditorEnabled);
    EXPECT_FALSE(ctx.log.isVerbose());
    EXPECT_TRUE(ctx.noClanLAMs);
    EXPECT_EQ(ctx.settings.lastDir, dir.path());
    EXPECT_EQ(hooks.events, (std::vector<std::string>{"show " + versionText(), "range 0-1", "at 0",
                                                      "at 1", "close"}));
    EXPECT_GE(user.eventPumps, 2);
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
        testing::ScriptedUser quiet;
        ProgramContext fresh(dir.path(), quiet);
        const std::string good = dir.read(file);
        dir.write(file, "Forgeplanwork Nothing");
        RecordingHooks freshHooks;
        EXPECT_FALSE(RunStartup(fresh, store, freshHooks)) << file;
        ASSERT_EQ(quiet.messages.size(), 1u) << file;
        EXPECT_EQ(quiet.messages[0].title, "Database corrupt");
        EXPECT_FALSE(fresh.creditsLoaded) << "the credits come after the plot files";
        EXPECT_EQ(freshHooks.events.back(), "close");
        dir.write(file, good);
    }
}

TEST_F(StartupTest, OptionalFilesOnlySwitchTheirFeatureOff) {
    dir.write("bvdata.bin", catalog::writeBVData(bvTables).substr(0, 500));
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
    ProgramContext first(dir.path(), user);
    ASSERT_TRUE(RunStartup(first, store, hooks));
    EXPECT_EQ(first.weapons[1].cost, 250000);
    EXPECT_FALSE(first.priceEditorEnabled);

    dir.write("parm.txt", "custom prices\r\nverboselog\r\nClan LAMs\r\n");
    testing::ScriptedUser quiet;
    ProgramContext second(dir.path(), quiet);
    ASSERT_TRUE(RunStartup(second, store, hooks));
    EXPECT_EQ(second.weapons[1].cost, 1);
    EXPECT_EQ(second.prices.current[55], 3500);
    EXPECT_TRUE(second.priceEditorEnabled);
    EXPECT_TRUE(second.log.isVerbose());
    EXPECT_FALSE(second.noClanLAMs);
    EXPECT_TRUE(quiet.messages.empty());
}

} // namespace
} // namespace fpw::app
