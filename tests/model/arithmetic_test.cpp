#include <cmath>

#include <gtest/gtest.h>

#include "model/enginetable.h"
#include "model/mech.h"
#include "model/modeltestkit.h"

namespace fpw::model {
namespace {

using namespace testkit;

class Arithmetic : public ::testing::Test {
protected:
    Kit kit;
    Mech mech{kit.ctx};
};

TEST_F(Arithmetic, WalkingSetsRunningSprintingAndRating) {
    const struct {
        std::int16_t tonnage, walking, running, sprinting, rating;
    } cases[] = {{50, 5, 8, 10, 250},
                 {100, 3, 5, 6, 300},
                 {20, 8, 12, 16, 160},
                 {70, 4, 6, 8, 280},
                 {30, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        mech.setTonnage(c.tonnage);
        mech.setWalking(c.walking);
        EXPECT_EQ(mech.running(), c.running);
        EXPECT_EQ(mech.sprinting(), c.sprinting);
        EXPECT_EQ(mech.engineRating(), c.rating);
    }
    // The rating follows the tonnage as well as the walking points.
    mech.setWalking(4);
    mech.setTonnage(60);
    EXPECT_EQ(mech.engineRating(), 240);
}

TEST_F(Arithmetic, EngineWeightByTypeAndAccounting) {
    const struct {
        std::int16_t tonnage, walking, engineType;
        bool fractional;
        double tons;
    } cases[] = {
        {50, 5, 0, false, 12.5}, {50, 5, 1, false, 6.5},    {50, 5, 2, false, 4.5},
        {50, 5, 6, false, 19},   {50, 5, 1, true, 6.25},    {50, 5, 2, true, 4.17},
        {50, 5, 6, true, 18.75}, {50, 5, 0, true, 12.5},    {81, 5, 4, false, 28.5},
        {81, 5, 0, false, 100},  {81, 5, 3, false, 56.5},   {81, 5, 5, false, 19},
        {80, 5, 3, false, 52.5}, {100, 5, 5, false, 154.5}, {33, 3, 0, false, 100},
        {100, 0, 0, false, 0},   {55, 5, 0, false, 15.5},   {20, 8, 0, false, 6},
        {85, 6, 3, false, 0},    {85, 6, 0, false, 100},
    };
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setFractionalAccounting(c.fractional);
        m.setTonnage(c.tonnage);
        m.setWalking(c.walking);
        m.setEngineType(c.engineType);
        EXPECT_DOUBLE_EQ(m.engineTonnage(), c.tons)
            << c.tonnage << "t walking " << c.walking << " type " << c.engineType;
    }
}

// The weight table rises with the rating in half tons, through the large engines' rows too.
TEST(EngineWeights, NeverFallAsTheRatingGrows) {
    for (const int type : {0, 3}) {
        double last = 0;
        for (int rating = 5; rating <= (type == 0 ? 400 : 500); rating += 5) {
            const double tons = engineBaseWeight(type, rating);
            EXPECT_GE(tons, last) << "type " << type << " rating " << rating;
            EXPECT_EQ(tons * 2, std::floor(tons * 2)) << "rating " << rating;
            last = tons;
        }
        EXPECT_EQ(last, type == 0 ? 52.5 : 462.5);
    }
}

TEST_F(Arithmetic, GyroWeightByType) {
    mech.setTonnage(50);
    mech.setWalking(5);
    const double expected[] = {3, 4.5, 6, 1.5};
    for (std::int16_t type = 0; type < 4; ++type) {
        mech.setGyroType(type);
        EXPECT_DOUBLE_EQ(mech.gyroTonnage(), expected[type]) << type;
    }
    mech.setGyroType(0);
    mech.setWalking(4); // 200: exactly two
    EXPECT_DOUBLE_EQ(mech.gyroTonnage(), 2);
    mech.setWalking(0);
    EXPECT_DOUBLE_EQ(mech.gyroTonnage(), 0);
    // Fractional accounting leaves the gyro alone.
    mech.setWalking(5);
    mech.setGyroType(3);
    mech.setFractionalAccounting(true);
    EXPECT_DOUBLE_EQ(mech.gyroTonnage(), 1.5);
}

TEST_F(Arithmetic, CockpitAndTargetingSystems) {
    const double cockpit[] = {3, 6, 2, 4, 3};
    for (std::int16_t type = 0; type < 5; ++type) {
        mech.setCockpitType(type);
        EXPECT_DOUBLE_EQ(mech.cockpitTonnage(), cockpit[type]) << type;
    }
    const double targeting[] = {0, 0, 0, 0.5, 0, 0, 0.5};
    for (std::int16_t type = 0; type < 7; ++type) {
        mech.setTargSysType(type);
        EXPECT_DOUBLE_EQ(mech.targSysTonnage(), targeting[type]) << type;
        EXPECT_EQ(mech.tcSize(), 0);
    }
}

TEST_F(Arithmetic, TargetingComputerBySumOfLinkableWeapons) {
    const struct {
        std::vector<std::int16_t> weapons;
        std::int16_t techBase;
        int size;
    } cases[] = {
        {{kAC10}, 0, 3},                // 12 tons / 4
        {{kAC10}, 1, 3},                // 12 tons / 5 = 2.4 up
        {{kAC10}, 2, 3},                // the mixed base divides by 5
        {{kAC10, kSmallLaser}, 0, 4},   // 12.5 / 4
        {{kAC10, kMediumLaser}, 1, 3},  // 13 / 5
        {{kFlamer, kMachineGun}, 0, 0}, // not linkable
        {{kNotApplicable, kPPC}, 0, 2}, // a negative tonnage counts as 0
        {{}, 0, 0},
    };
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setTechBase(c.techBase);
        for (std::int16_t w : c.weapons) {
            m.AddWeapon(w);
        }
        EXPECT_EQ(m.DetermineTCSize(), 0); // not a targeting computer yet
        m.setTargSysType(7);
        EXPECT_EQ(m.DetermineTCSize(), c.size);
        EXPECT_EQ(m.tcSize(), c.size);
        EXPECT_DOUBLE_EQ(m.targSysTonnage(), c.size);
    }
}

TEST_F(Arithmetic, StructureWeight) {
    const struct {
        std::int16_t tonnage, isType;
        bool fractional;
        double tons;
    } cases[] = {{55, 0, false, 5.5}, {55, 1, false, 3},   {55, 2, false, 3},
                 {55, 3, false, 11},  {55, 1, true, 2.75}, {25, 0, false, 2.5},
                 {25, 1, false, 1.5}, {25, 1, true, 1.25}, {100, 1, false, 5}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setFractionalAccounting(c.fractional);
        m.setTonnage(c.tonnage);
        m.setISType(c.isType);
        EXPECT_DOUBLE_EQ(m.isTonnage(), c.tons) << c.tonnage << " " << c.isType;
    }
}

// Ferro-fibrous holds 17.92 points per ton on Inner Sphere and mixed designs (12.5 tons hold 224
// points, not 225) and 19.2 on Clan ones. That the free points cost nothing and one more does is
// checked over every count below.
TEST_F(Arithmetic, ArmorTonnageAndFreePoints) {
    const struct {
        std::int16_t armorType, techBase;
        int points;
        bool fractional;
        double tons;
        int free;
    } cases[] = {
        {0, 0, 150, false, 9.5, 2},  {0, 0, 150, true, 9.38, 0},  {0, 0, 152, false, 9.5, 0},
        {0, 0, 153, false, 10, 7},   {0, 0, 17, false, 1.5, 7},   {0, 0, 0, false, 0, 0},
        {0, 0, 304, false, 19, 0},   {1, 0, 224, false, 12.5, 0}, {1, 0, 220, false, 12.5, 4},
        {1, 2, 220, false, 12.5, 4}, {1, 0, 18, false, 1, 0},     {1, 0, 100, true, 5.58, 0},
        {1, 1, 96, false, 5, 0},     {1, 1, 97, false, 5.5, 9},   {6, 0, 20, false, 2.5, 0},
        {6, 0, 21, false, 3, 3},     {3, 0, 200, false, 10.5, 9}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setTechBase(c.techBase);
        m.setArmorType(c.armorType);
        m.setFractionalAccounting(c.fractional);
        // Spread the points the way a design does, over many locations.
        int left = c.points;
        for (int loc = 0; loc < kArmorPositions && left > 0; ++loc) {
            const int here = std::min(left, loc == kArmorPositions - 1 ? left : 31);
            m.SetArmor(loc, static_cast<std::int16_t>(here));
            left -= here;
        }
        SCOPED_TRACE(::testing::Message() << c.points << " points of type " << c.armorType
                                          << ", tech base " << c.techBase);
        EXPECT_EQ(m.armorPoints(), c.points);
        EXPECT_DOUBLE_EQ(m.armorTonnage(), c.tons);
        EXPECT_EQ(m.armorFree(), c.free);
    }
}

TEST_F(Arithmetic, HeatSinks) {
    const struct {
        std::int16_t count, type;
        double tons;
    } cases[] = {{10, 0, 0}, {15, 0, 5}, {15, 1, 5}, {12, 2, 6}, {20, 4, 10}, {8, 0, 0}};
    for (const auto& c : cases) {
        mech.setHSType(c.type);
        mech.setHSCount(c.count);
        EXPECT_DOUBLE_EQ(mech.hsTonnage(), c.tons) << c.count << " " << c.type;
    }
}

TEST_F(Arithmetic, HeatSinksInsideTheEngine) {
    mech.setTonnage(50);
    mech.setWalking(5); // 250: ten
    EXPECT_EQ(mech.hsInEngine(), 10);
    mech.setWalking(6); // 300: twelve, but the design has only ten
    EXPECT_EQ(mech.hsInEngine(), 10);
    mech.setHSCount(14);
    EXPECT_EQ(mech.hsInEngine(), 12);
    mech.setWalking(3); // 150: six
    EXPECT_EQ(mech.hsInEngine(), 6);
}

TEST_F(Arithmetic, JumpJets) {
    const struct {
        std::int16_t tonnage, jumping, type;
        double tons;
    } cases[] = {{35, 4, 0, 2}, {35, 4, 1, 4}, {55, 3, 0, 1.5}, {59, 2, 0, 1}, {60, 4, 0, 4},
                 {89, 3, 0, 3}, {90, 3, 0, 6}, {100, 3, 1, 12}, {35, 0, 1, 0}, {35, 4, 2, 2}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setTonnage(c.tonnage);
        m.setJumping(c.jumping);
        m.setJumpJetType(c.type);
        EXPECT_DOUBLE_EQ(m.jumpJetTonnage(), c.tons) << c.tonnage << " " << c.jumping;
    }
}

TEST_F(Arithmetic, MASC) {
    const struct {
        std::int16_t tonnage, techBase;
        bool fractional;
        double tons;
        int size;
    } cases[] = {{55, 0, false, 3, 3},   {55, 1, false, 2, 2},  {55, 2, false, 3, 3},
                 {55, 0, true, 2.75, 3}, {55, 1, true, 2.2, 2}, {10, 1, false, 1, 1},
                 {20, 1, true, 0.8, 1},  {100, 0, false, 5, 5}, {30, 0, false, 2, 2},
                 {10, 0, true, 0.5, 1}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setTechBase(c.techBase);
        m.setFractionalAccounting(c.fractional);
        m.setTonnage(c.tonnage);
        m.setMASC(1);
        EXPECT_DOUBLE_EQ(m.mascTonnage(), c.tons) << c.tonnage << " " << c.techBase;
        EXPECT_EQ(m.mascSize(), c.size) << c.tonnage << " " << c.techBase;
        m.setMASC(0);
        EXPECT_EQ(m.mascTonnage(), 0);
        EXPECT_EQ(m.mascSize(), 0);
    }
}

TEST_F(Arithmetic, PhysicalWeapons) {
    const struct {
        std::int16_t tonnage, type;
        bool left, right;
        double tons;
        int size;
    } cases[] = {{35, 4, true, false, 2, 2},   {35, 4, true, true, 4, 2},
                 {45, 4, true, false, 2.5, 3}, {35, 1, true, false, 3, 3},
                 {35, 1, false, false, 0, 3},  {60, 2, false, true, 4, 4},
                 {50, 0, true, true, 0, 0},    {65, 3, true, true, 10, 5}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setTonnage(c.tonnage);
        m.setPhysicalType(c.type);
        m.setLAPhysical(c.left);
        m.setRAPhysical(c.right);
        EXPECT_DOUBLE_EQ(m.physicalTonnage(), c.tons) << c.tonnage << " " << c.type;
        EXPECT_EQ(m.physicalSize(), c.size) << c.tonnage << " " << c.type;
    }
}

TEST_F(Arithmetic, CASE) {
    const struct {
        std::int16_t techBase;
        std::array<std::int16_t, 7> settings;
        double tons;
    } cases[] = {{0, {0, 1, 0, 0, 1, 0, 0}, 1},   {0, {0, 2, 0, 0, 0, 0, 2}, 2},
                 {1, {0, 1, 0, 0, 1, 0, 0}, 0},   {1, {2, 2, 0, 0, 0, 0, 1}, 1},
                 {2, {0, 1, 0, 0, 2, 0, 0}, 1.5}, {0, {5, 0, 0, 0, 0, 0, 0}, 1}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setTechBase(c.techBase);
        for (int loc = 0; loc < 7; ++loc) {
            m.SetCase(loc, c.settings[loc]);
        }
        EXPECT_DOUBLE_EQ(m.caseTonnage(), c.tons) << c.techBase;
    }
}

TEST_F(Arithmetic, LAMAndSupercharger) {
    mech.setTonnage(50);
    mech.setWalking(5);
    mech.setMechType(2);
    EXPECT_DOUBLE_EQ(mech.lamTonnage(), 5);
    mech.setMechType(0);
    EXPECT_DOUBLE_EQ(mech.lamTonnage(), 0);

    mech.setSupercharger(true);
    EXPECT_DOUBLE_EQ(mech.superchargerTonnage(), 1.5); // 12.5 / 10 up to the half ton
    mech.setEngineType(1);
    EXPECT_DOUBLE_EQ(mech.superchargerTonnage(), 1); // 6.5 / 10 = 0.65
    mech.setFractionalAccounting(true);
    EXPECT_DOUBLE_EQ(mech.superchargerTonnage(), 0.63); // 6.25 / 10 = 0.625, half away
    mech.setSupercharger(false);
    EXPECT_DOUBLE_EQ(mech.superchargerTonnage(), 0);
}

TEST_F(Arithmetic, ArtemisTonnageAndCost) {
    mech.AddWeapon(kLRM20);
    mech.AddWeapon(kLRM5);
    mech.AddWeapon(kSRM6);
    mech.AddWeapon(kAC5);
    EXPECT_EQ(mech.artemisTonnage(), 0);
    mech.setArtemisLRM(1);
    EXPECT_DOUBLE_EQ(mech.artemisTonnage(), 2);
    EXPECT_EQ(mech.artemisCost(), 200000);
    mech.setArtemisSRM(2);
    EXPECT_DOUBLE_EQ(mech.artemisTonnage(), 3.5);
    EXPECT_EQ(mech.artemisCost(), 450000);
    // Summed afresh every time, never added on top of the last result.
    mech.CalcWeaponTonnage();
    mech.CalcWeaponTonnage();
    EXPECT_DOUBLE_EQ(mech.artemisTonnage(), 3.5);
    EXPECT_EQ(mech.artemisCost(), 450000);
    mech.RemoveWeapon(0);
    EXPECT_DOUBLE_EQ(mech.artemisTonnage(), 2.5);
    mech.setArtemisLRM(0);
    mech.setArtemisSRM(0);
    EXPECT_EQ(mech.artemisTonnage(), 0);
    EXPECT_EQ(mech.artemisCost(), 0);
}

TEST_F(Arithmetic, TurretsSumAllocatedTurretWeaponsPerSide) {
    mech.setTonnage(60);
    const auto mount = [&](std::int16_t refID, std::int16_t loc, bool turret) {
        const std::int16_t wi = mech.AddWeapon(refID);
        mech.AlterWeapon(wi, loc, 0, true);
        mech.TSetWeaponIdxGlobal(wi);
        mech.currentWeapon().turretMounted = turret;
        mech.UpdateGlobalWeaponIdx(wi);
        return wi;
    };
    mount(kPPC, 1, true);         // 0.7
    mount(kMediumLaser, 1, true); // 0.1
    mount(kLargeLaser, 4, true);  // 0.5
    mount(kAC20, 4, false);       // not in the turret
    mount(kAC5, 6, true);         // not a side torso
    EXPECT_DOUBLE_EQ(mech.ltTurretTonnage(), 1);
    EXPECT_DOUBLE_EQ(mech.rtTurretTonnage(), 0.5);
    mech.setFractionalAccounting(true);
    EXPECT_NEAR(mech.ltTurretTonnage(), 0.8, 1e-12);
    EXPECT_DOUBLE_EQ(mech.rtTurretTonnage(), 0.5);
}

TEST_F(Arithmetic, MaxHeatByEngineAndJumpJets) {
    const struct {
        std::int16_t engineType, jumping, jetType;
        bool nullSig;
        int heat;
    } cases[] = {
        {0, 0, 0, false, 2}, {2, 0, 0, false, 4},  {0, 3, 0, false, 3}, {0, 5, 0, false, 5},
        {2, 3, 0, false, 6}, {2, 5, 0, false, 10}, {0, 6, 1, false, 3}, {0, 8, 1, false, 4},
        {0, 7, 1, false, 4}, {5, 6, 1, false, 3},  {5, 8, 1, false, 8}, {0, 0, 0, true, 12},
        {1, 4, 0, false, 4}, {5, 2, 0, false, 6},
    };
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        m.setEngineType(c.engineType);
        m.setJumping(c.jumping);
        m.setJumpJetType(c.jetType);
        m.setNullSigSys(c.nullSig);
        EXPECT_EQ(m.MaxHeat(), c.heat) << c.engineType << " " << c.jumping << " " << c.jetType;
        m.AddWeapon(kPPC);
        m.AddWeapon(kMachineGun);    // no heat
        m.AddWeapon(kNotApplicable); // negative heat counts as 0
        EXPECT_EQ(m.MaxHeat(), c.heat + 10);
        EXPECT_EQ(m.maxHeatValue(), c.heat + 10);
    }
}

