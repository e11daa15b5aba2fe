#include <vector>

#include "app/recordcodec.h"
#include "catalog/conversionerror.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "io/designfile.h"

namespace fpw::io {
namespace {

using app::RecordWriter;
using model::CriticalSlot;
using model::WeaponEntry;

// An Integer field that holds a flag: True is -1 as in a Boolean field.
std::int16_t flagInteger(bool value) {
    return value ? -1 : 0;
}

void writeWeapon(RecordWriter& out, const WeaponEntry& weapon) {
    out.integer(weapon.refID);
    out.integer(weapon.weaponIndex);
    // Always one dimension: the list holds at least the single -1 of an unplaced weapon.
    const std::vector<std::int16_t> single{-1};
    const auto& locations = weapon.locations.empty() ? single : weapon.locations;
    out.arrayHead(locations.size());
    for (std::int16_t loc : locations) {
        out.integer(loc);
    }
    out.integer(weapon.startCrit);
    out.boolean(weapon.rearMounted);
    out.boolean(weapon.baseOmni);
    out.boolean(weapon.allocated);
    out.boolean(weapon.turretMounted);
    out.boolean(weapon.spread);
}

} // namespace

// The save code comes from the weapons of the store the slot belongs to: the same instance
// number may name another weapon in another configuration.
std::int16_t slotSaveCode(const CriticalSlot& slot, const std::vector<WeaponEntry>& weapons) {
    return itemSaveCode(slot.isWeapon, slot.itemID, weapons);
}

std::int16_t itemSaveCode(bool isWeapon, std::string_view itemID,
                          const std::vector<WeaponEntry>& weapons) {
    if (!isWeapon) {
        return catalog::gGetGenItemID(itemID, false);
    }
    std::int16_t weaponIndex = 0;
    try {
        weaponIndex = catalog::gGetGenItemID(itemID, true);
    } catch (const catalog::ConversionError&) {
        return catalog::kNoSaveCode;
    }
    for (const WeaponEntry& weapon : weapons) {
        if (!weapon.isFree() && weapon.weaponIndex == weaponIndex) {
            return weapon.refID;
        }
    }
    return catalog::kNoSaveCode;
}

bool configurationKeeps(const model::OmniCritLocationStorage& base, int loc,
                        const CriticalSlot& slot) {
    if (!slot.isLocked || !base.TIsBaseItem(loc, slot.index)) {
        return true;
    }
    return !base.TIsBaseArmored(loc, slot.index) && slot.isArmored;
}

namespace {

void writeSlot(RecordWriter& out, const CriticalSlot& slot, int loc,
               const std::vector<WeaponEntry>& weapons) {
    const std::int16_t code = slotSaveCode(slot, weapons);
    // The reader rebuilds these texts, so the file does not repeat them.
    const bool rebuilt = code != catalog::kNoSaveCode || slot.text == model::kRollAgain;
    out.string(rebuilt ? std::string_view{} : std::string_view{slot.text});
    out.integer(slot.index);
    out.integer(static_cast<std::int16_t>(loc));
    out.boolean(slot.isWeapon);
    out.boolean(slot.isSpecial);
    out.boolean(slot.isLocked);
    out.boolean(slot.isActive);
    out.boolean(slot.isArmored);
    out.boolean(slot.isBaseArmored);
    out.boolean(slot.isRearMounted);
    out.boolean(slot.isSpread);
    out.boolean(slot.isTurretMounted);
    out.string(slot.itemID);
    out.integer(code);
}

struct PlacedSlot {
    const CriticalSlot* slot;
    int location;
};

void writeSlotList(RecordWriter& out, const std::vector<PlacedSlot>& slots,
                   const std::vector<WeaponEntry>& weapons) {
    out.lastIndexPrefix(slots.size());
    for (const PlacedSlot& placed : slots) {
        writeSlot(out, *placed.slot, placed.location, weapons);
    }
}

void writeScalars(RecordWriter& out, const model::MechFields& f) {
    out.integer(f.tonnage);
    out.doubleValue(f.totalTonnage);
    out.doubleValue(f.freeTonnage);
    out.integer(f.walking);
    out.integer(f.running);
    out.integer(f.sprinting);
    out.integer(f.jumping);
    out.integer(f.techBase);
    out.integer(f.techLevel);
    out.integer(f.mechType);
    out.integer(f.engineType);
    out.integer(f.cockpitType);
    out.integer(f.targSysType);
    out.integer(f.armorType);
    out.integer(f.isType);
    out.integer(f.hsType);
    out.integer(f.gyroType);
    out.integer(f.jumpJetType);
    out.integer(f.reserved1);
    out.integer(f.reserved2);
    out.boolean(f.tsm);
    out.integer(f.masc);
    out.boolean(f.supercharger);
    out.boolean(f.nullSigSys);
    out.integer(f.tcSize);
    out.integer(f.mascSize);
    out.integer(f.hsInEngine);
    out.integer(f.hsCount);
    out.boolean(f.limitCrits);
    out.integer(f.superchargerLoc);
    out.integer(f.physicalType);
    out.boolean(f.laPhysical);
    out.boolean(f.raPhysical);
    out.integer(f.armorPoints);
    out.integer(f.armorFree);
    out.integer(f.maxHeat);
    out.integer(f.weaponHeat);
    out.longValue(f.totalCost);
    out.integer(f.battleValue);
    out.integer(f.engineRating);
    out.doubleValue(f.engineTonnage);
    out.doubleValue(f.cockpitTonnage);
    out.doubleValue(f.targSysTonnage);
    out.doubleValue(f.weaponTonnage);
    out.doubleValue(f.armorTonnage);
    out.doubleValue(f.isTonnage);
    out.doubleValue(f.jumpJetTonnage);
    out.doubleValue(f.gyroTonnage);
    out.doubleValue(f.hsTonnage);
    out.doubleValue(f.mascTonnage);
    out.doubleValue(f.armoredSlotTonnage);
    out.doubleValue(f.caseTonnage);
    out.doubleValue(f.lamTonnage);
    out.doubleValue(f.physicalTonnage);
    out.doubleValue(f.superchargerTonnage);
    out.doubleValue(f.baseFreeTonnage);
    out.boolean(f.omniBaseLocked);
    out.integer(f.artemisSRM);
    out.integer(f.artemisLRM);
    out.doubleValue(f.artemisTonnage);
    out.boolean(f.ltTurret);
    out.boolean(f.rtTurret);
    out.doubleValue(f.ltTurretTonnage);
    out.doubleValue(f.rtTurretTonnage);
    out.boolean(f.armless);
    out.boolean(f.fractionalAccounting);
}

// Locations 0 to 7, each from slot 0 to its last. Free slots before the first occupied one
// are left out; from there on every slot is written.
std::vector<PlacedSlot> currentSlots(const model::Mech& mech) {
    std::vector<PlacedSlot> slots;
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        for (const CriticalSlot& slot : mech.critLocation(loc).slots()) {
            if (slots.size() == 1 && slots.front().slot->itemID.empty()) {
                slots.front() = PlacedSlot{&slot, loc};
            } else {
                slots.push_back(PlacedSlot{&slot, loc});
            }
        }
    }
    return slots;
}

std::vector<WeaponEntry> liveWeapons(const std::vector<WeaponEntry>& weapons) {
    std::vector<WeaponEntry> live;
    for (const WeaponEntry& weapon : weapons) {
        if (!weapon.isFree()) {
            live.push_back(weapon);
        }
    }
    return live;
}

void writeOmniSection(RecordWriter& out, const model::OmniState& omni) {
    const model::OmniBaseChassis& base = omni.base;
    const auto baseWeapons = liveWeapons(base.weapons);
    out.lastIndexPrefix(baseWeapons.size());
    for (const WeaponEntry& weapon : baseWeapons) {
        writeWeapon(out, weapon);
    }

    out.integer(base.values.hsCount);
    out.integer(base.values.jumping);
    out.integer(base.values.physicalType);
    out.integer(flagInteger(base.values.laPhysical));
    out.integer(flagInteger(base.values.raPhysical));
    out.integer(base.values.targSysType);
    out.integer(base.values.artemisLRM);
    out.integer(base.values.artemisSRM);
    for (std::int16_t value : base.caseSettings) {
        out.integer(value);
    }
    for (std::size_t i = 0; i < base.laActuators.size(); ++i) {
        out.integer(flagInteger(base.laActuators[i]));
        out.integer(flagInteger(base.raActuators[i]));
    }
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        const model::CriticalLocation& location = base.slots.GetLoc(loc);
        out.integer(static_cast<std::int16_t>(app::toFileInteger(location.slots().size()) - 1));
        for (const CriticalSlot& slot : location.slots()) {
            writeSlot(out, slot, loc, baseWeapons);
        }
    }

