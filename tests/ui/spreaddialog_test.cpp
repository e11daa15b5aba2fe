// The spread dialog as a player fills it in: a wrong total beeps and changes nothing, the
// right one spreads the weapon over both locations as one undoable step.
#include "ui/dialogs/spreaddialog.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "catalog/locations.h"
#include "editor/weaponlistactions.h"
#include "shippedprogram.h"

namespace fpw::ui {
namespace {

TEST(SpreadDialogTest, WrongTotalBeepsAndTheRightOneSpreadsTheWeapon) {
    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window = program.start();
    ASSERT_NE(window, nullptr);
    editor::Editor& editor = window->editor();
    const auto& available = editor.availableWeapons();
    const auto cannon = std::find_if(available.begin(), available.end(),
                                     [](const auto& row) { return row.text == "AC/20"; });
    ASSERT_NE(cannon, available.end());
    ASSERT_TRUE(editor::AddWeapons(editor, {cannon->refID}));
    const std::int16_t weapon = editor.unallocatedWeapons().back().weaponIndex;
    // Below the hand actuator an arm has eight slots left of the cannon's ten.
    const std::optional<editor::SpreadRequest> request =
        editor::spreadRequest(editor, catalog::kLeftArm, 4, weapon);
    ASSERT_TRUE(request);
    ActionRunner runner([] {});
    SpreadDialog dialog(editor, runner, *request);
    const editor::EditorDocument before = editor.document();

    dialog.primaryCount()->setValue(8);
    const int torso = dialog.secondaryLocation()->findData(catalog::kLeftTorso);
    ASSERT_GE(torso, 0);
    dialog.secondaryLocation()->setCurrentIndex(torso);
    dialog.secondaryCount()->setValue(1);
    EXPECT_EQ(dialog.total()->text(), "9 of 10");
    dialog.finish();
    EXPECT_EQ(program.user.beeps, 1);
    EXPECT_TRUE(editor.document() == before);
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.secondaryCount()->setValue(2);
    dialog.finish();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const model::CritLocation& arm = editor.mech().critLocation(catalog::kLeftArm);
    const model::CritLocation& side = editor.mech().critLocation(catalog::kLeftTorso);
    EXPECT_TRUE(arm.IsSpreadSlot(11));
    EXPECT_EQ(side.SlotItemId(1), std::to_string(weapon));
    EXPECT_FALSE(side.IsOccupied(2));
    editor.undo();
    EXPECT_TRUE(editor.document() == before);
}

} // namespace
} // namespace fpw::ui
