// A design saved, opened and saved again gives the same bytes, and what the file carries
// comes back as it was; the particular cases: configuration names, what the reader rebuilds,
// and the views of the design it opens into.
#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/prices.h"
#include "io/designfile.h"
#include "io/designkit.h"

namespace fpw::io {
namespace {

using testing::designkit::Kit;
namespace dk = testing::designkit;

struct DesignCase {
    const char* name;
    model::Mech (*build)(app::ProgramContext&);
};

// The values the reader recomputes or sets itself are compared on their own.
model::MechFields asStored(model::MechFields f) {
    f.saveFilename.clear();
    f.physicalSize = 0;
    f.artemisCost = 0;
    f.armoredSlots = 0;
    return f;
}

// A 20-ton design with limit crits: its slot lists are shorter than the location's slots.
model::Mech limitedDesign(app::ProgramContext& ctx) {
    model::Mech mech = dk::weaponlessDesign(ctx);
    mech.setLimitCrits(true);
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        for (int n = catalog::gGetLimitedCritSlots(mech.tonnage(), loc); n > 0; --n) {
            mech.critLocation(loc).DropLastSlot();
        }
    }
    dk::placeWeapon(mech, dk::kMediumLaser, 4, 0);
    return mech;
}

// A variant added but never shown: its slots are still those of the locked chassis.
model::Mech unshownVariantDesign(app::ProgramContext& ctx) {
    model::Mech mech = dk::lockedOmniDesign(ctx);
    EXPECT_TRUE(mech.AddNewVariant("Delta"));
    mech.SaveCurrentConfig();
    return mech;
}

class DesignFileRoundTrip : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignFileRoundTrip, SavedOpenedAndSavedAgainIsByteIdentical) {
    Kit kit;
    model::Mech original = GetParam().build(kit.ctx);
    const std::string first = kit.dir.file("first.fpm");
    const std::string second = kit.dir.file("second.fpm");
    ASSERT_TRUE(SaveMech(original, first));
    EXPECT_EQ(original.saveFilename(), first);

    model::Mech opened(kit.ctx);
    std::string message;
    ASSERT_TRUE(TOpenMech(opened, first, true, message)) << message;
    EXPECT_EQ(opened.saveFilename(), first);
    ASSERT_TRUE(SaveMech(opened, second));

    const std::string bytes = kit.dir.read("first.fpm");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find("Roll Again"), std::string::npos) << "free slots carry no text";
    EXPECT_EQ(bytes, kit.dir.read("second.fpm"));

    EXPECT_EQ(asStored(opened.fields()), asStored(original.fields()));
    EXPECT_EQ(opened.weapons(), original.weapons());
    // Slot texts the file leaves out come back as the editor wrote them.
    EXPECT_EQ(opened.critLocations(), original.critLocations());
    EXPECT_EQ(opened.omniState(), original.omniState());
    EXPECT_TRUE(kit.user.messages.empty());
    EXPECT_EQ(kit.user.busyCount, kit.user.normalCount);
}

INSTANTIATE_TEST_SUITE_P(Designs, DesignFileRoundTrip,
                         ::testing::Values(DesignCase{"Plain", dk::plainDesign},
                                           DesignCase{"Quad", dk::quadDesign},
                                           DesignCase{"LAM", dk::lamDesign},
                                           DesignCase{"MixedTech", dk::mixedTechDesign},
                                           DesignCase{"NoWeapons", dk::weaponlessDesign},
                                           DesignCase{"LimitedCrits", limitedDesign},
                                           DesignCase{"UnlockedOmni", dk::omniChassis},
                                           DesignCase{"LockedOmni", dk::lockedOmniDesign},
                                           DesignCase{"UnshownVariant", unshownVariantDesign}),
                         [](const ::testing::TestParamInfo<DesignCase>& info) {
                             return std::string(info.param.name);
                         });

model::Mech reopen(Kit& kit, model::Mech& mech) {
    const std::string path = kit.dir.file("case.fpm");
    EXPECT_TRUE(SaveMech(mech, path));
    model::Mech opened(kit.ctx);
    std::string message;
    EXPECT_TRUE(TOpenMech(opened, path, true, message)) << message;
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
    // The name as another program may have written it, and the configuration it finds (an
    // unknown name: the first).
    for (const auto& [current, found] :
         {std::pair{"Long Range Support Variant", "Long Range Support Varian"},
          {"long range support varian", "Long Range Support Varian"},
          {"alpha", "Alpha"},
          {"Gamma", "Prime"}}) {
        model::Mech mech = dk::lockedOmniDesign(kit.ctx);
        mech.SaveCurrentConfig();
        model::MechFields f = mech.fields();
        f.currentConfig = current;
        mech.restoreFields(f);
        EXPECT_EQ(reopen(kit, mech).currentConfig(), found) << current;
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
