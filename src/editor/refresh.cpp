#include "editor/refresh.h"

#include <string>

#include "app/numbers.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "editor/componentchoices.h"
#include "editor/editor.h"
#include "reports/costbreakdown.h"
#include "reports/designfigures.h"
#include "valuation/bvcalc.h"
#include "valuation/bvdatastore.h"
#include "valuation/costcalculation.h"

namespace fpw::editor {

namespace {

using valuation::numberText;

const catalog::WeaponRecord* recordOf(const Editor& editor, int refID) {
    const catalog::WeaponTable& table = editor.context().weapons;
    if (refID < 0 || refID >= static_cast<int>(table.size())) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(refID)];
}

bool isMixedTech(const model::Mech& mech) {
    return mech.techBase() != catalog::kInnerSphere && mech.techBase() != catalog::kClan;
}

bool locationInUse(const model::Mech& mech, int loc) {
    return !(mech.armless() && (loc == catalog::kLeftArm || loc == catalog::kRightArm));
}

// The targeting computer's unallocated item follows the computer's size; a placed computer of
// the right size stays where it is. A locked omni base chassis fixes the computer.
void refreshTargetingComputer(Editor& editor) {
    model::Mech& mech = editor.mech();
    if (mech.targSysType() != catalog::targeting::kTargetingComputer) {
        return;
    }
    if (mech.omniBaseLocked() &&
        mech.omniBaseTargSysType() == catalog::targeting::kTargetingComputer) {
        return;
    }
    const int size = mech.DetermineTCSize();
    int placed = 0;
    for (const model::CritLocation& list : mech.critLocations()) {
        placed += list.FindItem(catalog::cTS).slotCount;
    }
    const UnallocatedItem* row = editor.items().find(catalog::cTS);
    const int current = placed > 0 ? placed : (row != nullptr ? row->slotsPerItem : 0);
    if (current == size) {
        return;
    }
    for (model::CritLocation& list : mech.critLocations()) {
        list.RemoveAllOf(catalog::cTS);
    }
    editor.items().remove(catalog::cTS);
    if (size > 0) {
        editor.items().add(catalog::cTS, 1,
                           catalog::genItemText(catalog::cTS, mech.designTypes(), editor.user()),
                           size);
    }
}

std::string turretText(double tons) {
    return "Turret: " + numberText(tons) + " tons";
}

// Movement with MASC or a supercharger shows the boosted MP: 2.5 times walking with both, twice
// walking with one.
std::string runningText(const model::Mech& mech) {
    std::string text = std::to_string(mech.running());
    const bool masc = mech.masc() != 0;
    if (masc || mech.supercharger()) {
        const int boosted =
            masc && mech.supercharger() ? mech.walking() * 5 / 2 : mech.walking() * 2;
        text += " [" + std::to_string(boosted) + "]";
    }
    return text;
}

void showHeat(Editor& editor) {
    model::Mech& mech = editor.mech();
    editor.display().maxHeat = "Max Heat: " + std::to_string(mech.MaxHeat()) + " ";
    editor.display().heatDissipate =
        "Heat Dissipation: " + std::to_string(reports::heatDissipation(mech)) + " ";
}

void showCostAndBV(Editor& editor) {
    const model::Mech& mech = editor.mech();
    editor.display().cost = "Cost: " + reports::formatCBills(mech.totalCost()) + " ";
    editor.display().bv = "BV: " + app::gFormatThousands(mech.battleValue()) + " ";
}

// Every text that depends only on the design's figures.
void showFigures(Editor& editor) {
    model::Mech& mech = editor.mech();
    EditorDisplay& display = editor.display();
    display.ltTurret = turretText(mech.ltTurretTonnage());
    display.rtTurret = turretText(mech.rtTurretTonnage());
    display.armorPoints = std::to_string(mech.armorPoints());
    if (mech.armorFree() > 0) {
        display.armorPoints += " (" + std::to_string(mech.armorFree()) + ")";
    }
    display.totalTonnage = "Tons: " + numberText(mech.totalTonnage()) + " ";
    display.freeTonnage = "Free Tons: " + numberText(mech.freeTonnage()) + " ";
    display.overweight = mech.freeTonnage() < 0;
    display.weightClass = weightClassName(mech.tonnage());
    display.running = runningText(mech);
    display.sprinting = std::to_string(mech.sprinting());
    display.savedText = editor.saved() ? "Saved" : "Not Saved";
}

} // namespace

int weaponSlotNeed(const Editor& editor, int refID) {
    const catalog::WeaponRecord* record = recordOf(editor, refID);
    if (record == nullptr) {
        return 0;
    }
    int need = record->critSlots > 0 ? record->critSlots : 0;
    if (record->artemisCapable != 0) {
        const model::Mech& mech = editor.mech();
        const int setting = record->artemisClass == 1 ? mech.artemisLRM() : mech.artemisSRM();
        if (setting == catalog::kArtemisIV) {
            need += 1;
        } else if (setting != catalog::kNoArtemis) {
            need += 2;
        }
    }
    return need;
}

void CountFreeSlots(Editor& editor) {
    const model::Mech& mech = editor.mech();
    int free = 0;
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        if (locationInUse(mech, loc)) {
            free += mech.critLocation(loc).FreeSlotCount();
        }
    }
    int needed = 0;
    for (const model::WeaponEntry& weapon : mech.weapons()) {
        if (!weapon.isFree() && weapon.LocCount() == 0) {
            needed += weaponSlotNeed(editor, weapon.refID);
        }
    }
    for (const UnallocatedItem& row : editor.items().rows()) {
        needed += row.count * row.slotsPerItem;
    }
    EditorDisplay& display = editor.display();
    display.freeSlotCount = free;
    display.neededSlots = needed;
    display.freeSlots = "Crits Free: " + std::to_string(free);
    if (needed > 0) {
        display.freeSlots += " (" + std::to_string(free - needed) + ")";
    }
    display.freeSlots += " ";
}

