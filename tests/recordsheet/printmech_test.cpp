// The record sheet's blocks for what the golden recording of the canonical design
// (sheetgolden_test.cpp) does not show: other settings, damage, other designs and failures.
#include "recordsheet/printmech.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/numbers.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "recordsheet/recordingsurface.h"
#include "recordsheet/sheetcontent.h"
#include "recordsheet/sheetdesigns.h"

namespace fpw::recordsheet {
namespace {

using testing::SheetKit;

struct Sheet : ::testing::Test {
    SheetKit kit;

    RecordingSurface draw(model::Mech& mech, bool standard = true, std::string_view gunnery = "4",
                          std::string_view piloting = "5") {
        RecordingSurface surface;
        EXPECT_TRUE(
            PrintMech(mech, "Aiko", gunnery, piloting, "Ren", "3", "4", true, standard, surface));
        return surface;
    }
    static bool has(const RecordingSurface& s, std::string_view text) {
        return s.find(text) != nullptr;
    }
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

    // The sheet reads the preference from the settings.
    model::Mech mech = kit.hunchback();
    kit.ctx.settings.heatScale = 1;
    const RecordingSurface standard = draw(mech);
    EXPECT_TRUE(has(standard, "_ [30]  Shutdown"));
    EXPECT_FALSE(has(standard, "_ [31]  -6 Movement Points"));
}

TEST_F(Sheet, HeatDataCountsWorkingHeatSinksTenToARow) {
    EXPECT_EQ(heatSinkRows(25), (std::vector<std::string>{"OOOOOOOOOO", "OOOOOOOOOO", "OOOOO"}));
    EXPECT_EQ(heatSinkRows(10), (std::vector<std::string>{"OOOOOOOOOO"}));
    EXPECT_TRUE(heatSinkRows(0).empty());

    model::Mech mech = kit.hunchback();
    // The heat sinks of a destroyed location no longer work.
    mech.SetDestroyLocStatus(catalog::kLeftTorso, true);
    EXPECT_TRUE(has(draw(mech), "Max heat dissipation: 8"));
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
    EXPECT_EQ(adjustedBV(tables, kStandard, "4", "5", 1000),
              app::RoundHalfUp(multiplier(4, 5) * 1000));
    EXPECT_EQ(adjustedBV(tables, kSmall, "4", "5", 1000),
              app::RoundHalfUp(multiplier(4, 6) * 1000));
    EXPECT_EQ(adjustedBV(tables, kTorsoMounted, "4", "5", 1000),
              app::RoundHalfUp(multiplier(4, 6) * 1000));
    EXPECT_EQ(adjustedBV(tables, kEnhancedImaging, "4", "5", 1000),
              app::RoundHalfUp(multiplier(4, 4) * 1000));
    for (const char* bad : {"", "x", "8", "-1", "4.5"})
        EXPECT_FALSE(adjustedBV(tables, kStandard, "4", bad, 1000)) << bad;
    // Piloting 7 in a small cockpit has no record.
    EXPECT_FALSE(adjustedBV(tables, kSmall, "4", "7", 1000));

    model::Mech mech = kit.hunchback();
    // Skills that are no numbers print the rest of the sheet without an adjusted BV.
    const RecordingSurface unskilled = draw(mech, true, "good", "");
    EXPECT_TRUE(unskilled.startingWith("Adjusted BV: ").empty());
    EXPECT_TRUE(has(unskilled, "Weapon Range Data"));
}

TEST_F(Sheet, MovementShowsBoostedHardenedAndSprintingMP) {
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

    mech.setSupercharger(false);
    mech.setArmorType(catalog::armor::kHardened);
    mech.setTechLevel(3);
    mech.setJumping(3);
    EXPECT_EQ(movementLines(mech),
              (std::vector<std::string>{"Movement:", "Walking: 5", "Running: 7", "Sprinting: 10",
                                        "Jumping: 3"}));
    const RecordingSurface sheet = draw(mech);
    EXPECT_TRUE(has(sheet, "Gunnery: 4          Piloting: 5 (+1)"));
    EXPECT_TRUE(has(sheet, "Running: 7"));
}

TEST_F(Sheet, PilotBlocksAndTheCommandConsole) {
    model::Mech mech = kit.hunchback();
    const RecordingSurface single = draw(mech);
    EXPECT_TRUE(has(single, "Pilot Name: Aiko"));
    EXPECT_TRUE(has(single, "Gunnery: 4          Piloting: 5"));
    EXPECT_TRUE(single.startingWith("Console Pilot: ").empty());
    EXPECT_EQ(single.startingWith("(Dead)").size(), 1u);

    mech.setCockpitType(catalog::cockpit::kCommandConsole);
    const RecordingSurface console = draw(mech);
    EXPECT_TRUE(has(console, "Console Pilot: Ren"));
    EXPECT_TRUE(has(console, "Gunnery: 3          Piloting: 4"));
    EXPECT_EQ(console.startingWith("(Dead)").size(), 2u);
    EXPECT_EQ(console.startingWith("6th").size(), 2u);
    // The second block lies below the first.
    EXPECT_GT(console.find("Console Pilot: Ren")->y, console.find("(Dead)")->y);
}

TEST_F(Sheet, CriticalTableFillsTheAmmunitionTemplate) {
    model::Mech mech = kit.hunchback();
    kit.ctx.settings.ammoStandardHeader = "Ammo (%0) %2";
    EXPECT_EQ(criticalLines(mech, catalog::kLeftTorso, false)[1], "2. Ammo (AC/20) 5");
}

TEST_F(Sheet, WeaponsListAndRangeChart) {
    model::Mech mech = kit.hunchback();
    kit.place(mech, "Medium Laser", catalog::kCenterTorso, 10, true);
    kit.place(mech, "LRM-5", catalog::kRightTorso, 10);
    mech.setArtemisLRM(catalog::kArtemisIV);
    std::vector<std::string> lines;
    for (const WeaponLine& w : weaponLines(mech))
        lines.push_back(w.count + "|" + w.type + "|" + w.location);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"1|AC/20|RT", "1|Medium Laser|LA", "1|Medium Laser|RA",
                                        "1|Small Laser|H", "1|Medium Laser (R)|CT",
                                        "1|LRM-5 w/ Artemis IV|RT", "2|AC/20 Ammo (10)|LT"}));

    std::vector<std::vector<std::string>> chart = rangeChart(mech);
    ASSERT_EQ(chart.size(), 5u); // header, AC/20, medium and small laser, LRM-5
    EXPECT_EQ(chart[0].back(), "Long");
    EXPECT_EQ(chart[1], (std::vector<std::string>{"AC/20", "7", "20", "-", "3", "6", "9"}));
    mech.setTechLevel(3);
    chart = rangeChart(mech);
    EXPECT_EQ(chart[0].back(), "Extreme");
    EXPECT_EQ(chart[2].back(), "12"); // medium laser: twice its medium range
    const RecordingSurface sheet = draw(mech);
    for (const char* text : {"Weapon Range Data", "Extreme", "Weapons and Equipment",
                             "Medium Laser (R)", "LRM-5 w/ Artemis IV"})
        EXPECT_TRUE(has(sheet, text)) << text;
}

