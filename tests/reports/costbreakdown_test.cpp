#include "reports/costbreakdown.h"

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "support/contextfixture.h"
#include "support/golden.h"
#include "valuation/costcalculation.h"

namespace fpw::reports {

namespace {

using model::Mech;

enum : std::int16_t { kMediumLaser, kERLargeLaser, kLRM10, kTAG };

catalog::WeaponTable breakdownWeapons() {
    catalog::WeaponTable table(4);
    const auto set = [&](std::int16_t i, const char* name, double tons, std::int32_t cost,
                         double bv) {
        table[i].name = name;
        table[i].tonnage = tons;
        table[i].cost = cost;
        table[i].battleValue = bv;
    };
    set(kMediumLaser, "Medium Laser", 1, 40000, 46);
    set(kERLargeLaser, "ER Large Laser", 4, 200000, 248);
    table[kERLargeLaser].techBase = catalog::kClan;
    set(kLRM10, "LRM-10", 5, 100000, 90);
    table[kLRM10].weaponType = catalog::weapontype::kMissile;
    table[kLRM10].artemisCapable = table[kLRM10].artemisClass = 1;
    set(kTAG, "TAG", 1, 50000, -1); // a Battle Value marked "not applicable" shows as 0
    return table;
}

Mech wasp(app::ProgramContext& ctx) {
    Mech m(ctx);
    m.setMechName("Wasp");
    m.setMechModel("WSP-1A");
    m.setTechLevel(1);
    m.setTonnage(20);
    m.setWalking(6);
    m.SetArmor(catalog::kCenterTorso, 64);
    return m;
}

std::string render(const ReportLine& l) {
    return (l.heading ? "# " : "") + l.description + (l.value.empty() ? "" : " | " + l.value) +
           "\n";
}

std::string render(const CostBreakdown& b) {
    std::string out;
    for (const CostSection* s : {&b.basic, &b.additional, &b.specialty}) {
        out += "[" + s->caption + "]\n";
        for (const ReportLine& l : s->lines)
            out += render(l);
    }
    out += "[weapons]\n";
    for (const WeaponCostLine& w : b.weapons)
        out += w.description + " | " + w.cost + " | " + w.bv + "\n";
    out += render(b.weaponTotal) + (b.surcharge ? render(*b.surcharge) : "");
    for (const ReportLine* l : {&b.subtotal, &b.multiplier, &b.finalCost})
        out += render(*l);
    return out + "summary: " + b.summaryCost + "\n";
}

void placeTurretLaser(Mech& m, std::int16_t side = catalog::kRightTorso) {
    const std::int16_t laser = m.AddWeapon(kMediumLaser);
    m.AlterWeapon(laser, side, 0, true);
    m.TSetWeaponIdxGlobal(laser);
    m.currentWeapon().turretMounted = true;
    m.UpdateGlobalWeaponIdx(laser);
    side == catalog::kLeftTorso ? m.setLTTurret(true) : m.setRTTurret(true);
}

// Each case changes the Wasp (20 tons, walking 6, 64 points of standard armour); `weapons`
// holds the tonnage of the medium laser record, which the turret cases change.
const std::pair<const char*, void (*)(Mech&, catalog::WeaponTable&)> kDesigns[] = {
    {"medium laser", [](Mech& m, catalog::WeaponTable&) { m.AddWeapon(kMediumLaser); }},
    {"no weapons", [](Mech&, catalog::WeaponTable&) {}},
    {"weapon groups, physical weapon and Artemis, mixed tech",
     [](Mech& m, catalog::WeaponTable&) {
         m.setTechBase(catalog::kMixedTech);
         for (std::int16_t w : {kERLargeLaser, kMediumLaser, kERLargeLaser, kLRM10, kTAG})
             m.AddWeapon(w);
         m.setArtemisLRM(catalog::kArtemisIV);
         m.setPhysicalType(catalog::physical::kHatchet);
         m.setLAPhysical(true); // RoundUp(20 / 15) = 2 t a hatchet, 10,000 C-Bills
         m.setRAPhysical(true);
     }},
    {"CASE and CASE II",
     [](Mech& m, catalog::WeaponTable&) {
         m.SetCase(catalog::kLeftTorso, 1);
         m.SetCase(catalog::kLeftArm, 1);
         m.SetCase(catalog::kRightTorso, 2);
     }},
    {"CASE II in the centre torso",
     [](Mech& m, catalog::WeaponTable&) { m.SetCase(catalog::kCenterTorso, 2); }},
    {"component types, 8 Clan double heat sinks",
     [](Mech& m, catalog::WeaponTable&) {
         m.setEngineType(catalog::engine::kLargeXL);
         m.setGyroType(catalog::gyro::kExtraLight);
         m.setCockpitType(catalog::cockpit::kCommandConsole);
         m.setTargSysType(catalog::targeting::kVariableRange);
         m.setTSM(true);
         m.setHSType(catalog::heatsink::kClanDouble);
         m.setHSCount(8); // below ten: 8 x 6,000
         m.setArmorType(catalog::armor::kHardened);
         m.setISType(catalog::structure::kEndoSteel);
     }},
    // Single heat sinks below the free ten show a negative amount.
    {"8 single heat sinks", [](Mech& m, catalog::WeaponTable&) { m.setHSCount(8); }},
    {"specialty items",
     [](Mech& m, catalog::WeaponTable&) {
         m.setTonnage(55);
         m.setWalking(5);
         m.setMASC(1);
         m.setJumping(3);
         m.setSupercharger(true);
         m.setNullSigSys(true);
         m.ArmoredSlotData(2, 2);
     }},
    // A tenth of a 10-ton weapon turns with the turret: "Turrets: 1.)".
    {"turret",
     [](Mech& m, catalog::WeaponTable& weapons) {
         weapons[kMediumLaser].tonnage = 10;
         placeTurretLaser(m);
     }},
    // 0.7 t under fractional accounting, in the left torso: "Turrets: .7)".
    {"fractional turret",
     [](Mech& m, catalog::WeaponTable& weapons) {
         weapons[kMediumLaser].tonnage = 7;
         m.setFractionalAccounting(true);
         placeTurretLaser(m, catalog::kLeftTorso);
     }},
    {"LAM", [](Mech& m, catalog::WeaponTable&) { m.setMechType(catalog::kLAM); }},
    {"OmniMech", [](Mech& m, catalog::WeaponTable&) { m.setMechType(catalog::kOmniMech); }},
};

// The breakdown of every design of kDesigns and the printouts of the first two, compared
// whole. Checked by hand: the medium laser design is the cost tests' 20-ton reference; in the
// others the lines each case names were checked against the price list, and the printouts
// against the breakdown above.
TEST(Breakdown, EveryKindOfLine) {
    std::string all;
    bool printout = true;
    for (const auto& [name, build] : kDesigns) {
        testing::ContextFixture f;
        f.ctx.weapons = breakdownWeapons();
        Mech m = wasp(f.ctx);
        build(m, f.ctx.weapons);
        all += std::string("=== ") + name + "\n" + render(costBreakdown(m));
        if (printout) {
            printout = name == kDesigns[0].first; // the first two designs
            all += "--- printout\n";
            for (const ReportLine& l : costBreakdownPrintout(m))
                all += render(l);
        }
        EXPECT_EQ(costBreakdown(m).finalCost.value, formatCBills(valuation::costOf(m).totalCost))
            << name;
        EXPECT_TRUE(f.user.messages.empty()) << name;
    }
    testing::expectMatchesGolden(all, FPW_TESTS_SOURCE_DIR "/reports/golden/cost_breakdowns.txt");
}

} // namespace
} // namespace fpw::reports
