// Locking an OmniMech's base chassis and keeping, switching and deleting its configurations.
#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "io/designkit.h"
#include "model/mech.h"

namespace fpw::model {
namespace {

using testing::designkit::Kit;
namespace dk = testing::designkit;

int liveCount(const Mech& mech, std::int16_t refID) {
    int n = 0;
    for (const WeaponEntry& w : mech.weapons()) {
        n += (!w.isFree() && w.refID == refID) ? 1 : 0;
    }
    return n;
}

class LockedOmni : public ::testing::Test {
protected:
    LockedOmni() : mech(dk::omniChassis(kit.ctx)) {
        chassisFree = mech.freeTonnage();
        EXPECT_TRUE(mech.LockBaseOmni());
        EXPECT_TRUE(mech.AddNewVariant("Prime"));
        mech.SetInitialOmniConfig("Prime");
        base = mech.omniState().base;
    }

    const OmniConfig& config(std::string_view name) {
        return mech.omniState()
            .configs[static_cast<std::size_t>(findOmniConfig(mech.omniState().configs, name))];
    }

    Kit kit;
    Mech mech;
    double chassisFree = 0;
    OmniBaseChassis base;
};

TEST_F(LockedOmni, TheFirstConfigurationHoldsTheBaseChassisAndLocksOnlyOnce) {
    EXPECT_TRUE(mech.omniBaseLocked());
    EXPECT_EQ(mech.baseFreeTonnage(), chassisFree);
    EXPECT_EQ(mech.OmniConfigCount(), 1);
    const OmniConfig& prime = config("Prime");
    EXPECT_EQ(prime.values.hsCount, 12);
    EXPECT_EQ(mech.baseOmniHeatSinks(), 12);
    EXPECT_EQ(prime.values.jumping, mech.omniBaseJumping());
    ASSERT_EQ(prime.weapons.WeaponCount(), 1);
    EXPECT_EQ(prime.weapons.GetWeapon(1)->refID, dk::kPPC);
    EXPECT_TRUE(prime.weapons.GetWeapon("0")->baseOmni);
    EXPECT_TRUE(mech.weapons().front().baseOmni);
    EXPECT_EQ(prime.slots.GetLoc(4).slots(), base.slots.GetLoc(4).slots());
    EXPECT_EQ(base.slots.configName(), "Base");

    EXPECT_FALSE(mech.LockBaseOmni());
    EXPECT_EQ(mech.omniState().base, base);
    Mech quad = dk::quadDesign(kit.ctx); // no omni
    EXPECT_FALSE(quad.LockBaseOmni() || quad.omniBaseLocked() || quad.AddNewVariant("Prime"));
}

TEST_F(LockedOmni, LockingFixesOccupiedSlotsButNotArmourOrStructure) {
    for (int loc = 0; loc < kSlotLocations; ++loc) {
        for (const CriticalSlot& slot : base.slots.GetLoc(loc).slots()) {
            const bool armourOrStructure = catalog::genItemBaseCode(slot.itemID) == catalog::cArm ||
                                           catalog::genItemBaseCode(slot.itemID) == catalog::cIS;
            EXPECT_EQ(slot.isLocked, slot.isActive && !armourOrStructure)
                << loc << "/" << slot.index << " " << slot.text;
            EXPECT_EQ(mech.critLocation(loc).IsLockedSlot(slot.index), slot.isLocked);
        }
    }
    EXPECT_FALSE(base.slots.TIsBaseItem(0, 11)); // the armour slot "cArm1"
    EXPECT_TRUE(base.slots.TIsBaseItem(4, 3));   // the PPC

    // The first slot of a location is no exception.
    Mech other = dk::omniChassis(kit.ctx);
    dk::placeItem(other, catalog::cHS, "Heat Sink", catalog::kLeftTorso, 0);
    ASSERT_TRUE(other.LockBaseOmni());
    EXPECT_TRUE(other.critLocation(catalog::kLeftTorso).IsLockedSlot(0));
}

TEST_F(LockedOmni, VariantNamesAreKeptUniqueAndAtMost25Characters) {
    const struct {
        const char* name;
        const char* kept; // empty when refused
    } cases[] = {
        {"Alpha", "Alpha"},
        {"alpha", ""},
        {"", ""},
        {"  Beta  ", "Beta"},
        {"A Thirty Character Long Name!", "A Thirty Character Long N"},
        {"A Thirty Character Long Name?", ""}, // the same first 25 characters
        {"Twenty-four characters x y", "Twenty-four characters x"},
    };
    for (const auto& c : cases) {
        const int before = mech.OmniConfigCount();
        EXPECT_EQ(mech.AddNewVariant(c.name), *c.kept != '\0') << c.name;
        EXPECT_EQ(mech.GetOmniConfigName(before), c.kept) << c.name;
    }
    EXPECT_EQ(mech.GetOmniConfigName(99), "");
    // The initial configuration takes the stored spelling; a name never stored is kept as
    // given but cannot be saved.
    mech.SetInitialOmniConfig("twenty-four characters x");
    EXPECT_EQ(mech.currentConfig(), "Twenty-four characters x");
    mech.SetInitialOmniConfig("Gamma");
    EXPECT_EQ(mech.currentConfig(), "Gamma");
    EXPECT_FALSE(mech.SaveCurrentConfig());
}

// Every value a configuration holds comes back, with its figures recalculated, after a switch
// to another configuration and back.
TEST_F(LockedOmni, ASwitchStoresTheCurrentConfigurationFirst) {
    ASSERT_TRUE(mech.AddNewVariant("Alpha"));
    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", true));
    dk::placeWeapon(mech, dk::kMediumLaser, 0, 2);
    dk::placeWeapon(mech, dk::kSRM6, 1, 0);
    mech.setHSCount(16);
    mech.setJumping(4);
    mech.SetCase(1, catalog::kStandardCase);
    mech.SetLAActuator(2, true);
    const auto alphaSlots = mech.critLocations();
    const MechFields alpha = mech.fields();

    ASSERT_TRUE(mech.ChangeOmniConfig("prime", true)); // letter case does not matter
    EXPECT_EQ(mech.currentConfig(), "Prime");
    EXPECT_EQ(mech.WeaponCount(), 1);
    EXPECT_EQ(mech.hsCount(), 12);
    EXPECT_EQ(mech.GetCASE(1), 0);
    EXPECT_FALSE(mech.GetLAActuator(2));
    EXPECT_FALSE(mech.critLocation(0).IsOccupied(2));
    EXPECT_NE(mech.totalTonnage(), alpha.totalTonnage);

    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", true));
    EXPECT_EQ(liveCount(mech, dk::kMediumLaser), 1);
    EXPECT_EQ(liveCount(mech, dk::kSRM6), 1);
    EXPECT_EQ(mech.fields(), alpha);
    EXPECT_EQ(mech.critLocations(), alphaSlots);
    EXPECT_EQ(mech.omniState().base, base);
}

// A switch sets a configuration's values all at once and recomputes the figures once after:
// whichever configuration came before, they must equal a full recomputation.
TEST_F(LockedOmni, ASwitchLeavesEveryFigureAsAFullRecomputationGivesIt) {
    ASSERT_TRUE(mech.AddNewVariant("Alpha"));
    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", true));
    // Every value a configuration keeps differs from Prime's; 16 heat sinks are more than the
    // engine holds, Prime's 12 fewer.
    mech.setHSCount(16);
    mech.setJumping(3);
    mech.setPhysicalType(catalog::physical::kHatchet);
    mech.setLAPhysical(true);
    mech.setTargSysType(catalog::targeting::kVariableRange);
    mech.setArtemisLRM(catalog::kArtemisIV);
    mech.SetCase(1, catalog::kCaseII); // standard CASE weighs nothing on this Clan design
    dk::placeWeapon(mech, dk::kLRM10, 4, 6);
    ASSERT_TRUE(mech.SaveCurrentConfig());

    for (const char* name : {"Prime", "Alpha", "Alpha", "Prime"}) {
        ASSERT_TRUE(mech.ChangeOmniConfig(name, false));
        Mech recomputed = mech;
        recomputed.RecalcAll();
        EXPECT_EQ(mech.fields(), recomputed.fields()) << name;
    }
    EXPECT_EQ(mech.hsTonnage(), 2);
    EXPECT_EQ(mech.hsInEngine(), 12);
}

TEST_F(LockedOmni, ChangesNeverReachTheBaseOrAnotherConfiguration) {
    ASSERT_TRUE(mech.AddNewVariant("Alpha"));
    ASSERT_TRUE(mech.AddNewVariant("Beta"));
    const OmniConfig betaBefore = config("Beta");

    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", true));
    dk::placeWeapon(mech, dk::kLRM10, 4, 6);
    mech.critLocation(6).SetArmored(true, "cEng1");
    mech.critLocation(0).ClearSlot(11); // the armour slot may move in a configuration
    mech.setJumping(2);
    ASSERT_TRUE(mech.SaveCurrentConfig());

    EXPECT_EQ(config("Beta"), betaBefore);
    EXPECT_EQ(mech.omniState().base, base);
    EXPECT_EQ(config("Prime").slots.GetLoc(0).GetSlot(11)->itemID, "cArm1");
    EXPECT_TRUE(config("Alpha").slots.GetLoc(6).GetSlot(0)->isArmored);
    EXPECT_FALSE(config("Prime").slots.GetLoc(6).GetSlot(0)->isArmored);

    // Switching without storing drops the unsaved change; an unknown name changes nothing.
    mech.setHSCount(20);
    ASSERT_TRUE(mech.ChangeOmniConfig("Beta", false));
    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", false));
    EXPECT_EQ(mech.hsCount(), 12);
    EXPECT_EQ(mech.jumping(), 2);
    EXPECT_EQ(liveCount(mech, dk::kLRM10), 1);
    const auto slots = mech.critLocations();
    const MechFields fields = mech.fields();
    const int busy = kit.user.busyCount;
    EXPECT_FALSE(mech.ChangeOmniConfig("Gamma", true));
    EXPECT_EQ(mech.critLocations(), slots);
    EXPECT_EQ(mech.fields(), fields);
    EXPECT_EQ(kit.user.busyCount, busy);
}

// A switch writes only the slots that differ from the stored ones: a slot whose text or
// identifier differs in a single byte, wherever that byte lies in a text of any length, or
// whose flags differ in a single flag, must still come back as stored.
TEST_F(LockedOmni, ASwitchRestoresASlotThatDiffersInOneByteOrOneFlag) {
    ASSERT_TRUE(mech.AddNewVariant("Alpha"));
    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", true));
    CritLocation& list = mech.critLocation(0);
    const int slot = 2; // free in the base chassis
    SlotFlags occupied;
    occupied.isActive = true;

    // Stores `stored` in Alpha, puts `edited` in the list unsaved and switches back to Alpha.
    auto restores = [&](const CriticalSlot& stored, const CriticalSlot& edited) {
        list.SetSlot(stored.text, slot, stored.flags(), stored.itemID);
        EXPECT_TRUE(mech.SaveCurrentConfig());
        list.SetSlot(edited.text, slot, edited.flags(), edited.itemID);
        EXPECT_TRUE(mech.ChangeOmniConfig("Alpha", false));
        return list.slots()[slot] == stored;
    };

    for (const std::size_t length : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 24}) {
        for (std::size_t at = 0; at < length; ++at) {
            CriticalSlot stored;
            stored.flags() = occupied;
            stored.index = slot;
            stored.text = std::string(length, 'a');
            stored.itemID = std::string(length, 'b');
            CriticalSlot editedText = stored;
            editedText.text[at] = 'z';
            CriticalSlot editedID = stored;
            editedID.itemID[at] = 'z';
            EXPECT_TRUE(restores(stored, editedText)) << "text of " << length << " at " << at;
            EXPECT_TRUE(restores(stored, editedID)) << "identifier of " << length << " at " << at;
        }
    }

