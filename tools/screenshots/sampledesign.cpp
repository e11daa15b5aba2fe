#include "sampledesign.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/armor.h"
#include "editor/components.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/slotmenu.h"
#include "editor/systems.h"
#include "editor/weaponlistactions.h"

namespace fpw::screenshots {
namespace {

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

// Weapons found by name in the available list, each dropped on the first free run of its
// location.
void addWeapons(editor::Editor& editor) {
    const std::vector<std::pair<std::string, int>> wanted{
        {"Large Laser", catalog::kRightArm},     {"Medium Laser", catalog::kLeftArm},
        {"Medium Laser", catalog::kLeftArm},     {"SRM-2", catalog::kLeftTorso},
        {"Small Laser", catalog::kHead},         {"LRM-5", catalog::kRightTorso},
        {"Medium Laser", catalog::kCenterTorso}, {"LRM-5 Ammo", catalog::kRightTorso},
        {"SRM-2 Ammo", catalog::kLeftTorso},
    };
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
    editor::AddWeapons(editor, {editor.availableWeapons().front().refID});
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
    addWeapons(editor);
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

} // namespace fpw::screenshots
