#include "model/modeltestkit.h"

#include "catalog/equipment.h"
#include "catalog/prices.h"

namespace fpw::model::testkit {

namespace {

catalog::WeaponRecord weapon(std::string name, std::int16_t type, double tons, std::int16_t heat,
                             std::int16_t slots, std::vector<std::int16_t> ammoCodes = {-1},
                             bool tcLinkable = false) {
    catalog::WeaponRecord r;
    r.name = std::move(name);
    r.weaponType = type;
    r.tonnage = tons;
    r.heat = heat;
    r.critSlots = slots;
    r.ammoCodes = std::move(ammoCodes);
    r.tcLinkable = tcLinkable ? 1 : 0;
    return r;
}

catalog::WeaponRecord launcher(std::string name, double tons, std::int16_t heat, std::int16_t slots,
                               std::int16_t ammo, std::int16_t artemisClass) {
    catalog::WeaponRecord r =
        weapon(std::move(name), catalog::weapontype::kMissile, tons, heat, slots, {ammo}, true);
    r.artemisCapable = 1;
    r.artemisClass = artemisClass;
    return r;
}

} // namespace

catalog::WeaponTable smallWeaponTable() {
    using namespace catalog::weapontype;
    catalog::WeaponTable t(kWeaponCount);
    t[kMediumLaser] = weapon("Medium Laser", kEnergy, 1, 3, 1, {-1}, true);
    t[kSmallLaser] = weapon("Small Laser", kEnergy, 0.5, 1, 1, {-1}, true);
    t[kLargeLaser] = weapon("Large Laser", kEnergy, 5, 8, 2, {-1}, true);
    t[kPPC] = weapon("PPC", kEnergy, 7, 10, 3, {-1}, true);
    t[kFlamer] = weapon("Flamer", kEnergy, 1, 3, 1, {-1}, false);
    t[kMachineGun] = weapon("Machine Gun", kBallistic, 0.5, 0, 1, {1}, false);
    t[kAC2] = weapon("AC/2", kBallistic, 6, 1, 1, {2}, true);
    t[kAC5] = weapon("AC/5", kBallistic, 8, 1, 4, {3}, true);
    t[kAC10] = weapon("AC/10", kBallistic, 12, 3, 7, {4}, true);
    t[kAC20] = weapon("AC/20", kBallistic, 14, 7, 10, {5}, true);
    t[kLRM5] = launcher("LRM-5", 2, 2, 1, 6, 1);
    t[kLRM10] = launcher("LRM-10", 5, 4, 2, 6, 1);
    t[kLRM15] = launcher("LRM-15", 7, 5, 3, 6, 1);
    t[kLRM20] = launcher("LRM-20", 10, 6, 5, 6, 1);
    t[kSRM2] = launcher("SRM-2", 1, 2, 1, 7, 0);
    t[kSRM4] = launcher("SRM-4", 2, 3, 1, 7, 0);
    t[kSRM6] = launcher("SRM-6", 3, 4, 2, 7, 0);
    t[kAmmoMG] = weapon("Machine Gun Ammo", kAmmunition, 1, 0, 1, {1});
    t[kAmmoAC5] = weapon("AC/5 Ammo", kAmmunition, 1, 0, 1, {3});
    t[kAmmoAC10] = weapon("AC/10 Ammo", kAmmunition, 1, 0, 1, {4});
    t[kAmmoAC20] = weapon("AC/20 Ammo", kAmmunition, 1, 0, 1, {5});
    t[kAmmoLRM] = weapon("LRM-20 Ammo", kAmmunition, 1, 0, 1, {6});
    t[kAmmoSRM] = weapon("SRM-6 Ammo", kAmmunition, 1, 0, 1, {7});
    t[kAmmoLRM5] = weapon("LRM-5 Ammo", kAmmunition, 1, 0, 1, {6});
    t[kAmmoSRM2] = weapon("SRM-2 Ammo", kAmmunition, 1, 0, 1, {7});
    t[kAmmoSRM4] = weapon("SRM-4 Ammo", kAmmunition, 1, 0, 1, {7});
    t[kNotApplicable] = weapon("Gadget", kEquipment, -1, -1, 1, {-1}, true);
    return t;
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
