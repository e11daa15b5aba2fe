// The component rules' accepted changes: the slots they write and the items they keep in step.
#include <string>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "componentskit.h"
#include "editor/componentchoices.h"
#include "editor/components.h"
#include "editor/slotops.h"
#include "editor/systems.h"

namespace fpw::editor {
namespace {

using namespace catalog;
using Texts = std::vector<std::string>;

constexpr const char* kFree = "Roll Again";

struct ComponentRules : testkit::RulesFixture {
    int rowCount(std::string_view code) const { return editor.items().count(code); }
    const model::WeaponEntry& weapon(std::int16_t index) const {
        for (const model::WeaponEntry& w : editor.mech().weapons()) {
            if (w.weaponIndex == index) {
                return w;
            }
        }
        throw std::runtime_error("no weapon");
    }
};

TEST_F(ComponentRules, EngineSlotsFollowTheTypeAndTheTechBase) {
    build(50, 4);
    ASSERT_TRUE(ChangeEngine(editor, engine::kXL));
    EXPECT_EQ(texts(kLeftTorso)[2], "XL Engine");
    EXPECT_EQ(texts(kRightTorso)[3], kFree);
    ASSERT_TRUE(ChangeTechBase(editor, kClan));
    EXPECT_EQ(texts(kRightTorso)[1], "XL Engine");
    EXPECT_EQ(texts(kRightTorso)[2], kFree);
    ASSERT_TRUE(ChangeEngine(editor, engine::kCompact));
    EXPECT_EQ(texts(kCenterTorso),
              (Texts{"Compact Engine", "Compact Engine", "Compact Engine", "Gyro", "Gyro", "Gyro",
                     "Gyro", kFree, kFree, kFree, kFree, kFree}));
    EXPECT_EQ(texts(kLeftTorso)[0], kFree);
}

TEST_F(ComponentRules, AGyroChangeLaysTheEngineDirectlyBelowAndMovesWhatIsInTheWay) {
    build(50, 4);
    const std::int16_t laser = testkit::placeWeapon(editor, "Medium Laser", kCenterTorso, 10);
    ASSERT_TRUE(ChangeGyro(editor, gyro::kExtraLight));
    EXPECT_EQ(texts(kCenterTorso),
              (Texts{"Engine", "Engine", "Engine", "XL Gyro", "XL Gyro", "XL Gyro", "XL Gyro",
                     "XL Gyro", "XL Gyro", "Engine", "Engine", "Engine"}));
    EXPECT_EQ(weapon(laser).LocCount(), 0) << "the laser goes back to the unallocated weapons";
    ASSERT_EQ(editor.unallocatedWeapons().size(), 1u);
}

TEST_F(ComponentRules, HeatSinkItemsAreTheHeatSinksTheEngineDoesNotHold) {
    build(50, 4); // rating 200 holds 8
    EXPECT_EQ(rowCount(cHS), 2);
    ASSERT_TRUE(ChangeHeatSinkCount(editor, 13));
    EXPECT_EQ(rowCount(cHS), 5);
    EXPECT_FALSE(ChangeHeatSinkCount(editor, 9)) << "ten heat sinks at least";
    ASSERT_TRUE(ChangeHeatSinkType(editor, heatsink::kDouble));
    EXPECT_EQ(editor.items().find(cHS)->slotsPerItem, 3);
    EXPECT_EQ(editor.items().find(cHS)->name, "Double Heat Sink");
    // A faster engine holds them all: no row is left.
    ASSERT_TRUE(ChangeWalking(editor, 8)); // rating 400 holds 16
    EXPECT_EQ(editor.items().find(cHS), nullptr);
}

TEST_F(ComponentRules, JumpJetsFollowTheJumpMPAndItsBound) {
    build(50, 4);
    ASSERT_TRUE(ChangeJumping(editor, 4));
    EXPECT_EQ(rowCount(cJJ), 4);
    ASSERT_TRUE(ChangeImprovedJumpJets(editor, true));
    EXPECT_EQ(editor.items().find(cJJ)->slotsPerItem, 2);
    ASSERT_TRUE(ChangeJumping(editor, 6)); // improved jets reach the running MP
    ASSERT_TRUE(ChangeImprovedJumpJets(editor, false));
    EXPECT_EQ(editor.mech().jumping(), 4);
    EXPECT_EQ(rowCount(cJJ), 4);
    EXPECT_EQ(editor.items().find(cJJ)->slotsPerItem, 1);
    ASSERT_TRUE(ChangeWalking(editor, 2));
    EXPECT_EQ(editor.mech().jumping(), 2);
    EXPECT_EQ(rowCount(cJJ), 2);
}

TEST_F(ComponentRules, ATonnageChangeClampsWalkingAndArmourAndResizesMASC) {
    build(80, 5);
    editor.mech().SetArmor(kLeftArm, 50);
    editor.mech().SetArmor(kLeftTorso, 40);
    editor.mech().SetArmor(kLeftTorsoRear, 30);
    ASSERT_TRUE(SetMASC(editor, true));
    EXPECT_EQ(editor.items().find(cMASC)->slotsPerItem, 4);
    ASSERT_TRUE(ChangeTonnage(editor, 100));
    EXPECT_EQ(editor.mech().walking(), 4); // 400 / 100
    EXPECT_EQ(editor.items().find(cMASC)->slotsPerItem, 5);
    ASSERT_TRUE(ChangeTonnage(editor, 20));
    EXPECT_EQ(editor.mech().GetArmor(kLeftArm), 2 * gGetISPoints(kLeftArm, 20, kBiped));
    EXPECT_EQ(editor.mech().GetArmor(kLeftTorso) + editor.mech().GetArmor(kLeftTorsoRear),
              2 * gGetISPoints(kLeftTorso, 20, kBiped));
    EXPECT_EQ(editor.items().find(cMASC)->slotsPerItem, 1);
    EXPECT_EQ(editor.display().weightClass, "Light Mech");
}

TEST_F(ComponentRules, CockpitLayouts) {
    build(60, 4);
    ASSERT_TRUE(ChangeCockpit(editor, cockpit::kSmall));
    EXPECT_EQ(texts(kHead),
              (Texts{"Life Support", "Sensors", "Small Cockpit", kFree, "Sensors", kFree}));
    ASSERT_TRUE(ChangeCockpit(editor, cockpit::kCommandConsole));
    EXPECT_EQ(texts(kHead), (Texts{"Life Support", "Sensors", "Cockpit", "Command Console",
                                   "Sensors", "Life Support"}));
    ASSERT_TRUE(ChangeCockpit(editor, cockpit::kTorsoMounted));
    EXPECT_EQ(texts(kHead),
              (Texts{"Life Support", "Sensors", kFree, kFree, "Sensors", "Life Support"}));
    EXPECT_EQ(texts(kCenterTorso)[10], "Torso-Mounted Cockpit");
    EXPECT_EQ(texts(kCenterTorso)[11], "Sensors");
    EXPECT_EQ(texts(kLeftTorso)[0], "Life Support");
    EXPECT_EQ(texts(kRightTorso)[0], "Life Support");
    ASSERT_TRUE(ChangeCockpit(editor, cockpit::kStandard));
    EXPECT_EQ(texts(kCenterTorso)[10], kFree);
    EXPECT_EQ(texts(kLeftTorso)[0], kFree);
    EXPECT_EQ(texts(kHead)[2], "Cockpit");
}

TEST_F(ComponentRules, QuadArmsBecomeFrontLegsAndJumpJetsLeaveThemOnTheWayBack) {
    build(50, 4);
    ASSERT_TRUE(ChangeJumping(editor, 2));
    // A physical weapon type that no arm carries does not stand in the way.
    ASSERT_TRUE(ChangePhysicalType(editor, physical::kHatchet));
    ASSERT_TRUE(ChangeMechType(editor, kQuad));
    EXPECT_EQ(texts(kLeftArm)[0], "Hip");
    // A front leg takes jump jets.
    placeGeneralItem(editor, kLeftArm, 4, 1, cJJ, "Jump Jet");
    editor.items().take(cJJ);
    ASSERT_TRUE(ChangeMechType(editor, kBiped));
    EXPECT_EQ(texts(kLeftArm)[3], "Hand Actuator");
    EXPECT_EQ(texts(kLeftArm)[4], kFree);
    EXPECT_EQ(rowCount(cJJ), 2);
}

TEST_F(ComponentRules, StructureAndArmourItemsFollowTheirTypes) {
    build(50, 4);
    ASSERT_TRUE(ChangeStructure(editor, structure::kEndoSteel));
    EXPECT_EQ(rowCount(cIS), 14);
    ASSERT_TRUE(ChangeArmorType(editor, armor::kFerroFibrous));
    EXPECT_EQ(rowCount(cArm), 14);
    ASSERT_TRUE(ChangeTechBase(editor, kClan));
    EXPECT_EQ(rowCount(cIS), 7);
    EXPECT_EQ(rowCount(cArm), 7);
    ASSERT_TRUE(ChangeStructure(editor, structure::kStandard));
    EXPECT_EQ(editor.items().find(cIS), nullptr);
}

} // namespace
} // namespace fpw::editor
