// MASC, triple-strength myomer, supercharger, null-signature system, targeting systems,
// turrets, and the limit-crits and fractional-accounting options.
#include "editor/systems.h"

#include <string>

#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "editor/slotops.h"

namespace fpw::editor {

namespace {

constexpr int kTSMItems = 6;
constexpr const char* kIncompatibleMyomer = "Triple Strength Myomer and MASC are not compatible.";

bool takesHeadSlot(int targSysType) {
    return targSysType == catalog::targeting::kVariableRange ||
           targSysType == catalog::targeting::kMultiTracII;
}

bool holdsEngine(const Editor& editor, int loc) {
    return editor.mech().critLocation(loc).HasItem(catalog::cEng);
}

void removeSupercharger(Editor& editor) {
    rules::removePlaced(editor, catalog::cSC, true);
    editor.mech().setSupercharger(false);
}

// The supercharger into a slot of the location; false when every slot there is locked.
bool placeSupercharger(Editor& editor, int loc) {
    const int slot = rules::slotForEntry(editor.mech().critLocation(loc));
    if (slot < 0) {
        return false;
    }
    rules::placeFixedEntry(editor, loc, slot, catalog::cSC,
                           catalog::genItemText(catalog::cSC, {}, editor.user()));
    editor.mech().setSuperchargerLoc(static_cast<std::int16_t>(loc));
    return true;
}

constexpr const char* kNoSuperchargerSlotTitle = "Unable to move supercharger";
constexpr const char* kNoSuperchargerSlot =
    "There is not an unlocked slot in this location to add the supercharger to. Removing "
    "supercharger.";

} // namespace

void SyncMASCItem(Editor& editor) {
    const model::Mech& mech = editor.mech();
    const int size = mech.masc() != 0 ? mech.mascSize() : 0;
    int placedSize = 0;
    for (const model::CritLocation& list : mech.critLocations()) {
        placedSize += list.FindItem(catalog::cMASC).slotCount;
    }
    const UnallocatedItem* row = editor.items().find(catalog::cMASC);
    const int current = placedSize > 0 ? placedSize : (row != nullptr ? row->slotsPerItem : 0);
    if (current == size) {
        return;
    }
    rules::removePlaced(editor, catalog::cMASC, true);
    editor.items().remove(catalog::cMASC);
    if (size > 0) {
        rules::addUnallocated(editor, catalog::cMASC, 1);
    }
}

bool SetMASC(Editor& editor, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetMASC", [&] { return (mech.masc() != 0) == on; },
        rules::allows(editor, editor.choices().masc, on),
        [&] {
            if (on && mech.tsm()) {
                return rules::refuse(editor, rules::kInstallSystemTitle, kIncompatibleMyomer);
            }
            mech.setMASC(on ? 1 : 0);
            SyncMASCItem(editor);
            return rules::finish(editor);
        });
}

void ClearTSM(Editor& editor) {
    rules::removePlaced(editor, catalog::cTSM, true);
    editor.items().remove(catalog::cTSM);
    editor.mech().setTSM(false);
}

bool SetTSM(Editor& editor, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetTSM", [&] { return mech.tsm() == on; },
        rules::allows(editor, editor.choices().tsm, on),
        [&] {
            if (on && mech.masc() != 0) {
                return rules::refuse(editor, rules::kInstallSystemTitle, kIncompatibleMyomer);
            }
            if (on) {
                mech.setTSM(true);
                rules::addUnallocated(editor, catalog::cTSM, kTSMItems);
            } else {
                ClearTSM(editor);
            }
            return rules::finish(editor);
        });
}

void CheckSupercharger(Editor& editor) {
    model::Mech& mech = editor.mech();
    if (mech.supercharger() && !holdsEngine(editor, mech.superchargerLoc())) {
        removeSupercharger(editor);
    }
}

