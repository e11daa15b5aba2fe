// Body type, tonnage, tech base and level, walking MP, structure and armour: the component
// choices that reshape the whole design.
#include "editor/components.h"

#include <algorithm>
#include <string>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/slottables.h"
#include "editor/componentchoices.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "editor/slotops.h"
#include "editor/systems.h"
#include "model/defaultslots.h"

namespace fpw::editor {

namespace {

constexpr int kLargestLAMTonnage = 55;
// Slots at the end of an arm that a quad's front leg needs free of fixed entries.
constexpr int kQuadArmSlots = 6;

bool isTorsoFront(int loc) {
    return loc == catalog::kLeftTorso || loc == catalog::kRightTorso ||
           loc == catalog::kCenterTorso;
}

int rearOf(int loc) {
    if (loc == catalog::kLeftTorso) {
        return catalog::kLeftTorsoRear;
    }
    return loc == catalog::kRightTorso ? catalog::kRightTorsoRear : catalog::kCenterTorsoRear;
}

bool allArmActuators(const model::Mech& mech) {
    for (int i = 0; i < model::kActuators; ++i) {
        if (!mech.GetLAActuator(i) || !mech.GetRAActuator(i)) {
            return false;
        }
    }
    return true;
}

bool armEndLocked(const model::CritLocation& list) {
    for (int slot = std::max(0, list.slotCount() - kQuadArmSlots); slot < list.slotCount();
         ++slot) {
        if (list.IsLockedSlot(slot)) {
            return true;
        }
    }
    return false;
}

void structureItems(Editor& editor) {
    const model::Mech& mech = editor.mech();
    rules::resetItems(editor, catalog::cIS,
                      catalog::structureSlots(mech.isType(), mech.techBase()));
}

void armorItems(Editor& editor) {
    const model::Mech& mech = editor.mech();
    rules::resetItems(editor, catalog::cArm,
                      catalog::armorSlots(mech.armorType(), mech.techBase()));
}

// Quad front legs or arms in slots 0 to 3; a biped's jump jets leave the arms.
void layLimbs(Editor& editor, bool quad) {
    model::Mech& mech = editor.mech();
    for (int arm : {catalog::kLeftArm, catalog::kRightArm}) {
        std::array<bool, model::kActuators> present{};
        for (int i = 0; i < model::kActuators; ++i) {
            present[static_cast<std::size_t>(i)] =
                arm == catalog::kLeftArm ? mech.GetLAActuator(i) : mech.GetRAActuator(i);
        }
        model::LayLimbActuators(mech.critLocation(arm), quad, present);
        if (!quad) {
            model::CritLocation& list = mech.critLocation(arm);
            for (int slot = 0; slot < list.slotCount(); ++slot) {
                if (list.IsOccupied(slot) && !list.IsLockedSlot(slot) &&
                    list.SlotBaseCode(slot) == catalog::cJJ) {
                    UnallocateSlot(editor, arm, slot);
                }
            }
        }
    }
}

} // namespace

int walkingBound(int engineType, int tonnage) {
    if (tonnage <= 0) {
        return 0;
    }
    const bool large = engineType == catalog::engine::kLarge ||
                       engineType == catalog::engine::kLargeXL ||
                       engineType == catalog::engine::kLargeXXL;
    return (large ? 500 : 400) / tonnage;
}

void CheckValidArmor(Editor& editor) {
    model::Mech& mech = editor.mech();
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        const int max = loc == catalog::kHead
                            ? 9
                            : 2 * catalog::gGetISPoints(loc, mech.tonnage(), mech.mechType());
        const int front = std::min<int>(mech.GetArmor(loc), max);
        if (front != mech.GetArmor(loc)) {
            mech.SetArmor(loc, static_cast<std::int16_t>(front));
        }
        if (isTorsoFront(loc)) {
            const int rear = std::min<int>(mech.GetArmor(rearOf(loc)), max - front);
            if (rear != mech.GetArmor(rearOf(loc))) {
                mech.SetArmor(rearOf(loc), static_cast<std::int16_t>(rear));
            }
        }
    }
}

