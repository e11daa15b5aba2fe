// The design file's particular cases: where the file ends, configuration names, what the reader
// rebuilds, and the views of the design it opens into.
#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/prices.h"
#include "io/designfile.h"
#include "io/designkit.h"

namespace fpw::io {
namespace {

using testing::designkit::Kit;
namespace dk = testing::designkit;

model::Mech reopen(Kit& kit, model::Mech& mech, bool quiet = true) {
    const std::string path = kit.dir.file("case.fpm");
    EXPECT_TRUE(SaveMech(mech, path));
    model::Mech opened(kit.ctx);
    std::string message;
    EXPECT_TRUE(TOpenMech(opened, path, quiet, message)) << message;
    return opened;
}

// A locked base on another body type is no omni design: the file has no omni section.
TEST(DesignFileCases, OnlyALockedOmniMechHasTheOmniSection) {
    Kit kit;
    model::Mech lockedBiped = dk::lockedOmniDesign(kit.ctx);
    model::MechFields f = lockedBiped.fields();
    f.mechType = catalog::kBiped;
    lockedBiped.restoreFields(f);
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

TEST(DesignFileCases, WhatTheFileDoesNotCarryIsRebuilt) {
    Kit kit;
    model::Mech gyro = dk::weaponlessDesign(kit.ctx);
    gyro.setGyroType(catalog::gyro::kExtraLight);
    gyro.LayDefaultSlots();
    // Whatever the slot showed, the save code names the gyro.
    model::SlotFlags flags = gyro.critLocation(6).slot(3).flags();
    gyro.critLocation(6).SetSlot("Gyro", 3, flags, "cG1");
    const model::Mech gyroOpened = reopen(kit, gyro);
    for (int slot = 3; slot < 9; ++slot) {
        EXPECT_EQ(gyroOpened.critLocation(6).SlotText(slot), "XL Gyro") << slot;
    }

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
