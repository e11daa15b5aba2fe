// What the golden script (scripts/omni_rules.fpws) cannot show of the OmniMech rules: the
// window's controls and the base weapons' texts after locking, and the lock check for an arm
// without its upper arm, which no editor action can make.
#include <gtest/gtest.h>

#include "editor/documentskit.h"
#include "editor/omnirules.h"

namespace fpw::editor {
namespace {

namespace kit = testing::designkit;

struct OmniTest : ::testing::Test, testing::documents::EditorKit {};

TEST_F(OmniTest, LockingShowsTheFirstVariantAndMarksTheBaseWeapons) {
    load(kit::omniChassis(ctx));
    EXPECT_TRUE(omniControls(editor).lockVisible);
    user.yesNoAnswers = {true};
    user.inputAnswers = {"Prime"};
    ASSERT_TRUE(LockChassis(editor));
    const OmniControls controls = omniControls(editor);
    EXPECT_EQ(controls.variants, std::vector<std::string>{"Prime"});
    EXPECT_EQ(controls.selected, "Prime");
    EXPECT_TRUE(controls.variantsVisible);
    EXPECT_FALSE(controls.lockVisible);
    EXPECT_FALSE(controls.baseChassisEditable);
    EXPECT_EQ(editor.selectedEquipment().at(0).text, "PPC (RT) [Base]");
    EXPECT_EQ(editor.mech().omniBaseHSCount(), 12);
}

TEST_F(OmniTest, AnArmWithoutItsUpperArmIsNoOmniChassis) {
    model::Mech mech = kit::omniChassis(ctx);
    mech.SetLAActuator(1, false);
    load(std::move(mech));
    expectRefused([&] { return LockChassis(editor); }, "Unable to lock chassis",
                  "You may not make armless omnimechs.");
    EXPECT_TRUE(user.questions.empty());
}

} // namespace
} // namespace fpw::editor
