// The OmniMech rules of the editor: locking the chassis with its checks and questions, and
// adding, deleting and choosing variants.
#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/documentcommands.h"
#include "editor/documentskit.h"
#include "editor/omnirules.h"

namespace fpw::editor {
namespace {

namespace kit = testing::designkit;
using testing::documents::EditorKit;

// The design kit names it "Long Range Support Variant"; the design keeps 25 characters.
constexpr const char* kLong = "Long Range Support Varian";
constexpr const char* kExists = "This is an illegal variant name because it already exists.";

bool hasWeapon(const Editor& editor, std::int16_t refID) {
    for (const model::WeaponEntry& weapon : editor.mech().weapons()) {
        if (weapon.refID == refID) {
            return true;
        }
    }
    return false;
}

struct OmniTest : ::testing::Test, EditorKit {
    void removeWeapon(std::int16_t refID) {
        for (const model::WeaponEntry& weapon : editor.mech().weapons()) {
            if (weapon.refID == refID) {
                const std::int16_t index = weapon.weaponIndex;
                editor.mech().critLocation(weapon.GetLoc(0)).RemoveItem(std::to_string(index));
                editor.mech().RemoveWeapon(index);
                return;
            }
        }
    }
    // Answers the confirmation and the first variant's name, then locks.
    bool lock(std::optional<std::string> firstName, bool confirm = true) {
        user.yesNoAnswers = {confirm};
        user.inputAnswers = {std::move(firstName)};
        return LockChassis(editor);
    }
};

TEST_F(OmniTest, EachLockCheckRefusesWithItsTextAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<void(model::Mech&)> spoil;
        const char* text;
    };
    const std::vector<Case> cases{
        {"unallocated weapon", [](model::Mech& m) { m.AddWeapon(kit::kMediumLaser); },
         "You can not lock the base omni chassis when you still have unallocated items."},
        {"no name", [](model::Mech& m) { m.setMechName(""); },
         "You can not lock the base omni chassis if you have no given this mech is name."},
        {"overweight", [](model::Mech& m) { m.SetArmor(0, 2000); },
         "The base omni chassis is overweight. You can not lock an overweight chassis."},
        {"targeting computer without weapons",
         [](model::Mech& m) {
             const std::int16_t ppc = m.weapons()[0].weaponIndex;
             m.critLocation(4).RemoveItem(std::to_string(ppc));
             m.RemoveWeapon(ppc);
             m.setTargSysType(catalog::targeting::kTargetingComputer);
         },
         "This mech has a targeting computer mounted but has not been allocated since there are "
         "no weapons. Since the targeting computer must be mounted before the chassis is locked, "
         "it must either be removed or weapons must be added so that it can be allocated."},
        {"lower arm actuator", [](model::Mech& m) { m.SetRAActuator(2, true); },
         "You may not mount lower or hand actuators on the base omni chassis. These must be "
         "removed before locking."},
        {"no left upper arm", [](model::Mech& m) { m.SetLAActuator(1, false); },
         "You may not make armless omnimechs."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model::Mech mech = kit::omniChassis(ctx);
        c.spoil(mech);
        load(std::move(mech));
        expectRefused([&] { return LockChassis(editor); }, "Unable to lock chassis", c.text);
        EXPECT_TRUE(user.questions.empty());
    }
}

TEST_F(OmniTest, LockingAsksTwiceThenShowsTheFirstVariant) {
    load(kit::omniChassis(ctx));
    EXPECT_TRUE(omniControls(editor).lockVisible);
    ASSERT_TRUE(lock("  Prime  "));
    EXPECT_EQ(user.questionTitles,
              (std::vector<std::string>{"Lock base chassis?", "First Variant"}));
    EXPECT_EQ(user.questions[0], "Are you sure you want to lock the base omni chassis? Once you "
                                 "lock it you will not be able to make changes to it again.");
    const OmniControls controls = omniControls(editor);
    EXPECT_EQ(controls.variants, std::vector<std::string>{"Prime"});
    EXPECT_EQ(controls.selected, "Prime");
    EXPECT_TRUE(controls.variantsVisible);
    EXPECT_FALSE(controls.lockVisible);
    EXPECT_FALSE(controls.baseChassisEditable);
    EXPECT_EQ(editor.selectedEquipment().at(0).text, "PPC (RT) [Base]");
    EXPECT_EQ(editor.mech().omniBaseHSCount(), 12);
    EXPECT_FALSE(editor.saved());
    EXPECT_EQ(editor.undoDepth(), 1u);
}

TEST_F(OmniTest, AbandonedOrIllegalFirstVariantLeavesTheChassisUnlocked) {
    load(kit::omniChassis(ctx));
    const auto before = testing::captureEditorState(editor);
    for (const auto& [confirm, name] : std::vector<std::pair<bool, std::optional<std::string>>>{
             {false, "Prime"}, {true, std::nullopt}, {true, "   "}, {true, "BASE"}}) {
        user.messages.clear();
        EXPECT_FALSE(lock(name, confirm));
        EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(editor)));
        user.inputAnswers.clear();
    }
    EXPECT_EQ(user.onlyMessage().title, "Illegal Name");
    EXPECT_EQ(user.onlyMessage().text,
              "This is an illegal variant name. You may not name a variant 'Base'");
}