TEST_F(Arithmetic, WeaponSumsSkipNotApplicableValues) {
    mech.AddWeapon(kNotApplicable);
    mech.AddWeapon(kMediumLaser);
    EXPECT_DOUBLE_EQ(mech.weaponTonnage(), 1);
    EXPECT_EQ(mech.weaponHeat(), 3);
}

// A design with every kind of part, each of its own weight: the total counts each of them once.
TEST_F(Arithmetic, TotalIsTheSumOfEveryPart) {
    mech.setTonnage(50);
    mech.setWalking(5);
    mech.setMechType(2); // LAM
    mech.setTargSysType(3);
    mech.SetArmor(6, 32);
    mech.setJumping(2);
    mech.setHSCount(12);
    mech.setMASC(1);
    mech.ArmoredSlotData(3, 5);
    mech.SetCase(1, 1);
    mech.setPhysicalType(4);
    mech.setLAPhysical(true);
    mech.setSupercharger(true);
    mech.setArtemisLRM(1);
    for (const auto& [refID, loc] : {std::pair{kLRM20, 1}, std::pair{kMediumLaser, 4}}) {
        const std::int16_t wi = mech.AddWeapon(refID);
        mech.AlterWeapon(wi, loc, 0, true);
        mech.TSetWeaponIdxGlobal(wi);
        mech.currentWeapon().turretMounted = true;
        mech.UpdateGlobalWeaponIdx(wi);
    }
    EXPECT_DOUBLE_EQ(mech.armoredSlotTonnage(), 1.5);
    EXPECT_EQ(mech.armoredSlots(), 5);
    const double parts[] = {
        mech.cockpitTonnage(), mech.engineTonnage(),      mech.targSysTonnage(),
        mech.weaponTonnage(),  mech.isTonnage(),          mech.armorTonnage(),
        mech.jumpJetTonnage(), mech.gyroTonnage(),        mech.hsTonnage(),
        mech.mascTonnage(),    mech.armoredSlotTonnage(), mech.caseTonnage(),
        mech.lamTonnage(),     mech.physicalTonnage(),    mech.superchargerTonnage(),
        mech.artemisTonnage(), mech.ltTurretTonnage(),    mech.rtTurretTonnage()};
    double sum = 0;
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        EXPECT_GT(parts[i], 0) << "part " << i;
        sum += parts[i];
    }
    EXPECT_DOUBLE_EQ(mech.totalTonnage(), std::round(sum * 100) / 100);
    EXPECT_DOUBLE_EQ(mech.freeTonnage(), std::round((50 - sum) * 100) / 100);
}

