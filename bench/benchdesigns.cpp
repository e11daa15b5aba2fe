#include "bench/benchdesigns.h"

#include <string>
#include <unistd.h>

#include "catalog/equipment.h"
#include "catalog/prices.h"
#include "io/designfile.h"

namespace fpw::bench {

namespace {

catalog::WeaponRecord record(const char* name, std::int16_t type, double tons, std::int16_t heat,
                             std::int16_t slots, std::int16_t ammo) {
    catalog::WeaponRecord r;
    r.name = name;
    r.weaponType = type;
    r.tonnage = tons;
    r.heat = heat;
    r.critSlots = slots;
    r.ammoCodes = {ammo};
    return r;
}

enum Ref : std::int16_t { kAC20, kLRM20, kSRM6, kMediumLaser, kAmmoAC20, kAmmoLRM, kAmmoSRM };

} // namespace

Workbench::Workbench()
    : folder(std::filesystem::temp_directory_path() / ("fpw-bench-" + std::to_string(::getpid()))),
      context(folder.string()), ctx(context.ctx) {
    std::filesystem::create_directories(folder);
    ctx.weapons = {record("Autocannon/20", 1, 14, 7, 10, 5), record("LRM-20", 2, 10, 6, 5, 6),
                   record("SRM-6", 2, 3, 4, 2, 7),           record("Medium Laser", 0, 1, 3, 1, -1),
                   record("Ammo (AC/20)", 4, 1, 0, 1, 5),    record("Ammo (LRM)", 4, 1, 0, 1, 6),
                   record("Ammo (SRM)", 4, 1, 0, 1, 7)};
    catalog::gResetPrices(ctx.prices);
}

Workbench::~Workbench() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

namespace {

void place(model::Mech& mech, std::int16_t ref, int loc, int slot) {
    const std::int16_t index = mech.AddWeapon(ref);
    const auto& r = mech.context().weapons[static_cast<std::size_t>(ref)];
    for (int i = 0; i < r.critSlots; ++i) {
        mech.critLocation(loc).PlaceItem(r.name, slot + i, true, std::to_string(index));
    }
    mech.AlterWeapon(index, static_cast<std::int16_t>(loc), static_cast<std::int16_t>(slot), true);
}

} // namespace

model::Mech typicalDesign(app::ProgramContext& ctx) {
    model::Mech mech(ctx);
    mech.setMechName("Bastion");
    mech.setMechModel("BST-1A");
    mech.setTechLevel(1);
    mech.setTonnage(100);
    mech.setWalking(3);
    mech.setHSCount(20);
    mech.LayDefaultSlots();
    for (int loc = 0; loc < model::kArmorPositions; ++loc) {
        mech.SetArmor(loc, 20);
    }
    place(mech, kAC20, 4, 0);
    place(mech, kAmmoAC20, 4, 10);
    place(mech, kAmmoAC20, 4, 11);
    place(mech, kLRM20, 1, 0);
    place(mech, kAmmoLRM, 1, 5);
    place(mech, kSRM6, 1, 6);
    place(mech, kAmmoSRM, 1, 8);
    place(mech, kMediumLaser, 0, 4);
    place(mech, kMediumLaser, 5, 4);
    place(mech, kMediumLaser, 6, 10);
    place(mech, kMediumLaser, 7, 3);
    for (int loc : {2, 3}) {
        for (int slot = 4; slot < 12; ++slot) {
            mech.critLocation(loc).PlaceItem("Heat Sink", slot, false,
                                             "cHS" + std::to_string(slot - 3));
        }
    }
    return mech;
}

model::Mech omniDesign(app::ProgramContext& ctx) {
    model::Mech mech = typicalDesign(ctx);
    mech.setMechType(catalog::kOmniMech);
    mech.LockBaseOmni();
    mech.AddNewVariant("Prime");
    mech.SetInitialOmniConfig("Prime");
    for (const char* name : {"Alpha", "Bravo"}) {
        mech.AddNewVariant(name);
        mech.ChangeOmniConfig(name, true);
        place(mech, kMediumLaser, 0, 5);
        place(mech, kMediumLaser, 5, 5);
    }
    mech.SaveCurrentConfig();
    return mech;
}

std::string Workbench::savedDesign(bool omni, const char* name) {
    model::Mech design = omni ? omniDesign(ctx) : typicalDesign(ctx);
    const std::string path = file(name);
    io::SaveMech(design, path);
    return path;
}

} // namespace fpw::bench
