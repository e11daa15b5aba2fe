#include "io/designkit.h"

#include <vector>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/prices.h"

namespace fpw::testing::designkit {
namespace {

catalog::WeaponRecord record(std::string name, std::int16_t type, double tons, std::int16_t heat,
                             std::int16_t slots, std::vector<std::int16_t> ammoCodes = {-1}) {
    catalog::WeaponRecord r;
    r.name = std::move(name);
    r.weaponType = type;
    r.tonnage = tons;
    r.heat = heat;
    r.critSlots = slots;
    r.ammoCodes = std::move(ammoCodes);
    return r;
}

catalog::WeaponTable weaponTable() {
    using namespace catalog::weapontype;
    catalog::WeaponTable t(kWeaponCount);
    t[kMediumLaser] = record("Medium Laser", kEnergy, 1, 3, 1);
    t[kSmallLaser] = record("Small Laser", kEnergy, 0.5, 1, 1);
    t[kPPC] = record("PPC", kEnergy, 7, 10, 3);
    t[kAC5] = record("Autocannon/5", kBallistic, 8, 1, 4, {3});
    t[kSRM6] = record("SRM-6", kMissile, 3, 4, 2, {7});
    t[kSRM6].artemisCapable = 1;
    t[kLRM10] = record("LRM-10", kMissile, 5, 4, 2, {6});
    t[kLRM10].artemisCapable = 1;
    t[kLRM10].artemisClass = 1;
    t[kMachineGun] = record("Machine Gun", kBallistic, 0.5, 0, 1, {1});
    t[kAmmoAC5] = record("Ammo (AC/5)", kAmmunition, 1, 0, 1, {3});
    t[kAmmoSRM] = record("Ammo (SRM-6)", kAmmunition, 1, 0, 1, {7});
    t[kAmmoMG] = record("Ammo (MG)", kAmmunition, 1, 0, 1, {1});
    t[kClanERMediumLaser] = record("ER Medium Laser", kEnergy, 1, 5, 1);
    t[kClanERMediumLaser].techBase = catalog::kClan;
    return t;
}

// The text the editor writes for a weapon's slots.
std::string weaponText(const model::Mech& mech, std::int16_t refID, bool rear) {
    const catalog::WeaponRecord& r = mech.context().weapons[static_cast<std::size_t>(refID)];
    std::string name = r.name;
    if (mech.techBase() == catalog::kMixedTech) {
        name = (r.techBase == catalog::kClan ? "(C) " : "(IS) ") + name;
    }
    return rear ? "(R) " + name : name;
}

void setArmor(model::Mech& mech, std::initializer_list<std::int16_t> points) {
    int loc = 0;
    for (std::int16_t p : points) {
        mech.SetArmor(loc++, p);
    }
}

void clearArmActuators(model::Mech& mech, int fromIndex) {
    for (int i = fromIndex; i < 4; ++i) {
        mech.SetLAActuator(i, false);
        mech.SetRAActuator(i, false);
        mech.critLocation(0).ClearSlot(i);
        mech.critLocation(5).ClearSlot(i);
    }
}

} // namespace

Kit::Kit() : ctx(dir.path(), user) {
    ctx.weapons = weaponTable();
    catalog::gResetPrices(ctx.prices);
}

std::int16_t placeWeapon(model::Mech& mech, std::int16_t refID, int loc, int slot, bool rear) {
    const std::int16_t index = mech.AddWeapon(refID);
    const std::string id = std::to_string(index);
    const int need = mech.context().weapons[static_cast<std::size_t>(refID)].critSlots;
    for (int i = 0; i < need; ++i) {
        mech.critLocation(loc).PlaceItem(weaponText(mech, refID, rear), slot + i, true, id);
    }
    mech.AlterWeapon(index, static_cast<std::int16_t>(loc), static_cast<std::int16_t>(slot), true);
    if (rear) {
        mech.critLocation(loc).SetRear(true, id);
        mech.TSetWeaponIdxGlobal(index);
        mech.currentWeapon().rearMounted = true;
        mech.UpdateGlobalWeaponIdx(index);
    }
    return index;
}

void placeItem(model::Mech& mech, std::string_view code, std::string_view text, int loc, int slot,
               int slots) {
    model::CritLocation& list = mech.critLocation(loc);
    const std::string id = std::string(code) + std::to_string(list.NextInstance(code));
    for (int i = 0; i < slots; ++i) {
        list.PlaceItem(text, slot + i, false, id);
    }
}

model::Mech plainDesign(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    mech.setMechName("Harrowgate");
    mech.setMechModel("HRW-3C");
    mech.setHistoryFile("C:\\Designs\\Harrowgate.hst");
    mech.setTechLevel(1);
    mech.setTonnage(55);
    mech.setWalking(5);
    mech.setJumping(5);
    mech.setHSCount(12);
    mech.LayDefaultSlots();
    setArmor(mech, {16, 18, 22, 22, 18, 16, 24, 9, 6, 6, 8});

    placeWeapon(mech, kAC5, 4, 3);
    placeWeapon(mech, kAmmoAC5, 4, 7);
    const std::int16_t spare = placeWeapon(mech, kMachineGun, 1, 9);
    placeWeapon(mech, kSRM6, 1, 3);
    placeWeapon(mech, kAmmoSRM, 1, 5);
    placeWeapon(mech, kMediumLaser, 7, 3);
    placeWeapon(mech, kMediumLaser, 6, 10, true);
    // An unplaced weapon, and a gap where a removed one was.
    mech.AddWeapon(kSmallLaser);
    mech.critLocation(1).RemoveItem(std::to_string(spare));
    mech.RemoveWeapon(spare);

    placeItem(mech, catalog::cHS, "Heat Sink", 2, 4);
    placeItem(mech, catalog::cHS, "Heat Sink", 3, 4);
    placeItem(mech, catalog::cJJ, "Jump Jet", 2, 5);
    placeItem(mech, catalog::cJJ, "Jump Jet", 3, 5);
    placeItem(mech, catalog::cJJ, "Jump Jet", 6, 11);
    placeItem(mech, catalog::cCASE, "CASE", 4, 11);
    mech.SetCase(4, 1);
    // An item the reader cannot name from a save code keeps its stored text.
    placeItem(mech, catalog::cTS, "Targeting Computer", 0, 11);
    mech.critLocation(3).SetArmored(true, "cHS1");
    mech.ArmoredSlotData(1, 1);
    mech.setPhysicalType(catalog::physical::kHatchet);
    mech.setRAPhysical(true);
    placeItem(mech, catalog::cPhy, "Hatchet", 5, 4, mech.physicalSize());
    return mech;
}

model::Mech quadDesign(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    mech.setMechName("Tarrask");
    mech.setMechModel("TRK-1Q");
    mech.setTechLevel(2);
    mech.setMechType(catalog::kQuad);
    mech.setTonnage(35);
    mech.setWalking(6);
    mech.LayDefaultSlots();
    setArmor(mech, {12, 12, 12, 12, 12, 12, 16, 9, 4, 4, 6});
    placeWeapon(mech, kMediumLaser, 1, 0);
    placeWeapon(mech, kMediumLaser, 4, 0);
    placeWeapon(mech, kSmallLaser, 6, 10);
    placeItem(mech, catalog::cHS, "Heat Sink", 1, 1);
    return mech;
}

model::Mech lamDesign(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    mech.setMechName("Skyreach");
    mech.setMechModel("SKR-4L");
    mech.setTechLevel(2);
    mech.setMechType(catalog::kLAM);
    mech.setTonnage(50);
    mech.setWalking(6);
    mech.setJumping(6);
    mech.LayDefaultSlots();
    setArmor(mech, {10, 14, 14, 14, 14, 10, 18, 9, 4, 4, 6});
    placeWeapon(mech, kMediumLaser, 0, 4);
    placeWeapon(mech, kMediumLaser, 5, 4);
    placeWeapon(mech, kSRM6, 4, 3);
    placeWeapon(mech, kAmmoSRM, 4, 5);
    for (int loc : {1, 4}) {
        placeItem(mech, catalog::cJJ, "Jump Jet", loc, 0);
        placeItem(mech, catalog::cJJ, "Jump Jet", loc, 1);
        placeItem(mech, catalog::cJJ, "Jump Jet", loc, 2);
    }
    return mech;
}

model::Mech mixedTechDesign(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    mech.setMechName("Chimera");
    mech.setMechModel("CHM-2X");
    mech.setTechLevel(3);
    mech.setTechBase(catalog::kMixedTech);
    mech.setTonnage(45);
    mech.setWalking(5);
    mech.LayDefaultSlots();
    setArmor(mech, {12, 16, 16, 16, 16, 12, 20, 9, 5, 5, 6});
    placeWeapon(mech, kClanERMediumLaser, 0, 4);
    placeWeapon(mech, kClanERMediumLaser, 5, 4, false);
    placeWeapon(mech, kMediumLaser, 6, 10, true);
    placeWeapon(mech, kLRM10, 4, 0);
    mech.setArtemisLRM(1);
    placeItem(mech, catalog::cAIVL, "Artemis IV FCS", 4, 2);
    return mech;
}

model::Mech weaponlessDesign(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    mech.setMechName("Empty Frame");
    mech.setTonnage(20);
    mech.setWalking(6);
    return mech;
}

model::Mech omniChassis(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    mech.setMechName("Vantor");
    mech.setMechModel("Prime");
    mech.setTechLevel(2);
    mech.setTechBase(catalog::kClan);
    mech.setMechType(catalog::kOmniMech);
    mech.setTonnage(65);
    mech.setWalking(5);
    mech.setHSCount(12);
    mech.LayDefaultSlots();
    mech.setArmorType(1);
    clearArmActuators(mech, 2);
    setArmor(mech, {20, 24, 28, 28, 24, 20, 30, 9, 7, 7, 10});
    placeWeapon(mech, kPPC, 4, 3);
    placeItem(mech, catalog::cHS, "Heat Sink", 2, 4);
    placeItem(mech, catalog::cHS, "Heat Sink", 3, 4);
    placeItem(mech, catalog::cArm, "Ferro-Fibrous Armor", 0, 11);
    return mech;
}

model::Mech lockedOmniDesign(app::ProgramContext& ctx) {
    model::Mech mech = omniChassis(ctx);
    mech.LockBaseOmni();
    mech.AddNewVariant("Prime");
    mech.SetInitialOmniConfig("Prime");

    mech.AddNewVariant("Alpha");
    mech.ChangeOmniConfig("Alpha", true);
    placeWeapon(mech, kMediumLaser, 0, 2);
    placeWeapon(mech, kMediumLaser, 5, 2);
    placeWeapon(mech, kSRM6, 1, 0);
    placeWeapon(mech, kAmmoSRM, 1, 2);
    mech.SetCase(1, 1);
    placeItem(mech, catalog::cCASE, "CASE", 1, 3);
    mech.setHSCount(14);
    placeItem(mech, catalog::cHS, "Heat Sink", 5, 6);
    placeItem(mech, catalog::cHS, "Heat Sink", 0, 6);
    mech.critLocation(6).SetArmored(true, "cEng1");

    mech.AddNewVariant("Long Range Support Variant");
    mech.ChangeOmniConfig("Long Range Support Variant", true);
    placeWeapon(mech, kLRM10, 4, 6);
    mech.setJumping(3);
    mech.SetLAActuator(2, true);
    model::SlotFlags fixed;
    fixed.isActive = true;
    fixed.isLocked = true;
    fixed.isSpecial = true;
    mech.critLocation(0).SetSlot("Lower Arm Actuator", 2, fixed, "-1");
    placeItem(mech, catalog::cJJ, "Jump Jet", 2, 5);
    placeItem(mech, catalog::cJJ, "Jump Jet", 3, 5);
    placeItem(mech, catalog::cJJ, "Jump Jet", 6, 10);

    mech.ChangeOmniConfig("Alpha", true);
    return mech;
}

} // namespace fpw::testing::designkit