TEST_F(Arithmetic, TotalAndFreeTonnageRoundToTwoDecimals) {
    mech.setTonnage(25);
    mech.setFractionalAccounting(true);
    mech.setWalking(5);    // 125: 4 tons fusion
    mech.setEngineType(2); // XXL: 1.33
    mech.setArmorType(1);
    mech.SetArmor(6, 100); // 100 / 17.92 = 5.58
    const double sum = mech.cockpitTonnage() + mech.engineTonnage() + mech.isTonnage() +
                       mech.armorTonnage() + mech.gyroTonnage();
    EXPECT_DOUBLE_EQ(mech.engineTonnage(), 1.33);
    EXPECT_DOUBLE_EQ(mech.totalTonnage(), std::round(sum * 100) / 100);
    EXPECT_DOUBLE_EQ(mech.totalTonnage(), 14.41); // 3 + 1.33 + 2.5 + 5.58 + 2
    EXPECT_DOUBLE_EQ(mech.freeTonnage(), 10.59);
}

TEST_F(Arithmetic, FractionalAccountingRecomputesEveryTonnageOnChangeOnly) {
    mech.setTonnage(55);
    mech.setWalking(5);
    mech.setEngineType(1);
    mech.setISType(1);
    mech.SetArmor(6, 150);
    mech.setMASC(1);
    EXPECT_DOUBLE_EQ(mech.engineTonnage(), 8); // 15.5 / 2 = 7.75
    mech.setFractionalAccounting(true);
    EXPECT_DOUBLE_EQ(mech.engineTonnage(), 7.75);
    EXPECT_DOUBLE_EQ(mech.isTonnage(), 2.75);
    EXPECT_DOUBLE_EQ(mech.armorTonnage(), 9.38);
    EXPECT_DOUBLE_EQ(mech.mascTonnage(), 2.75);
    mech.setFractionalAccounting(false);
    EXPECT_DOUBLE_EQ(mech.engineTonnage(), 8);
    EXPECT_DOUBLE_EQ(mech.isTonnage(), 3);
    EXPECT_DOUBLE_EQ(mech.armorTonnage(), 9.5);
    EXPECT_DOUBLE_EQ(mech.mascTonnage(), 3);
}

