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
    WeaponEntry added;
    EXPECT_EQ(mech.AddWeapon(kMediumLaser), 0);
    EXPECT_EQ(mech.AddWeapon(kPPC, false, &added), 1);
    EXPECT_EQ(mech.weaponTonnage(), 1); // the PPC waits for a recalculation
    EXPECT_EQ(added, mech.weapons()[1]);
    EXPECT_EQ(added.locations, std::vector<std::int16_t>{-1}); // unplaced, every flag clear
    EXPECT_FALSE(added.allocated || added.rearMounted || added.baseOmni || added.turretMounted ||
                 added.spread || added.startCrit != 0);
    EXPECT_EQ(mech.AddWeapon(kAC5), 2);
    EXPECT_EQ(mech.weaponTonnage(), 16);
    mech.RemoveWeapon(1);
    // Compaction keeps order and instance numbers and drops the freed element.
    ASSERT_EQ(mech.weapons().size(), 2u);
    EXPECT_EQ(mech.weapons()[1].refID, kAC5);
    EXPECT_EQ(mech.WeaponCount(), 2);
    EXPECT_EQ(mech.AddWeapon(kLRM10), 1);
    EXPECT_EQ(mech.AddWeapon(kSRM2), 3);
    EXPECT_EQ(liveIndices(mech), (std::vector<std::int16_t>{0, 2, 1, 3}));
    for (const std::int16_t wi : {0, 1, 2, 3}) {
        mech.RemoveWeapon(wi);
    }
    // The last removal leaves the single free element.
    ASSERT_EQ(mech.weapons().size(), 1u);
    EXPECT_TRUE(mech.weapons()[0].isFree());
    EXPECT_EQ(mech.weaponTonnage(), 0);
    EXPECT_FALSE(mech.TSetWeaponGlobal(1));
    EXPECT_EQ(mech.AddWeapon(kPPC), 0);
    EXPECT_EQ(mech.weapons().size(), 1u);
}

TEST_F(WeaponList, RefusalsChangeNothing) {
    const std::int16_t wi = mech.AddWeapon(kPPC);
    const auto before = mech.weapons();
    mech.RemoveWeapon(5);
    mech.RemoveWeapon(-1); // the free elements' number must not match either
    EXPECT_EQ(mech.AddWeapon(kWeaponCount), -1);
    EXPECT_EQ(mech.AddWeapon(-3), -1);
    mech.AlterWeapon(wi, 8, 0, true);
    mech.AlterWeapon(wi, 2, 12, true);
    mech.AlterWeapon(9, 2, 0, true); // an unknown instance, ignored without a report
    EXPECT_EQ(mech.weapons(), before);
    ASSERT_EQ(kit.user.messages.size(), 4u);
    EXPECT_NE(kit.user.messages[0].text.find("Mech.AddWeapon"), std::string::npos);
    EXPECT_NE(kit.user.messages[0].text.find("Subscript out of range"), std::string::npos);
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

TEST_F(WeaponList, CurrentWeaponLookupsCountLiveEntriesFromOne) {
    // A list read from elsewhere may start with a free element.
    std::vector<WeaponEntry> list(4, freeWeaponEntry());
    for (const auto& [at, refID, wi] : {std::tuple{1, kPPC, 1}, {2, kAC5, 2}, {3, kFlamer, 4}}) {
        list[at].refID = refID;
        list[at].weaponIndex = static_cast<std::int16_t>(wi);
    }
    mech.setWeapons(list);
    ASSERT_TRUE(mech.TSetWeaponGlobal(1));
    EXPECT_EQ(mech.currentWeapon().refID, kPPC);
    ASSERT_TRUE(mech.TSetWeaponGlobal(3));
    EXPECT_EQ(mech.currentWeapon().refID, kFlamer);
    EXPECT_FALSE(mech.TSetWeaponGlobal(4));
    EXPECT_FALSE(mech.TSetWeaponGlobal(0));
    EXPECT_EQ(mech.currentWeapon().refID, kFlamer); // a failed lookup leaves it alone
    EXPECT_FALSE(mech.TSetWeaponIdxGlobal(0));
    ASSERT_TRUE(mech.TSetWeaponIdxGlobal(2));
    EXPECT_EQ(mech.currentWeapon().refID, kAC5);
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

TEST_F(WeaponList, EveryWeaponThatFiresAmmunitionHasSome) {
    const struct {
        const char* name;
        std::vector<std::int16_t> weapons;
        bool valid;
    } cases[] = {{"no weapons", {}, true},
                 {"energy only", {kMediumLaser, kPPC, kFlamer}, true},
                 {"without ammunition", {kAC20}, false},
                 {"with the wrong ammunition", {kAC20, kAmmoLRM}, false},
                 {"with its ammunition", {kAC20, kAmmoAC20}, true},
                 {"one of two fed", {kAC20, kLRM20, kAmmoLRM}, false},
                 {"launchers share ammunition", {kLRM5, kLRM20, kAmmoLRM}, true},
                 {"equipment without codes", {kNotApplicable}, true}};
    for (const auto& c : cases) {
        Mech m(kit.ctx);
        for (const std::int16_t w : c.weapons) {
            m.AddWeapon(w);
        }
        EXPECT_EQ(m.ValidAmmo(), c.valid) << c.name;
    }
    // A weapon whose codes start with -1, or that has none, needs no ammunition.
    mech.AddWeapon(kMachineGun);
    for (const auto& [codes, valid] : {std::pair{std::vector<std::int16_t>{-1, 1}, true},
                                       {std::vector<std::int16_t>{}, true},
                                       {std::vector<std::int16_t>{1}, false}}) {
        kit.ctx.weapons[kMachineGun].ammoCodes = codes;
        EXPECT_EQ(mech.ValidAmmo(), valid) << codes.size();
    }
}

} // namespace
} // namespace fpw::model
