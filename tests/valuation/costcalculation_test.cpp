#include "valuation/costcalculation.h"

#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/prices.h"
#include "model/mech.h"
#include "support/golden.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::valuation {
namespace {

namespace price = catalog::price;
using model::Mech;

enum : std::int16_t { kMediumLaser, kLRM10, kSRM4, kAC20, kNotApplicable };

catalog::WeaponTable costWeapons() {
    catalog::WeaponTable table(5);
    const auto set = [&](std::int16_t i, std::int16_t type, double tons, std::int32_t cost) {
        table[i].weaponType = type;
        table[i].tonnage = tons;
        table[i].cost = cost;
    };
    set(kMediumLaser, catalog::weapontype::kEnergy, 1, 40000);
    set(kLRM10, catalog::weapontype::kMissile, 5, 100000);
    set(kSRM4, catalog::weapontype::kMissile, 2, 60000);
    set(kAC20, catalog::weapontype::kBallistic, 14, 300000);
    set(kNotApplicable, catalog::weapontype::kEquipment, -1, -1);
    table[kMediumLaser].tcLinkable = table[kAC20].tcLinkable = 1;
    // Artemis class 1 is the LRM class, 0 the SRM class.
    table[kLRM10].artemisCapable = table[kLRM10].artemisClass = table[kSRM4].artemisCapable = 1;
    return table;
}

class Cost : public ::testing::Test {
protected:
    Cost() { ctx.weapons = costWeapons(); }

    // The 20-ton reference design: walking 6 (rating 120), fusion engine, standard gyro,
    // cockpit, structure and myomer, 10 single heat sinks, 64 points of standard armour
    // (4 tons), every actuator, one medium laser.
    static void reference20(Mech& m) {
        m.setTonnage(20);
        m.setWalking(6);
        m.SetArmor(catalog::kCenterTorso, 64);
        m.AddWeapon(kMediumLaser);
    }

    // The 100-ton reference design: walking 3 (rating 300), no armour, no weapons.
    static void reference100(Mech& m) {
        m.setTonnage(100);
        m.setWalking(3);
    }