TEST_F(Arithmetic, RecalcAllRebuildsFiguresFromRestoredInputs) {
    mech.setTonnage(50);
    mech.setWalking(5);
    mech.AddWeapon(kPPC);
    mech.SetArmor(6, 40);
    const MechFields good = mech.fields();
    MechFields stale = good;
    stale.engineTonnage = 99;
    stale.weaponTonnage = 0;
    stale.armorTonnage = 0;
    stale.totalTonnage = 0;
    mech.restoreFields(stale);
    EXPECT_EQ(mech.engineTonnage(), 99); // restored as given
    mech.RecalcAll();
    EXPECT_EQ(mech.fields(), good);
}

// Over every armour type, tech base and point count a design can carry: the free points never
// cost anything, and one point more always does.
TEST(ArmorFree, IsExactlyWhatTheBoughtTonnageStillHolds) {
    testkit::Kit kit;
    for (std::int16_t techBase = 0; techBase < 3; ++techBase) {
        for (std::int16_t type = 0; type < 7; ++type) {
            Mech mech(kit.ctx);
            mech.setTechBase(techBase);
            mech.setArmorType(type);
            for (std::int16_t points = 0; points <= 400; ++points) {
                mech.SetArmor(6, points);
                const double tons = mech.armorTonnage();
                const std::int16_t free = mech.armorFree();
                ASSERT_GE(free, 0);
                mech.SetArmor(6, static_cast<std::int16_t>(points + free));
                ASSERT_DOUBLE_EQ(mech.armorTonnage(), tons) << points << " " << type;
                mech.SetArmor(6, static_cast<std::int16_t>(points + free + 1));
                ASSERT_GT(mech.armorTonnage(), tons) << points << " " << type;
            }
        }
    }
}

} // namespace
} // namespace fpw::model