    // A design whose first configuration has no name has none.
    const auto& configs = omni.configs;
    const bool none = configs.empty() || configs.front().name.empty();
    out.lastIndexPrefix(none ? 0 : configs.size());
    if (none) {
        return;
    }
    for (const model::OmniConfig& config : configs) {
        out.fixedText(config.name, model::kConfigNameWidth);
    }
    for (const model::OmniConfig& config : configs) {
        std::vector<PlacedSlot> kept;
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            for (const CriticalSlot& slot : config.slots.GetLoc(loc).slots()) {
                if (configurationKeeps(base.slots, loc, slot)) {
                    kept.push_back(PlacedSlot{&slot, loc});
                }
            }
        }
        writeSlotList(out, kept, config.weapons.weapons());
    }
    for (const model::OmniConfig& config : configs) {
        const auto& weapons = config.weapons.weapons();
        out.integer(app::toFileInteger(weapons.size()));
        for (const WeaponEntry& weapon : weapons) {
            writeWeapon(out, weapon);
        }
    }
    for (const model::OmniConfig& config : configs) {
        out.integer(config.values.hsCount);
    }
    for (const model::OmniConfig& config : configs) {
        out.integer(config.values.jumping);
    }
    for (const model::OmniConfig& config : configs) {
        out.integer(config.values.physicalType);
        out.integer(flagInteger(config.values.laPhysical));
        out.integer(flagInteger(config.values.raPhysical));
    }
    for (const model::OmniConfig& config : configs) {
        out.integer(config.values.targSysType);
    }
    for (const model::OmniConfig& config : configs) {
        out.integer(config.values.artemisLRM);
        out.integer(config.values.artemisSRM);
    }
    for (const model::OmniConfig& config : configs) {
        for (int loc = 0; loc < model::OmniCASE::kLocations; ++loc) {
            out.integer(config.caseSettings.GetCASE(loc));
        }
    }
    for (const model::OmniConfig& config : configs) {
        for (int i = 0; i < model::OmniActuators::kActuators; ++i) {
            out.integer(flagInteger(config.actuators.GetActuator(0, i)));
            out.integer(flagInteger(config.actuators.GetActuator(1, i)));
        }
    }
}

} // namespace

std::string writeDesignFile(const model::Mech& mech) {
    const model::MechFields& f = mech.fields();
    RecordWriter out;
    out.fixedText(kDesignFileHeader, kDesignFileHeaderWidth);
    out.integer(kDesignFileVersion);
    out.string(f.mechName);
    out.string(f.mechModel);
    out.string(f.historyFile);
    out.string(f.currentConfig);
    writeScalars(out, f);
    for (bool flag : f.laActuators) {
        out.boolean(flag);
    }
    for (bool flag : f.raActuators) {
        out.boolean(flag);
    }

    const auto weapons = liveWeapons(mech.weapons());
    out.lastIndexPrefix(weapons.size());
    for (const WeaponEntry& weapon : weapons) {
        writeWeapon(out, weapon);
    }
    for (std::int16_t armor : f.armor) {
        out.integer(armor);
    }
    writeSlotList(out, currentSlots(mech), weapons);
    for (std::int16_t value : f.caseSettings) {
        out.integer(value);
    }
    if (f.omniBaseLocked && f.mechType == catalog::kOmniMech) {
        writeOmniSection(out, mech.omniState());
    }
    return out.release();
}

} // namespace fpw::io