TEST_F(Sheet, TextArmorDiagramMarksLostPointsAndSkipsMissingArms) {
    model::Mech mech = kit.hunchback();
    mech.SetArmorDamage(catalog::kHead, 2);
    mech.SetPermArmorDamage(catalog::kHead, 1);
    mech.SetInternalDamage(catalog::kHead, 5); // more than the location has
    const std::vector<DiagramLine> lines = textDiagramLines(mech);
    const auto after = [&](std::string_view heading, std::size_t nth = 0) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].text == heading && nth-- == 0)
                return lines[i + 1].text;
        return std::string("missing");
    };
    EXPECT_EQ(after("Head (9)"), "xxxoooooo");
    EXPECT_EQ(after("Head (3)"), "xxx");
    EXPECT_EQ(after("Center Torso (26)"), "oooooooooo");
    EXPECT_EQ(after("Left Torso (4)"), "oooo"); // the rear
    EXPECT_EQ(lines.front().text, "Armor");
    EXPECT_EQ(after("Armor - 160", 0), "Structure");
    EXPECT_EQ(lines.back().text, "Structure - 83");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const DiagramLine& l) { return l.text == "Left Arm (16)"; }),
              1);

    mech.setArmless(true);
    const RecordingSurface armless = draw(mech, false);
    EXPECT_TRUE(armless.startingWith("Left Arm (").empty());
    EXPECT_TRUE(armless.startingWith("Right Arm (").empty());
    EXPECT_TRUE(has(armless, "Rear Armor"));
    EXPECT_TRUE(has(armless, "Structure - 67"));
    EXPECT_TRUE(
        armless.shapes().end() ==
        std::find_if(armless.shapes().begin(), armless.shapes().end(),
                     [](const RecordedShape& s) { return s.kind == RecordedShape::Kind::Circle; }));
}

