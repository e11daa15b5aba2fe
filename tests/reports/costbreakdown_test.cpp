#include "reports/costbreakdown.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"
#include "valuation/costcalculation.h"

namespace fpw::reports {

// Readable failure output.
[[maybe_unused]] static void PrintTo(const ReportLine& line, std::ostream* os) {
    *os << "{\"" << line.description << "\", \"" << line.value << "\""
        << (line.heading ? ", heading" : "") << "}";
}
[[maybe_unused]] static void PrintTo(const WeaponCostLine& line, std::ostream* os) {
    *os << "{\"" << line.description << "\", \"" << line.cost << "\", \"" << line.bv << "\"}";
}

namespace {

using model::Mech;

enum : std::int16_t { kMediumLaser, kERLargeLaser, kLRM10 };

catalog::WeaponTable breakdownWeapons() {
    catalog::WeaponTable table(3);
    table[kMediumLaser].name = "Medium Laser";
    table[kMediumLaser].tonnage = 1;
    table[kMediumLaser].cost = 40000;
    table[kMediumLaser].battleValue = 46;
    table[kERLargeLaser].name = "ER Large Laser";
    table[kERLargeLaser].techBase = catalog::kClan;
    table[kERLargeLaser].tonnage = 4;
    table[kERLargeLaser].cost = 200000;
    table[kERLargeLaser].battleValue = 248;
    table[kLRM10].name = "LRM-10";
    table[kLRM10].weaponType = catalog::weapontype::kMissile;
    table[kLRM10].tonnage = 5;
    table[kLRM10].cost = 100000;
    table[kLRM10].battleValue = 90;
    table[kLRM10].artemisCapable = 1;
    table[kLRM10].artemisClass = 1;
    return table;
}

class Breakdown : public ::testing::Test {
protected:
    Breakdown() {
        ctx.weapons = breakdownWeapons();
        mech.setMechName("Wasp");
        mech.setMechModel("WSP-1A");
        mech.setTechLevel(1);
        mech.setTonnage(20);
        mech.setWalking(6);
        mech.SetArmor(catalog::kCenterTorso, 64);
    }

    testing::TempDir dir;
    testing::ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
    Mech mech{ctx};
};

ReportLine money(std::string description, std::string amount) {
    return {std::move(description), std::move(amount) + " C-Bills", false};
}

// The 20-ton reference design of the cost tests, priced 1,441,440 C-Bills.
TEST_F(Breakdown, EveryLineOfAPlainDesign) {
    mech.AddWeapon(kMediumLaser);
    const CostBreakdown b = costBreakdown(mech);

    EXPECT_EQ(b.basic.caption, "Basic Items - 1,113,200 C-Bills");
    EXPECT_EQ(b.basic.lines, (ReportLines{
                                 money("Life Support (0 tons)", "50,000"),
                                 money("Sensors: Standard (0 tons)", "40,000"),
                                 money("Cockpit: Standard (3 tons)", "200,000"),
                                 money("Gyro: Standard (2 tons)", "600,000"),
                                 money("Engine: Standard (4 tons)", "160,000"),
                                 money("Arm and leg actuators (0 tons)", "23,200"),
                                 money("Musculature: Standard Myomer (0 tons)", "40,000"),
                             }));
    EXPECT_EQ(b.additional.caption, "Additional Items - 48,000 C-Bills");
    EXPECT_EQ(b.additional.lines, (ReportLines{
                                      money("Heat Sinks: 10 Standard (0 tons)", "0"),
                                      money("Armor: Standard - 64 points (4 tons)", "40,000"),
                                      money("Internal Structure: Standard (2 tons)", "8,000"),
                                  }));
    EXPECT_EQ(b.specialty.caption, "Specialty Items - 0 C-Bills");
    EXPECT_TRUE(b.specialty.lines.empty());
    EXPECT_EQ(b.weapons,
              (std::vector<WeaponCostLine>{{"(1) Medium Laser (1 tons)", "40,000 C-Bills", "46"}}));
    EXPECT_EQ(b.weaponTotal, money("Total weapon cost:", "40,000"));
    EXPECT_FALSE(b.surcharge);
    EXPECT_EQ(b.subtotal, money("Total Structural and Weapons Cost:", "1,201,200"));
    EXPECT_EQ(b.multiplier, (ReportLine{"Construction Multiplier:", "1.2", false}));
    EXPECT_EQ(b.finalCost, money("Total Cost:", "1,441,440"));
    EXPECT_EQ(b.summaryCost, "1,441,440 C-Bills");
}

TEST_F(Breakdown, ThePrintoutListsTheSectionsThenTheTotals) {
    mech.AddWeapon(kMediumLaser);
    const ReportLines lines = costBreakdownPrintout(mech);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), (ReportLine{"Cost breakdown for Wasp WSP-1A - Level 1", "", true}));
    std::vector<std::string> headings;
    for (const ReportLine& l : lines)
        if (l.heading)
            headings.push_back(l.description);
    EXPECT_EQ(headings, (std::vector<std::string>{"Cost breakdown for Wasp WSP-1A - Level 1",
                                                  "Basic Items", "Additional Items",
                                                  "Specialty Items", "Weapons and Equipment"}));
    const ReportLines tail(lines.end() - 5, lines.end());
    EXPECT_EQ(tail, (ReportLines{
                        {"(1) Medium Laser (1 tons)", "40,000 C-Bills", false},
                        money("Total weapon cost:", "40,000"),
                        {"Total Structural and Weapons Cost: 1,201,200 C-Bills", "", false},
                        {"Construction Multiplier: 1.2", "", false},
                        {"Total Cost: 1,441,440 C-Bills", "", false},
                    }));
}