bool HasUnallocatedWeapons(const Editor& editor) {
    for (const model::WeaponEntry& weapon : editor.mech().weapons()) {
        if (!weapon.isFree() && weapon.LocCount() == 0) {
            return true;
        }
    }
    return false;
}

void CountArmoredSlots(Editor& editor) {
    // Every armoured slot counts once, the parts of a torso-mounted cockpit included: each is
    // a slot of its own that a hit can find.
    int count = 0;
    for (const model::CritLocation& list : editor.mech().critLocations()) {
        for (const model::CriticalSlot& slot : list.slots()) {
            if (slot.isActive && slot.isArmored) {
                ++count;
            }
        }
    }
    editor.mech().ArmoredSlotData(count, count);
}

std::string weightClassName(int tonnage) {
    if (tonnage >= 10 && tonnage <= 35) {
        return "Light Mech";
    }
    if (tonnage >= 40 && tonnage <= 55) {
        return "Medium Mech";
    }
    if (tonnage >= 60 && tonnage <= 75) {
        return "Heavy Mech";
    }
    if (tonnage >= 80 && tonnage <= 100) {
        return "Assault Mech";
    }
    return {};
}

void SetSaved(Editor& editor, bool saved) {
    editor.setSavedFlag(saved);
    editor.display().savedText = saved ? "Saved" : "Not Saved";
}

void GenTotalCostAndBV(Editor& editor) {
    valuation::CalcTotalCost(editor.mech());
    valuation::CalcBV(editor.mech());
    showCostAndBV(editor);
}

void UpdateAllTonnages(Editor& editor) {
    if (editor.loading()) {
        return;
    }
    // The computer's item comes first, so that the counts below see it.
    refreshTargetingComputer(editor);
    CountArmoredSlots(editor);
    editor.mech().CalcTotalTonnage();
    CountFreeSlots(editor);
    showHeat(editor);
    GenTotalCostAndBV(editor);
    SetSaved(editor, false);
    showFigures(editor);
    // What the controls offer follows the design as well (bounds, engine locations, a base
    // chassis just locked).
    UpdateAvailableTech(editor);
}

void RefreshDisplay(Editor& editor) {
    CountFreeSlots(editor);
    showHeat(editor);
    showCostAndBV(editor);
    showFigures(editor);
}

void RefreshSelectedWeapons(Editor& editor) {
    const model::Mech& mech = editor.mech();
    const bool mixed = isMixedTech(mech);
    std::vector<WeaponRow>& unallocated = editor.unallocatedWeapons();
    std::vector<WeaponRow>& selected = editor.selectedEquipment();
    unallocated.clear();
    selected.clear();
    for (const model::WeaponEntry& weapon : mech.weapons()) {
        const catalog::WeaponRecord* record = recordOf(editor, weapon.refID);
        if (weapon.isFree() || record == nullptr) {
            continue;
        }
        const std::string techMark = record->techBase == catalog::kClan ? "(C)" : "(IS)";
        if (weapon.LocCount() == 0) {
            std::string text = mixed ? techMark + " " : std::string();
            text += record->name + " [" + std::to_string(record->critSlots) + " crits]";
            unallocated.push_back(WeaponRow{std::move(text), weapon.weaponIndex});
        }
        std::string locations;
        for (int i = 0; i < weapon.LocCount(); ++i) {
            locations += (i > 0 ? "/" : "") + catalog::locationAbbreviation(weapon.GetLoc(i));
        }
        std::string text = record->name + " (" + (locations.empty() ? "U" : locations) + ")";
        if (mixed) {
            text += " " + techMark;
        }
        if (weapon.baseOmni) {
            text += " [Base]";
        }
        selected.push_back(WeaponRow{std::move(text), weapon.weaponIndex});
    }
}

void RefreshWeapons(Editor& editor) {
    const model::Mech& mech = editor.mech();
    const catalog::WeaponTable& table = editor.context().weapons;
    const bool mixed = isMixedTech(mech);
    std::vector<const catalog::WeaponRecord*> designWeapons;
    if (editor.ammoForCurrentWeapons()) {
        for (const model::WeaponEntry& weapon : mech.weapons()) {
            if (const catalog::WeaponRecord* record = recordOf(editor, weapon.refID)) {
                designWeapons.push_back(record);
            }
        }
    }
    std::vector<AvailableWeapon>& list = editor.availableWeapons();
    list.clear();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const catalog::WeaponRecord& record = table[i];
        if ((!mixed && record.techBase != mech.techBase()) || record.techLevel > mech.techLevel()) {
            continue;
        }
        const bool ammunition = record.weaponType == catalog::weapontype::kAmmunition;
        const int filter = editor.weaponTypeFilter();
        const int shownType = ammunition ? record.ammoWeaponType : record.weaponType;
        const bool allAmmunition = ammunition && filter == catalog::weapontype::kAmmunition;
        if (filter >= 0 && shownType != filter && !allAmmunition) {
            continue;
        }
        if (ammunition && editor.ammoForCurrentWeapons()) {
            bool fired = false;
            for (const catalog::WeaponRecord* weapon : designWeapons) {
                fired = fired || catalog::takesAmmunition(*weapon, record);
            }
            if (!fired) {
                continue;
            }
        }
        std::string text = mixed ? (record.techBase == catalog::kClan ? "(C) " : "(IS) ") : "";
        list.push_back(AvailableWeapon{text + record.name, static_cast<std::int16_t>(i)});
    }
}

} // namespace fpw::editor
