// What the arms carry besides weapons: physical weapons, the lower arm and hand actuators, and
// the armless option.
#include <string>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "editor/slotops.h"
#include "editor/systems.h"
#include "model/defaultslots.h"

namespace fpw::editor {

namespace {

constexpr int kLowerArm = 2;
constexpr int kHand = 3;

int armLoc(bool right) {
    return right ? catalog::kRightArm : catalog::kLeftArm;
}

const char* armWord(bool right) {
    return right ? "right" : "left";
}

bool hasActuator(const model::Mech& mech, bool right, int i) {
    return right ? mech.GetRAActuator(i) : mech.GetLAActuator(i);
}

void setActuator(model::Mech& mech, bool right, int i, bool value) {
    if (right) {
        mech.SetRAActuator(i, value);
    } else {
        mech.SetLAActuator(i, value);
    }
}

bool physicalOn(const model::Mech& mech, bool right) {
    return right ? mech.raPhysical() : mech.laPhysical();
}

void setPhysicalOn(model::Mech& mech, bool right, bool value) {
    if (right) {
        mech.setRAPhysical(value);
    } else {
        mech.setLAPhysical(value);
    }
}

// On an OmniMech an arm that mounts a PPC, Gauss rifle or autocannon takes no lower arm or
// hand actuator.
bool mountsActuatorlessWeapon(const Editor& editor, int loc) {
    const catalog::WeaponTable& table = editor.context().weapons;
    for (const model::WeaponEntry& weapon : editor.mech().weapons()) {
        if (weapon.isFree() || weapon.refID >= static_cast<int>(table.size())) {
            continue;
        }
        for (int i = 0; i < weapon.LocCount(); ++i) {
            if (weapon.GetLoc(i) == loc &&
                table[static_cast<std::size_t>(weapon.refID)].omniArmActuatorsAllowed == 0) {
                return true;
            }
        }
    }
    return false;
}

// Places the physical weapon in one arm; the refusal text when it cannot.
std::string placePhysical(Editor& editor, bool right) {
    model::Mech& mech = editor.mech();
    const int loc = armLoc(right);
    if (!hasActuator(mech, right, kHand)) {
        return std::string("You must have a hand actuator in the ") + armWord(right) +
               " arm to mount a physical weapon.";
    }
    const int size = mech.physicalSize();
    const int start = rules::runForEntry(mech.critLocation(loc), size);
    const std::string name = catalog::physicalName(mech.physicalType());
    if (start < 0) {
        return "Unable to mount a " + name + " in the " + armWord(right) +
               " arm since there are not " + std::to_string(size) + " unlocked slots.";
    }
    placeGeneralItem(editor, loc, start, size, catalog::cPhy, name, true);
    return {};
}

// Writes the actuator back into its slot; false when an item the rule may not move is there.
bool restoreActuator(Editor& editor, bool right, int i) {
    model::Mech& mech = editor.mech();
    const int loc = armLoc(right);
    if (hasActuator(mech, right, i)) {
        return true;
    }
    if (mech.critLocation(loc).IsLockedSlot(i)) {
        return false;
    }
    UnallocateSlot(editor, loc, i);
    setActuator(mech, right, i, true);
    std::array<bool, model::kActuators> present{};
    for (int a = 0; a < model::kActuators; ++a) {
        present[static_cast<std::size_t>(a)] = hasActuator(mech, right, a);
    }
    // Free actuator slots of the arm stay free; only the restored one is written.
    model::CritLocation& list = mech.critLocation(loc);
    model::CritLocation written = list;
    model::LayLimbActuators(written, false, present);
    const model::CriticalSlot entry = written.slot(i);
    list.SetSlot(entry.text, i, entry.flags(), entry.itemID);
    return true;
}

} // namespace

bool CheckPhysicals(Editor& editor) {
    model::Mech& mech = editor.mech();
    for (bool right : {false, true}) {
        mech.critLocation(armLoc(right)).RemoveAllOf(catalog::cPhy);
    }
    if (mech.physicalType() == catalog::physical::kNone) {
        return true;
    }
    bool all = true;
    for (bool right : {false, true}) {
        if (!physicalOn(mech, right)) {
            continue;
        }
        const std::string failure = placePhysical(editor, right);
        if (!failure.empty()) {
            rules::warn(editor, "Unable to mount weapon", failure);
            setPhysicalOn(mech, right, false);
            all = false;
        }
    }
    return all;
}

bool ChangePhysicalType(Editor& editor, int physicalType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangePhysicalType", [&] { return mech.physicalType() == physicalType; },
        rules::offers(editor.choices().physical, catalog::physicalName(physicalType)) &&
            (physicalType == catalog::physical::kNone || editor.choices().physical.enabled),
        [&] {
            mech.setPhysicalType(static_cast<std::int16_t>(physicalType));
            if (physicalType == catalog::physical::kNone) {
                mech.setLAPhysical(false);
                mech.setRAPhysical(false);
            }
            CheckPhysicals(editor);
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool SetPhysicalArm(Editor& editor, bool rightArm, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetPhysicalArm", [&] { return physicalOn(mech, rightArm) == on; },
        !on || (editor.choices().physicalArms.enabled &&
                mech.physicalType() != catalog::physical::kNone),
        [&] {
            setPhysicalOn(mech, rightArm, on);
            mech.critLocation(armLoc(rightArm)).RemoveAllOf(catalog::cPhy);
            if (on) {
                const std::string failure = placePhysical(editor, rightArm);
                if (!failure.empty()) {
                    return rules::refuse(editor, "Unable to mount weapon", failure);
                }
            }
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool SetArmActuator(Editor& editor, bool rightArm, int actuator, bool on) {
    model::Mech& mech = editor.mech();
    if (actuator != kLowerArm && actuator != kHand) {
        return false;
    }
    return rules::change(
        editor, "SetArmActuator", [&] { return hasActuator(mech, rightArm, actuator) == on; },
        editor.choices().armActuators.enabled,
        [&] {
            const int loc = armLoc(rightArm);
            if (!on) {
                // No hand without a lower arm, no physical weapon without a hand.
                for (int i = kHand; i >= actuator; --i) {
                    if (hasActuator(mech, rightArm, i)) {
                        setActuator(mech, rightArm, i, false);
                        mech.critLocation(loc).ClearSlot(i);
                    }
                }
                setPhysicalOn(mech, rightArm, false);
                CheckPhysicals(editor);
                return rules::finish(editor);
            }
            constexpr const char* title = "Unable to restore actuator";
            // A hand needs its lower arm: both are restored then.
            const bool both = actuator == kHand && !hasActuator(mech, rightArm, kLowerArm);
            const std::string which = both                    ? "the actuators"
                                      : actuator == kLowerArm ? "the lower arm actuator"
                                                              : "the hand actuator";
            if (mech.mechType() == catalog::kOmniMech && mountsActuatorlessWeapon(editor, loc)) {
                return rules::refuse(
                    editor, title,
                    "Unable to restore " + which +
                        " due to the weapons that are mounted in the arm. On an "
                        "omni-mech, you may not have lower or hand actuators in an "
                        "arm that mounts a PPC, Gauss Rifle or Autocannon.");
            }
            for (int i = kLowerArm; i <= actuator; ++i) {
                if (!restoreActuator(editor, rightArm, i)) {
                    return rules::refuse(editor, title,
                                         std::string("Unable to restore the ") +
                                             (i == kLowerArm ? "lower arm" : "hand") +
                                             " actuator due to a locked item being in the way.");
                }
            }
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool RestoreArmActuators(Editor& editor) {
    for (bool right : {false, true}) {
        for (int i = 0; i < model::kActuators; ++i) {
            if (!restoreActuator(editor, right, i)) {
                return false;
            }
        }
    }
    RefreshSelectedWeapons(editor);
    return true;
}

bool ResetArmActuators(Editor& editor) {
    return RestoreArmActuators(editor);
}

void MakeArmless(Editor& editor) {
    model::Mech& mech = editor.mech();
    for (bool right : {false, true}) {
        const int loc = armLoc(right);
        for (int slot = 0; slot < mech.critLocation(loc).slotCount(); ++slot) {
            if (!mech.critLocation(loc).IsLockedSlot(slot)) {
                UnallocateSlot(editor, loc, slot);
            }
        }
        mech.SetArmor(loc, 0);
        mech.critLocation(loc).RemoveAllOf(catalog::cCASE);
        mech.SetCase(loc, catalog::kNoCase);
    }
    mech.setArmless(true);
    RefreshSelectedWeapons(editor);
    CountFreeSlots(editor);
}

bool SetArmless(Editor& editor, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetArmless", [&] { return mech.armless() == on; },
        rules::allows(editor, editor.choices().armless, on),
        [&] {
            if (on) {
                MakeArmless(editor);
            } else {
                mech.setArmless(false);
            }
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