bool SetSupercharger(Editor& editor, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetSupercharger", [&] { return mech.supercharger() == on; },
        rules::allows(editor, editor.choices().supercharger, on),
        [&] {
            if (!on) {
                removeSupercharger(editor);
                return rules::finish(editor);
            }
            // The center torso when the engine is there, else the first location that holds it.
            int loc = holdsEngine(editor, catalog::kCenterTorso) ? catalog::kCenterTorso : -1;
            for (int l = 0; l < model::kSlotLocations && loc < 0; ++l) {
                loc = holdsEngine(editor, l) ? l : -1;
            }
            if (loc < 0) {
                return rules::refuse(editor, "Unable to mount system",
                                     "There are no valid locations to put a supercharger. "
                                     "Superchargers need to be put in the same location as an "
                                     "engine.");
            }
            if (!placeSupercharger(editor, loc)) {
                return rules::refuse(editor, kNoSuperchargerSlotTitle, kNoSuperchargerSlot);
            }
            mech.setSupercharger(true);
            return rules::finish(editor);
        });
}

bool MoveSupercharger(Editor& editor, int location) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "MoveSupercharger",
        [&] { return mech.supercharger() && mech.superchargerLoc() == location; },
        rules::baseEditable(editor) && mech.supercharger() && location >= 0 &&
            location < model::kSlotLocations && holdsEngine(editor, location),
        [&] {
            rules::removePlaced(editor, catalog::cSC, true);
            if (!placeSupercharger(editor, location)) {
                // The player is told the supercharger is gone, and it is.
                rules::warn(editor, kNoSuperchargerSlotTitle, kNoSuperchargerSlot);
                removeSupercharger(editor);
            }
            return rules::finish(editor);
        });
}

void ClearNSS(Editor& editor) {
    rules::removePlaced(editor, catalog::cNSS, true);
    editor.mech().setNullSigSys(false);
}