TEST_F(OmniTest, AddVariantRefusesBaseAndTakenNamesInAnyCase) {
    load(kit::omniChassis(ctx));
    ASSERT_TRUE(lock("Prime"));
    for (const auto& [name, title, text] :
         std::vector<std::tuple<const char*, const char*, const char*>>{
             {"base", "Illegal Name",
              "This is an illegal variant name. You may not name a variant 'Base'"},
             {" PRIME", "Variant exists", kExists}}) {
        SCOPED_TRACE(name);
        user.inputAnswers = {std::string(name)};
        expectRefused([&] { return AddVariant(editor); }, title, text);
        EXPECT_EQ(user.questionTitles.back(), "New variant");
    }
    user.inputAnswers = {"  A name longer than twenty-five letters "};
    ASSERT_TRUE(AddVariant(editor));
    EXPECT_EQ(omniControls(editor).variants,
              (std::vector<std::string>{"Prime", "A name longer than twenty"}));
    EXPECT_EQ(omniControls(editor).selected, "Prime") << "adding does not switch";
}

// The kit's Alpha variant is overweight; these start from Prime.
model::Mech primeCurrent(app::ProgramContext& ctx) {
    model::Mech mech = kit::lockedOmniDesign(ctx);
    mech.ChangeOmniConfig("Prime", true);
    return mech;
}

TEST_F(OmniTest, ChoosingAVariantStoresTheCurrentOneFirst) {
    load(primeCurrent(ctx));
    ASSERT_TRUE(ChooseVariant(editor, kLong));
    EXPECT_TRUE(hasWeapon(editor, kit::kLRM10));
    EXPECT_EQ(editor.mech().jumping(), 3);
    removeWeapon(kit::kLRM10);
    ASSERT_TRUE(ChooseVariant(editor, "Prime"));
    EXPECT_EQ(editor.mech().jumping(), 0);
    ASSERT_TRUE(ChooseVariant(editor, kLong));
    EXPECT_FALSE(hasWeapon(editor, kit::kLRM10)) << "returning shows the variant as it was left";
    EXPECT_EQ(editor.mech().jumping(), 3);

    struct Case {
        const char* what;
        std::function<void(Editor&)> spoil;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{
             {"unallocated", [](Editor& e) { e.items().add(catalog::cHS, 1, "Heat Sink", 1); },
              "You can not change variants if you have unallocated items."},
             {"overweight", [](Editor& e) { e.mech().SetArmor(0, 2000); },
              "You can not change variants if the current one is overweight."}}) {
        SCOPED_TRACE(c.what);
        load(primeCurrent(ctx));
        c.spoil(editor);
        expectRefused([&] { return ChooseVariant(editor, "Alpha"); }, "Unable to change variants",
                      c.text);
        EXPECT_EQ(omniControls(editor).selected, "Prime");
    }
}

TEST_F(OmniTest, DeletingNeedsTwoVariantsAndLoadsTheFirstRemaining) {
    load(kit::omniChassis(ctx));
    ASSERT_TRUE(lock("Prime"));
    expectRefused([&] { return DeleteVariant(editor, "Prime"); }, "Unable to remove config",
                  "You need at have atleast two variants before you can delete one.");

    // The current one goes without being stored: the first remaining one is loaded.
    load(kit::lockedOmniDesign(ctx));
    kit::placeWeapon(editor.mech(), kit::kSmallLaser, 4, 9);
    editor.items().add(catalog::cHS, 1, "Heat Sink", 1);
    user.yesNoAnswers = {true};
    ASSERT_TRUE(DeleteVariant(editor, "Alpha"));
    EXPECT_EQ(user.questions.back(), "Are you sure you want to delete the variant named Alpha?");
    EXPECT_EQ(user.questionTitles.back(), "Delete variant?");
    EXPECT_EQ(omniControls(editor).variants, (std::vector<std::string>{"Prime", kLong}));
    EXPECT_EQ(omniControls(editor).selected, "Prime");
    EXPECT_FALSE(hasWeapon(editor, kit::kSmallLaser));
    EXPECT_FALSE(hasWeapon(editor, kit::kMediumLaser));
    EXPECT_TRUE(editor.items().empty());

    // Another one: the current one is stored first, then the first remaining one is loaded.
    ASSERT_TRUE(ChooseVariant(editor, kLong));
    kit::placeWeapon(editor.mech(), kit::kSmallLaser, 4, 9);
    user.yesNoAnswers = {true};
    ASSERT_TRUE(DeleteVariant(editor, "Prime"));
    EXPECT_EQ(omniControls(editor).variants, std::vector<std::string>{kLong});
    EXPECT_TRUE(hasWeapon(editor, kit::kSmallLaser));
    EXPECT_TRUE(hasWeapon(editor, kit::kLRM10));
}

TEST_F(OmniTest, ASavedOmniMechOpensWithItsVariantsAndTheOneThatWasShown) {
    load(primeCurrent(ctx));
    ASSERT_TRUE(ChooseVariant(editor, kLong));
    ASSERT_TRUE(SaveMechTo(editor, dir.file("omni.fpm")));
    Editor other(ctx);
    ASSERT_TRUE(OpenMech(other, dir.file("omni.fpm")));
    EXPECT_EQ(omniControls(other), omniControls(editor));
    EXPECT_EQ(omniControls(other).selected, kLong);
    EXPECT_TRUE(other.mech() == editor.mech());
    ASSERT_TRUE(ChooseVariant(other, "Prime"));
    EXPECT_FALSE(hasWeapon(other, kit::kLRM10));
}

TEST_F(OmniTest, DeletingAnotherVariantWaitsForTheUnallocatedItemsAndTheAnswer) {
    load(kit::lockedOmniDesign(ctx));
    editor.items().add(catalog::cHS, 1, "Heat Sink", 1);
    expectRefused([&] { return DeleteVariant(editor, "Prime"); }, "Unable to change variants",
                  "You can not change variants if you have unallocated items.");

    load(kit::lockedOmniDesign(ctx));
    const auto before = testing::captureEditorState(editor);
    user.yesNoAnswers = {false};
    EXPECT_FALSE(DeleteVariant(editor, "Prime"));
    EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(editor)));
}

} // namespace
} // namespace fpw::editor
