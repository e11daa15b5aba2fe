#include "editor/invariants.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/weapondatabase.h"
#include "editor/allocation.h"
#include "editor/editor.h"
#include "editor/slotops.h"
#include "editor/weaponlistactions.h"
#include "support/shippedcontext.h"

namespace fpw::editor {
namespace {

// A sound state to break: a Large Laser in the right torso, an LRM-5 waiting to be placed, two
// of the ten heat sinks in the left torso and the other eight unallocated.
struct SoundDesign : testing::ShippedContext {
    std::unique_ptr<Editor> editor = std::make_unique<Editor>(ctx);

    std::int16_t weapon(std::string_view name) const {
        return static_cast<std::int16_t>(
            catalog::findWeapon(ctx.weapons, name, catalog::kInnerSphere));
    }

    // Built as a player would: two weapons added, the laser and two heat sinks dropped.
    SoundDesign() {
        Editor& e = *editor;
        EXPECT_TRUE(AddWeapons(e, {weapon("Large Laser"), weapon("LRM-5")}));
        largeLaser = e.mech().weapons().front().weaponIndex;
        EXPECT_EQ(DropWeapon(e, 4, 0, largeLaser).result, DropResult::Placed);
        EXPECT_TRUE(DropItem(e, 1, 0, catalog::cHS) && DropItem(e, 1, 1, catalog::cHS));
    }
    std::int16_t largeLaser = -1;
};

struct BrokenCase {
    const char* name;
    std::function<void(SoundDesign&)> breakIt;
    std::vector<std::string> expected;
};

TEST(Invariants, NameEachBrokenRule) {
    // The expected lines were read against the planted fault one by one.
    const std::vector<BrokenCase> cases{
        {"slot of a weapon the design lacks",
         [](SoundDesign& d) { d.editor->mech().critLocation(1).PlaceItem("X", 10, true, "99"); },
         {"LT slot 11: names weapon 99, which the design does not have"}},
        {"weapon identifier in an item slot",
         [](SoundDesign& d) { d.editor->mech().critLocation(1).PlaceItem("X", 10, false, "0"); },
         {"LT slot 11: weapon identifier 0 in a slot not marked as a weapon",
          "weapon 0 (Large Laser): placed in RT but found in LT slot 11",
          "weapon 0 (Large Laser): needs 2 slots but holds 3"}},
        {"weapon lost a slot",
         [](SoundDesign& d) { d.editor->mech().critLocation(4).ClearSlot(1); },
         {"weapon 0 (Large Laser): needs 2 slots but holds 1"}},
        {"weapon starts elsewhere",
         [](SoundDesign& d) { d.editor->mech().AlterWeapon(d.largeLaser, 4, 3, true); },
         {"weapon 0 (Large Laser): starts at slot 4 of RT but holds RT slots 1,2"}},
        {"unplaced weapon not listed",
         [](SoundDesign& d) { d.editor->unallocatedWeapons().clear(); },
         {"weapon 1 (LRM-5): unplaced but listed 0 times among the unallocated weapons"}},
        {"placed weapon listed",
         [](SoundDesign& d) {
             d.editor->unallocatedWeapons().push_back(WeaponRow{"Large Laser", d.largeLaser});
         },
         {"weapon 0 (Large Laser): placed but listed among the unallocated weapons"}},
        {"unplaced weapon in a slot",
         [](SoundDesign& d) { d.editor->mech().critLocation(0).PlaceItem("LRM-5", 5, true, "1"); },
         {"weapon 1 (LRM-5): unplaced but found in LA slot 6"}},
        {"spread weapon with unmarked slots",
         [](SoundDesign& d) { // its first slot in the right torso, its second in the left arm
             model::Mech& mech = d.editor->mech();
             ASSERT_TRUE(mech.TSetWeaponIdxGlobal(d.largeLaser));
             mech.currentWeapon().AddLoc(0);
             mech.currentWeapon().spread = true;
             mech.UpdateGlobalWeaponIdx(d.largeLaser);
             mech.critLocation(4).ClearSlot(1);
             mech.critLocation(0).PlaceItem("Large Laser", 11, true, std::to_string(d.largeLaser));
         },
         {"weapon 0 (Large Laser): spread, but LA slot 12 is not marked spread",
          "weapon 0 (Large Laser): spread, but RT slot 1 is not marked spread"}},
        {"heat sink lost",
         [](SoundDesign& d) { d.editor->items().take(catalog::cHS); },
         {"heat sinks: 9 \"cHS\" items, the design needs 10"}},
        {"heat sink in two pieces",
         [](SoundDesign& d) {
             d.editor->mech().critLocation(1).PlaceItem("Heat Sink", 3, false, "cHS1");
         },
         {"cHS1: broken run in LT slots 1,4", "cHS1: 2 slots in LT slots 1,4, one item takes 1"}},
        {"jump jets without items",
         [](SoundDesign& d) { d.editor->mech().setJumping(2); },
         {"jump jets: 0 \"cJJ\" items, the design needs 2"}},
        {"MASC without its item",
         [](SoundDesign& d) { d.editor->mech().setMASC(1); },
         {"MASC: 0 \"cMASC\" items, the design needs 1",
          "MASC: 0 \"cMASC\" slots, the design needs 1"}},
        {"ferro-fibrous without its slots",
         [](SoundDesign& d) { d.editor->mech().setArmorType(catalog::armor::kFerroFibrous); },
         {"armour: 0 \"cArm\" slots, the design needs 14"}},
        {"targeting computer without its item",
         [](SoundDesign& d) {
             d.editor->mech().setTargSysType(catalog::targeting::kTargetingComputer);
         },
         {"targeting computer: 0 \"cTS\" items, the design needs 1",
          "targeting computer: 0 \"cTS\" slots, the design needs 2"}},
        {"systems without their entries",
         [](SoundDesign& d) {
             model::Mech& m = d.editor->mech();
             m.setTSM(true);
             m.setNullSigSys(true);
             m.setLTTurret(true);
             m.setSupercharger(true);
             m.SetCase(1, catalog::kStandardCase);
             m.setCockpitType(catalog::cockpit::kTorsoMounted);
         },
         {"myomer: 0 \"cTSM\" items, the design needs 6",
          "null signature system: 0 \"cNSS\" items, the design needs 7",
          "turrets: 0 \"cTur\" items, the design needs 1",
          "supercharger: 0 \"cSC\" items, the design needs 1",
          "supercharger: not beside the engine in LA", "CASE: 0 entries in LT, the setting needs 1",
          "cockpit parts: 0 \"cCP\" items, the design needs 4"}},
        {"Artemis entry without a launcher",
         [](SoundDesign& d) {
             placeGeneralItem(*d.editor, 1, 5, 1, catalog::cAIVL, "Artemis IV FCS");
         },
         {"Artemis IV: 1 \"cA-IVL\" items, the design needs 0"}},
        {"fixed entries lost and a hatchet without its slots",
         [](SoundDesign& d) {
             model::Mech& m = d.editor->mech();
             m.critLocation(6).ClearSlot(0);
             m.critLocation(6).ClearSlot(3);
             m.critLocation(0).ClearSlot(3);
             m.SetArmor(2, -1);
             m.setPhysicalType(catalog::physical::kHatchet);
             m.setLAPhysical(true);
         },
         {"physical weapons: 0 \"cPhy\" items, the design needs 1",
          "physical weapons: 0 \"cPhy\" slots, the design needs 2",
          "engine: 5 \"cEng\" slots, the design needs 6",
          "gyro: 3 \"cG\" slots, the design needs 4", "LA slot 4: actuator missing",
          "armour: -1 points at position 2"}},
        {"unallocated row emptied",
         [](SoundDesign& d) { d.editor->items().add(catalog::cJJ, 1, "Jump Jet", 0); },
         {"unallocated items: row \"cJJ\" has 0 slots per item",
          "jump jets: 1 \"cJJ\" items, the design needs 0"}},
    };
    for (const BrokenCase& c : cases) {
        SoundDesign design;
        c.breakIt(design);
        EXPECT_EQ(checkInvariants(*design.editor), c.expected) << c.name;
    }
}

} // namespace
} // namespace fpw::editor
