// The spread and multi-allocate dialogs as a player fills them in: a wrong count beeps and
// changes nothing, the right one places the items as one undoable step.
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "catalog/locations.h"
#include "ui/dialogs/multiallocatedialog.h"
#include "ui/dialogs/spreaddialog.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

using AllocationDialogs = testing::WindowTest;

TEST_F(AllocationDialogs, SpreadBeepsAtAWrongTotalAndSpreadsTheWeaponAtTheRightOne) {
    edit("add AC/20\n");
    const std::int16_t weapon = editor().unallocatedWeapons().back().weaponIndex;
    // Below the hand actuator an arm has eight slots left of the cannon's ten.
    const std::optional<editor::SpreadRequest> request =
        editor::spreadRequest(editor(), catalog::kLeftArm, 4, weapon);
    ASSERT_TRUE(request);
    ActionRunner runner([] {});
    SpreadDialog dialog(editor(), runner, *request);
    const editor::EditorDocument before = editor().document();

    dialog.primaryCount()->setValue(8);
    const int torso = dialog.secondaryLocation()->findData(catalog::kLeftTorso);
    ASSERT_GE(torso, 0);
    dialog.secondaryLocation()->setCurrentIndex(torso);
    dialog.secondaryCount()->setValue(1);
    EXPECT_EQ(dialog.total()->text(), "9 of 10");
    dialog.finish();
    EXPECT_EQ(program.user.beeps, 1);
    EXPECT_TRUE(editor().document() == before);
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.secondaryCount()->setValue(2);
    dialog.finish();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const model::CritLocation& arm = editor().mech().critLocation(catalog::kLeftArm);
    const model::CritLocation& side = editor().mech().critLocation(catalog::kLeftTorso);
    EXPECT_TRUE(arm.IsSpreadSlot(11));
    EXPECT_EQ(side.SlotItemId(1), std::to_string(weapon));
    EXPECT_FALSE(side.IsOccupied(2));
    undo();
    EXPECT_TRUE(editor().document() == before);
}

TEST_F(AllocationDialogs, MultiAllocateCountersPlaceTheItemsAndTooManyBeep) {
    // The jump jet row: the new design's heat sinks have one too.
    const std::string code = jumpJets();
    const std::optional<editor::MultiAllocateRequest> request =
        editor::multiAllocateRequest(editor(), code);
    ASSERT_TRUE(request);
    ActionRunner runner([] {});
    MultiAllocateDialog dialog(editor(), runner, *request);
    const std::vector<QSpinBox*>& counters = dialog.counters();
    ASSERT_EQ(counters.size(), request->locations.size());
    ASSERT_GE(counters.size(), 2u);
    EXPECT_EQ(dialog.total()->text().toStdString(), editor::multiAllocateTotal(*request, 0));
    EXPECT_EQ(counters[0]->maximum(), request->locations[0].maximum);
    const editor::EditorDocument before = editor().document();

    counters[0]->setValue(1);
    counters[1]->setValue(1);
    EXPECT_EQ(dialog.total()->text().toStdString(), editor::multiAllocateTotal(*request, 2));
    dialog.finish();
    EXPECT_EQ(program.user.beeps, 1);
    EXPECT_TRUE(editor().document() == before);

    counters[0]->setValue(0);
    dialog.finish();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(editor().items().count(code), 0);
    EXPECT_TRUE(editor().mech().critLocation(request->locations[1].location).HasItem(code));
    undo();
    EXPECT_TRUE(editor().document() == before);
}

} // namespace
} // namespace fpw::ui
