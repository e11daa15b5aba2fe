// The OmniMech operations of `Mech`: locking the base chassis and keeping, switching and
// deleting its configurations.
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

#include "app/programcontext.h"
#include "app/userinteraction.h"
#include "app/wordload.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "model/mech.h"

namespace fpw::model {
namespace {

// Armour and structure slots may move between configurations, so locking leaves them free.
bool staysUnlocked(const CriticalSlot& slot) {
    if (slot.isWeapon) {
        return false;
    }
    const std::string_view code = catalog::genItemBaseCode(slot.itemID);
    return code == catalog::cArm || code == catalog::cIS;
}

// The slots of one slot list as a configuration store keeps them.
CriticalLocation storedLocation(const CritLocation& list, int loc, const std::string& name) {
    CriticalLocation stored;
    stored.setConfigName(name);
    stored.setLocationIndex(static_cast<std::int16_t>(loc));
    stored.setSlots(list.slotCount() - 1);
    for (int i = 0; i < list.slotCount(); ++i) {
        CriticalSlot slot = list.slot(i);
        slot.index = static_cast<std::int16_t>(i);
        stored.Add(slot);
    }
    return stored;
}

using app::loadWord;

// The bytes of two texts of one length are equal. Slot texts and identifiers are short, and
// nearly every pair compared here is equal, so the whole compare runs each time: a few loads
// of the widest fitting size, the last one overlapping the one before, cost less than a call
// to memcmp. Inlined into its two uses: the call itself cost as much as a short compare.
[[gnu::always_inline]] inline bool sameChars(const char* a, const char* b, std::size_t n) {
    using Wide = std::uint64_t;
    if (n >= sizeof(Wide)) {
        for (std::size_t i = 0; i + sizeof(Wide) < n; i += sizeof(Wide)) {
            if (loadWord<Wide>(a + i) != loadWord<Wide>(b + i)) {
                return false;
            }
        }
        return loadWord<Wide>(a + n - sizeof(Wide)) == loadWord<Wide>(b + n - sizeof(Wide));
    }
    if (n >= sizeof(std::uint32_t)) {
        return loadWord<std::uint32_t>(a) == loadWord<std::uint32_t>(b) &&
               loadWord<std::uint32_t>(a + n - 4) == loadWord<std::uint32_t>(b + n - 4);
    }
    if (n >= sizeof(std::uint16_t)) {
        return loadWord<std::uint16_t>(a) == loadWord<std::uint16_t>(b) &&
               loadWord<std::uint16_t>(a + n - 2) == loadWord<std::uint16_t>(b + n - 2);
    }
    return n == 0 || *a == *b;
}

// The nine flags are plain bytes with nothing between them, so one compare of their bytes
// is the flag-by-flag compare.
static_assert(sizeof(SlotFlags) == 9 && std::is_trivially_copyable_v<SlotFlags>);

// CriticalSlot's equality, the cheap tests (flags, index, lengths) before any text.
bool sameSlot(const CriticalSlot& a, const CriticalSlot& b) {
    return std::memcmp(&a.flags(), &b.flags(), sizeof(SlotFlags)) == 0 && a.index == b.index &&
           a.text.size() == b.text.size() && a.itemID.size() == b.itemID.size() &&
           sameChars(a.text.data(), b.text.data(), a.text.size()) &&
           sameChars(a.itemID.data(), b.itemID.data(), a.itemID.size());
}

// Makes the slot list hold exactly the stored slots, at the stored length.
void loadLocation(CritLocation& list, const CriticalLocation& stored) {
    const int wanted = stored.Slots() + 1;
    while (list.slotCount() > wanted) {
        list.ClearSlot(list.slotCount() - 1);
        list.DropLastSlot();
    }
    while (list.slotCount() < wanted && list.AddSlot()) {
    }
    // SetSlot keeps the list's length and storage, so both are taken once.
    const std::vector<CriticalSlot>& live = list.slots();
    const std::size_t length = live.size();
    for (const CriticalSlot& slot : stored.slots()) {
        // Nearly every slot holds the stored slot already. A negative index turns into a
        // position past the end, and SetSlot refuses it.
        const auto position = static_cast<std::size_t>(slot.index);
        if (position < length && sameSlot(live[position], slot)) {
            continue;
        }
        list.SetSlot(slot.text, slot.index, slot.flags(), slot.itemID);
    }
}

} // namespace

OmniPodValues Mech::currentPodValues() const {
    OmniPodValues values;
    values.hsCount = f_.hsCount;
    values.jumping = f_.jumping;
    values.physicalType = f_.physicalType;
    values.laPhysical = f_.laPhysical;
    values.raPhysical = f_.raPhysical;
    values.targSysType = f_.targSysType;
    values.artemisLRM = f_.artemisLRM;
    values.artemisSRM = f_.artemisSRM;
    return values;
}

bool Mech::LockBaseOmni() {
    // There is no unlock, and locking twice would replace the base the configurations were
    // built from.
    if (f_.omniBaseLocked || f_.mechType != catalog::kOmniMech) {
        return false;
    }
    OmniBaseChassis base;
    base.slots.setConfigName(std::string(kBaseConfigName));
    for (int loc = 0; loc < kSlotLocations; ++loc) {
        CritLocation& list = crits_[loc];
        for (int i = 0; i < list.slotCount(); ++i) {
            CriticalSlot slot = list.slot(i);
            SlotFlags flags = slot.flags();
            flags.isBaseArmored = slot.isArmored;
            flags.isLocked = slot.isActive && !staysUnlocked(slot);
            if (!(flags == slot.flags())) {
                list.SetSlot(slot.text, i, flags, slot.itemID);
            }
        }
        base.slots.Add(storedLocation(list, loc, std::string(kBaseConfigName)));
    }

    base.values = currentPodValues();
    for (WeaponEntry& weapon : weapons_) {
        if (!weapon.isFree()) {
            weapon.baseOmni = true;
            base.weapons.push_back(weapon);
        }
    }
    base.caseSettings = f_.caseSettings;
    base.laActuators = f_.laActuators;
    base.raActuators = f_.raActuators;

    f_.omniBaseLocked = true;
    f_.baseFreeTonnage = f_.freeTonnage;
    omni_.base = std::move(base);
    omni_.configs.clear();
    return true;
}

bool Mech::AddNewVariant(std::string_view name) {
    const std::string kept = omniConfigName(name);
    if (!f_.omniBaseLocked || kept.empty() || findOmniConfig(omni_.configs, kept) >= 0) {
        return false;
    }
    const OmniBaseChassis& base = omni_.base;
    OmniConfig config;
    config.name = kept;
    config.values = base.values;
    config.caseSettings.setConfigName(kept);
    for (int loc = 0; loc < OmniCASE::kLocations; ++loc) {
        config.caseSettings.Add(loc, base.caseSettings[static_cast<std::size_t>(loc)]);
    }
    config.actuators.setConfigName(kept);
    for (int i = 0; i < OmniActuators::kActuators; ++i) {
        config.actuators.SetActuator(0, i, base.laActuators[static_cast<std::size_t>(i)]);
        config.actuators.SetActuator(1, i, base.raActuators[static_cast<std::size_t>(i)]);
    }
    config.weapons.setConfigName(kept);
    for (const WeaponEntry& weapon : base.weapons) {
        if (!weapon.isFree()) {
            config.weapons.Add(weapon);
        }
    }
    // Copies: changing the new configuration's slots never reaches the base chassis.
    config.slots.setConfigName(kept);
    for (int loc = 0; loc < kSlotLocations; ++loc) {
        CriticalLocation location = base.slots.GetLoc(loc);
        location.setConfigName(kept);
        config.slots.Add(location);
    }
    omni_.configs.push_back(std::move(config));
    return true;
}

bool Mech::SaveCurrentConfig() {
    const int index = findOmniConfig(omni_.configs, f_.currentConfig);
    if (index < 0) {
        return false;
    }
    OmniConfig& config = omni_.configs[static_cast<std::size_t>(index)];
    const std::string& name = config.name;
    config.values = currentPodValues();

    OmniCASE caseSettings;
    caseSettings.setConfigName(name);
    for (int loc = 0; loc < kCaseLocations; ++loc) {
        caseSettings.Add(loc, f_.caseSettings[loc]);
    }
    OmniActuators actuators;
    actuators.setConfigName(name);
    for (int i = 0; i < kActuators; ++i) {
        actuators.SetActuator(0, i, f_.laActuators[i]);
        actuators.SetActuator(1, i, f_.raActuators[i]);
    }
    OmniWeaponStorage weapons;
    weapons.setConfigName(name);
    for (const WeaponEntry& weapon : weapons_) {
        if (!weapon.isFree()) {
            weapons.Add(weapon);
        }
    }
    OmniCritLocationStorage slots;
    slots.setConfigName(name);
    for (int loc = 0; loc < kSlotLocations; ++loc) {
        slots.Add(storedLocation(crits_[loc], loc, name));
    }

    config.caseSettings = std::move(caseSettings);
    config.actuators = std::move(actuators);
    config.weapons = std::move(weapons);
    config.slots = std::move(slots);
    return true;
}

bool Mech::ChangeOmniConfig(std::string_view name, bool storeFirst) {
    const int index = findOmniConfig(omni_.configs, name);
    if (index < 0) {
        return false;
    }
    if (storeFirst) {
        SaveCurrentConfig();
    }
    // Read in place: nothing below changes the stores.
    const OmniConfig& config = omni_.configs[static_cast<std::size_t>(index)];
    f_.currentConfig = config.name;
    app::BusyPointer busy(ctx_->user);

    // The store holds every slot of the location, the base chassis entries included, so
    // overwriting every slot leaves the base slots plus the configuration's own.
    for (int loc = 0; loc < kSlotLocations; ++loc) {
        loadLocation(crits_[loc], config.slots.GetLoc(loc));
    }

    // Every value first and the figures once after, rather than through the setters, each of
    // which would recompute the totals again: the figures depend on the values alone, so they
    // come out the same.
    const OmniPodValues& values = config.values;
    f_.jumping = values.jumping;
    f_.hsCount = values.hsCount;
    f_.physicalType = values.physicalType;
    f_.laPhysical = values.laPhysical;
    f_.raPhysical = values.raPhysical;
    f_.targSysType = values.targSysType;
    f_.artemisLRM = values.artemisLRM;
    f_.artemisSRM = values.artemisSRM;
    for (int loc = 0; loc < kCaseLocations; ++loc) {
        f_.caseSettings[loc] = config.caseSettings.GetCASE(loc);
    }
    for (int i = 0; i < kActuators; ++i) {
        f_.laActuators[i] = config.actuators.GetActuator(0, i);
        f_.raActuators[i] = config.actuators.GetActuator(1, i);
    }
    // Assigned over the present list, whose elements keep their storage.
    weapons_ = config.weapons.weapons();
    CompactWeapons();
    CalcJumpJetTonnage();
    CalcHSInEngine();
    CalcHSTonnage();
    CalcPhysical();
    CalcCASETonnage();
    CalcWeaponTonnage(); // with targeting system, Artemis, turrets and the totals
    for (CritLocation& list : crits_) {
        list.Redraw(false);
    }
    return true;
}

bool Mech::DeleteOmniConfig(std::string_view name) {
    const int index = findOmniConfig(omni_.configs, name, true);
    // A locked chassis always keeps one configuration to show.
    if (index < 0 || omni_.configs.size() < 2) {
        return false;
    }
    omni_.configs.erase(omni_.configs.begin() + index);
    return true;
}

void Mech::SetInitialOmniConfig(std::string name) {
    // The configuration's own spelling, so that the file names it as the list does.
    const int index = findOmniConfig(omni_.configs, name);
    f_.currentConfig =
        index < 0 ? std::move(name) : omni_.configs[static_cast<std::size_t>(index)].name;
}

std::string Mech::GetOmniConfigName(int i) const {
    if (i < 0 || i >= OmniConfigCount()) {
        return {};
    }
    return omni_.configs[static_cast<std::size_t>(i)].name;
}

std::int16_t Mech::OmniBaseGetCase(int loc) const {
    return checkIndex("OmniBaseGetCase", loc, kCaseLocations)
               ? omni_.base.caseSettings[static_cast<std::size_t>(loc)]
               : 0;
}

bool Mech::TOmniWeaponPresent(std::int16_t refID) const {
    for (const OmniConfig& config : omni_.configs) {
        for (const OmniWeapon& weapon : config.weapons.weapons()) {
            if (weapon.refID == refID) {
                return true;
            }
        }
    }
    return false;
}

bool Mech::TSetOmniWeaponIdxGlobal(std::int16_t weaponIndex, std::string_view configName) {
    const int index = findOmniConfig(omni_.configs, configName);
    if (index < 0) {
        return false;
    }
    const OmniWeapon* weapon = omni_.configs[static_cast<std::size_t>(index)].weapons.GetWeapon(
        std::to_string(weaponIndex));
    if (weapon == nullptr) {
        return false;
    }
    current_ = *weapon;
    return true;
}

} // namespace fpw::model
