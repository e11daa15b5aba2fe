#include "model/mech.h"

#include <algorithm>
#include <set>

#include "app/programcontext.h"
#include "app/textutil.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/slottables.h"
#include "catalog/weapondatabase.h"
#include "model/defaultslots.h"

namespace fpw::model {

namespace {

std::array<CritLocation, kSlotLocations> makeLists() {
    return {CritLocation(0, 12), CritLocation(1, 12), CritLocation(2, 12), CritLocation(3, 12),
            CritLocation(4, 12), CritLocation(5, 12), CritLocation(6, 12), CritLocation(7, 6)};
}

} // namespace

Mech::Mech(app::ProgramContext& ctx) : ctx_(&ctx), crits_(makeLists()) {
    LayDefaultSlots();
    // The standard cockpit weighs 3 tons from the start, not from the first cockpit change.
    RecalcAll();
}

Mech::Mech(app::ProgramContext& ctx, std::array<CritLocation, kSlotLocations> readLists,
           std::vector<WeaponEntry> readWeapons)
    : ctx_(&ctx), weapons_(std::move(readWeapons)), crits_(std::move(readLists)) {
    CompactWeapons();
}

bool Mech::checkIndex(const char* procedure, int index, int count) const {
    if (index >= 0 && index < count) {
        return true;
    }
    ctx_->errors.report(std::string("Mech.") + procedure,
                        app::Failure{app::failure::kSubscriptOutOfRange, "Subscript out of range"});
    return false;
}

std::string Mech::SaveFilePath() const {
    return app::zGetPathFromFile(f_.saveFilename);
}

// ---- per location

std::int16_t Mech::GetArmor(int loc) const {
    return checkIndex("GetArmor", loc, kArmorPositions) ? f_.armor[loc] : 0;
}

void Mech::SetArmor(int loc, std::int16_t value) {
    if (checkIndex("SetArmor", loc, kArmorPositions)) {
        f_.armor[loc] = value;
        CalcArmorTonnage();
        CalcTotals();
    }
}

std::int16_t Mech::GetCASE(int loc) const {
    return checkIndex("GetCASE", loc, kCaseLocations) ? f_.caseSettings[loc] : 0;
}

void Mech::SetCase(int loc, std::int16_t value) {
    if (checkIndex("SetCase", loc, kCaseLocations)) {
        f_.caseSettings[loc] = value;
        CalcCASETonnage();
        CalcTotals();
    }
}

bool Mech::GetLAActuator(int i) const {
    return checkIndex("GetLAActuator", i, kActuators) && f_.laActuators[i];
}

void Mech::SetLAActuator(int i, bool value) {
    if (checkIndex("SetLAActuator", i, kActuators)) {
        f_.laActuators[i] = value;
    }
}

bool Mech::GetRAActuator(int i) const {
    return checkIndex("GetRAActuator", i, kActuators) && f_.raActuators[i];
}

void Mech::SetRAActuator(int i, bool value) {
    if (checkIndex("SetRAActuator", i, kActuators)) {
        f_.raActuators[i] = value;
    }
}

// ---- damage state

std::int16_t Mech::GetArmorDamage(int loc) const {
    return checkIndex("GetArmorDamage", loc, kArmorPositions) ? f_.armorDamage[loc] : 0;
}

void Mech::SetArmorDamage(int loc, std::int16_t value) {
    if (checkIndex("SetArmorDamage", loc, kArmorPositions)) {
        f_.armorDamage[loc] = value;
    }
}

std::int16_t Mech::GetPermArmorDamage(int loc) const {
    return checkIndex("GetPermArmorDamage", loc, kArmorPositions) ? f_.permArmorDamage[loc] : 0;
}

void Mech::SetPermArmorDamage(int loc, std::int16_t value) {
    if (checkIndex("SetPermArmorDamage", loc, kArmorPositions)) {
        f_.permArmorDamage[loc] = value;
    }
}

std::int16_t Mech::GetIntDamage(int loc) const {
    return checkIndex("GetIntDamage", loc, kSlotLocations) ? f_.intDamage[loc] : 0;
}

void Mech::SetInternalDamage(int loc, std::int16_t value) {
    if (checkIndex("SetInternalDamage", loc, kSlotLocations)) {
        f_.intDamage[loc] = value;
    }
}

std::int16_t Mech::GetPermIntDamage(int loc) const {
    return checkIndex("GetPermIntDamage", loc, kSlotLocations) ? f_.permIntDamage[loc] : 0;
}

void Mech::SetPermInternalDamage(int loc, std::int16_t value) {
    if (checkIndex("SetPermInternalDamage", loc, kSlotLocations)) {
        f_.permIntDamage[loc] = value;
    }
}

bool Mech::IsLocDestroyed(int loc) const {
    return checkIndex("IsLocDestroyed", loc, kSlotLocations) && f_.locDestroyed[loc];
}

void Mech::SetDestroyLocStatus(int loc, bool value) {
    if (checkIndex("SetDestroyLocStatus", loc, kSlotLocations)) {
        f_.locDestroyed[loc] = value;
    }
}

int Mech::HSDestroyed() const {
    int slotsPerItem = catalog::heatSinkSlots(f_.hsType, f_.techBase);
    if (slotsPerItem < 1) {
        slotsPerItem = 1;
    }
    // Counted as `HSCount` counts them: a compact item (two heat sinks in one slot) is one.
    int lost = 0;
    for (int loc = 0; loc < kSlotLocations; ++loc) {
        if (!f_.locDestroyed[loc]) {
            continue;
        }
        int slots = 0;
        for (const CriticalSlot& s : crits_[loc].slots()) {
            if (s.isActive && !s.isWeapon && catalog::genItemBaseCode(s.itemID) == catalog::cHS) {
                ++slots;
            }
        }
        lost += slots / slotsPerItem;
    }
    return lost;
}

// ---- weapon list

std::int16_t Mech::AddWeapon(std::int16_t refID, bool recalculate, WeaponEntry* added) {
    if (refID < 0 || refID >= static_cast<int>(ctx_->weapons.size())) {
        checkIndex("AddWeapon", refID, static_cast<int>(ctx_->weapons.size()));
        return -1;
    }
    std::vector<bool> used;
    for (const WeaponEntry& w : weapons_) {
        if (!w.isFree() && w.weaponIndex >= 0) {
            if (static_cast<std::size_t>(w.weaponIndex) >= used.size()) {
                used.resize(static_cast<std::size_t>(w.weaponIndex) + 1, false);
            }
            used[static_cast<std::size_t>(w.weaponIndex)] = true;
        }
    }
    // The lowest unused number; when every number up to the highest is used, highest + 1.
    const auto gap = std::find(used.begin(), used.end(), false);
    WeaponEntry entry;
    entry.refID = refID;
    entry.weaponIndex = static_cast<std::int16_t>(gap - used.begin());

    const auto freeElement = std::find_if(weapons_.begin(), weapons_.end(),
                                          [](const WeaponEntry& w) { return w.isFree(); });
    if (freeElement != weapons_.end()) {
        *freeElement = entry;
    } else {
        weapons_.push_back(entry);
    }
    if (recalculate) {
        CalcWeaponTonnage();
    }
    if (added != nullptr) {
        *added = entry;
    }
    return entry.weaponIndex;
}

void Mech::RemoveWeapon(std::int16_t weaponIndex) {
    const auto it = std::find_if(weapons_.begin(), weapons_.end(), [&](const WeaponEntry& w) {
        return !w.isFree() && w.weaponIndex == weaponIndex;
    });
    if (it == weapons_.end()) {
        return;
    }
    *it = freeWeaponEntry();
    CompactWeapons();
    CalcWeaponTonnage();
}

void Mech::CompactWeapons() {
    std::erase_if(weapons_, [](const WeaponEntry& w) { return w.isFree(); });
    if (weapons_.empty()) {
        weapons_.push_back(freeWeaponEntry());
    }
}

void Mech::setWeapons(std::vector<WeaponEntry> list) {
    weapons_ = std::move(list);
    CompactWeapons();
    CalcWeaponTonnage();
}

void Mech::AlterWeapon(std::int16_t weaponIndex, std::int16_t location, std::int16_t startSlot,
                       bool placed) {
    const auto it = std::find_if(weapons_.begin(), weapons_.end(), [&](const WeaponEntry& w) {
        return !w.isFree() && w.weaponIndex == weaponIndex;
    });
    if (it == weapons_.end()) {
        return;
    }
    if (placed) {
        if (!checkIndex("AlterWeapon", location, kSlotLocations) ||
            !checkIndex("AlterWeapon", startSlot, crits_[location].normalSlotCount())) {
            return;
        }
        it->locations.assign(1, location);
        it->startCrit = startSlot;
        it->allocated = true;
    } else {
        it->locations.assign(1, -1);
        it->startCrit = -1;
        it->rearMounted = false;
        it->allocated = false;
        it->turretMounted = false;
        it->spread = false;
    }
    CalcTurretTonnage();
    CalcTotals();
}

int Mech::WeaponCount() const {
    return static_cast<int>(std::count_if(weapons_.begin(), weapons_.end(),
                                          [](const WeaponEntry& w) { return !w.isFree(); }));
}

bool Mech::TSetWeaponGlobal(int n) {
    int seen = 0;
    for (const WeaponEntry& w : weapons_) {
        if (!w.isFree() && ++seen == n) {
            current_ = w;
            return true;
        }
    }
    return false;
}

bool Mech::TSetWeaponIdxGlobal(std::int16_t weaponIndex) {
    for (const WeaponEntry& w : weapons_) {
        if (!w.isFree() && w.weaponIndex == weaponIndex) {
            current_ = w;
            return true;
        }
    }
    return false;
}

void Mech::UpdateGlobalWeaponIdx(std::int16_t weaponIndex) {
    // A current weapon that names no record would turn a live entry into a free element (or
    // into garbage for every sum); instance numbers never change through an update, since the
    // slot identifiers refer to them.
    if (current_.refID < 0 || current_.refID >= static_cast<int>(ctx_->weapons.size())) {
        return;
    }
    for (WeaponEntry& w : weapons_) {
        if (!w.isFree() && w.weaponIndex == weaponIndex) {
            w = current_;
            w.weaponIndex = weaponIndex;
            if (w.locations.empty()) {
                w.locations.assign(1, -1);
            }
            CalcWeaponTonnage();
            return;
        }
    }
}

bool Mech::ValidAmmo() const {
    std::set<std::int16_t> users;
    std::set<std::int16_t> ammo;
    bool anyLive = false;
    for (const WeaponEntry& w : weapons_) {
        if (w.isFree() || w.refID >= static_cast<int>(ctx_->weapons.size())) {
            continue;
        }
        anyLive = true;
        const catalog::WeaponRecord& r = ctx_->weapons[static_cast<std::size_t>(w.refID)];
        switch (r.weaponType) {
        case catalog::weapontype::kBallistic:
        case catalog::weapontype::kMissile:
        case catalog::weapontype::kArtillery:
            if (catalog::usesAmmunition(r)) {
                users.insert(w.refID);
            }
            break;
        case catalog::weapontype::kAmmunition:
            ammo.insert(w.refID);
            break;
        default:
            break;
        }
    }
    if (!anyLive || users.empty()) {
        return true;
    }
    if (ammo.empty()) {
        return false;
    }
    return std::all_of(users.begin(), users.end(), [&](std::int16_t user) {
        const catalog::WeaponRecord& weapon = ctx_->weapons[static_cast<std::size_t>(user)];
        return std::any_of(ammo.begin(), ammo.end(), [&](std::int16_t a) {
            return catalog::takesAmmunition(weapon, ctx_->weapons[static_cast<std::size_t>(a)]);
        });
    });
}

// ---- slot lists

CritLocation& Mech::critLocation(int loc) {
    if (!checkIndex("CritLocation", loc, kSlotLocations)) {
        // A list that belongs to no location: writes to it go nowhere.
        nowhere_ = CritLocation(-1, 0);
        return nowhere_;
    }
    return crits_[loc];
}

const CritLocation& Mech::critLocation(int loc) const {
    if (!checkIndex("CritLocation", loc, kSlotLocations)) {
        nowhere_ = CritLocation(-1, 0);
        return nowhere_;
    }
    return crits_[loc];
}

int Mech::FindTC() const {
    for (int loc = 0; loc < kSlotLocations; ++loc) {
        if (crits_[loc].HasItem("cTS")) {
            return loc;
        }
    }
    return 0;
}

void Mech::LayDefaultSlots() {
    DefaultSlotSetup setup;
    setup.mechType = f_.mechType;
    setup.techBase = f_.techBase;
    setup.engineType = f_.engineType;
    setup.gyroType = f_.gyroType;
    setup.laActuators = f_.laActuators;
    setup.raActuators = f_.raActuators;
    model::LayDefaultSlots(crits_, setup);
}

bool Mech::operator==(const Mech& other) const {
    return f_ == other.f_ && weapons_ == other.weapons_ && crits_ == other.crits_ &&
           omni_ == other.omni_;
}

catalog::DesignTypes designTypesOf(const MechFields& f) {
    catalog::DesignTypes types;
    types.techBase = f.techBase;
    types.armorType = f.armorType;
    types.isType = f.isType;
    types.hsType = f.hsType;
    types.engineType = f.engineType;
    types.gyroType = f.gyroType;
    types.jumpJetType = f.jumpJetType;
    return types;
}

catalog::DesignTypes Mech::designTypes() const {
    return designTypesOf(f_);
}

} // namespace fpw::model
