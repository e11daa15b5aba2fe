#include "sampledesign.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/armor.h"
#include "editor/components.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/omnirules.h"
#include "editor/slotmenu.h"
#include "editor/systems.h"
#include "editor/weaponlistactions.h"
#include "nobody.h"

namespace fpw::screenshots {
namespace {

// The arm actuators an omni's base chassis may not keep.
constexpr int kLowerArm = 2;
constexpr int kHand = 3;

// Drops the weapon on the first slot of `location` that takes it.
bool dropAnywhere(editor::Editor& editor, int location, std::int16_t weapon) {
    const model::CritLocation& list = editor.mech().critLocation(location);
    for (int slot = 0; slot < list.slotCount(); ++slot) {
        if (!list.IsOccupied(slot) && editor::DropWeapon(editor, location, slot, weapon).result ==
                                          editor::DropResult::Placed) {
            return true;
        }
    }
    return false;
}

using Placements = std::vector<std::pair<std::string, int>>;

// Weapons found by name in the available list, each dropped on the first free run of its
// location.
void addWeapons(editor::Editor& editor, const Placements& wanted) {
    for (const auto& [name, location] : wanted) {
        const auto& available = editor.availableWeapons();
        const auto found = std::find_if(available.begin(), available.end(),
                                        [&](const auto& row) { return row.text == name; });
        if (found == available.end()) {
            std::fprintf(stderr, "no weapon %s to add\n", name.c_str());
            continue;
        }
        editor::AddWeapons(editor, {found->refID});
        if (!editor.unallocatedWeapons().empty()) {
            dropAnywhere(editor, location, editor.unallocatedWeapons().back().weaponIndex);
        }
    }
}

} // namespace

void buildSampleDesign(editor::Editor& editor) {
    editor::SetMechName(editor, "Vindicator");
    editor::SetMechModel(editor, "VND-1R");
    editor::ChangeTechLevel(editor, 2);
    editor::ChangeTonnage(editor, 45);
    editor::ChangeWalking(editor, 4);
    editor::ChangeJumping(editor, 4);
    editor::ChangeHeatSinkCount(editor, 11);
    editor::SetCASE(editor, catalog::kLeftTorso, 1);
    editor::MaximumArmor(editor);
    addWeapons(editor, {
                           {"Large Laser", catalog::kRightArm},
                           {"Medium Laser", catalog::kLeftArm},
                           {"Medium Laser", catalog::kLeftArm},
                           {"SRM-2", catalog::kLeftTorso},
                           {"Small Laser", catalog::kHead},
                           {"LRM-5", catalog::kRightTorso},
                           {"Medium Laser", catalog::kCenterTorso},
                           {"LRM-5 Ammo", catalog::kRightTorso},
                           {"SRM-2 Ammo", catalog::kLeftTorso},
                       });
    // One weapon left to place.
    editor::AddWeapons(editor, {editor.availableWeapons().front().refID});
}

void completeSampleDesign(editor::Editor& editor) {
    while (!editor.unallocatedWeapons().empty()) {
        const std::int16_t weapon = editor.unallocatedWeapons().front().weaponIndex;
        if (!dropAnywhere(editor, catalog::kLeftTorso, weapon)) {
            std::fprintf(stderr, "no room for a weapon\n");
            return;
        }
    }
    while (!editor.items().empty()) {
        if (!editor::AutoAllocate(editor, editor.items().rows().front().code)) {
            std::fprintf(stderr, "no room for the items\n");
            return;
        }
    }
    // The center torso's laser, below the engine, fires to the rear.
    const model::CritLocation& torso = editor.mech().critLocation(catalog::kCenterTorso);
    for (int slot = 0; slot < torso.slotCount(); ++slot) {
        if (torso.IsWeaponSlot(slot)) {
            editor::ToggleRearMount(editor, catalog::kCenterTorso, slot);
            break;
        }
    }
}

bool buildOmniDesign(editor::Editor& editor, NobodyAtTheKeyboard& person) {
    editor::SetMechName(editor, "Koschei");
    editor::SetMechModel(editor, "KSC-O");
    // Arm actuators may be taken out at the advanced rules level only.
    editor::ChangeTechLevel(editor, 3);
    editor::ChangeTonnage(editor, 55);
    editor::ChangeMechType(editor, catalog::kOmniMech);
    editor::ChangeWalking(editor, 5);
    // An omni's arms end at the elbow; each variant may add what its weapons allow.
    for (const bool right : {false, true}) {
        editor::SetArmActuator(editor, right, kHand, false);
        editor::SetArmActuator(editor, right, kLowerArm, false);
    }
    editor::MaximumArmor(editor);
    person.answers = {"yes", "Prime"};
    if (!editor::LockChassis(editor)) {
        return false;
    }
    addWeapons(editor, {{"Large Laser", catalog::kRightArm},
                        {"Medium Laser", catalog::kLeftArm},
                        {"Medium Laser", catalog::kLeftArm},
                        {"SRM-6", catalog::kLeftTorso},
                        {"SRM-6 Ammo", catalog::kLeftTorso}});
    person.answers = {"A"};
    if (!editor::AddVariant(editor) || !editor::ChooseVariant(editor, "A")) {
        return false;
    }
    addWeapons(editor, {{"LRM-15", catalog::kRightTorso},
                        {"LRM-15 Ammo", catalog::kRightTorso},
                        {"Medium Laser", catalog::kRightArm},
                        {"Medium Laser", catalog::kLeftArm},
                        {"Small Laser", catalog::kHead}});
    return editor.unallocatedWeapons().empty() && editor.mech().OmniConfigCount() == 2;
}

} // namespace fpw::screenshots
