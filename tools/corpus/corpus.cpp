#include "corpus.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"

namespace fpw::corpus {
namespace {

using catalog::WeaponRecord;

// Where weapons go first: side torsos, arms, centre torso, legs, head.
constexpr std::array<int, 8> kPlacementOrder = {
    catalog::kRightTorso,  catalog::kLeftTorso, catalog::kRightArm, catalog::kLeftArm,
    catalog::kCenterTorso, catalog::kRightLeg,  catalog::kLeftLeg,  catalog::kHead};

constexpr std::array<const char*, 8> kNames = {"Harrowgate", "Tarrask", "Skyreach", "Chimera",
                                               "Vantor",     "Kestrel", "Morrow",   "Ashfall"};

std::int16_t i16(int v) {
    return static_cast<std::int16_t>(v);
}

// The first run of `need` free slots in one location, as (location, first slot).
bool findRoom(const model::Mech& mech, int need, int& location, int& first) {
    for (int loc : kPlacementOrder) {
        const model::CritLocation& list = mech.critLocation(loc);
        int run = 0;
        for (int s = 0; s < list.slotCount(); ++s) {
            run = list.IsOccupied(s) ? 0 : run + 1;
            if (run == need) {
                location = loc;
                first = s - need + 1;
                return true;
            }
        }
    }
    return false;
}

// Adds the weapon and writes it into free slots as the editor's allocation does; a weapon
// that fits nowhere, or would make the design overweight, is not added.
bool placeWeapon(model::Mech& mech, std::int16_t refID) {
    const WeaponRecord& record = mech.context().weapons[static_cast<std::size_t>(refID)];
    mech.RecalcAll();
    if (record.tonnage > mech.freeTonnage())
        return false;
    const int need = std::max<int>(1, record.critSlots);
    int loc = 0;
    int first = 0;
    if (!findRoom(mech, need, loc, first))
        return false;
    const std::int16_t index = mech.AddWeapon(refID);
    if (index < 0)
        return false;
    std::string text = record.name;
    if (mech.techBase() == catalog::kMixedTech)
        text = (record.techBase == catalog::kClan ? "(C) " : "(IS) ") + text;
    const std::string id = std::to_string(index);
    for (int s = first; s < first + need; ++s)
        mech.critLocation(loc).PlaceItem(text, s, true, id);
    mech.AlterWeapon(index, i16(loc), i16(first), true);
    return true;
}

// Records a design of this tech base and level may carry, weapons and ammunition apart.
struct Choices {
    std::vector<std::int16_t> weapons;
    std::vector<std::int16_t> ammunition;
};

Choices choicesFor(const catalog::WeaponTable& table, std::int16_t techBase,
                   std::int16_t techLevel) {
    Choices c;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const WeaponRecord& r = table[i];
        if (r.techLevel > techLevel || r.critSlots > 7)
            continue;
        if (techBase != catalog::kMixedTech && r.techBase != techBase)
            continue;
        if (r.weaponType == catalog::weapontype::kAmmunition)
            c.ammunition.push_back(static_cast<std::int16_t>(i));
        else
            c.weapons.push_back(static_cast<std::int16_t>(i));
    }
    return c;
}

// A few weapons picked by the design number, each ammunition user with one ton of its ammo.
void arm(model::Mech& mech, const Choices& choices, int n, int count) {
    if (choices.weapons.empty())
        return;
    const catalog::WeaponTable& table = mech.context().weapons;
    for (int w = 0; w < count; ++w) {
        const std::size_t pick = static_cast<std::size_t>(n * 7 + w * 13) % choices.weapons.size();
        const std::int16_t refID = choices.weapons[pick];
        if (!placeWeapon(mech, refID) || !catalog::usesAmmunition(table[refID]))
            continue;
        for (std::int16_t ammo : choices.ammunition) {
            if (catalog::takesAmmunition(table[refID], table[ammo])) {
                placeWeapon(mech, ammo);
                break;
            }
        }
    }
}

// Armour at a share of each location's maximum (twice its structure, 9 for the head).
void armour(model::Mech& mech, int percent) {
    for (int loc = 0; loc < catalog::kSlotLocationCount; ++loc) {
        const int structure = catalog::gGetISPoints(loc, mech.tonnage(), mech.mechType());
        const int max = loc == catalog::kHead ? 9 : 2 * structure;
        int points = max * percent / 100;
        if (loc == catalog::kLeftTorso || loc == catalog::kRightTorso ||
            loc == catalog::kCenterTorso) {
            const int rear = points / 4;
            points -= rear;
            const int rearLoc = loc == catalog::kLeftTorso    ? catalog::kLeftTorsoRear
                                : loc == catalog::kRightTorso ? catalog::kRightTorsoRear
                                                              : catalog::kCenterTorsoRear;
            mech.SetArmor(rearLoc, i16(rear));
        }
        mech.SetArmor(loc, i16(points));
    }
}

} // namespace

