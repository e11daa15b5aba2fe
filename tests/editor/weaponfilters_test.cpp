// The available list's filters on a level-1 Inner Sphere design that carries an LRM-5: the
// weapon type, ammunition under the type of the weapons that fire it, and the option that
// keeps only the ammunition the design can use.
#include <algorithm>

#include "allocationkit.h"
#include "catalog/equipment.h"

namespace fpw::editor {
namespace {

using namespace catalog::weapontype;

struct FilterCase {
    int type;
    bool ammoForCurrentWeapons;
    std::vector<std::string> shown;
    std::vector<std::string> hidden;
};

class WeaponFilterTest : public AllocationTest, public ::testing::WithParamInterface<FilterCase> {};

bool listed(const Editor& editor, const std::string& name) {
    const auto& rows = editor.availableWeapons();
    return std::any_of(rows.begin(), rows.end(), [&](const auto& row) { return row.text == name; });
}

TEST_P(WeaponFilterTest, ListsWhatTheFiltersLetThrough) {
    const FilterCase& c = GetParam();
    add(kLRM5);
    ASSERT_TRUE(SetWeaponTypeFilter(editor, c.type));
    ASSERT_TRUE(SetAmmoForCurrentWeapons(editor, c.ammoForCurrentWeapons));
    for (const std::string& name : c.shown) {
        EXPECT_TRUE(listed(editor, name)) << name;
    }
    for (const std::string& name : c.hidden) {
        EXPECT_FALSE(listed(editor, name)) << name;
    }
    EXPECT_EQ(editor.undoDepth(), 1u) << "a filter is no step of the design";
}

INSTANTIATE_TEST_SUITE_P(
    Filters, WeaponFilterTest,
    ::testing::Values(
        FilterCase{-1, false, {"Medium Laser", "LRM-5", "AC/2 Ammo"}, {"ER Medium Laser"}},
        FilterCase{kMissile, false, {"LRM-5", "LRM-5 Ammo"}, {"Medium Laser", "AC/2 Ammo"}},
        FilterCase{kAmmunition, false, {"LRM-5 Ammo", "AC/2 Ammo"}, {"LRM-5", "Medium Laser"}},
        FilterCase{-1, true, {"Medium Laser", "LRM-5 Ammo"}, {"AC/2 Ammo", "LRM-10 Ammo"}},
        FilterCase{kAmmunition, true, {"LRM-5 Ammo"}, {"LRM-10 Ammo", "LRM-5"}}));

TEST_F(AllocationTest, AddingAWeaponWidensTheAmmunitionItMayTake) {
    ASSERT_TRUE(SetAmmoForCurrentWeapons(editor, true));
    ASSERT_TRUE(SetWeaponTypeFilter(editor, kAmmunition));
    EXPECT_TRUE(editor.availableWeapons().empty());
    add(kAC10);
    ASSERT_EQ(editor.availableWeapons().size(), 1u);
    EXPECT_EQ(editor.availableWeapons().front().text, "AC/10 Ammo");
    editor.undo();
    EXPECT_TRUE(editor.availableWeapons().empty());
}

TEST_F(AllocationTest, AFilterThatIsNoWeaponTypeIsRefused) {
    ASSERT_TRUE(SetWeaponTypeFilter(editor, kArtillery));
    ASSERT_TRUE(SetWeaponTypeFilter(editor, kEnergy));
    const EditorState before = snapshot();
    EXPECT_FALSE(SetWeaponTypeFilter(editor, kArtillery + 1));
    EXPECT_FALSE(SetWeaponTypeFilter(editor, -2));
    expectUnchanged(before);
}

} // namespace
} // namespace fpw::editor