TEST_F(Breakdown, ADesignWithoutWeaponsPrintsOnlyTheWeaponTotal) {
    const ReportLines lines = costBreakdownPrintout(mech);
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const ReportLine& l) {
        return l.description == "Weapons and Equipment";
    });
    ASSERT_NE(heading, lines.end());
    ASSERT_NE(heading + 1, lines.end());
    EXPECT_EQ(*(heading + 1), money("Total weapon cost:", "0"));
    EXPECT_EQ((heading + 2)->description.rfind("Total Structural and Weapons Cost: ", 0), 0u);
}

TEST_F(Breakdown, WeaponGroupsPhysicalWeaponsAndArtemis) {
    mech.setTechBase(catalog::kMixedTech);
    mech.AddWeapon(kERLargeLaser);
    mech.AddWeapon(kMediumLaser);
    mech.AddWeapon(kERLargeLaser);
    mech.AddWeapon(kLRM10);
    mech.setArtemisLRM(catalog::kArtemisIV);
    mech.setPhysicalType(catalog::physical::kHatchet);
    mech.setLAPhysical(true); // RoundUp(20 / 15) = 2 t, 10,000 C-Bills
    const CostBreakdown b = costBreakdown(mech);
    EXPECT_EQ(b.weapons, (std::vector<WeaponCostLine>{
                             {"(2) (C) ER Large Laser (8 tons)", "400,000 C-Bills", "496"},
                             {"(1) (IS) Medium Laser (1 tons)", "40,000 C-Bills", "46"},
                             {"(1) (IS) LRM-10 (5 tons)", "100,000 C-Bills", "90"},
                             {"Hatchet - Left Arm (2 tons)", "10,000 C-Bills", ""},
                             {"Artemis FCS", "100,000 C-Bills", ""},
                         }));
    EXPECT_EQ(b.weaponTotal, money("Total weapon cost:", "650,000"));

    // Without the mixed tech base the names carry no prefix.
    mech.setTechBase(catalog::kInnerSphere);
    EXPECT_EQ(costBreakdown(mech).weapons.front().description, "(2) ER Large Laser (8 tons)");
}

TEST_F(Breakdown, CaseLineCountsBothKinds) {
    const struct {
        std::vector<std::pair<int, std::int16_t>> settings;
        std::string text;
    } cases[] = {
        {{}, ""},
        {{{1, 1}, {4, 1}}, "CASE: CASE x2 (1 tons)"},
        {{{1, 1}, {4, 2}}, "CASE: CASE x1, CASE II x1 (1.5 tons)"},
        {{{6, 2}}, "CASE: CASE II x1 (1 tons)"},
    };
    for (const auto& c : cases) {
        Mech m(ctx);
        m.setTonnage(20);
        m.setWalking(6);
        for (const auto& [loc, setting] : c.settings)
            m.SetCase(loc, setting);
        const ReportLines& lines = costBreakdown(m).additional.lines;
        if (c.text.empty()) {
            EXPECT_EQ(lines.front().description.rfind("Heat Sinks: ", 0), 0u);
        } else {
            EXPECT_EQ(lines.front().description, c.text);
        }
    }
}