bool LimitCriticalSlots(Editor& editor) {
    model::Mech& mech = editor.mech();
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        model::CritLocation& list = mech.critLocation(loc);
        const int target =
            list.normalSlotCount() -
            (mech.limitCrits() ? catalog::gGetLimitedCritSlots(mech.tonnage(), loc) : 0);
        for (int slot = target; slot < list.slotCount(); ++slot) {
            if (list.IsLockedSlot(slot)) {
                return false;
            }
            UnallocateSlot(editor, loc, slot);
        }
        while (list.slotCount() > target && list.DropLastSlot()) {
        }
        while (list.slotCount() < target && list.AddSlot()) {
        }
    }
    return true;
}

bool ChangeMechType(Editor& editor, int mechType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeMechType", [&] { return mech.mechType() == mechType; },
        rules::offers(editor.choices().mechType, catalog::mechTypeName(mechType)),
        [&] {
            const bool wasQuad = mech.mechType() == catalog::kQuad;
            const bool quad = mechType == catalog::kQuad;
            if (mechType == catalog::kLAM && mech.tonnage() > kLargestLAMTonnage) {
                return rules::refuse(editor, "Unable to create LAM",
                                     "LAMs cannot be bigger than 55 tons.");
            }
            if (quad) {
                constexpr const char* title = "Unable to create quad";
                if (armEndLocked(mech.critLocation(catalog::kLeftArm)) ||
                    armEndLocked(mech.critLocation(catalog::kRightArm))) {
                    return rules::refuse(editor, title,
                                         "Unable to switch to a QUAD design because the last 6 "
                                         "critical slots in each arm must be either empty or "
                                         "unlocked.");
                }
                if (mech.physicalType() != catalog::physical::kNone &&
                    (mech.laPhysical() || mech.raPhysical())) {
                    return rules::refuse(editor, title,
                                         "Unable to switch to a QUAD design because there are "
                                         "physical weapons mounted on this mech.");
                }
                if (!allArmActuators(mech)) {
                    return rules::refuse(editor, title,
                                         "Unable to switch to a QUAD design because there are "
                                         "actuators that are not mounted on this mech.");
                }
            }
            mech.setMechType(static_cast<std::int16_t>(mechType));
            if (quad != wasQuad) {
                layLimbs(editor, quad);
                CheckJJs(editor);
            }
            if (quad && mech.armless()) {
                mech.setArmless(false);
            }
            if (mechType == catalog::kOmniMech && mech.armorType() == catalog::armor::kHardened) {
                mech.setArmorType(catalog::armor::kStandard);
                armorItems(editor);
            }
            CheckValidArmor(editor);
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool ChangeTonnage(Editor& editor, int tonnage) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeTonnage", [&] { return mech.tonnage() == tonnage; },
        rules::baseEditable(editor) && tonnage >= editor.choices().tonnageMin &&
            tonnage <= editor.choices().tonnageMax && tonnage % 5 == 0,
        [&] {
            constexpr const char* title = "Unable to change tonnage";
            if (mech.mechType() == catalog::kLAM && tonnage > kLargestLAMTonnage) {
                return rules::refuse(editor, title, "LAMs cannot be over 55 tons.");
            }
            const bool lighter = tonnage < mech.tonnage();
            mech.setTonnage(static_cast<std::int16_t>(tonnage));
            if (mech.limitCrits() && !LimitCriticalSlots(editor)) {
                return rules::refuse(editor, title, kLimitCritsRefusal);
            }
            if (lighter) {
                CheckValidArmor(editor);
            }
            rules::boundMovement(editor);
            SyncMASCItem(editor);
            CheckCorrectHSCount(editor);
            CheckPhysicals(editor);
            return rules::finish(editor);
        });
}

