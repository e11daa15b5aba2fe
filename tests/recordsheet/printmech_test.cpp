// The record sheet's blocks for what the golden recordings (sheetgolden_test.cpp) do not show:
// every heat scale, skill and booster combination, the log, and a failing device.
#include "recordsheet/printmech.h"

#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/files.h"
#include "app/numbers.h"
#include "catalog/equipment.h"
#include "recordsheet/recordingsurface.h"
#include "recordsheet/sheetcontent.h"
#include "recordsheet/sheetdesigns.h"

namespace fpw::recordsheet {
namespace {

struct Sheet : ::testing::Test {
    testing::SheetKit kit;

    std::string logText() const { return app::readWholeFile(kit.ctx.log.path()).value_or(""); }
};

TEST_F(Sheet, HeatScaleFollowsThePreferenceAndTheTechLevel) {
    struct Case {
        int preference;
        int techLevel;
        std::size_t lines;
    };
    for (const Case c : {Case{0, 2, 51}, Case{1, 2, 31}, Case{1, 3, 51}, Case{2, 3, 31}}) {
        const std::vector<std::string> lines = heatScaleLines(c.preference, c.techLevel);
        ASSERT_EQ(lines.size(), c.lines) << c.preference << "/" << c.techLevel;
        EXPECT_EQ(lines.back(), "_ [00]  ");
        EXPECT_EQ(lines[lines.size() - 10], "_ [09]  ");
        EXPECT_EQ(lines[lines.size() - 9], "_ [08]  +1 Modifier to fire");
        EXPECT_EQ(lines[lines.size() - 31],
                  c.lines == 31 ? "_ [30]  Shutdown" : "_ [30]  Shutdown, avoid on 12+");
    }
}

TEST_F(Sheet, AdjustedBattleValueUsesTheCockpitsPilotingSkill) {
    const catalog::BVTables& tables = kit.ctx.bvTables;
    const auto multiplier = [&](int g, int p) {
        for (const catalog::SkillMultiplier& s : tables.skillMultiplier)
            if (s.gunnery == g && s.piloting == p)
                return s.multiplier;
        return -1.0;
    };
    ASSERT_NE(multiplier(4, 6), multiplier(4, 5));
    using namespace catalog::cockpit;
    // The small and torso-mounted cockpits add one to the piloting skill, enhanced imaging takes
    // one off. Blanks around a skill are allowed.
    for (const auto& [cockpit, piloting] :
         {std::pair{kStandard, 5}, {kSmall, 6}, {kTorsoMounted, 6}, {kEnhancedImaging, 4}})
        EXPECT_EQ(adjustedBV(tables, cockpit, " 4", "5  ", 1000),
                  app::RoundHalfUp(multiplier(4, piloting) * 1000))
            << cockpit;
    for (const char* bad : {"", "x", "8", "-1", "4.5"})
        EXPECT_FALSE(adjustedBV(tables, kStandard, "4", bad, 1000)) << bad;
    // Piloting 7 in a small cockpit has no record.
    EXPECT_FALSE(adjustedBV(tables, kSmall, "4", "7", 1000));
}

TEST_F(Sheet, MovementShowsTheBoostedMP) {
    model::Mech mech = kit.hunchback();
    EXPECT_EQ(movementLines(mech),
              (std::vector<std::string>{"Movement:", "Walking: 4", "Running: 6", "Jumping: 0"}));
    mech.setWalking(5);
    mech.setMASC(1);
    EXPECT_EQ(movementLines(mech)[1], "Walking: 5 [10]");
    mech.setSupercharger(true);
    EXPECT_EQ(movementLines(mech)[1], "Walking: 5 [12]");
    mech.setMASC(0);
    EXPECT_EQ(movementLines(mech)[1], "Walking: 5 [10]");
}

// A surface whose device fails at the critical hit table.
struct FailingSurface : RecordingSurface {
    void drawText(double x, double y, std::string_view text) override {
        if (text == "Critical Hit Table")
            throw std::runtime_error("device lost");
        RecordingSurface::drawText(x, y, text);
    }
};

TEST_F(Sheet, TheVerboseLogShowsHowFarTheSheetGotAndAFailureIsReported) {
    kit.ctx.log.setVerbose(true);
    model::Mech mech = kit.hunchback();
    RecordingSurface whole;
    EXPECT_TRUE(PrintMech(mech, "Aiko", "4", "5", "Ren", "3", "4", true, true, whole));
    EXPECT_NE(
        logText().find(
            "Printing Header\nPrinting armor diagram\nOut of armor diagram printing\nPrinting "
            "crits\nOut of printing crits\nStarting printing of mech info\nPrinting weapons "
            "data\nOut of printing weapons data\nPrinting pilot data\nFinished printing pilot "
            "data\nPrinting heat scale\nDone printing heat scale\nPrinting weapons info "
            "chart\nOut of printing weapons info chart\nPrinting complete\n"),
        std::string::npos)
        << logText();

    std::filesystem::remove(kit.ctx.log.path());
    FailingSurface surface;
    EXPECT_FALSE(PrintMech(mech, "", "", "", "", "", "", false, true, surface));
    ASSERT_EQ(kit.user.messages.size(), 1u);
    EXPECT_NE(kit.user.messages[0].text.find("Function: PrintMech"), std::string::npos);
    EXPECT_NE(kit.user.messages[0].text.find("device lost"), std::string::npos);
    EXPECT_FALSE(PrintPreviewMech(mech, "", "", "", "", "", "", false, true, surface));
    EXPECT_NE(kit.user.messages.back().text.find("Function: PrintQuick"), std::string::npos);
    EXPECT_NE(logText().find("Printing crits\nA problem has occurred"), std::string::npos)
        << logText();
    EXPECT_EQ(logText().find("Out of printing crits"), std::string::npos);
}

} // namespace
} // namespace fpw::recordsheet
