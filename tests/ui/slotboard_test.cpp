// The slot board driven as a player drives it: rows dragged from the unallocated lists land
// in the slots the editor's rules allow, refused targets stay as they were, a double click
// takes an item out, and every slot shows the colour of its state.
#include "ui/slotboard/slotboard.h"

#include <algorithm>
#include <memory>

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/components.h"
#include "editor/weaponlistactions.h"
#include "shippedprogram.h"
#include "ui/services/settingscolor.h"
#include "ui/slotboard/slotdrag.h"
#include "ui/slotboard/slotlistview.h"

namespace fpw::ui {
namespace {

class SlotBoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = program.start();
        ASSERT_NE(window, nullptr);
        window->show();
        board = window->findChild<SlotBoard*>("slotBoard");
        ASSERT_NE(board, nullptr);
    }

    editor::Editor& editor() { return window->editor(); }

    // Adds the named weapon to the unallocated list and returns its instance number.
    std::int16_t addWeapon(const std::string& name) {
        const auto& available = editor().availableWeapons();
        const auto found = std::find_if(available.begin(), available.end(),
                                        [&](const auto& row) { return row.text == name; });
        EXPECT_NE(found, available.end()) << name;
        if (found == available.end()) {
            return -1;
        }
        editor::AddWeapons(editor(), {found->refID});
        return editor().unallocatedWeapons().back().weaponIndex;
    }

    // The viewport point of a slot's row.
    QPoint slotPoint(SlotListView* list, int slot) {
        return list->visualItemRect(list->item(slot)).center();
    }

    // Drags the data over the slot and drops it there, as the window system delivers it;
    // returns whether the list accepted the drag over that slot.
    bool dragAndDrop(int location, int slot, QMimeData* data) {
        SlotListView* list = board->list(location);
        const QPoint point = slotPoint(list, slot);
        QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &enter);
        QDragMoveEvent move(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &move);
        const bool accepted = move.isAccepted();
        QDropEvent drop(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &drop);
        delete data;
        return accepted;
    }

    QString statusText(const char* name) { return window->findChild<QLabel*>(name)->text(); }

    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window;
    SlotBoard* board = nullptr;
};

TEST_F(SlotBoardTest, DroppedWeaponLandsAndUndoTakesItBack) {
    const std::int16_t laser = addWeapon("Medium Laser");
    const editor::EditorDocument before = editor().document();
    const QString freeBefore = statusText("colFreeSlots");
    const int torso = catalog::kLeftTorso;

    EXPECT_TRUE(dragAndDrop(torso, 2, weaponDragData({laser})));

    const model::CritLocation& list = editor().mech().critLocation(torso);
    EXPECT_EQ(list.SlotItemId(2), std::to_string(laser));
    EXPECT_EQ(board->list(torso)->item(2)->text(), "Medium Laser");
    EXPECT_TRUE(editor().unallocatedWeapons().empty());
    EXPECT_NE(statusText("colFreeSlots"), freeBefore);
    EXPECT_EQ(statusText("colFreeSlots").toStdString(), editor().display().freeSlots);

    editor().undo();
    EXPECT_TRUE(editor().document() == before);
    EXPECT_EQ(board->list(torso)->item(2)->text(), "Roll Again");
    EXPECT_EQ(statusText("colFreeSlots"), freeBefore);
}

TEST_F(SlotBoardTest, DropOnALockedSlotChangesNothing) {
    const std::int16_t laser = addWeapon("Medium Laser");
    const editor::EditorDocument before = editor().document();
    // The shoulder: a fixed entry.
    ASSERT_TRUE(editor().mech().critLocation(catalog::kLeftArm).IsLockedSlot(0));

    dragAndDrop(catalog::kLeftArm, 0, weaponDragData({laser}));

    EXPECT_TRUE(editor().document() == before);
    EXPECT_EQ(board->list(catalog::kLeftArm)->item(0)->text(), "Shoulder");
}