bool ChangeTechBase(Editor& editor, int techBase) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeTechBase", [&] { return mech.techBase() == techBase; },
        rules::offers(editor.choices().techBase, catalog::techBaseName(techBase)),
        [&] {
            const std::int16_t oldBase = mech.techBase();
            const int oldHSSlots = catalog::heatSinkSlots(mech.hsType(), oldBase);
            mech.setTechBase(static_cast<std::int16_t>(techBase));
            if (techBase == catalog::kClan && mech.mechType() == catalog::kLAM &&
                editor.context().noClanLAMs) {
                mech.setMechType(catalog::kBiped);
            }
            if (techBase != catalog::kInnerSphere && mech.techLevel() < 2) {
                mech.setTechLevel(2);
            }
            // After the level: a Clan design at level 1 would otherwise list no weapon.
            RefreshWeapons(editor);
            renameWeaponSlots(editor);
            // The engine's side-torso slots follow the tech base.
            if (!rules::layEngineAndGyro(editor)) {
                return rules::refuse(editor, rules::kInstallSystemTitle,
                                     rules::engineRoomText(mech.engineType(), mech.engineType()));
            }
            if (!ClearUnavailableTech(editor)) {
                return Outcome::Refused;
            }
            if (catalog::heatSinkSlots(mech.hsType(), mech.techBase()) != oldHSSlots) {
                ResetHS(editor);
            }
            rules::syncItemCount(editor, catalog::cIS,
                                 catalog::structureSlots(mech.isType(), mech.techBase()));
            rules::syncItemCount(editor, catalog::cArm,
                                 catalog::armorSlots(mech.armorType(), mech.techBase()));
            SyncMASCItem(editor);
            CheckCASE(editor);
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool ChangeTechLevel(Editor& editor, int techLevel) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeTechLevel", [&] { return mech.techLevel() == techLevel; },
        rules::offers(editor.choices().techLevel, std::to_string(techLevel)),
        [&] {
            const bool leavingLevel3 = mech.techLevel() == 3 && techLevel < 3;
            mech.setTechLevel(static_cast<std::int16_t>(techLevel));
            RefreshWeapons(editor);
            if (leavingLevel3) {
                rules::clearArmoredComponents(editor);
            }
            if (!ClearUnavailableTech(editor)) {
                return Outcome::Refused;
            }
            CheckCASE(editor);
            return rules::finish(editor);
        });
}

bool ChangeWalking(Editor& editor, int walkingMP) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeWalking", [&] { return mech.walking() == walkingMP; },
        rules::baseEditable(editor) && walkingMP >= 1 && walkingMP <= editor.choices().walkingMax,
        [&] {
            mech.setWalking(static_cast<std::int16_t>(walkingMP));
            // The rating moves the heat sinks the engine holds, so the items follow as well.
            rules::boundMovement(editor);
            return rules::finish(editor);
        });
}

bool ChangeStructure(Editor& editor, int isType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeStructure", [&] { return mech.isType() == isType; },
        rules::offers(editor.choices().structure, catalog::structureName(isType)),
        [&] {
            mech.setISType(static_cast<std::int16_t>(isType));
            structureItems(editor);
            return rules::finish(editor);
        });
}

bool ChangeArmorType(Editor& editor, int armorType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeArmorType", [&] { return mech.armorType() == armorType; },
        rules::offers(editor.choices().armor, catalog::armorName(armorType)),
        [&] {
            if (armorType == catalog::armor::kHardened && mech.mechType() == catalog::kOmniMech) {
                return rules::refuse(editor, "Unable to mount armor",
                                     "Hardened armor can not be mounted on omni mechs.");
            }
            mech.setArmorType(static_cast<std::int16_t>(armorType));
            if (armorType != catalog::armor::kStandard) {
                // Armoured components go with standard armour only.
                rules::clearArmoredComponents(editor);
            }
            armorItems(editor);
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
