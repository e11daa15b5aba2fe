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
#include "support/golden.h"
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

// The problems each broken design shows, against tests/editor/golden/invariants.txt. Checked by
// hand: each case's lines were read against its planted fault one by one.
TEST(Invariants, NameEachBrokenRule) {
    const std::vector<std::pair<const char*, std::function<void(SoundDesign&)>>> cases{
        {"slot of a weapon the design lacks",
         [](SoundDesign& d) { d.editor->mech().critLocation(1).PlaceItem("X", 10, true, "99"); }},
        {"weapon identifier in an item slot",
         [](SoundDesign& d) { d.editor->mech().critLocation(1).PlaceItem("X", 10, false, "0"); }},
        {"weapon lost a slot",
         [](SoundDesign& d) { d.editor->mech().critLocation(4).ClearSlot(1); }},
        {"weapon starts elsewhere",
         [](SoundDesign& d) { d.editor->mech().AlterWeapon(d.largeLaser, 4, 3, true); }},
        {"unplaced weapon not listed",
         [](SoundDesign& d) { d.editor->unallocatedWeapons().clear(); }},
        {"placed weapon listed",
         [](SoundDesign& d) {
             d.editor->unallocatedWeapons().push_back(WeaponRow{"Large Laser", d.largeLaser});
         }},
        {"unplaced weapon in a slot",
         [](SoundDesign& d) { d.editor->mech().critLocation(0).PlaceItem("LRM-5", 5, true, "1"); }},
        {"spread weapon with unmarked slots",
         [](SoundDesign& d) { // its first slot in the right torso, its second in the left arm
             model::Mech& mech = d.editor->mech();
             ASSERT_TRUE(mech.TSetWeaponIdxGlobal(d.largeLaser));
             mech.currentWeapon().AddLoc(0);
             mech.currentWeapon().spread = true;
             mech.UpdateGlobalWeaponIdx(d.largeLaser);
             mech.critLocation(4).ClearSlot(1);
             mech.critLocation(0).PlaceItem("Large Laser", 11, true, std::to_string(d.largeLaser));
         }},
        {"heat sink lost", [](SoundDesign& d) { d.editor->items().take(catalog::cHS); }},
        {"heat sink in two pieces",
         [](SoundDesign& d) {
             d.editor->mech().critLocation(1).PlaceItem("Heat Sink", 3, false, "cHS1");
         }},
        {"jump jets without items", [](SoundDesign& d) { d.editor->mech().setJumping(2); }},
        {"MASC without its item", [](SoundDesign& d) { d.editor->mech().setMASC(1); }},
        {"ferro-fibrous without its slots",
         [](SoundDesign& d) { d.editor->mech().setArmorType(catalog::armor::kFerroFibrous); }},
        {"targeting computer without its item",
         [](SoundDesign& d) {
             d.editor->mech().setTargSysType(catalog::targeting::kTargetingComputer);
         }},
        {"systems without their entries",
         [](SoundDesign& d) {
             model::Mech& m = d.editor->mech();
             m.setTSM(true);
             m.setNullSigSys(true);
             m.setLTTurret(true);
             m.setSupercharger(true);
             m.SetCase(1, catalog::kStandardCase);
             m.setCockpitType(catalog::cockpit::kTorsoMounted);
         }},
        {"Artemis entry without a launcher",
         [](SoundDesign& d) {
             placeGeneralItem(*d.editor, 1, 5, 1, catalog::cAIVL, "Artemis IV FCS");
         }},
        {"fixed entries lost and a hatchet without its slots",
         [](SoundDesign& d) {
             model::Mech& m = d.editor->mech();
             m.critLocation(6).ClearSlot(0);
             m.critLocation(6).ClearSlot(3);
             m.critLocation(0).ClearSlot(3);
             m.SetArmor(2, -1);
             m.setPhysicalType(catalog::physical::kHatchet);
             m.setLAPhysical(true);
         }},
        {"unallocated row emptied",
         [](SoundDesign& d) { d.editor->items().add(catalog::cJJ, 1, "Jump Jet", 0); }}};
    std::string out;
    for (const auto& [name, breakIt] : cases) {
        SoundDesign design;
        breakIt(design);
        out += std::string("== ") + name + "\n";
        for (const std::string& problem : checkInvariants(*design.editor))
            out += problem + "\n";
    }
    testing::expectMatchesGolden(out, FPW_TESTS_SOURCE_DIR "/editor/golden/invariants.txt");
}

} // namespace
} // namespace fpw::editor
