#include "valuation/costcalculation.h"

#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/prices.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::valuation {
namespace {

namespace price = catalog::price;
using model::Mech;

enum : std::int16_t { kMediumLaser, kLRM10, kSRM4, kAC20, kNotApplicable };

catalog::WeaponTable costWeapons() {
    catalog::WeaponTable table(5);
    const auto set = [&](std::int16_t i, const char* name, std::int16_t type, double tons,
                         std::int32_t cost) {
        table[i].name = name;
        table[i].weaponType = type;
        table[i].tonnage = tons;
        table[i].cost = cost;
    };
    set(kMediumLaser, "Medium Laser", catalog::weapontype::kEnergy, 1, 40000);
    table[kMediumLaser].tcLinkable = 1;
    set(kLRM10, "LRM-10", catalog::weapontype::kMissile, 5, 100000);
    table[kLRM10].artemisCapable = 1;
    table[kLRM10].artemisClass = 1;
    set(kSRM4, "SRM-4", catalog::weapontype::kMissile, 2, 60000);
    table[kSRM4].artemisCapable = 1;
    table[kSRM4].artemisClass = 0;
    set(kAC20, "AC/20", catalog::weapontype::kBallistic, 14, 300000);
    table[kAC20].tcLinkable = 1;
    set(kNotApplicable, "Odd Item", catalog::weapontype::kEquipment, -1, -1);
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
    void reference20() { reference20(mech); }

    // The 100-ton reference design: walking 3 (rating 300), no armour, no weapons.
    void reference100() {
        mech.setTonnage(100);
        mech.setWalking(3);
    }

    int errorReports() const {
        int n = 0;
        for (const auto& m : user.messages)
            n += m.title == "Error";
        return n;
    }

    testing::TempDir dir;
    testing::ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
    Mech mech{ctx};
};

// 20 tons, walking 6:
//  life support 50,000; sensors 2,000 x 20 = 40,000; cockpit 200,000;
//  musculature 2,000 x 20 = 40,000; structure 400 x 20 = 8,000;
//  arm actuators (100 + 50 + 80) x 20 x 2 arms = 9,200; legs (100 + 100 + 150) x 2 x 20 = 14,000;
//  engine 120 x 20 / 75 x 5,000 = 160,000; gyro RoundUp(120 / 100) = 2 t x 300,000 = 600,000;
//  heat sinks (10 - 10) x 2,000 = 0; armour 4 t x 10,000 = 40,000; medium laser 40,000.
//  Parts 1,201,200; x (1 + 20 / 100) = 1,441,440.
constexpr std::int64_t kParts20 = 1201200;

TEST_F(Cost, TwentyTonDesignEndsWithMultiplierOnePointTwo) {
    reference20();
    const CostResult r = costOf(mech);
    EXPECT_EQ(r.subtotal, kParts20);
    EXPECT_DOUBLE_EQ(r.multiplier, 1.2);
    EXPECT_EQ(r.totalCost, 1441440);
    EXPECT_FALSE(r.overflow);
    const std::pair<CostStep, std::int64_t> steps[] = {
        {CostStep::LifeSupport, 50000},  {CostStep::Sensors, 40000},
        {CostStep::Cockpit, 200000},     {CostStep::Musculature, 40000},
        {CostStep::Structure, 8000},     {CostStep::ArmActuators, 9200},
        {CostStep::LegActuators, 14000}, {CostStep::Engine, 160000},
        {CostStep::Gyro, 600000},        {CostStep::JumpJets, 0},
        {CostStep::HeatSinks, 0},        {CostStep::Armor, 40000},
        {CostStep::Weapons, 40000},      {CostStep::Surcharge, 0},
    };
    for (const auto& [step, amount] : steps)
        EXPECT_EQ(r.step(step), amount) << static_cast<int>(step);

    EXPECT_EQ(CalcTotalCost(mech), 1441440);
    EXPECT_EQ(mech.totalCost(), 1441440);
    EXPECT_TRUE(user.messages.empty());
}

// 100 tons, walking 3: 50,000 + 2,000 x 100 + 200,000 + 2,000 x 100 + 400 x 100
//  + 230 x 100 x 2 + 350 x 2 x 100 + 300 x 100 / 75 x 5,000 + 3 t x 300,000
//  = 50,000 + 200,000 + 200,000 + 200,000 + 40,000 + 46,000 + 70,000 + 2,000,000 + 900,000
//  = 3,706,000; x 2.0 = 7,412,000.
TEST_F(Cost, HundredTonDesignDoublesItsParts) {
    reference100();
    const CostResult r = costOf(mech);
    EXPECT_EQ(r.subtotal, 3706000);
    EXPECT_DOUBLE_EQ(r.multiplier, 2.0);
    EXPECT_EQ(CalcTotalCost(mech), 7412000);
}

// A quarter of the parts is added before the multiplier: 1,201,200 / 4 = 300,300;
// (1,201,200 + 300,300) x 1.2 = 1,801,800.
TEST_F(Cost, OmniMechAndLAMPayAQuarterMoreBeforeTheMultiplier) {
    const std::tuple<std::int16_t, std::int64_t, std::int32_t> cases[] = {
        {catalog::kOmniMech, 300300, 1801800},
        {catalog::kLAM, 300300, 1801800},
        {catalog::kQuad, 0, 1441440}};
    for (const auto& [type, surcharge, total] : cases) {
        Mech m(ctx);
        reference20(m);
        m.setMechType(type);
        const CostResult r = costOf(m);
        EXPECT_EQ(r.step(CostStep::Surcharge), surcharge) << type;
        EXPECT_EQ(r.subtotal, kParts20 + surcharge) << type;
        EXPECT_EQ(CalcTotalCost(m), total) << type;
    }
}

TEST_F(Cost, SingleHeatSinksBeyondTheFreeTen) {
    reference20();
    const struct {
        std::int16_t count;
        std::int64_t amount;
    } cases[] = {{8, -4000}, {10, 0}, {15, 10000}};
    for (const auto& c : cases) {
        mech.setHSCount(c.count);
        const CostResult r = costOf(mech);
        EXPECT_EQ(r.step(CostStep::HeatSinks), c.amount) << c.count;
        EXPECT_EQ(r.subtotal, kParts20 + c.amount) << c.count;
    }
}

TEST_F(Cost, HeatSinkTypesPriceEveryHeatSink) {
    reference20();
    mech.setHSCount(12);
    const struct {
        std::int16_t type;
        std::int64_t amount;
    } cases[] = {
        {catalog::heatsink::kSingle, 4000},           {catalog::heatsink::kDouble, 12 * 6000},
        {catalog::heatsink::kCompact, 12 * 2 * 3000}, {catalog::heatsink::kLaser, 12 * 6000},
        {catalog::heatsink::kClanDouble, 12 * 6000},
    };
    for (const auto& c : cases) {
        mech.setHSType(c.type);
        EXPECT_EQ(costOf(mech).step(CostStep::HeatSinks), c.amount) << c.type;
    }
    // Each type reads its own price item.
    ctx.prices.current[price::kLaserHeatSink] = 7000;
    ctx.prices.current[price::kClanDoubleHeatSink] = 8000;
    ctx.prices.current[price::kCompactHeatSink] = 1000;
    mech.setHSType(catalog::heatsink::kLaser);
    EXPECT_EQ(costOf(mech).step(CostStep::HeatSinks), 12 * 7000);
    mech.setHSType(catalog::heatsink::kClanDouble);
    EXPECT_EQ(costOf(mech).step(CostStep::HeatSinks), 12 * 8000);
    mech.setHSType(catalog::heatsink::kCompact);
    EXPECT_EQ(costOf(mech).step(CostStep::HeatSinks), 12 * 2 * 1000);
}

// Rating 120 on 20 tons: 120 x 20 / 75 = 32 engine units.
TEST_F(Cost, EveryEngineTypeHasItsPrice) {
    reference20();
    const struct {
        std::int16_t type;
        std::int64_t amount;
    } cases[] = {
        {catalog::engine::kFusion, 32 * 5000},
        {catalog::engine::kXXL, 32 * 100000},
        {catalog::engine::kLargeXXL, 32 * 200000},
        {catalog::engine::kCompact, 32 * 10000},
    };
    for (const auto& c : cases) {
        mech.setEngineType(c.type);
        EXPECT_EQ(costOf(mech).step(CostStep::Engine), c.amount) << c.type;
    }
    // A rating that does not divide: 250 x 50 / 75 x 5,000 = 833,333.33, converted 833,333.
    Mech m(ctx);
    m.setTonnage(50);
    m.setWalking(5);
    EXPECT_EQ(costOf(m).step(CostStep::Engine), 833333);
}

// Rating 120: base gyro RoundUp(1.2) = 2 tons.
TEST_F(Cost, EveryGyroTypeHasItsPrice) {
    reference20();
    const struct {
        std::int16_t type;
        double tons;
        std::int64_t amount;
    } cases[] = {
        {catalog::gyro::kStandard, 2, 2 * 300000},
        {catalog::gyro::kHeavyDuty, 4, 4 * 500000},
        {catalog::gyro::kExtraLight, 1, 1 * 750000},
    };
    for (const auto& c : cases) {
        mech.setGyroType(c.type);
        ASSERT_DOUBLE_EQ(mech.gyroTonnage(), c.tons) << c.type;
        EXPECT_EQ(costOf(mech).step(CostStep::Gyro), c.amount) << c.type;
    }
    // Rating 250 on the XL gyro: zRoundHalf(3 / 2) = 1.5 t x 750,000 = 1,125,000.
    Mech m(ctx);
    m.setTonnage(50);
    m.setWalking(5);
    m.setGyroType(catalog::gyro::kExtraLight);
    EXPECT_EQ(costOf(m).step(CostStep::Gyro), 1125000);
}

TEST_F(Cost, CockpitStructureArmorAndMyomerPrices) {
    reference20();
    const std::pair<std::int16_t, std::int64_t> cockpits[] = {
        {catalog::cockpit::kSmall, 175000},
        {catalog::cockpit::kTorsoMounted, 750000},
        {catalog::cockpit::kEnhancedImaging, 0},
    };
    for (const auto& [type, amount] : cockpits) {
        mech.setCockpitType(type);
        EXPECT_EQ(costOf(mech).step(CostStep::Cockpit), amount) << type;
    }
    const std::pair<std::int16_t, std::int64_t> structures[] = {
        {catalog::structure::kStandard, 400 * 20},
        {catalog::structure::kComposite, 1600 * 20},
        {catalog::structure::kReinforced, 6400 * 20},
    };
    for (const auto& [type, amount] : structures) {
        mech.setISType(type);
        EXPECT_EQ(costOf(mech).step(CostStep::Structure), amount) << type;
    }
    // 64 points: standard 4 t; the other types at their own points per ton.
    const std::int64_t armorPrices[] = {10000, 20000, 15000, 25000, 10000, 30000, 15000};
    for (std::int16_t type = 0; type <= catalog::armor::kHardened; ++type) {
        mech.setArmorType(type);
        EXPECT_EQ(costOf(mech).step(CostStep::Armor), static_cast<std::int64_t>(std::nearbyint(
                                                          armorPrices[type] * mech.armorTonnage())))
            << type;
    }
    mech.setArmorType(catalog::armor::kHardened); // 64 / 8 = 8 t x 15,000
    EXPECT_EQ(costOf(mech).step(CostStep::Armor), 120000);
    mech.setTSM(true);
    EXPECT_EQ(costOf(mech).step(CostStep::Musculature), 16000 * 20);
}

TEST_F(Cost, TargetingSystems) {
    reference20();
    mech.AddWeapon(kAC20); // 14 t linkable + 1 t medium laser = 15 t: RoundUp(15 / 4) = 4 t
    const std::pair<std::int16_t, std::int64_t> cases[] = {
        {catalog::targeting::kStandard, 2000 * 20},
        {catalog::targeting::kVariableRange, 20000 * 20},
        {catalog::targeting::kTargetingComputer, 2000 * 20 + 10000 * 4},
    };
    for (const auto& [type, amount] : cases) {
        mech.setTargSysType(type);
        EXPECT_EQ(costOf(mech).step(CostStep::Sensors), amount) << type;
    }
}

// Actuator 1 (upper arm) is priced as item 15, 2 (lower arm) as 16, 3 (hand) as 17.
TEST_F(Cost, ArmActuatorsPairWithTheirListedPrices) {
    reference20();
    ctx.prices.current[price::kHandActuator] = 1;
    ctx.prices.current[price::kLowerArmActuator] = 10;
    ctx.prices.current[price::kUpperArmActuator] = 100;
    EXPECT_EQ(costOf(mech).step(CostStep::ArmActuators), 2 * 111 * 20);
    mech.SetLAActuator(3, false); // the hand: item 17
    EXPECT_EQ(costOf(mech).step(CostStep::ArmActuators), (111 + 11) * 20);
    mech.SetRAActuator(1, false); // the upper arm: item 15
    EXPECT_EQ(costOf(mech).step(CostStep::ArmActuators), (11 + 110) * 20);
    mech.SetRAActuator(0, false); // the shoulder is not priced
    EXPECT_EQ(costOf(mech).step(CostStep::ArmActuators), (11 + 110) * 20);
}

TEST_F(Cost, SpecialtyItems) {
    mech.setTonnage(55);
    mech.setWalking(5); // rating 275
    mech.setMASC(1);    // RoundHalfUp(55 / 20) = 3 t
    mech.setSupercharger(true);
    mech.setNullSigSys(true);
    mech.setJumping(4);
    ASSERT_DOUBLE_EQ(mech.mascTonnage(), 3);
    CostResult r = costOf(mech);
    EXPECT_EQ(r.step(CostStep::MASC), 275 * 3 * 1000);
    EXPECT_EQ(r.step(CostStep::Supercharger), 275 * 10000);
    EXPECT_EQ(r.step(CostStep::NullSignature), 2000000);
    EXPECT_EQ(r.step(CostStep::JumpJets), 4 * 4 * 55 * 200);
    mech.setJumpJetType(catalog::jumpjet::kImproved);
    EXPECT_EQ(costOf(mech).step(CostStep::JumpJets), 4 * 4 * 55 * 500);
    mech.setJumpJetType(catalog::jumpjet::kJumpPack);
    EXPECT_EQ(costOf(mech).step(CostStep::JumpJets), 4 * 4 * 55 * 500);
    mech.setJumping(0);
    EXPECT_EQ(costOf(mech).step(CostStep::JumpJets), 0);

    mech.ArmoredSlotData(3, 3);
    mech.SetCase(catalog::kLeftTorso, catalog::kStandardCase);
    mech.SetCase(catalog::kRightTorso, catalog::kCaseII);
    mech.SetCase(catalog::kLeftArm, catalog::kStandardCase);
    r = costOf(mech);
    EXPECT_EQ(r.step(CostStep::ArmoredSlots), 3 * 150000);
    EXPECT_EQ(r.step(CostStep::CASE), 2 * 50000 + 175000);
}

// A hatchet on 60 tons weighs RoundUp(60 / 15) = 4 t per arm; each arm pays for its own
// 4 t (20,000), not for the 8 t of both arms.
TEST_F(Cost, EachArmPaysForItsOwnPhysicalWeapon) {
    mech.setTonnage(60);
    mech.setWalking(4);
    mech.setPhysicalType(catalog::physical::kHatchet);
    mech.setLAPhysical(true);
    mech.setRAPhysical(true);
    ASSERT_DOUBLE_EQ(mech.physicalTonnage(), 8);
    CostResult r = costOf(mech);
    EXPECT_EQ(r.step(CostStep::PhysicalLeftArm), 20000);
    EXPECT_EQ(r.step(CostStep::PhysicalRightArm), 20000);
    mech.setLAPhysical(false);
    r = costOf(mech);
    EXPECT_EQ(r.step(CostStep::PhysicalLeftArm), 0);
    EXPECT_EQ(r.step(CostStep::PhysicalRightArm), 20000);
    // A sword on 60 tons: zRoundHalf(3) = 3 t.
    mech.setPhysicalType(catalog::physical::kSword);
    EXPECT_EQ(costOf(mech).step(CostStep::PhysicalRightArm), 15000);
}

TEST_F(Cost, TurretsArePricedPerTurretTon) {
    mech.setTonnage(60);
    mech.setWalking(4);
    const std::int16_t ac20 = mech.AddWeapon(kAC20);
    mech.AlterWeapon(ac20, catalog::kLeftTorso, 0, true);
    mech.TSetWeaponIdxGlobal(ac20);
    mech.currentWeapon().turretMounted = true;
    mech.UpdateGlobalWeaponIdx(ac20);
    mech.CalcTurretTonnage();
    mech.setLTTurret(true);
    ASSERT_DOUBLE_EQ(mech.ltTurretTonnage(), 1.5); // zRoundHalf(1.4)
    EXPECT_EQ(costOf(mech).step(CostStep::LeftTurret), 15000);
    // A turret weight without the turret switched on costs nothing.
    mech.setLTTurret(false);
    EXPECT_EQ(costOf(mech).step(CostStep::LeftTurret), 0);
}

TEST_F(Cost, WeaponsAndArtemis) {
    reference20();
    mech.AddWeapon(kLRM10);
    mech.AddWeapon(kLRM10);
    mech.AddWeapon(kSRM4);
    mech.AddWeapon(kNotApplicable); // a cost below 1 counts as nothing
    CostResult r = costOf(mech);
    EXPECT_EQ(r.step(CostStep::Weapons), 40000 + 2 * 100000 + 60000);
    EXPECT_EQ(r.step(CostStep::Artemis), 0);

    mech.setArtemisLRM(catalog::kArtemisIV);
    mech.setArtemisSRM(catalog::kArtemisV);
    r = costOf(mech);
    EXPECT_EQ(r.step(CostStep::Artemis), 2 * 100000 + 250000);
    EXPECT_EQ(r.artemisCost, 450000);
    CalcTotalCost(mech);
    EXPECT_EQ(mech.artemisCost(), 450000);
}

TEST_F(Cost, ChangedPricesCountFromTheNextCalculation) {
    reference20();
    mech.AddWeapon(kLRM10);
    mech.setArtemisLRM(catalog::kArtemisIV);
    const std::int32_t before = CalcTotalCost(mech);

    ctx.prices.current[price::kLifeSupport] = 60000; // + 10,000
    ctx.weapons[kMediumLaser].cost = 45000;          // + 5,000
    ctx.prices.current[price::kArtemisIV] = 120000;  // + 20,000
    EXPECT_EQ(mech.totalCost(), before) << "nothing changes until the next calculation";
    EXPECT_EQ(CalcTotalCost(mech), before + 42000); // 35,000 x 1.2
    EXPECT_EQ(mech.artemisCost(), 120000);

    // A design made afterwards is priced the same way.
    Mech later(ctx);
    reference20(later);
    EXPECT_EQ(CalcTotalCost(later), 1441440 + 18000); // 15,000 x 1.2
}

TEST_F(Cost, OverflowIsReportedAndTheTotalStaysAsFarAsItGot) {
    reference20();
    mech.setNullSigSys(true);
    ctx.prices.current[price::kNullSignatureSystem] = 2147000000;
    EXPECT_EQ(CalcTotalCost(mech), kParts20);
    EXPECT_EQ(mech.totalCost(), kParts20);
    ASSERT_EQ(errorReports(), 1);
    const testing::ShownMessage& report = user.messages.back();
    EXPECT_NE(report.text.find("Function: Mech.CalcTotalCost"), std::string::npos);
    EXPECT_NE(report.text.find("Error Number: 6"), std::string::npos);
    EXPECT_EQ(report.icon, app::MessageIcon::Critical);
}

TEST_F(Cost, OverflowInAProductOrTheMultiplier) {
    reference100();
    // 3,706,000 - 50,000 + 1,500,000,000 fits, doubled it does not.
    ctx.prices.current[price::kLifeSupport] = 1500000000;
    const std::int64_t parts = 3706000 - 50000 + 1500000000LL;
    EXPECT_EQ(CalcTotalCost(mech), parts);
    EXPECT_EQ(errorReports(), 1);

    // A price times the tonnage beyond the range: the addition never happens.
    ctx.prices.current[price::kLifeSupport] = 50000;
    ctx.prices.current[price::kSensors] = 30000000; // x 100 = 3,000,000,000
    EXPECT_EQ(CalcTotalCost(mech), 50000);
    EXPECT_EQ(errorReports(), 2);

    // Large negative prices are caught the same way.
    ctx.prices.current[price::kSensors] = -30000000;
    EXPECT_EQ(CalcTotalCost(mech), 50000);
    EXPECT_EQ(errorReports(), 3);
}

} // namespace
} // namespace fpw::valuation
