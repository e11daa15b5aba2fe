#include "editor/editorkit.h"

#include <gtest/gtest.h>

#include "catalog/bvdatafile.h"
#include "catalog/equipment.h"
#include "catalog/prices.h"
#include "catalog/weapondatabase.h"
#include "data/datafiles.h"

namespace fpw::testing {

EditorKit::EditorKit() : ctx(programDirectory(), user) {
    EXPECT_TRUE(catalog::LoadWeapons(ctx)) << "no weapon database in " << programDirectory();
    catalog::LoadBVData(ctx);
    catalog::gResetPrices(ctx.prices);
    editor = std::make_unique<editor::Editor>(ctx);
}

std::int16_t EditorKit::weapon(std::string_view name) const {
    const int index = catalog::findWeapon(ctx.weapons, name, catalog::kInnerSphere);
    EXPECT_GE(index, 0) << name;
    return static_cast<std::int16_t>(index);
}

} // namespace fpw::testing
