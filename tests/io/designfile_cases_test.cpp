// The design file's particular cases: empty weapon lists, unplaced weapons, free slots, where
// the file ends, configuration names and the save codes of stored configurations.
#include <gtest/gtest.h>

#include <cstring>

#include "catalog/equipment.h"
#include "catalog/prices.h"
#include "io/designfile.h"
#include "io/designkit.h"

namespace fpw::io {
namespace {

using testing::designkit::Kit;
namespace dk = testing::designkit;

constexpr std::size_t kScalarBytes = 44 * 2 + 21 * 8 + 4;

std::int16_t integerAt(const std::string& bytes, std::size_t at) {
    std::int16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

std::size_t weaponListOffset(const model::Mech& mech) {
    const model::MechFields& f = mech.fields();
    return 27 + 8 + f.mechName.size() + f.mechModel.size() + f.historyFile.size() +
           f.currentConfig.size() + kScalarBytes + 16;
}

model::Mech reopen(Kit& kit, model::Mech& mech, bool quiet = true) {
    const std::string path = kit.dir.file("case.fpm");
    EXPECT_TRUE(SaveMech(mech, path));
    model::Mech opened(kit.ctx);
    std::string message;
    EXPECT_TRUE(TOpenMech(opened, path, quiet, message)) << message;
    return opened;
}

TEST(DesignFileCases, AnUnplacedWeaponIsWrittenWithoutLocationAndStartSlot) {
    Kit kit;
    model::Mech mech(kit.ctx);
    const std::int16_t index = dk::placeWeapon(mech, dk::kPPC, 4, 3);
    mech.AlterWeapon(index, 0, 0, false);
    const std::string bytes = writeDesignFile(mech);
    const std::size_t record = weaponListOffset(mech) + 2;
    EXPECT_EQ(integerAt(bytes, record + 4), 1);   // one dimension
    EXPECT_EQ(integerAt(bytes, record + 6), 1);   // one element (low half of the count)
    EXPECT_EQ(integerAt(bytes, record + 14), -1); // the single -1
    EXPECT_EQ(integerAt(bytes, record + 16), -1); // StartCrit
    const model::Mech opened = reopen(kit, mech);
    EXPECT_EQ(opened.weapons().front().locations, (std::vector<std::int16_t>{-1}));
    EXPECT_EQ(opened.weapons().front().startCrit, -1);
    EXPECT_FALSE(opened.weapons().front().allocated);
}

TEST(DesignFileCases, FreeSlotsAreWrittenWithoutTextAndReadBackAsRollAgain) {
    Kit kit;
    model::Mech mech(kit.ctx);
    const std::string bytes = writeDesignFile(mech);
    EXPECT_EQ(bytes.find("Roll Again"), std::string::npos);
    // An inactive slot whose text was changed still reads back as a free slot.
    model::SlotFlags none;
    mech.critLocation(7).SetSlot("Anything", 3, none, "");
    const model::Mech opened = reopen(kit, mech);
    EXPECT_EQ(opened.critLocation(7).SlotText(3), "Roll Again");
    EXPECT_EQ(opened.critLocation(0).SlotText(11), "Roll Again");
    EXPECT_EQ(opened.critLocation(0).SlotText(0), "Shoulder");
}

TEST(DesignFileCases, FreeSlotsBeforeTheFirstItemAreLeftOut) {
    Kit kit;
    model::Mech mech(kit.ctx);
    for (int loc = 0; loc < 6; ++loc) {
        for (int slot = 0; slot < 12; ++slot) {
            mech.critLocation(loc).ClearSlot(slot);
        }
    }
    const std::string bytes = writeDesignFile(mech);
    // Center torso (12 slots) and head (6) are written, starting with the engine's slot 0.
    const std::size_t slots = weaponListOffset(mech) + 2 + 22;
    EXPECT_EQ(integerAt(bytes, slots), 17);
    const model::Mech opened = reopen(kit, mech);
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        EXPECT_EQ(opened.critLocation(loc).slots(), mech.critLocation(loc).slots()) << loc;
    }
}

TEST(DesignFileCases, OnlyALockedOmniMechHasTheOmniSection) {
    Kit kit;
    struct Case {
        const char* what;
        model::Mech mech;
        bool section;
    };
    Case cases[] = {
        {"biped", dk::plainDesign(kit.ctx), false},
        {"unlocked omni", dk::omniChassis(kit.ctx), false},
        {"locked omni", dk::lockedOmniDesign(kit.ctx), true},
    };
    // A locked base on another body type is no omni design.
    model::Mech lockedBiped = dk::lockedOmniDesign(kit.ctx);
    model::MechFields f = lockedBiped.fields();
    f.mechType = catalog::kBiped;
    lockedBiped.restoreFields(f);
    for (Case& c : cases) {
        model::MechFields withoutSection = c.mech.fields();
        withoutSection.omniBaseLocked = false;
        model::Mech copy = c.mech;
        copy.restoreFields(withoutSection);
        const std::size_t ends = writeDesignFile(copy).size();
        EXPECT_EQ(writeDesignFile(c.mech).size() > ends, c.section) << c.what;
    }
    const std::string biped = writeDesignFile(lockedBiped);
    const model::Mech opened = reopen(kit, lockedBiped);
    EXPECT_EQ(opened.OmniConfigCount(), 0);
    EXPECT_EQ(writeDesignFile(opened), biped);
}

TEST(DesignFileCases, TheCurrentConfigurationIsFoundByItsFirst25Characters) {
    Kit kit;
    struct Case {
        const char* current;
        const char* found;
    };
    const Case cases[] = {
        {"Long Range Support Variant", "Long Range Support Varian"},
        {"long range support varian", "Long Range Support Varian"},
        {"alpha", "Alpha"},
        {"Gamma", "Prime"}, // unknown: the first configuration
    };
    for (const Case& c : cases) {
        model::Mech mech = dk::lockedOmniDesign(kit.ctx);
        mech.SaveCurrentConfig();
        // A name as another program may have written it.
        model::MechFields f = mech.fields();
        f.currentConfig = c.current;
        mech.restoreFields(f);
        const std::string path = kit.dir.write("current.fpm", writeDesignFile(mech));
        model::Mech opened(kit.ctx);
        std::string message;
        ASSERT_TRUE(TOpenMech(opened, path, true, message)) << message;
        EXPECT_EQ(opened.currentConfig(), c.found) << c.current;
    }
}

TEST(DesignFileCases, AVariantNeverShownComesBackAsItWasAdded) {
    Kit kit;
    model::Mech mech = dk::lockedOmniDesign(kit.ctx);
    ASSERT_TRUE(mech.AddNewVariant("Delta"));
    mech.SaveCurrentConfig();
    const model::Mech opened = reopen(kit, mech);
    EXPECT_EQ(opened.omniState(), mech.omniState());
    EXPECT_EQ(opened.omniState().configs[3].slots.GetLoc(4),
              mech.omniState().configs[3].slots.GetLoc(4));
}

TEST(DesignFileCases, StoredConfigurationsNameTheirOwnWeapons) {
    Kit kit;
    model::Mech mech = dk::lockedOmniDesign(kit.ctx);
    // Instance 1 is a medium laser in Alpha (current) and an LRM-10 in the third variant.
    ASSERT_TRUE(mech.TSetOmniWeaponIdxGlobal(1, "Alpha"));
    ASSERT_EQ(mech.currentWeapon().refID, dk::kMediumLaser);
    ASSERT_TRUE(mech.TSetOmniWeaponIdxGlobal(1, "Long Range Support Varian"));
    ASSERT_EQ(mech.currentWeapon().refID, dk::kLRM10);

    const model::Mech opened = reopen(kit, mech);
    const model::OmniConfig& longRange = opened.omniState().configs[2];
    EXPECT_EQ(longRange.slots.GetLoc(4).GetSlot(6)->text, "LRM-10");
    EXPECT_EQ(longRange.slots.GetLoc(4).GetSlot(7)->text, "LRM-10");
    EXPECT_EQ(longRange.slots.GetLoc(4).GetSlot(3)->text, "PPC");
    const model::OmniConfig& alpha = opened.omniState().configs[1];
    EXPECT_EQ(alpha.slots.GetLoc(0).GetSlot(2)->text, "Medium Laser");
    EXPECT_EQ(opened.critLocation(0).SlotText(2), "Medium Laser");
    // Switching to a stored configuration after opening shows its own slots.
    model::Mech switched = opened;
    ASSERT_TRUE(switched.ChangeOmniConfig("Long Range Support Varian", true));
    EXPECT_EQ(switched.critLocation(4).SlotText(6), "LRM-10");
    EXPECT_EQ(switched.critLocation(0).SlotText(2), "Lower Arm Actuator");
    EXPECT_EQ(switched.jumping(), 3);
}

TEST(DesignFileCases, TextsAreRebuiltFromTheDesignsTypes) {
    Kit kit;
    model::Mech mech = dk::mixedTechDesign(kit.ctx);
    const model::Mech opened = reopen(kit, mech);
    EXPECT_EQ(opened.critLocation(0).SlotText(4), "(C) ER Medium Laser");
    EXPECT_EQ(opened.critLocation(6).SlotText(10), "(R) (IS) Medium Laser");
    EXPECT_EQ(opened.critLocation(6).SlotText(0), catalog::engineLongName(0));
    EXPECT_EQ(opened.critLocation(6).SlotText(3), catalog::gyroLongName(0));
    // No save code: the stored text.
    EXPECT_EQ(opened.critLocation(4).SlotText(2), "Artemis IV FCS");
}

TEST(DesignFileCases, TheGyroSlotsReadBackWithTheGyrosLongName) {
    Kit kit;
    model::Mech mech = dk::weaponlessDesign(kit.ctx);
    mech.setGyroType(catalog::gyro::kExtraLight);
    mech.LayDefaultSlots();
    // Whatever the slot showed, the save code names the gyro.
    model::SlotFlags flags = mech.critLocation(6).slot(3).flags();
    mech.critLocation(6).SetSlot("Gyro", 3, flags, "cG1");
    const model::Mech opened = reopen(kit, mech);
    for (int slot = 3; slot < 9; ++slot) {
        EXPECT_EQ(opened.critLocation(6).SlotText(slot), "XL Gyro") << slot;
    }
}

TEST(DesignFileCases, FiguresTheFileDoesNotCarryAreRecomputed) {
    Kit kit;
    model::Mech mech = dk::plainDesign(kit.ctx);
    mech.setArtemisSRM(catalog::kArtemisIV);
    ASSERT_EQ(mech.physicalSize(), 4);
    ASSERT_GT(mech.artemisCost(), 0);
    // A stale armoured slot count is not what the slots hold.
    mech.ArmoredSlotData(1, 7);
    const model::Mech opened = reopen(kit, mech);
    EXPECT_EQ(opened.physicalSize(), 4);
    EXPECT_EQ(opened.artemisCost(), kit.ctx.prices.current[catalog::price::kArtemisIV]);
    EXPECT_EQ(opened.armoredSlots(), 1);
    EXPECT_EQ(opened.armoredSlotTonnage(), 0.5);
}

TEST(DesignFileCases, OpeningReplacesTheDesignButKeepsItsViewsAttached) {
    Kit kit;
    model::Mech shown(kit.ctx);
    int resets = 0;
    shown.critLocation(4).setListener([&](const model::SlotChange&) { ++resets; });
    model::Mech source = dk::plainDesign(kit.ctx);
    const std::string path = kit.dir.file("shown.fpm");
    ASSERT_TRUE(SaveMech(source, path));
    std::string message;
    ASSERT_TRUE(TOpenMech(shown, path, false, message));
    EXPECT_GE(resets, 1);
    EXPECT_EQ(shown.critLocation(4).slots(), source.critLocation(4).slots());
    EXPECT_EQ(shown.saveFilename(), path);
    EXPECT_TRUE(message.empty());
}

} // namespace
} // namespace fpw::io
