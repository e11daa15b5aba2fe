#include <gtest/gtest.h>

#include "model/mech.h"
#include "model/modeltestkit.h"

namespace fpw::model {
namespace {

using namespace testkit;

std::vector<std::int16_t> liveIndices(const Mech& mech) {
    std::vector<std::int16_t> out;
    for (const WeaponEntry& w : mech.weapons()) {
        if (!w.isFree()) {
            out.push_back(w.weaponIndex);
        }
    }
    return out;
}

class WeaponList : public ::testing::Test {
protected:
    Kit kit;
    Mech mech{kit.ctx};
};

TEST_F(WeaponList, InstanceNumbersFillTheLowestGapAndSurviveRemoval) {
    EXPECT_EQ(mech.AddWeapon(kMediumLaser), 0);
    EXPECT_EQ(mech.AddWeapon(kPPC), 1);
    EXPECT_EQ(mech.AddWeapon(kAC5), 2);
    mech.RemoveWeapon(1);
    EXPECT_EQ(mech.WeaponCount(), 2);
    EXPECT_EQ(liveIndices(mech), (std::vector<std::int16_t>{0, 2}));
    // Compaction keeps order and instance numbers and drops the freed element.
    ASSERT_EQ(mech.weapons().size(), 2u);
    EXPECT_EQ(mech.weapons()[0].refID, kMediumLaser);
    EXPECT_EQ(mech.weapons()[1].refID, kAC5);

    EXPECT_EQ(mech.AddWeapon(kLRM10), 1);
    EXPECT_EQ(mech.AddWeapon(kSRM2), 3);
    EXPECT_EQ(liveIndices(mech), (std::vector<std::int16_t>{0, 2, 1, 3}));
}

TEST_F(WeaponList, NewEntryIsUnplacedWithZeroFields) {
    WeaponEntry added;
    const std::int16_t wi = mech.AddWeapon(kPPC, true, &added);
    EXPECT_EQ(added.refID, kPPC);
    EXPECT_EQ(added.weaponIndex, wi);
    EXPECT_EQ(added.locations, std::vector<std::int16_t>{-1});
    EXPECT_EQ(added.startCrit, 0);
    EXPECT_FALSE(added.allocated || added.rearMounted || added.baseOmni || added.turretMounted ||
                 added.spread);
}

TEST_F(WeaponList, RemovingTheLastWeaponLeavesTheSingleFreeElement) {
    mech.AddWeapon(kMediumLaser);
    mech.AddWeapon(kMediumLaser);
    mech.RemoveWeapon(0);
    mech.RemoveWeapon(1);
    ASSERT_EQ(mech.weapons().size(), 1u);
    EXPECT_TRUE(mech.weapons()[0].isFree());
    EXPECT_EQ(mech.weaponTonnage(), 0);
    EXPECT_EQ(mech.WeaponCount(), 0);
    EXPECT_FALSE(mech.TSetWeaponGlobal(1));
    EXPECT_EQ(mech.AddWeapon(kPPC), 0);
    EXPECT_EQ(mech.weapons().size(), 1u);
}

TEST_F(WeaponList, RemovingAnUnknownInstanceChangesNothing) {
    mech.AddWeapon(kMediumLaser);
    const auto before = mech.weapons();
    mech.RemoveWeapon(5);
    mech.RemoveWeapon(-1); // the free elements' number must not match either
    EXPECT_EQ(mech.weapons(), before);
}

TEST_F(WeaponList, AddWeaponRefusesAnIndexOutsideTheTable) {
    EXPECT_EQ(mech.AddWeapon(kWeaponCount), -1);
    EXPECT_EQ(mech.AddWeapon(-3), -1);
    EXPECT_EQ(mech.WeaponCount(), 0);
    ASSERT_EQ(kit.user.messages.size(), 2u);
    EXPECT_NE(kit.user.messages[0].text.find("Mech.AddWeapon"), std::string::npos);
    EXPECT_NE(kit.user.messages[0].text.find("Subscript out of range"), std::string::npos);
}

TEST_F(WeaponList, AddWithoutRecalculationLeavesTheFiguresForLater) {
    mech.AddWeapon(kPPC, false);
    EXPECT_EQ(mech.weaponTonnage(), 0);
    mech.CalcWeaponTonnage();
    EXPECT_EQ(mech.weaponTonnage(), 7);
    EXPECT_EQ(mech.weaponHeat(), 10);
}

TEST_F(WeaponList, AlterWeaponPlacesAndUnplaces) {
    const std::int16_t wi = mech.AddWeapon(kPPC);
    mech.AlterWeapon(wi, 4, 3, true);
    ASSERT_TRUE(mech.TSetWeaponIdxGlobal(wi));
    EXPECT_EQ(mech.currentWeapon().locations, std::vector<std::int16_t>{4});
    EXPECT_EQ(mech.currentWeapon().startCrit, 3);
    EXPECT_TRUE(mech.currentWeapon().allocated);

    // Flags that unplacing clears, and the ones it keeps.
    mech.currentWeapon().rearMounted = true;
    mech.currentWeapon().spread = true;
    mech.currentWeapon().baseOmni = true;
    mech.currentWeapon().locations = {4, 6};
    mech.UpdateGlobalWeaponIdx(wi);
    mech.AlterWeapon(wi, 0, 0, false);
    ASSERT_TRUE(mech.TSetWeaponIdxGlobal(wi));
    const WeaponEntry& w = mech.currentWeapon();
    EXPECT_EQ(w.locations, std::vector<std::int16_t>{-1});
    EXPECT_EQ(w.startCrit, -1);
    EXPECT_FALSE(w.allocated || w.rearMounted || w.spread || w.turretMounted);
    EXPECT_TRUE(w.baseOmni);
    EXPECT_EQ(w.refID, kPPC);
}

TEST_F(WeaponList, AlterWeaponRefusesABadLocationAndIgnoresUnknownInstances) {
    const std::int16_t wi = mech.AddWeapon(kPPC);
    const auto before = mech.weapons();
    mech.AlterWeapon(wi, 8, 0, true);
    mech.AlterWeapon(wi, 2, 12, true);
    EXPECT_EQ(mech.weapons(), before);
    EXPECT_EQ(kit.user.messages.size(), 2u);
    mech.AlterWeapon(9, 2, 0, true);
    EXPECT_EQ(mech.weapons(), before);
    EXPECT_EQ(kit.user.messages.size(), 2u);
}

TEST_F(WeaponList, CurrentWeaponLookupsCountLiveEntriesFromOne) {
    mech.AddWeapon(kMediumLaser); // 0
    mech.AddWeapon(kPPC);         // 1
    mech.AddWeapon(kAC5);         // 2
    mech.RemoveWeapon(0);
    ASSERT_TRUE(mech.TSetWeaponGlobal(1));
    EXPECT_EQ(mech.currentWeapon().refID, kPPC);
    ASSERT_TRUE(mech.TSetWeaponGlobal(2));
    EXPECT_EQ(mech.currentWeapon().refID, kAC5);
    EXPECT_FALSE(mech.TSetWeaponGlobal(3));
    EXPECT_FALSE(mech.TSetWeaponGlobal(0));
    EXPECT_EQ(mech.currentWeapon().refID, kAC5); // a failed lookup leaves it alone
    EXPECT_FALSE(mech.TSetWeaponIdxGlobal(0));
    ASSERT_TRUE(mech.TSetWeaponIdxGlobal(1));
    EXPECT_EQ(mech.currentWeapon().refID, kPPC);
}

TEST_F(WeaponList, FirstLiveEntryIsFoundBehindAFreeElement) {
    // A list read from elsewhere may start with a free element.
    WeaponEntry live;
    live.refID = kFlamer;
    live.weaponIndex = 4;
    std::vector<WeaponEntry> list{freeWeaponEntry(), live};
    mech.setWeapons(list);
    ASSERT_TRUE(mech.TSetWeaponGlobal(1));
    EXPECT_EQ(mech.currentWeapon().weaponIndex, 4);
}

TEST_F(WeaponList, UpdateWritesBackKeepingTheInstanceNumberAndRecalculates) {
    mech.setTonnage(50);
    mech.AddWeapon(kMediumLaser); // 0
    mech.AddWeapon(kPPC);         // 1
    ASSERT_TRUE(mech.TSetWeaponIdxGlobal(1));
    mech.currentWeapon().weaponIndex = 0; // would duplicate instance 0
    mech.currentWeapon().refID = kAC20;
    mech.UpdateGlobalWeaponIdx(1);
    EXPECT_EQ(liveIndices(mech), (std::vector<std::int16_t>{0, 1}));
    EXPECT_EQ(mech.weapons()[1].refID, kAC20);
    EXPECT_EQ(mech.weaponTonnage(), 15);
    // An emptied location list comes back as "unplaced", never as no location at all.
    mech.currentWeapon().locations.clear();
    mech.UpdateGlobalWeaponIdx(1);
    EXPECT_EQ(mech.weapons()[1].locations, (std::vector<std::int16_t>{-1}));

    const auto before = mech.weapons();
    mech.currentWeapon().refID = -1; // a free element never replaces a live one
    mech.UpdateGlobalWeaponIdx(1);
    mech.currentWeapon().refID = kPPC;
    mech.UpdateGlobalWeaponIdx(7); // no such instance
    EXPECT_EQ(mech.weapons(), before);
}

TEST_F(WeaponList, TurretWeightFollowsPlacementChanges) {
    mech.setTonnage(50);
    mech.setLTTurret(true);
    const std::int16_t wi = mech.AddWeapon(kAC20);
    mech.AlterWeapon(wi, 1, 0, true);
    ASSERT_TRUE(mech.TSetWeaponIdxGlobal(wi));
    mech.currentWeapon().turretMounted = true;
    mech.UpdateGlobalWeaponIdx(wi);
    EXPECT_EQ(mech.ltTurretTonnage(), 1.5); // 14 / 10 up to the half ton
    EXPECT_EQ(mech.rtTurretTonnage(), 0);
    mech.AlterWeapon(wi, 0, 0, false);
    EXPECT_EQ(mech.ltTurretTonnage(), 0);
}

struct AmmoCase {
    const char* name;
    std::vector<std::int16_t> weapons;
    bool valid;
};

class ValidAmmoTable : public ::testing::TestWithParam<AmmoCase> {};

TEST_P(ValidAmmoTable, Matches) {
    Kit kit;
    Mech mech(kit.ctx);
    for (std::int16_t w : GetParam().weapons) {
        mech.AddWeapon(w);
    }
    EXPECT_EQ(mech.ValidAmmo(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Model, ValidAmmoTable,
    ::testing::Values(AmmoCase{"NoWeapons", {}, true},
                      AmmoCase{"EnergyOnly", {kMediumLaser, kPPC, kFlamer}, true},
                      AmmoCase{"WeaponWithoutAmmo", {kAC20}, false},
                      AmmoCase{"WeaponWithWrongAmmo", {kAC20, kAmmoLRM}, false},
                      AmmoCase{"WeaponWithItsAmmo", {kAC20, kAmmoAC20}, true},
                      AmmoCase{"OneOfTwoFed", {kAC20, kLRM20, kAmmoLRM}, false},
                      AmmoCase{"LaunchersShareAmmo", {kLRM5, kLRM20, kAmmoLRM}, true},
                      // Equipment without ammunition codes never needs any.
                      AmmoCase{"Equipment", {kNotApplicable}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WeaponList, ValidAmmoIgnoresAWeaponWhoseCodesStartWithMinusOne) {
    kit.ctx.weapons[kMachineGun].ammoCodes = {-1, 1};
    mech.AddWeapon(kMachineGun);
    EXPECT_TRUE(mech.ValidAmmo());
    kit.ctx.weapons[kMachineGun].ammoCodes = {};
    EXPECT_TRUE(mech.ValidAmmo());
    kit.ctx.weapons[kMachineGun].ammoCodes = {1};
    EXPECT_FALSE(mech.ValidAmmo());
}

} // namespace
} // namespace fpw::model
