#include "model/defaultslots.h"

#include <gtest/gtest.h>

#include "catalog/locations.h"
#include "model/mech.h"
#include "model/modeltestkit.h"
#include "support/editorstate.h"
#include "support/golden.h"

namespace fpw::model {
namespace {

// A list's length and its slots that hold anything.
void describe(std::string& out, const CritLocation& list) {
    out += catalog::locationAbbreviation(list.location()) + " of " +
           std::to_string(list.slotCount()) + "\n";
    for (const CriticalSlot& s : list.slots()) {
        CriticalSlot free;
        free.index = s.index;
        if (s != free) {
            out += "  " + std::to_string(s.index + 1) + " " + testing::describeSlot(s) + "\n";
        }
    }
}

// The fixed contents of every setup a design can have: head, actuators (a quad's four legs, an
// arm without its lower actuators) and the engine and gyro slots of each engine, gyro and tech
// base. Checked by hand against the game's slot tables: the actuators in order, life support,
// sensors and cockpit in the head, the gyro from the center torso's fourth slot, the engine's
// side torso slots (XL 3 or Clan 2, XXL 6 or 4, large XL 4 or 3, large XXL 8 or 6, large fusion
// 2), a compact engine's three slots and the gyro's 4/2/4/6 slots; a damaged gyro type lays out
// as standard.
TEST(DefaultSlots, EveryEngineGyroAndBody) {
    std::string out = "== a new design\n";
    testkit::Kit kit;
    const Mech mech(kit.ctx);
    for (const CritLocation& list : mech.critLocations()) {
        describe(out, list);
    }
    const struct {
        const char* name;
        DefaultSlotSetup setup;
    } cases[] = {
        {"quad (the arm actuators asked for are ignored)", {1, 0, 0, 0, {true, true}, {}}},
        {"biped without right lower arm and hand", {0, 0, 0, 0, {}, {true, true}}},
        {"XL Inner Sphere, extra-light gyro", {0, 0, 1, 3}},
        {"XL Clan", {0, 1, 1, 0}},
        {"XL mixed", {0, 2, 1, 0}},
        {"XXL Inner Sphere", {0, 0, 2, 0}},
        {"XXL Clan", {0, 1, 2, 0}},
        {"large fusion", {0, 0, 3, 0}},
        {"large XL", {0, 0, 4, 0}},
        {"large XL Clan", {0, 1, 4, 0}},
        {"large XXL", {0, 0, 5, 0}},
        {"large XXL Clan", {0, 1, 5, 0}},
        {"compact engine", {0, 0, 6, 0}},
        {"compact gyro", {0, 0, 0, 1}},
        {"heavy-duty gyro", {0, 0, 0, 2}},
        {"unknown gyro type", {0, 0, 0, 4}},
        {"compact engine and gyro, Clan", {0, 1, 6, 1}},
    };
    for (const auto& c : cases) {
        std::array<CritLocation, 8> lists;
        LayDefaultSlots(lists, c.setup);
        out += std::string("== ") + c.name + "\n";
        // The limbs and head only where they can differ from the new design's.
        const bool body = c.setup.engineType == 0 && c.setup.gyroType == 0;
        for (const CritLocation& list : lists) {
            if (body || list.location() == 1 || list.location() == 4 || list.location() == 6) {
                describe(out, list);
            }
        }
    }
    testing::expectMatchesGolden(out, FPW_TESTS_SOURCE_DIR "/model/golden/defaultslots.txt");
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