    const std::vector<bool SlotFlags::*> flags = {
        &SlotFlags::isWeapon,      &SlotFlags::isSpecial,       &SlotFlags::isLocked,
        &SlotFlags::isActive,      &SlotFlags::isArmored,       &SlotFlags::isBaseArmored,
        &SlotFlags::isRearMounted, &SlotFlags::isTurretMounted, &SlotFlags::isSpread};
    for (std::size_t i = 0; i < flags.size(); ++i) {
        CriticalSlot stored;
        stored.flags() = occupied;
        stored.index = slot;
        stored.text = "Medium Laser";
        stored.itemID = "7";
        CriticalSlot edited = stored;
        edited.*flags[i] = !(stored.*flags[i]);
        EXPECT_TRUE(restores(stored, edited)) << "flag " << i;
    }
}

TEST_F(LockedOmni, DeletingKeepsTheOthersAndNeverTheLastOne) {
    EXPECT_FALSE(mech.DeleteOmniConfig("Prime")); // the only one
    ASSERT_TRUE(mech.AddNewVariant("Alpha"));
    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", true));
    dk::placeWeapon(mech, dk::kMediumLaser, 5, 2);
    ASSERT_TRUE(mech.SaveCurrentConfig());
    const OmniConfig alpha = config("Alpha");
    EXPECT_FALSE(mech.DeleteOmniConfig("prime")); // the name must match exactly
    EXPECT_FALSE(mech.DeleteOmniConfig("Gamma"));
    EXPECT_TRUE(mech.DeleteOmniConfig("Prime"));
    EXPECT_EQ(mech.OmniConfigCount(), 1);
    EXPECT_EQ(mech.GetOmniConfigName(0), "Alpha");
    EXPECT_EQ(config("Alpha"), alpha);
    EXPECT_EQ(mech.omniState().base, base);

    // Deleting the current one: the editor then loads the first remaining one, and nothing is
    // stored under the gone name.
    ASSERT_TRUE(mech.AddNewVariant("Beta"));
    ASSERT_TRUE(mech.ChangeOmniConfig("Beta", true));
    dk::placeWeapon(mech, dk::kMediumLaser, 0, 2);
    ASSERT_TRUE(mech.DeleteOmniConfig("Beta"));
    ASSERT_TRUE(mech.ChangeOmniConfig(mech.GetOmniConfigName(0), true));
    EXPECT_EQ(mech.currentConfig(), "Alpha");
    EXPECT_EQ(mech.OmniConfigCount(), 1);
    EXPECT_EQ(config("Alpha"), alpha);
}

TEST_F(LockedOmni, WeaponLookupsSearchTheConfigurations) {
    ASSERT_TRUE(mech.AddNewVariant("Alpha"));
    ASSERT_TRUE(mech.ChangeOmniConfig("Alpha", true));
    const std::int16_t lrm = dk::placeWeapon(mech, dk::kLRM10, 4, 6);
    EXPECT_FALSE(mech.TOmniWeaponPresent(dk::kLRM10)); // not stored yet
    ASSERT_TRUE(mech.ChangeOmniConfig("Prime", true));
    EXPECT_TRUE(mech.TOmniWeaponPresent(dk::kLRM10));
    EXPECT_TRUE(mech.TOmniWeaponPresent(dk::kPPC));
    EXPECT_FALSE(mech.TOmniWeaponPresent(dk::kAC5));

    EXPECT_FALSE(mech.TSetOmniWeaponIdxGlobal(lrm, "Prime"));
    EXPECT_FALSE(mech.TSetOmniWeaponIdxGlobal(lrm, "Gamma"));
    ASSERT_TRUE(mech.TSetOmniWeaponIdxGlobal(lrm, "Alpha"));
    EXPECT_EQ(mech.currentWeapon().refID, dk::kLRM10);
    EXPECT_EQ(mech.currentWeapon().locations, (std::vector<std::int16_t>{4}));
}

TEST(OmniStorage, StoresRefuseWhatTheyCannotHold) {
    OmniWeaponStorage weapons;
    WeaponEntry w;
    w.refID = 2;
    w.weaponIndex = 7;
    EXPECT_TRUE(weapons.Add(w));
    w.refID = 3;
    EXPECT_FALSE(weapons.Add(w)); // instance number 7 is taken
    EXPECT_EQ(weapons.WeaponCount(), 1);
    EXPECT_EQ(weapons.GetWeapon(1)->refID, 2);
    EXPECT_EQ(weapons.GetWeapon("7")->refID, 2);
    for (const auto* none : {weapons.GetWeapon(0), weapons.GetWeapon(2), weapons.GetWeapon("07")}) {
        EXPECT_EQ(none, nullptr);
    }

    OmniCritLocationStorage slots;
    CriticalLocation location;
    location.setLocationIndex(8);
    EXPECT_FALSE(slots.Add(location));
    location.setLocationIndex(3);
    CriticalSlot slot;
    slot.index = 2;
    slot.isLocked = true;
    slot.isBaseArmored = true;
    location.Add(slot);
    EXPECT_TRUE(slots.Add(location));
    EXPECT_TRUE(slots.TIsBaseItem(3, 2) && slots.TIsBaseArmored(3, 2));
    EXPECT_FALSE(slots.TIsBaseItem(3, 3) || slots.TIsBaseItem(-1, 0));

    OmniCASE caseSettings;
    EXPECT_TRUE(caseSettings.Add(6, 2));
    EXPECT_FALSE(caseSettings.Add(7, 1));
    EXPECT_EQ(caseSettings.GetCASE(6), 2);
    EXPECT_EQ(caseSettings.GetCASE(7), 0);

    OmniActuators actuators;
    EXPECT_TRUE(actuators.SetActuator(-1, 3, true)); // any non-zero selects the right arm
    EXPECT_TRUE(actuators.GetActuator(1, 3));
    EXPECT_FALSE(actuators.GetActuator(0, 3) || actuators.SetActuator(0, 4, true));

    OmniArmoredComponents armored;
    EXPECT_EQ(armored.GetLocationSize(2), -1);
    EXPECT_FALSE(armored.SetLocation(2, 0, true));
    armored.SetLocationSize(2, 11);
    EXPECT_EQ(armored.GetLocationSize(2), 11);
    EXPECT_TRUE(armored.SetLocation(2, 11, true) && armored.GetLocation(2, 11));
    EXPECT_FALSE(armored.SetLocation(2, 12, true) || armored.GetLocation(8, 0));
}

} // namespace
} // namespace fpw::model