bool SetNullSignature(Editor& editor, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetNullSignature", [&] { return mech.nullSigSys() == on; },
        rules::allows(editor, editor.choices().nullSignature, on),
        [&] {
            constexpr const char* title = "Unable to use system";
            if (!on) {
                ClearNSS(editor);
                return rules::finish(editor);
            }
            if (mech.targSysType() != catalog::targeting::kStandard) {
                return rules::refuse(editor, title,
                                     "The Null Signature System is incompatible with the specialty "
                                     "target and tracking systems.");
            }
            const std::string text = catalog::genItemText(catalog::cNSS, {}, editor.user());
            for (int loc = 0; loc < model::kCaseLocations; ++loc) {
                const int slot = rules::slotForEntry(mech.critLocation(loc));
                if (slot < 0) {
                    // Whatever was placed is rolled back: the system is removed again.
                    return rules::refuse(editor, title,
                                         "Unable to allocate all the slots of the Null Signature "
                                         "System. The system has been removed.");
                }
                rules::placeFixedEntry(editor, loc, slot, catalog::cNSS, text);
            }
            mech.setNullSigSys(true);
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool ChangeTargetingSystem(Editor& editor, int targSysType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeTargetingSystem", [&] { return mech.targSysType() == targSysType; },
        rules::offers(editor.choices().targeting, catalog::targetingName(targSysType)),
        [&] {
            if (targSysType != catalog::targeting::kStandard && mech.nullSigSys()) {
                return rules::refuse(editor, rules::kInstallSystemTitle,
                                     "This mech has a Null Signature System installed which is "
                                     "incompatible with specialty target and tracking systems.");
            }
            // The old system's items leave: the head slot, or the computer placed and unallocated.
            rules::removePlaced(editor, catalog::cTS, true);
            editor.items().remove(catalog::cTS);
            if (takesHeadSlot(targSysType)) {
                const int slot = rules::slotForEntry(mech.critLocation(catalog::kHead));
                if (slot < 0) {
                    return rules::refuse(
                        editor, "Unable to change system",
                        "Unable to switch to " + catalog::targetingName(targSysType) +
                            " because there are no free critical slots in the head.");
                }
                rules::placeFixedEntry(editor, catalog::kHead, slot, catalog::cTS,
                                       catalog::targetingName(targSysType));
            }
            mech.setTargSysType(static_cast<std::int16_t>(targSysType));
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool SetTurret(Editor& editor, bool rightTorso, bool on) {
    model::Mech& mech = editor.mech();
    auto has = [&] { return rightTorso ? mech.rtTurret() : mech.ltTurret(); };
    const int loc = rightTorso ? catalog::kRightTorso : catalog::kLeftTorso;
    return rules::change(
        editor, "SetTurret", [&] { return has() == on; },
        rules::allows(editor, editor.choices().turrets, on),
        [&] {
            constexpr const char* title = "Unable to mount turret";
            model::CritLocation& list = mech.critLocation(loc);
            if (on) {
                if (mech.mechType() == catalog::kQuad && (mech.ltTurret() || mech.rtTurret())) {
                    return rules::refuse(editor, title, "Quad mechs may only mount one turret.");
                }
                const int slot = rules::firstFreeSlot(list);
                if (slot < 0) {
                    return rules::refuse(
                        editor, title,
                        "There are no free critical slots for the turret mechanism.");
                }
                rules::placeFixedEntry(editor, loc, slot, catalog::cTur, "Turret Mechanism");
            } else {
                list.RemoveAllOf(catalog::cTur);
                // The torso's weapons leave the turret.
                for (const model::WeaponEntry& weapon : std::vector(mech.weapons())) {
                    if (!weapon.isFree() && weapon.turretMounted && weapon.GetLoc(0) == loc &&
                        mech.TSetWeaponIdxGlobal(weapon.weaponIndex)) {
                        mech.currentWeapon().turretMounted = false;
                        mech.UpdateGlobalWeaponIdx(weapon.weaponIndex);
                        const std::string id = std::to_string(weapon.weaponIndex);
                        list.SetTurret(false, id);
                        const model::ItemRun run = list.FindItem(id);
                        for (int s = run.firstSlot; s >= 0 && s < run.firstSlot + run.slotCount;
                             ++s) {
                            model::CriticalSlot entry = list.slot(s);
                            list.SetSlot(weaponSlotText(editor, mech.currentWeapon()), s,
                                         entry.flags(), id);
                        }
                    }
                }
            }
            if (rightTorso) {
                mech.setRTTurret(on);
            } else {
                mech.setLTTurret(on);
            }
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool SetLimitCrits(Editor& editor, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetLimitCrits", [&] { return mech.limitCrits() == on; },
        rules::allows(editor, editor.choices().limitCrits, on),
        [&] {
            mech.setLimitCrits(on);
            if (!LimitCriticalSlots(editor)) {
                return rules::refuse(editor, "Unable to limit crits", kLimitCritsRefusal);
            }
            if (on) {
                const int tons = mech.tonnage();
                auto line = [&](const char* name, int loc) {
                    return std::string("\t") + name +
                           std::to_string(catalog::gGetLimitedCritSlots(tons, loc)) + "\r\n";
                };
                editor.user().message(
                    "A mech of " + std::to_string(tons) +
                        " tons has the following number of critical slots "
                        "subtracted from the normal number:\r\n" +
                        line("Arms: ", catalog::kLeftArm) + line("Torsos: ", catalog::kLeftTorso) +
                        line("Legs: ", catalog::kLeftLeg) +
                        "These critical slots are removed from the end of the list.",
                    "Limit Crits", app::MessageIcon::Information);
            }
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool SetFractionalAccounting(Editor& editor, bool on) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "SetFractionalAccounting", [&] { return mech.fractionalAccounting() == on; },
        rules::allows(editor, editor.choices().fractional, on),
        [&] {
            mech.setFractionalAccounting(on);
            // MASC's slots follow its exact tonnage under fractional accounting.
            SyncMASCItem(editor);
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