    testing::TempDir dir;
    testing::ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
};

// The reference designs' parts, worked out by hand from the price list.
// 20 tons, walking 6:
//  life support 50,000; sensors 2,000 x 20 = 40,000; cockpit 200,000;
//  musculature 2,000 x 20 = 40,000; structure 400 x 20 = 8,000;
//  arm actuators (100 + 50 + 80) x 20 x 2 arms = 9,200; legs (100 + 100 + 150) x 2 x 20 = 14,000;
//  engine 120 x 20 / 75 x 5,000 = 160,000; gyro RoundUp(120 / 100) = 2 t x 300,000 = 600,000;
//  heat sinks (10 - 10) x 2,000 = 0; armour 4 t x 10,000 = 40,000; medium laser 40,000.
//  Parts 1,201,200; x (1 + 20 / 100) = 1,441,440.
// 100 tons, walking 3: 50,000 + 2,000 x 100 + 200,000 + 2,000 x 100 + 400 x 100
//  + 230 x 100 x 2 + 350 x 2 x 100 + 300 x 100 / 75 x 5,000 + 3 t x 300,000
//  = 3,706,000; x 2.0 = 7,412,000.
constexpr std::int64_t kParts20 = 1201200;

void specialty(Mech& m, std::int16_t jumpJets) {
    m.setJumpJetType(jumpJets);
    m.setTonnage(55);
    m.setWalking(5);
    m.setMASC(1);
    m.setSupercharger(true);
    m.setNullSigSys(true);
    m.setJumping(4);
}

void physical(Mech& m, std::int16_t type, bool bothArms) {
    m.setTonnage(60);
    m.setWalking(4);
    m.setPhysicalType(type);
    m.setLAPhysical(bothArms);
    m.setRAPhysical(true);
}

void turret(Mech& m, bool switchedOn) {
    m.setTonnage(60);
    m.setWalking(4);
    const std::int16_t ac20 = m.AddWeapon(kAC20);
    m.AlterWeapon(ac20, catalog::kLeftTorso, 0, true);
    m.TSetWeaponIdxGlobal(ac20);
    m.currentWeapon().turretMounted = true;
    m.UpdateGlobalWeaponIdx(ac20);
    m.CalcTurretTonnage();
    m.setLTTurret(switchedOn);
}

// Two LRM-10s, an SRM-4 and an item without a price (a cost below 1 counts as nothing).
void weapons(Mech& m, std::int16_t artemisLRM, std::int16_t artemisSRM) {
    for (const std::int16_t w : {kLRM10, kLRM10, kSRM4, kNotApplicable})
        m.AddWeapon(w);
    m.setArtemisLRM(artemisLRM);
    m.setArtemisSRM(artemisSRM);
}

// Step names for the golden file, in the steps' order.
std::string stepName(std::size_t step) {
    std::istringstream names("life-support sensors cockpit musculature structure arm-actuators "
                             "leg-actuators engine gyro jump-jets heat-sinks armour weapons MASC "
                             "supercharger null-signature left-arm-physical right-arm-physical "
                             "left-turret right-turret armoured-slots CASE Artemis surcharge");
    std::string name;
    for (std::size_t i = 0; i <= step; ++i)
        names >> name;
    return name;
}

using Setter = void (Mech::*)(std::int16_t);

// Each row sets one value of the 20-ton reference design.
const std::tuple<const char*, Setter, std::int16_t> kTypeChanges[] = {
    {"8 single heat sinks", &Mech::setHSCount, 8},
    {"15 single heat sinks", &Mech::setHSCount, 15},
    {"double heat sinks", &Mech::setHSType, catalog::heatsink::kDouble},
    {"compact heat sinks", &Mech::setHSType, catalog::heatsink::kCompact},
    {"laser heat sinks", &Mech::setHSType, catalog::heatsink::kLaser},
    {"Clan double heat sinks", &Mech::setHSType, catalog::heatsink::kClanDouble},
    {"XXL engine", &Mech::setEngineType, catalog::engine::kXXL},
    {"large XXL engine", &Mech::setEngineType, catalog::engine::kLargeXXL},
    {"compact engine", &Mech::setEngineType, catalog::engine::kCompact},
    {"heavy-duty gyro", &Mech::setGyroType, catalog::gyro::kHeavyDuty},
    {"XL gyro", &Mech::setGyroType, catalog::gyro::kExtraLight},
    {"small cockpit", &Mech::setCockpitType, catalog::cockpit::kSmall},
    {"torso-mounted cockpit", &Mech::setCockpitType, catalog::cockpit::kTorsoMounted},
    {"enhanced imaging cockpit", &Mech::setCockpitType, catalog::cockpit::kEnhancedImaging},
    {"composite structure", &Mech::setISType, catalog::structure::kComposite},
    {"reinforced structure", &Mech::setISType, catalog::structure::kReinforced},
    {"ferro-fibrous armour", &Mech::setArmorType, 1},
    {"light ferro-fibrous armour", &Mech::setArmorType, 2},
    {"heavy ferro-fibrous armour", &Mech::setArmorType, 3},
    {"reactive armour", &Mech::setArmorType, 4},
    {"laser reflective armour", &Mech::setArmorType, 5},
    {"hardened armour", &Mech::setArmorType, catalog::armor::kHardened},
    {"variable-range targeting", &Mech::setTargSysType, catalog::targeting::kVariableRange},
    {"OmniMech", &Mech::setMechType, catalog::kOmniMech},
    {"LAM", &Mech::setMechType, catalog::kLAM},
    {"quad", &Mech::setMechType, catalog::kQuad},
};

// Each row changes the reference design in more than one value.
const std::pair<const char*, void (*)(Mech&)> kBuilds[] = {
    // Rating 250: the engine's 833,333.33 converted; the XL gyro zRoundHalf(3 / 2) = 1.5 t.
    {"50 tons walking 5, XL gyro",
     [](Mech& m) {
         m.setTonnage(50);
         m.setWalking(5);
         m.setGyroType(catalog::gyro::kExtraLight);
     }},
    {"triple-strength myomer", [](Mech& m) { m.setTSM(true); }},
    // 14 t linkable + 1 t medium laser = 15 t: RoundUp(15 / 4) = 4 t of computer.
    {"targeting computer and an AC/20",
     [](Mech& m) {
         m.AddWeapon(kAC20);
         m.setTargSysType(catalog::targeting::kTargetingComputer);
     }},
    {"no left hand", [](Mech& m) { m.SetLAActuator(3, false); }},
    {"no right upper arm", [](Mech& m) { m.SetRAActuator(1, false); }},
    {"no right shoulder", [](Mech& m) { m.SetRAActuator(0, false); }},
    // 55 tons walking 5 (rating 275), MASC RoundHalfUp(55 / 20) = 3 t, jumping 4.
    {"specialty items", [](Mech& m) { specialty(m, catalog::jumpjet::kStandard); }},
    {"specialty items, improved jump jets",
     [](Mech& m) { specialty(m, catalog::jumpjet::kImproved); }},
    {"specialty items, jump pack", [](Mech& m) { specialty(m, catalog::jumpjet::kJumpPack); }},
    {"armoured slots and CASE",
     [](Mech& m) {
         m.ArmoredSlotData(3, 3);
         m.SetCase(catalog::kLeftTorso, catalog::kStandardCase);
         m.SetCase(catalog::kRightTorso, catalog::kCaseII);
         m.SetCase(catalog::kLeftArm, catalog::kStandardCase);
     }},
    // A hatchet on 60 tons weighs RoundUp(60 / 15) = 4 t per arm: each arm pays for its own.
    {"60 tons, two hatchets", [](Mech& m) { physical(m, catalog::physical::kHatchet, true); }},
    {"60 tons, one hatchet", [](Mech& m) { physical(m, catalog::physical::kHatchet, false); }},
    {"60 tons, one sword", [](Mech& m) { physical(m, catalog::physical::kSword, false); }},
    // zRoundHalf(1.4) = 1.5 t of turret; a turret weight without the turret costs nothing.
    {"60 tons, left turret", [](Mech& m) { turret(m, true); }},
    {"60 tons, left turret switched off", [](Mech& m) { turret(m, false); }},
    {"weapons", [](Mech& m) { weapons(m, catalog::kNoArtemis, catalog::kNoArtemis); }},
    {"weapons with Artemis IV and V",
     [](Mech& m) { weapons(m, catalog::kArtemisIV, catalog::kArtemisV); }},
};

// The reference designs' steps, then every change's total and the steps it changes from the
// 20-ton reference, compared whole. Checked by hand: the references against the arithmetic
// above, each changed step against the price list (the figures were asserted one by
// one, worked out beside each case, before this file held them), each subtotal as the
// reference's 1,201,200 plus the changes, each total as the subtotal times 1 + tonnage / 100.
TEST_F(Cost, EveryChangeAltersOnlyItsSteps) {
    Mech mech(ctx);
    reference20(mech);
    const CostResult reference = costOf(mech);
    std::string all;
    const auto record = [&](const std::string& name, Mech& m, const CostResult& against) {
        const CostResult r = costOf(m);
        all += "=== " + name + ": " + std::to_string(r.totalCost) + " (parts " +
               std::to_string(r.subtotal) + ")\n";
        for (std::size_t i = 0; i < kCostStepCount; ++i) {
            if (r.steps[i] != against.steps[i])
                all += stepName(i) + " " + std::to_string(r.steps[i]) + "\n";
        }
        EXPECT_EQ(CalcTotalCost(m), r.totalCost) << name;
        EXPECT_FALSE(r.overflow) << name;
    };
    record("20-ton reference", mech, CostResult{});
    Mech heavy(ctx);
    reference100(heavy);
    record("100-ton reference", heavy, CostResult{});
    for (const auto& [name, setter, value] : kTypeChanges) {
        Mech m(ctx);
        reference20(m);
        (m.*setter)(value);
        record(name, m, reference);
    }
    for (const auto& [name, build] : kBuilds) {
        Mech m(ctx);
        reference20(m);
        build(m);
        record(name, m, reference);
    }
    testing::expectMatchesGolden(all, FPW_TESTS_SOURCE_DIR "/valuation/golden/cost_variations.txt");
    EXPECT_TRUE(user.messages.empty());
}

// Changed prices count from the next calculation, for designs made before and after; the
// heat sink types that share a default price each read an item of their own.
TEST_F(Cost, ChangedPricesCountFromTheNextCalculation) {
    Mech mech(ctx);
    reference20(mech);
    mech.AddWeapon(kLRM10);
    mech.setArtemisLRM(catalog::kArtemisIV);
    const std::int32_t before = CalcTotalCost(mech);
    ctx.prices.current[price::kLifeSupport] = 60000; // + 10,000
    ctx.weapons[kMediumLaser].cost = 45000;          // + 5,000
    ctx.prices.current[price::kArtemisIV] = 120000;  // + 20,000
    EXPECT_EQ(mech.totalCost(), before) << "nothing changes until the next calculation";
    EXPECT_EQ(CalcTotalCost(mech), before + 42000); // 35,000 x 1.2
    EXPECT_EQ(mech.artemisCost(), 120000);
    Mech later(ctx);
    reference20(later);
    EXPECT_EQ(CalcTotalCost(later), 1441440 + 18000); // 15,000 x 1.2

    ctx.prices.current[price::kLaserHeatSink] = 7000;
    ctx.prices.current[price::kClanDoubleHeatSink] = 8000;
    ctx.prices.current[price::kCompactHeatSink] = 1000;
    const std::pair<std::int16_t, std::int64_t> heatSinks[] = {
        {catalog::heatsink::kLaser, 10 * 7000},
        {catalog::heatsink::kClanDouble, 10 * 8000},
        {catalog::heatsink::kCompact, 10 * 2 * 1000}};
    for (const auto& [type, amount] : heatSinks) {
        later.setHSType(type);
        EXPECT_EQ(costOf(later).step(CostStep::HeatSinks), amount) << type;
    }
}

// A sum, a price times the tonnage or the multiplier beyond the 32-bit range (either way) is
// reported once, and the total stays as far as it got.
TEST_F(Cost, OverflowIsReportedAndTheTotalStaysAsFarAsItGot) {
    const struct {
        void (*design)(Mech&);
        std::size_t item;
        std::int32_t price;
        std::int64_t total;
    } cases[] = {
        {reference20, price::kNullSignatureSystem, 2147000000, kParts20},
        // 3,706,000 - 50,000 + 1,500,000,000 fits, doubled it does not.
        {reference100, price::kLifeSupport, 1500000000, 3706000 - 50000 + 1500000000LL},
        // 30,000,000 x 100 tons: the addition never happens.
        {reference100, price::kSensors, 30000000, 50000},
        {reference100, price::kSensors, -30000000, 50000},
    };
    for (const auto& c : cases) {
        testing::ScriptedUser quiet;
        app::ProgramContext own{dir.path(), quiet};
        own.weapons = costWeapons();
        own.prices.current[c.item] = c.price;
        Mech m(own);
        c.design(m);
        m.setNullSigSys(c.item == price::kNullSignatureSystem);
        EXPECT_EQ(CalcTotalCost(m), c.total) << c.item;
        EXPECT_EQ(m.totalCost(), c.total);
        const testing::ShownMessage& report = quiet.onlyMessage();
        EXPECT_NE(report.text.find("Function: Mech.CalcTotalCost"), std::string::npos);
        EXPECT_NE(report.text.find("Error Number: 6"), std::string::npos);
        EXPECT_EQ(report.icon, app::MessageIcon::Critical);
    }
}

} // namespace
} // namespace fpw::valuation
