// The armour controls: location maxima shared by a torso's front and rear, the slider with
// its balance option, maximum armour, and the distribution behind add points and add tonnage
// (their boxes and refusals: scripts/armor_boxes.fpws and docs_armor.fpws).
#include <gtest/gtest.h>

#include <array>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/armor.h"
#include "editor/documentskit.h"

namespace fpw::editor {
namespace {

using testing::documents::EditorKit;
using Armor = std::array<int, kArmorLocations>;

Armor armorOf(const model::Mech& mech) {
    Armor armor{};
    for (int loc = 0; loc < kArmorLocations; ++loc) {
        armor[loc] = mech.GetArmor(loc);
    }
    return armor;
}

struct ArmorTest : ::testing::Test, EditorKit {
    void loadTonnage(int tons, int mechType = 0) {
        model::Mech mech(ctx);
        mech.setMechType(static_cast<std::int16_t>(mechType));
        mech.setTonnage(static_cast<std::int16_t>(tons));
        mech.LayDefaultSlots();
        load(std::move(mech));
    }
};

TEST_F(ArmorTest, HundredPointsFollowTheSharesAndRunOutAtTheLeftTorsoRear) {
    loadTonnage(100);
    user.inputAnswers = {"100"};
    ASSERT_TRUE(AddArmorPoints(editor));
    // LA LT LL RL RT RA CT H LT(r) RT(r) CT(r)
    EXPECT_EQ(armorOf(editor.mech()), (Armor{11, 10, 14, 14, 10, 11, 15, 9, 1, 0, 5}));
}

TEST(ArmorDistribution, EveryAmountIsPlacedWhole) {
    testing::designkit::Kit kit;
    for (const int mechType : {0, 1}) {
        for (int tons = 10; tons <= 100; tons += 5) {
            model::Mech mech(kit.ctx);
            mech.setMechType(static_cast<std::int16_t>(mechType));
            mech.setTonnage(static_cast<std::int16_t>(tons));
            const int maximum = maximumArmorPoints(mech);
            for (const int points : {1, 8, 9, 10, 11, 57, 100, maximum / 2, maximum - 1, maximum}) {
                if (points > maximum) {
                    continue;
                }
                SCOPED_TRACE(::testing::Message()
                             << tons << " tons, type " << mechType << ", " << points << " points");
                DistributeArmor(mech, points);
                EXPECT_EQ(mech.armorPoints(), points);
                for (int loc = 0; loc < kArmorLocations; ++loc) {
                    EXPECT_LE(armorLimit(mech, loc), armorMaximum(mech, loc));
                    EXPECT_GE(armorLimit(mech, loc), 0) << loc;
                }
                EXPECT_LE(mech.GetArmor(1) + mech.GetArmor(8), armorMaximum(mech, 1));
                EXPECT_LE(mech.GetArmor(6) + mech.GetArmor(10), armorMaximum(mech, 6));
                EXPECT_EQ(mech.GetArmor(7), std::min(points, 9));
            }
        }
    }
}

TEST_F(ArmorTest, SliderKeepsTheSharedTorsoMaximumAndBalancesTheMirror) {
    loadTonnage(50); // side torso structure 12: front and rear share 24 points
    ASSERT_TRUE(SetArmorPoints(editor, catalog::kLeftTorsoRear, 6));
    SelectArmorLocation(editor, catalog::kLeftTorso);
    ArmorPanel panel = armorPanel(editor);
    EXPECT_EQ(panel.sliderMax, 18);
    EXPECT_EQ(panel.locations[catalog::kLeftTorsoRear], (ArmorLocationView{6, 24}));

    ASSERT_TRUE(SetArmorPoints(editor, catalog::kLeftTorso, 30));
    EXPECT_EQ(editor.mech().GetArmor(catalog::kLeftTorso), 18) << "the slider stops at its end";
    EXPECT_EQ(editor.mech().GetArmor(catalog::kRightTorso), 0) << "balance is off";

    SetBalanceArmor(editor, true);
    ASSERT_TRUE(SetArmorPoints(editor, catalog::kRightTorsoRear, 10));
    ASSERT_TRUE(SetArmorPoints(editor, catalog::kLeftTorso, 16));
    EXPECT_EQ(editor.mech().GetArmor(catalog::kRightTorso), 14)
        << "the mirror stays within its own maximum";
    EXPECT_EQ(editor.mech().GetArmor(catalog::kLeftTorsoRear), 6);
    ASSERT_TRUE(SetArmorPoints(editor, catalog::kHead, 5));
    EXPECT_EQ(editor.mech().GetArmor(catalog::kHead), 5);

    panel = armorPanel(editor);
    EXPECT_EQ(panel.pointsText, "16 of 18");
    EXPECT_EQ(panel.percent, 88);
    EXPECT_EQ(editor.undoDepth(), 5u) << "each slider move is one step";
}

TEST_F(ArmorTest, MaximumArmourFillsEveryLocationAndLeavesTheRearsTheirPoints) {
    loadTonnage(50, catalog::kQuad);
    ASSERT_TRUE(SetArmorPoints(editor, catalog::kCenterTorsoRear, 7));
    ASSERT_TRUE(MaximumArmor(editor));
    const model::Mech& mech = editor.mech();
    EXPECT_EQ(mech.armorPoints(), maximumArmorPoints(mech));
    EXPECT_EQ(mech.GetArmor(catalog::kCenterTorsoRear), 7);
    EXPECT_EQ(mech.GetArmor(catalog::kCenterTorso), armorMaximum(mech, catalog::kCenterTorso) - 7);
    // A quad's front legs have leg structure.
    EXPECT_EQ(mech.GetArmor(catalog::kLeftArm), mech.GetArmor(catalog::kLeftLeg));
    EXPECT_EQ(armorPanel(editor).locations[catalog::kHead], (ArmorLocationView{9, 9}));
}

} // namespace
} // namespace fpw::editor
