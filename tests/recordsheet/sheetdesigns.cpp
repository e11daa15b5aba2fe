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

std::int16_t SheetKit::weapon(const char* name, std::int16_t techBase) const {
    const int index = catalog::findWeapon(ctx.weapons, name, techBase);
    EXPECT_GE(index, 0) << name;
    return static_cast<std::int16_t>(index);
}

std::int16_t SheetKit::place(model::Mech& mech, const char* name, int location, int first,
                             bool rear) const {
    const std::int16_t refID = weapon(name);
    const std::int16_t instance = mech.AddWeapon(refID);
    const int slots = std::max<int>(1, ctx.weapons[static_cast<std::size_t>(refID)].critSlots);
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

void SheetKit::placeHeatSink(model::Mech& mech, int location, int slot) const {
    model::CritLocation& list = mech.critLocation(location);
    list.PlaceItem("Heat Sink", slot, false, "cHS" + std::to_string(list.NextInstance("cHS")));
}

model::Mech SheetKit::hunchback() const {
    model::Mech m(const_cast<app::ProgramContext&>(ctx));
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
    place(m, "AC/20", catalog::kRightTorso, 0);
    place(m, "AC/20 Ammo", catalog::kLeftTorso, 0);
    place(m, "AC/20 Ammo", catalog::kLeftTorso, 1);
    place(m, "Medium Laser", catalog::kLeftArm, 4);
    place(m, "Medium Laser", catalog::kRightArm, 4);
    place(m, "Small Laser", catalog::kHead, 3);
    for (int hs = 0; hs < m.hsCount() - m.hsInEngine(); ++hs)
        placeHeatSink(m, catalog::kLeftTorso, 2 + hs);
    refresh(m);
    return m;
}

model::Mech SheetKit::omni() const {
    model::Mech m(const_cast<app::ProgramContext&>(ctx));
    m.setMechName("Vantor");
    m.setMechModel("Vantor");
    m.setTechBase(catalog::kClan);
    m.setTechLevel(2);
    m.setMechType(catalog::kOmniMech);
    m.setTonnage(60);
    m.setWalking(5);
    m.LayDefaultSlots();
    for (int loc = 0; loc < catalog::kLocationCount; ++loc)
        m.SetArmor(loc, 12);
    m.LockBaseOmni();
    m.AddNewVariant("Prime");
    m.AddNewVariant("B");
    m.SetInitialOmniConfig("Prime");
    place(m, "Medium Laser", catalog::kRightTorso, 0);
    m.SaveCurrentConfig();
    refresh(m);
    return m;
}

void refresh(model::Mech& mech) {
    mech.RecalcAll();
    valuation::CalcTotalCost(mech);
    valuation::CalcBV(mech);
}

} // namespace fpw::testing
