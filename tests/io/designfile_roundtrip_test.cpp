// A design saved, opened and saved again gives the same bytes, and what the file carries
// comes back as it was.
#include <gtest/gtest.h>

#include "catalog/locations.h"
#include "io/designfile.h"
#include "io/designkit.h"

namespace fpw::io {
namespace {

using testing::designkit::Kit;

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
    model::Mech mech = testing::designkit::weaponlessDesign(ctx);
    mech.setLimitCrits(true);
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        for (int n = catalog::gGetLimitedCritSlots(mech.tonnage(), loc); n > 0; --n) {
            mech.critLocation(loc).DropLastSlot();
        }
    }
    testing::designkit::placeWeapon(mech, testing::designkit::kMediumLaser, 4, 0);
    return mech;
}

// A variant added but never shown: its slots are still those of the locked chassis.
model::Mech unshownVariantDesign(app::ProgramContext& ctx) {
    model::Mech mech = testing::designkit::lockedOmniDesign(ctx);
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
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        EXPECT_EQ(opened.critLocation(loc).slotCount(), original.critLocation(loc).slotCount());
        EXPECT_EQ(opened.critLocation(loc).slots(), original.critLocation(loc).slots())
            << "location " << loc;
    }
    EXPECT_EQ(opened.omniState(), original.omniState());
    EXPECT_TRUE(kit.user.messages.empty());
    EXPECT_EQ(kit.user.busyCount, kit.user.normalCount);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignFileRoundTrip,
    ::testing::Values(DesignCase{"Plain", testing::designkit::plainDesign},
                      DesignCase{"Quad", testing::designkit::quadDesign},
                      DesignCase{"LAM", testing::designkit::lamDesign},
                      DesignCase{"MixedTech", testing::designkit::mixedTechDesign},
                      DesignCase{"NoWeapons", testing::designkit::weaponlessDesign},
                      DesignCase{"LimitedCrits", limitedDesign},
                      DesignCase{"UnlockedOmni", testing::designkit::omniChassis},
                      DesignCase{"LockedOmni", testing::designkit::lockedOmniDesign},
                      DesignCase{"UnshownVariant", unshownVariantDesign}),
    [](const ::testing::TestParamInfo<DesignCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace fpw::io
