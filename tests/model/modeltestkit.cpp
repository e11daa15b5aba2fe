#include "model/modeltestkit.h"

#include "catalog/equipment.h"
#include "catalog/prices.h"

namespace fpw::model::testkit {

catalog::WeaponTable smallWeaponTable() {
    using namespace catalog::weapontype;
    const struct {
        const char* name;
        std::int16_t type;
        double tons;
        std::int16_t heat, slots, ammo;
        bool tcLinkable;
        std::int16_t artemisClass; // -1: no Artemis
    } rows[kWeaponCount] = {
        {"Medium Laser", kEnergy, 1, 3, 1, -1, true, -1},
        {"Small Laser", kEnergy, 0.5, 1, 1, -1, true, -1},
        {"Large Laser", kEnergy, 5, 8, 2, -1, true, -1},
        {"PPC", kEnergy, 7, 10, 3, -1, true, -1},
        {"Flamer", kEnergy, 1, 3, 1, -1, false, -1},
        {"Machine Gun", kBallistic, 0.5, 0, 1, 1, false, -1},
        {"AC/5", kBallistic, 8, 1, 4, 3, true, -1},
        {"AC/10", kBallistic, 12, 3, 7, 4, true, -1},
        {"AC/20", kBallistic, 14, 7, 10, 5, true, -1},
        {"LRM-5", kMissile, 2, 2, 1, 6, true, 1},
        {"LRM-10", kMissile, 5, 4, 2, 6, true, 1},
        {"LRM-20", kMissile, 10, 6, 5, 6, true, 1},
        {"SRM-2", kMissile, 1, 2, 1, 7, true, 0},
        {"SRM-6", kMissile, 3, 4, 2, 7, true, 0},
        {"AC/20 Ammo", kAmmunition, 1, 0, 1, 5, false, -1},
        {"LRM-20 Ammo", kAmmunition, 1, 0, 1, 6, false, -1},
        {"Gadget", kEquipment, -1, -1, 1, -1, true, -1},
    };
    catalog::WeaponTable table;
    for (const auto& row : rows) {
        catalog::WeaponRecord& r = table.emplace_back();
        r.name = row.name;
        r.weaponType = row.type;
        r.tonnage = row.tons;
        r.heat = row.heat;
        r.critSlots = row.slots;
        r.ammoCodes = {row.ammo};
        r.tcLinkable = row.tcLinkable ? 1 : 0;
        r.artemisCapable = row.artemisClass >= 0 ? 1 : 0;
        r.artemisClass = std::max<std::int16_t>(row.artemisClass, 0);
    }
    return table;
}

std::int16_t mount(model::Mech& mech, std::int16_t refID, std::int16_t loc, bool turret) {
    const std::int16_t wi = mech.AddWeapon(refID);
    mech.AlterWeapon(wi, loc, 0, true);
    if (turret && mech.TSetWeaponIdxGlobal(wi)) {
        mech.currentWeapon().turretMounted = true;
        mech.UpdateGlobalWeaponIdx(wi);
    }
    return wi;
}

Kit::Kit() : ctx(dir.path(), user) {
    ctx.weapons = smallWeaponTable();
    catalog::gResetPrices(ctx.prices);
}

} // namespace fpw::model::testkit
