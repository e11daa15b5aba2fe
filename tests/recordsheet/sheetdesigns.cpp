#include "recordsheet/sheetdesigns.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "catalog/bvdatafile.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/plotfile.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"
#include "data/datafiles.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace fpw::testing {

SheetKit::SheetKit() : ctx(dir.path(), user) {
    for (const char* name :
         {"wpndata.bin", "bvdata.bin", "ArmrPlt.Bin", "IntrnPlt.Bin", "plotlayout.txt"})
        std::filesystem::copy_file(programFilePath(name), dir.file(name));
    EXPECT_TRUE(catalog::LoadWeapons(ctx));
    catalog::LoadBVData(ctx);
    EXPECT_TRUE(ctx.bvDataLoaded);
    EXPECT_TRUE(catalog::LoadArmorPlot(ctx));
    EXPECT_TRUE(catalog::LoadInternalPlot(ctx));
    catalog::gResetPrices(ctx.prices);
}

std::int16_t placeWeapon(model::Mech& mech, const char* name, int location, int first, bool rear) {
    const catalog::WeaponTable& weapons = mech.context().weapons;
    const int refID = catalog::findWeapon(weapons, name, catalog::kInnerSphere);
    EXPECT_GE(refID, 0) << name;
    if (refID < 0)
        return -1;
    const std::int16_t instance = mech.AddWeapon(static_cast<std::int16_t>(refID));
    const int slots = std::max<int>(1, weapons[static_cast<std::size_t>(refID)].critSlots);
    for (int s = first; s < first + slots; ++s)
        mech.critLocation(location).PlaceItem(name, s, true, std::to_string(instance));
    mech.AlterWeapon(instance, static_cast<std::int16_t>(location),
                     static_cast<std::int16_t>(first), true);
    if (rear) {
        mech.TSetWeaponIdxGlobal(instance);
        mech.currentWeapon().rearMounted = true;
        mech.UpdateGlobalWeaponIdx(instance);
        mech.critLocation(location).SetRear(true, std::to_string(instance));
    }
    return instance;
}

model::Mech omniDesign(app::ProgramContext& ctx) {
    model::Mech m(ctx);
    m.setMechName("Vantor");
    m.setMechModel("Prime");
    m.setTechLevel(2);
    m.setMechType(catalog::kOmniMech);
    m.setTonnage(60);
    m.setWalking(5);
    m.LayDefaultSlots();
    for (int loc = 0; loc < catalog::kLocationCount; ++loc)
        m.SetArmor(loc, 12);
    m.LockBaseOmni();
    m.AddNewVariant("Prime");
    m.SetInitialOmniConfig("Prime");
    placeWeapon(m, "Medium Laser", catalog::kRightTorso, 0);
    m.AddNewVariant("Alpha");
    m.ChangeOmniConfig("Alpha", true);
    placeWeapon(m, "LRM-10", catalog::kLeftTorso, 0);
    placeWeapon(m, "LRM-10 Ammo", catalog::kLeftTorso, 2);
    m.setHSCount(12);
    m.ChangeOmniConfig("Prime", true);
    return m;
}

model::Mech SheetKit::hunchback() {
    model::Mech m(ctx);
    m.setMechName("Hunchback");
    m.setMechModel("HBK-4G");
    m.setTechLevel(1);
    m.setTonnage(50);
    m.setWalking(4);
    m.setHSCount(13);
    m.LayDefaultSlots();
    const std::int16_t armor[] = {16, 20, 20, 20, 20, 16, 26, 9, 4, 4, 5};
    for (int loc = 0; loc < catalog::kLocationCount; ++loc)
        m.SetArmor(loc, armor[loc]);
    placeWeapon(m, "AC/20", catalog::kRightTorso, 0);
    placeWeapon(m, "AC/20 Ammo", catalog::kLeftTorso, 0);
    placeWeapon(m, "AC/20 Ammo", catalog::kLeftTorso, 1);
    placeWeapon(m, "Medium Laser", catalog::kLeftArm, 4);
    placeWeapon(m, "Medium Laser", catalog::kRightArm, 4);
    placeWeapon(m, "Small Laser", catalog::kHead, 3);
    // The heat sinks the engine cannot hold.
    model::CritLocation& torso = m.critLocation(catalog::kLeftTorso);
    for (int hs = 0; hs < m.hsCount() - m.hsInEngine(); ++hs)
        torso.PlaceItem("Heat Sink", 2 + hs, false,
                        "cHS" + std::to_string(torso.NextInstance("cHS")));
    refresh(m);
    return m;
}

void refresh(model::Mech& mech) {
    mech.RecalcAll();
    valuation::CalcTotalCost(mech);
    valuation::CalcBV(mech);
}

} // namespace fpw::testing