TEST_F(Breakdown, ComponentTextsByType) {
    mech.setEngineType(catalog::engine::kLargeXL);
    mech.setGyroType(catalog::gyro::kExtraLight);
    mech.setCockpitType(catalog::cockpit::kCommandConsole);
    mech.setTargSysType(catalog::targeting::kVariableRange);
    mech.setTSM(true);
    mech.setHSType(catalog::heatsink::kClanDouble);
    mech.setHSCount(8); // below ten: 8 x 6,000
    mech.setArmorType(catalog::armor::kHardened);
    mech.setISType(catalog::structure::kEndoSteel);
    const CostBreakdown b = costBreakdown(mech);
    std::vector<std::string> texts;
    for (const ReportLine& l : b.basic.lines)
        texts.push_back(l.description);
    for (const ReportLine& l : b.additional.lines)
        texts.push_back(l.description);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Life Support (0 tons)",
                         "Sensors: Variable-Range Targeting (0.5 tons)",
                         "Cockpit: Standard with Command Console (6 tons)",
                         "Gyro: XL (1 tons)",
                         "Engine: Large XL (2 tons)",
                         "Arm and leg actuators (0 tons)",
                         "Musculature: Tripled Strength Myomer (0 tons)",
                         "Heat Sinks: 8 Clan Double (0 tons)",
                         "Armor: Hardened - 64 points (8 tons)",
                         "Internal Structure: Endo-Steel (1 tons)",
                     }));
    EXPECT_EQ(b.additional.lines[0].value, "48,000 C-Bills");
}

TEST_F(Breakdown, SingleHeatSinksBelowTenShowANegativeAmount) {
    mech.setHSCount(8);
    EXPECT_EQ(costBreakdown(mech).additional.lines[0],
              money("Heat Sinks: 8 Standard (0 tons)", "-4,000"));
}

TEST_F(Breakdown, SpecialtyItemsOnlyWhenFitted) {
    mech.setTonnage(55);
    mech.setWalking(5);
    mech.setMASC(1);
    mech.setJumping(3);
    mech.setSupercharger(true);
    mech.setNullSigSys(true);
    mech.ArmoredSlotData(2, 2);
    const CostBreakdown b = costBreakdown(mech);
    EXPECT_EQ(b.specialty.lines, (ReportLines{
                                     money("MASC (3 tons)", "825,000"),
                                     money("Jump Jets: 3 - Standard (1.5 tons)", "99,000"),
                                     money("Supercharger (2 tons)", "2,750,000"),
                                     money("Null Signature System (0 tons)", "2,000,000"),
                                     money("Component Armor - 2 slots", "300,000"),
                                 }));
    EXPECT_EQ(b.specialty.caption, "Specialty Items - 5,974,000 C-Bills");
}

TEST_F(Breakdown, TurretTonnageUsesTheTwoDecimalPattern) {
    ctx.weapons[kMediumLaser].tonnage = 10; // a tenth of it turns with the turret: 1 t
    const std::int16_t laser = mech.AddWeapon(kMediumLaser);
    mech.AlterWeapon(laser, catalog::kRightTorso, 0, true);
    mech.TSetWeaponIdxGlobal(laser);
    mech.currentWeapon().turretMounted = true;
    mech.UpdateGlobalWeaponIdx(laser);
    mech.setRTTurret(true);
    ASSERT_DOUBLE_EQ(mech.rtTurretTonnage(), 1);
    EXPECT_EQ(costBreakdown(mech).specialty.lines, (ReportLines{money("Turrets: 1.)", "10,000")}));
    mech.setFractionalAccounting(true);
    ctx.weapons[kMediumLaser].tonnage = 7; // 0.7 t
    mech.CalcWeaponTonnage();
    EXPECT_EQ(costBreakdown(mech).specialty.lines, (ReportLines{money("Turrets: .7)", "7,000")}));
}

TEST_F(Breakdown, SurchargeLineAndTotalsFollowTheCalculation) {
    mech.setMechType(catalog::kLAM);
    const valuation::CostResult cost = valuation::costOf(mech);
    const CostBreakdown b = costBreakdown(mech);
    ASSERT_TRUE(b.surcharge);
    EXPECT_EQ(b.surcharge->description, "LAM Conversion Equipment:");
    EXPECT_EQ(b.surcharge->value, formatCBills(cost.step(valuation::CostStep::Surcharge)));
    EXPECT_EQ(b.finalCost.value, formatCBills(cost.totalCost));
    mech.setMechType(catalog::kOmniMech);
    EXPECT_EQ(costBreakdown(mech).surcharge->description, "Omni-Mech Conversion Equipment:");
}

} // namespace
} // namespace fpw::reports
