#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "model/enginetable.h"
#include "model/mech.h"
#include "model/modeltestkit.h"
#include "support/golden.h"

namespace fpw::model {
namespace {

using namespace testkit;

class Arithmetic : public ::testing::Test {
protected:
    Kit kit;
    Mech mech{kit.ctx};
};

// Every construction figure over the inputs it depends on, one row per input setting. Checked
// by hand against the game's construction rules: the engine weights against the rating table
// (XL a half, XXL a third, compact one and a half, each up to the half ton), the gyro at a
// ton per hundred rating points, structure at a tenth of the tonnage (endo steel half,
// reinforced double), jump jets by weight class, MASC at a twentieth (Clan a 25th) rounded to
// whole tons, armour at 16 points a ton (ferro-fibrous 17.92, Clan 19.2) up to the half ton,
// and every row the hand-worked examples of earlier per-figure tests held.
TEST_F(Arithmetic, FiguresOverTheirInputs) {
    std::ostringstream out;
    // Sets each value in turn on `m` and prints the figure after it.
#define FPW_SWEEP(set, figure, ...)                                                                \
    for (const int v : {__VA_ARGS__}) {                                                            \
        m.set(static_cast<std::int16_t>(v));                                                       \
        out << ' ' << figure;                                                                      \
    }                                                                                              \
    out << " |"
    const auto withSize = [](double tons, int size) {
        return std::to_string(tons).substr(0, 4) + "/" + std::to_string(size);
    };
    out << "tonnage walking: running sprinting rating, heat sinks inside (of 14) | engine types "
           "0-6 | the same fractional | gyro types 0-3 | supercharger on fusion, XL | fractional\n";
    for (const int tonnage : {20, 25, 33, 50, 55, 60, 80, 81, 85, 100}) {
        for (const int walking : {0, 3, 4, 5, 6, 8}) {
            Mech m(kit.ctx);
            m.setTonnage(static_cast<std::int16_t>(tonnage));
            m.setWalking(static_cast<std::int16_t>(walking));
            m.setHSCount(14);
            out << tonnage << ' ' << walking << ": " << m.running() << ' ' << m.sprinting() << ' '
                << m.engineRating() << ' ' << m.hsInEngine() << " |";
            FPW_SWEEP(setEngineType, m.engineTonnage(), 0, 1, 2, 3, 4, 5, 6);
            m.setFractionalAccounting(true);
            FPW_SWEEP(setEngineType, m.engineTonnage(), 0, 1, 2, 3, 4, 5, 6);
            m.setFractionalAccounting(false);
            FPW_SWEEP(setGyroType, m.gyroTonnage(), 0, 1, 2, 3);
            m.setSupercharger(true);
            FPW_SWEEP(setEngineType, m.superchargerTonnage(), 0, 1);
            m.setFractionalAccounting(true);
            out << ' ' << m.superchargerTonnage() << '\n';
        }
    }
    out << "tonnage: structure types 0-3 | the same fractional | 3 jump jets of types 0-2 | MASC "
           "tons/slots on tech bases 0-2, fractional | the same standard | physical weapon types "
           "0-4: "
           "tons with the left arm/with both/slots | LAM\n";
    for (const int tonnage : {10, 20, 25, 30, 35, 45, 50, 55, 59, 60, 65, 89, 90, 100}) {
        Mech m(kit.ctx);
        m.setTonnage(static_cast<std::int16_t>(tonnage));
        out << tonnage << ':';
        FPW_SWEEP(setISType, m.isTonnage(), 0, 1, 2, 3);
        m.setFractionalAccounting(true);
        FPW_SWEEP(setISType, m.isTonnage(), 0, 1, 2, 3);
        m.setJumping(3);
        FPW_SWEEP(setJumpJetType, m.jumpJetTonnage(), 0, 1, 2);
        m.setMASC(1);
        FPW_SWEEP(setTechBase, withSize(m.mascTonnage(), m.mascSize()), 0, 1, 2);
        m.setFractionalAccounting(false);
        FPW_SWEEP(setTechBase, withSize(m.mascTonnage(), m.mascSize()), 0, 1, 2);
        m.setLAPhysical(true);
        for (const std::int16_t type : {0, 1, 2, 3, 4}) {
            m.setPhysicalType(type);
            m.setRAPhysical(false);
            out << ' ' << m.physicalTonnage() << '/';
            m.setRAPhysical(true);
            out << withSize(m.physicalTonnage(), m.physicalSize());
        }
        m.setMechType(catalog::kLAM);
        out << " | " << m.lamTonnage() << '\n';
    }
    out << "armour type, tech base: tons for 0 17 18 20 21 96 97 100 150 152 153 200 220 224 304 "
           "points (half in the center torso, half in the left arm) | the same fractional\n";
    for (std::int16_t type = 0; type < 7; ++type) {
        for (std::int16_t techBase = 0; techBase < 3; ++techBase) {
            Mech m(kit.ctx);
            m.setArmorType(type);
            m.setTechBase(techBase);
            out << type << ' ' << techBase << ':';
            for (const bool fractional : {false, true}) {
                m.setFractionalAccounting(fractional);
                for (const int points :
                     {0, 17, 18, 20, 21, 96, 97, 100, 150, 152, 153, 200, 220, 224, 304}) {
                    m.SetArmor(0, static_cast<std::int16_t>(points / 2));
                    m.SetArmor(6, static_cast<std::int16_t>(points - points / 2));
                    out << ' ' << m.armorTonnage();
                }
                out << " |";
            }
            out << '\n';
        }
    }
    // The weapons add 10: a machine gun makes no heat, a "not applicable" heat counts as 0.
    out << "engine type, jump jet type, null signature: the heat of 0-8 jumping with a PPC, a "
           "machine gun and a gadget\n";
    for (const int engine : {0, 1, 2, 5}) {
        for (const int jets : {0, 1}) {
            for (const bool nullSig : {false, true}) {
                Mech m(kit.ctx);
                m.setEngineType(static_cast<std::int16_t>(engine));
                m.setJumpJetType(static_cast<std::int16_t>(jets));
                m.setNullSigSys(nullSig);
                for (const std::int16_t w : {kPPC, kMachineGun, kNotApplicable}) {
                    m.AddWeapon(w);
                }
                out << engine << ' ' << jets << ' ' << nullSig << ':';
                FPW_SWEEP(setJumping, m.MaxHeat(), 0, 1, 2, 3, 4, 5, 6, 7, 8);
                out << '\n';
            }
        }
    }
    Mech m(kit.ctx);
    out << "cockpit types 0-5:";
    FPW_SWEEP(setCockpitType, m.cockpitTonnage(), 0, 1, 2, 3, 4, 5);
    out << "\ntargeting types 0-6, tons/computer size:";
    FPW_SWEEP(setTargSysType, withSize(m.targSysTonnage(), m.tcSize()), 0, 1, 2, 3, 4, 5, 6);
    out << "\nheat sink types 0-4, tons for 8 10 12 15 20 sinks:";
    for (std::int16_t type = 0; type < 5; ++type) {
        m.setHSType(type);
        FPW_SWEEP(setHSCount, m.hsTonnage(), 8, 10, 12, 15, 20);
    }
#undef FPW_SWEEP
    out << "\nCASE settings per location: tons on tech bases 0-2\n";
    for (const std::string settings : {"0100100", "0200002", "0100200", "2200001", "5000000"}) {
        for (int loc = 0; loc < 7; ++loc) {
            m.SetCase(loc,
                      static_cast<std::int16_t>(settings[static_cast<std::size_t>(loc)] - '0'));
        }
        out << settings << ':';
        for (const std::int16_t techBase : {0, 1, 2}) {
            m.setTechBase(techBase);
            out << ' ' << m.caseTonnage();
        }
        out << '\n';
    }
    // Linkable weapons only, a "not applicable" tonnage as 0, divided by 4 (Inner Sphere) or 5.
    out << "targeting computer size without one, then on tech bases 0-2, for an AC/10 | with a "
           "small laser | with a medium laser | a flamer and a machine gun | a gadget and a PPC "
           "| nothing:";
    for (const auto& weapons :
         std::initializer_list<std::vector<std::int16_t>>{{kAC10},
                                                          {kAC10, kSmallLaser},
                                                          {kAC10, kMediumLaser},
                                                          {kFlamer, kMachineGun},
                                                          {kNotApplicable, kPPC},
                                                          {}}) {
        Mech tc(kit.ctx);
        for (const std::int16_t w : weapons) {
            tc.AddWeapon(w);
        }
        out << ' ' << tc.DetermineTCSize();
        tc.setTargSysType(7);
        for (const std::int16_t techBase : {0, 1, 2}) {
            tc.setTechBase(techBase);
            out << ' ' << withSize(tc.targSysTonnage(), tc.DetermineTCSize());
        }
        out << " |";
    }
    out << "\nArtemis tons/cost for an LRM-20, an LRM-5, an SRM-6 and an AC/5 with LRM and SRM "
           "settings 0-2:";
    Mech artemis(kit.ctx);
    for (const std::int16_t w : {kLRM20, kLRM5, kSRM6, kAC5}) {
        artemis.AddWeapon(w);
    }
    for (const std::int16_t lrm : {0, 1, 2}) {
        for (const std::int16_t srm : {0, 1, 2}) {
            artemis.setArtemisLRM(lrm);
            artemis.setArtemisSRM(srm);
            out << ' ' << artemis.artemisTonnage() << '/' << artemis.artemisCost();
        }
    }
    out << '\n';
    testing::expectMatchesGolden(out.str(), FPW_TESTS_SOURCE_DIR "/model/golden/figures.txt");
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

TEST_F(Arithmetic, TurretsSumAllocatedTurretWeaponsPerSide) {
    mech.setTonnage(60);
    mount(mech, kPPC, 1, true);         // 0.7
    mount(mech, kMediumLaser, 1, true); // 0.1
    mount(mech, kLargeLaser, 4, true);  // 0.5
    mount(mech, kAC20, 4);              // not in the turret
    mount(mech, kAC5, 6, true);         // not a side torso
    EXPECT_DOUBLE_EQ(mech.ltTurretTonnage(), 1);
    mech.AlterWeapon(0, 0, 0, false); // unplacing takes the weapon out of the turret
    EXPECT_DOUBLE_EQ(mech.ltTurretTonnage(), 0.5);
    EXPECT_DOUBLE_EQ(mech.rtTurretTonnage(), 0.5);
    mech.setFractionalAccounting(true);
    EXPECT_NEAR(mech.ltTurretTonnage(), 0.1, 1e-12);
    EXPECT_DOUBLE_EQ(mech.rtTurretTonnage(), 0.5);
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
    mount(mech, kLRM20, 1, true);
    mount(mech, kMediumLaser, 4, true);
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