model::Mech design(app::ProgramContext& ctx, int n) {
    model::Mech mech(ctx);
    const std::int16_t techBase = i16(n % 3);
    const std::int16_t techLevel = i16(1 + (n / 3) % 3);
    // Every seventh design is an OmniMech, every eleventh a quad; LAMs are Inner Sphere only.
    std::int16_t type = catalog::kBiped;
    if (n % 7 == 3)
        type = catalog::kOmniMech;
    else if (n % 11 == 5)
        type = catalog::kQuad;
    else if (n % 13 == 9 && techBase == catalog::kInnerSphere)
        type = catalog::kLAM;
    const std::int16_t tonnage = i16(20 + 5 * ((n * 5) % 17));

    mech.setMechName(kNames[static_cast<std::size_t>(n) % kNames.size()]);
    char model[16];
    std::snprintf(model, sizeof model, "C-%d", n);
    mech.setMechModel(model);
    mech.setTechBase(techBase);
    mech.setTechLevel(techLevel);
    mech.setMechType(type);
    mech.setTonnage(tonnage);
    mech.setWalking(i16(std::max(2, std::min(400 / tonnage, 3 + n % 4))));
    mech.setJumping(i16(n % 5 < 2 ? 0 : std::min<int>(mech.walking(), n % 4)));
    if (techLevel > 1) {
        mech.setEngineType(i16(n % 7));
        mech.setGyroType(i16((n / 7) % 4));
        mech.setCockpitType(i16((n / 5) % 5));
        mech.setHSType(i16((n / 2) % 5));
        mech.setArmorType(i16((n / 11) % 7));
        mech.setISType(i16((n / 13) % 4));
    }
    mech.setHSCount(i16(10 + n % 6));
    mech.LayDefaultSlots();
    // A slower engine where the chosen one alone outweighs the chassis.
    mech.RecalcAll();
    while (mech.freeTonnage() < 0 && mech.walking() > 1) {
        mech.setWalking(i16(mech.walking() - 1));
        mech.setJumping(std::min(mech.jumping(), mech.walking()));
        mech.RecalcAll();
    }
    // Less armour where engine and structure leave too little weight for it.
    for (int percent = 50 + n % 50; percent >= 0; percent -= 10) {
        armour(mech, percent);
        mech.RecalcAll();
        if (mech.freeTonnage() >= 0)
            break;
    }

    const Choices choices = choicesFor(ctx.weapons, techBase, techLevel);
    if (type != catalog::kOmniMech) {
        arm(mech, choices, n, 2 + n % 6);
        return mech;
    }
    // The base chassis carries one weapon; each variant adds its own.
    arm(mech, choices, n, 1);
    mech.LockBaseOmni();
    mech.AddNewVariant("Prime");
    mech.SetInitialOmniConfig("Prime");
    arm(mech, choices, n + 1, 3);
    for (const char* variant : {"A", "B"}) {
        mech.AddNewVariant(variant);
        mech.ChangeOmniConfig(variant, true);
        arm(mech, choices, n + variant[0], 2 + n % 3);
    }
    mech.ChangeOmniConfig("Prime", true);
    return mech;
}

std::string relativePath(const model::Mech& mech, int n) {
    const int tons = mech.tonnage();
    const char* weightClass = tons < 40   ? "light"
                              : tons < 60 ? "medium"
                              : tons < 80 ? "heavy"
                                          : "assault";
    const char* base = mech.techBase() == catalog::kInnerSphere ? "inner-sphere"
                       : mech.techBase() == catalog::kClan      ? "clan"
                                                                : "mixed";
    char name[24];
    std::snprintf(name, sizeof name, "d%06d.FPM", n);
    return std::string(weightClass) + "/" + base + "/" + name;
}

} // namespace fpw::corpus