TEST_F(SlotBoardTest, JumpJetsAreRefusedOverABipedsArmsAndHeadOnly) {
    ASSERT_TRUE(editor::ChangeJumping(editor(), 1));
    const auto& rows = editor().items().rows();
    const auto jets = std::find_if(rows.begin(), rows.end(), [](const auto& row) {
        return row.name.find("Jump") != std::string::npos;
    });
    ASSERT_NE(jets, rows.end());
    const std::string code = jets->code;

    EXPECT_FALSE(dragAndDrop(catalog::kLeftArm, 5, itemDragData(code)));
    EXPECT_FALSE(dragAndDrop(catalog::kHead, 3, itemDragData(code)));
    EXPECT_EQ(editor().items().count(code), 1);

    EXPECT_TRUE(dragAndDrop(catalog::kLeftLeg, 5, itemDragData(code)));
    EXPECT_TRUE(editor().mech().critLocation(catalog::kLeftLeg).IsOccupied(5));
    EXPECT_EQ(editor().items().count(code), 0);
}

TEST_F(SlotBoardTest, DoubleClickUnallocatesAnItemButNotAFixedEntry) {
    const std::int16_t laser = addWeapon("Medium Laser");
    const int torso = catalog::kRightTorso;
    ASSERT_TRUE(dragAndDrop(torso, 0, weaponDragData({laser})));
    SlotListView* list = board->list(torso);

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, slotPoint(list, 0));
    EXPECT_FALSE(editor().mech().critLocation(torso).IsOccupied(0));
    EXPECT_EQ(editor().unallocatedWeapons().size(), 1u);

    const editor::EditorDocument before = editor().document();
    SlotListView* arm = board->list(catalog::kRightArm);
    QTest::mouseDClick(arm->viewport(), Qt::LeftButton, {}, slotPoint(arm, 0));
    EXPECT_TRUE(editor().document() == before);
}

TEST_F(SlotBoardTest, SlotsShowTheirStateColoursAndTheItemUnderTheMouse) {
    const app::Settings& settings = program.ctx.settings;
    const std::int16_t laser = addWeapon("Large Laser");
    ASSERT_TRUE(dragAndDrop(catalog::kLeftTorso, 0, weaponDragData({laser})));
    SlotListView* torso = board->list(catalog::kLeftTorso);
    SlotListView* arm = board->list(catalog::kLeftArm);

    EXPECT_EQ(arm->item(0)->background().color(), toQColor(settings.lockedColor));
    EXPECT_EQ(torso->item(0)->background().color(), toQColor(settings.normalColor));
    EXPECT_EQ(torso->item(5)->background().color(), toQColor(settings.inactiveColor));
    EXPECT_EQ(board->caption(catalog::kLeftArm)->text(), "Left Arm");

    QTest::mouseMove(torso->viewport(), slotPoint(torso, 1));
    EXPECT_EQ(torso->item(0)->background().color(), toQColor(settings.hilitedColor));
    EXPECT_EQ(torso->item(1)->background().color(), toQColor(settings.hilitedColor));
    EXPECT_EQ(torso->item(2)->background().color(), toQColor(settings.inactiveColor));
}

TEST_F(SlotBoardTest, QuadCaptionsNameTheLegs) {
    ASSERT_TRUE(editor::ChangeMechType(editor(), catalog::kQuad));
    EXPECT_EQ(board->caption(catalog::kLeftArm)->text().toStdString(),
              catalog::locationName(catalog::kLeftArm, true));
    EXPECT_NE(board->caption(catalog::kLeftArm)->text(), "Left Arm");
}

TEST_F(SlotBoardTest, ForeignDragDataIsNoDrop) {
    auto* text = new QMimeData;
    text->setText("Medium Laser");
    const editor::EditorDocument before = editor().document();
    EXPECT_FALSE(dragAndDrop(catalog::kLeftTorso, 0, text));
    EXPECT_TRUE(editor().document() == before);
    const std::unique_ptr<QMimeData> empty(weaponDragData({}));
    EXPECT_FALSE(readSlotDrag(empty.get()));
}

} // namespace
} // namespace fpw::ui
