#include "model/defaultslots.h"

#include <gtest/gtest.h>

#include "model/mech.h"
#include "model/modeltestkit.h"

namespace fpw::model {
namespace {

std::vector<std::string> texts(const CritLocation& list) {
    std::vector<std::string> out;
    for (const CriticalSlot& s : list.slots()) {
        out.push_back(s.text);
    }
    return out;
}

const std::string R = "Roll Again";

TEST(DefaultSlots, NewBipedDesign) {
    testkit::Kit kit;
    Mech mech(kit.ctx);
    const auto& lists = mech.critLocations();
    EXPECT_EQ(texts(lists[7]), (std::vector<std::string>{"Life Support", "Sensors", "Cockpit", R,
                                                         "Sensors", "Life Support"}));
    std::vector<std::string> arm(12, R);
    std::vector<std::string> leg(12, R);
    for (std::size_t i = 0; i < 4; ++i) {
        arm[i] =
            std::array{"Shoulder", "Upper Arm Actuator", "Lower Arm Actuator", "Hand Actuator"}[i];
        leg[i] = std::array{"Hip", "Upper Leg Actuator", "Lower Leg Actuator", "Foot Actuator"}[i];
    }
    EXPECT_EQ(texts(lists[0]), arm);
    EXPECT_EQ(texts(lists[5]), arm);
    EXPECT_EQ(texts(lists[2]), leg);
    EXPECT_EQ(texts(lists[3]), leg);
    EXPECT_EQ(texts(lists[6]),
              (std::vector<std::string>{"Engine", "Engine", "Engine", "Gyro", "Gyro", "Gyro",
                                        "Gyro", "Engine", "Engine", "Engine", R, R}));
    EXPECT_EQ(lists[1].FreeSlotCount(), 12);
    EXPECT_EQ(lists[4].FreeSlotCount(), 12);

    // Fixed entries are locked and occupied; engine and gyro carry their item codes.
    EXPECT_TRUE(lists[7].IsLockedSlot(0));
    EXPECT_TRUE(lists[7].IsOccupied(2));
    EXPECT_EQ(lists[7].SlotItemId(2), "-1");
    EXPECT_FALSE(lists[7].IsOccupied(3));
    EXPECT_EQ(lists[6].SlotBaseCode(0), "cEng");
    EXPECT_EQ(lists[6].SlotBaseCode(9), "cEng");
    EXPECT_EQ(lists[6].SlotBaseCode(3), "cG");
    EXPECT_TRUE(lists[6].IsLockedSlot(8));
    EXPECT_FALSE(lists[6].IsWeaponSlot(8));
}

TEST(DefaultSlots, QuadHasLegsInFront) {
    std::array<CritLocation, 8> lists;
    DefaultSlotSetup setup;
    setup.mechType = 1;
    setup.laActuators = {true, true, false, false}; // ignored on a quad
    LayDefaultSlots(lists, setup);
    for (int loc : {0, 2, 3, 5}) {
        EXPECT_EQ(lists[loc].SlotText(0), "Hip") << loc;
        EXPECT_EQ(lists[loc].SlotText(3), "Foot Actuator") << loc;
        EXPECT_EQ(lists[loc].FreeSlotCount(), 8) << loc;
    }
    EXPECT_EQ(lists[7].slotCount(), 6);
}

TEST(DefaultSlots, MissingArmActuatorsStayFree) {
    std::array<CritLocation, 8> lists;
    DefaultSlotSetup setup;
    setup.raActuators = {true, true, false, false};
    LayDefaultSlots(lists, setup);
    EXPECT_TRUE(lists[5].IsOccupied(1));
    EXPECT_FALSE(lists[5].IsOccupied(2));
    EXPECT_FALSE(lists[5].IsOccupied(3));
    EXPECT_TRUE(lists[0].IsOccupied(3));
}

struct EngineLayoutCase {
    const char* name;
    std::int16_t engineType;
    std::int16_t gyroType;
    std::int16_t techBase;
    const char* centerTorso; // E engine, G gyro, . free
    int sideTorso;
};

class EngineLayout : public ::testing::TestWithParam<EngineLayoutCase> {};

TEST_P(EngineLayout, EngineAndGyroSlots) {
    const EngineLayoutCase& c = GetParam();
    std::array<CritLocation, 8> lists;
    DefaultSlotSetup setup;
    setup.engineType = c.engineType;
    setup.gyroType = c.gyroType;
    setup.techBase = c.techBase;
    LayDefaultSlots(lists, setup);
    std::string ct;
    for (const CriticalSlot& s : lists[6].slots()) {
        const std::string code = baseCode(s.itemID);
        ct += code == "cEng" ? 'E' : code == "cG" ? 'G' : s.isActive ? '?' : '.';
    }
    EXPECT_EQ(ct, c.centerTorso);
    for (int side : {1, 4}) {
        EXPECT_EQ(12 - lists[side].FreeSlotCount(), c.sideTorso);
        if (c.sideTorso > 0) {
            EXPECT_EQ(lists[side].SlotBaseCode(0), "cEng");
            EXPECT_EQ(lists[side].SlotBaseCode(c.sideTorso - 1), "cEng");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Model, EngineLayout,
    ::testing::Values(EngineLayoutCase{"Fusion", 0, 0, 0, "EEEGGGGEEE..", 0},
                      EngineLayoutCase{"XLInnerSphere", 1, 0, 0, "EEEGGGGEEE..", 3},
                      EngineLayoutCase{"XLClan", 1, 0, 1, "EEEGGGGEEE..", 2},
                      EngineLayoutCase{"XLMixed", 1, 0, 2, "EEEGGGGEEE..", 3},
                      EngineLayoutCase{"XXLInnerSphere", 2, 0, 0, "EEEGGGGEEE..", 6},
                      EngineLayoutCase{"XXLClan", 2, 0, 1, "EEEGGGGEEE..", 4},
                      EngineLayoutCase{"LargeFusion", 3, 0, 0, "EEEGGGGEEE..", 2},
                      EngineLayoutCase{"LargeXL", 4, 0, 0, "EEEGGGGEEE..", 4},
                      EngineLayoutCase{"LargeXLClan", 4, 0, 1, "EEEGGGGEEE..", 3},
                      EngineLayoutCase{"LargeXXL", 5, 0, 0, "EEEGGGGEEE..", 8},
                      EngineLayoutCase{"LargeXXLClan", 5, 0, 1, "EEEGGGGEEE..", 6},
                      EngineLayoutCase{"Compact", 6, 0, 0, "EEEGGGG.....", 0},
                      EngineLayoutCase{"CompactGyro", 0, 1, 0, "EEEGGEEE....", 0},
                      EngineLayoutCase{"HeavyDutyGyro", 0, 2, 0, "EEEGGGGEEE..", 0},
                      EngineLayoutCase{"ExtraLightGyro", 0, 3, 0, "EEEGGGGGGEEE", 0},
                      // A type no design can have (a damaged file): laid out as standard.
                      EngineLayoutCase{"UnknownGyro", 0, 4, 0, "EEEGGGGEEE..", 0},
                      EngineLayoutCase{"CompactEngineAndGyro", 6, 1, 1, "EEEGG.......", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultSlots, SlotTextsAreTheLongNames) {
    std::array<CritLocation, 8> lists;
    DefaultSlotSetup setup;
    setup.engineType = 1;
    setup.gyroType = 3;
    LayDefaultSlots(lists, setup);
    EXPECT_EQ(lists[6].SlotText(0), "XL Engine");
    EXPECT_EQ(lists[6].SlotText(3), "XL Gyro");
    EXPECT_EQ(lists[1].SlotText(0), "XL Engine");
}

TEST(DefaultSlots, RelayingKeepsTheViewsAndRestoresTheLength) {
    testkit::Kit kit;
    Mech mech(kit.ctx);
    int heard = 0;
    mech.critLocation(0).setListener([&](const SlotChange&) { ++heard; });
    mech.critLocation(0).DropLastSlot();
    mech.critLocation(0).PlaceItem("PPC", 5, true, "0");
    heard = 0;
    mech.setMechType(1);
    mech.LayDefaultSlots();
    EXPECT_GE(heard, 1);
    EXPECT_EQ(mech.critLocation(0).slotCount(), 12);
    EXPECT_EQ(mech.critLocation(0).SlotText(0), "Hip");
    EXPECT_FALSE(mech.critLocation(0).IsOccupied(5));
}

} // namespace
} // namespace fpw::model