TEST_F(Sheet, TitleHeaderAndOmniConfiguration) {
    model::Mech mech = kit.hunchback();
    EXPECT_EQ(sheetTitle(mech), "Hunchback HBK-4G");
    mech.setMechModel("HUNCHBACK");
    EXPECT_EQ(sheetTitle(mech), "Hunchback");
    model::Mech omni = kit.omni();
    EXPECT_EQ(sheetTitle(omni), "Prime - Vantor Prime");
    const RecordingSurface sheet = draw(omni);
    const RecordedText* title = sheet.find("Prime - Vantor Prime");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->font.bold);
    EXPECT_TRUE(has(sheet, "Tech Base: Inner Sphere - Level 2"));
    EXPECT_TRUE(has(sheet, "Mech Type: Omni-Mech"));
}

TEST_F(Sheet, VerboseLogShowsHowFarTheSheetGot) {
    kit.ctx.log.setVerbose(true);
    model::Mech mech = kit.hunchback();
    draw(mech);
    std::ifstream log(kit.ctx.log.path());
    std::stringstream text;
    text << log.rdbuf();
    const std::string expected =
        "Printing Header\nPrinting armor diagram\nOut of armor diagram printing\nPrinting "
        "crits\nOut of printing crits\nStarting printing of mech info\nPrinting weapons "
        "data\nOut of printing weapons data\nPrinting pilot data\nFinished printing pilot "
        "data\nPrinting heat scale\nDone printing heat scale\nPrinting weapons info "
        "chart\nOut of printing weapons info chart\nPrinting complete\n";
    EXPECT_NE(text.str().find(expected), std::string::npos) << text.str();
}

// A surface whose device fails at the critical hit table.
struct FailingSurface : RecordingSurface {
    void drawText(double x, double y, std::string_view text) override {
        if (text == "Critical Hit Table")
            throw std::runtime_error("device lost");
        RecordingSurface::drawText(x, y, text);
    }
};

TEST_F(Sheet, DrawingFailureIsReportedAndTheLogShowsWhereItStopped) {
    kit.ctx.log.setVerbose(true);
    model::Mech mech = kit.hunchback();
    FailingSurface surface;
    EXPECT_FALSE(PrintMech(mech, "", "", "", "", "", "", false, true, surface));
    ASSERT_EQ(kit.user.messages.size(), 1u);
    EXPECT_NE(kit.user.messages[0].text.find("Function: PrintMech"), std::string::npos);
    EXPECT_NE(kit.user.messages[0].text.find("device lost"), std::string::npos);
    EXPECT_FALSE(PrintPreviewMech(mech, "", "", "", "", "", "", false, true, surface));
    EXPECT_NE(kit.user.messages.back().text.find("Function: PrintQuick"), std::string::npos);
    std::ifstream log(kit.ctx.log.path());
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_NE(text.str().find("Printing crits\nA problem has occurred"), std::string::npos)
        << text.str();
    EXPECT_EQ(text.str().find("Out of printing crits"), std::string::npos);
}

} // namespace
} // namespace fpw::recordsheet
