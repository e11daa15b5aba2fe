// The slot board driven as a player drives it: rows dragged from the unallocated lists land
// in the slots the editor's rules allow, refused targets stay as they were, a double click
// takes an item out, and every slot shows the colour of its state.
#include "ui/slotboard/slotboard.h"

#include <algorithm>
#include <memory>

#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/components.h"
#include "editor/slotmenu.h"
#include "editor/weaponlistactions.h"
#include "shippedprogram.h"
#include "slotdrop.h"
#include "ui/services/settingscolor.h"
#include "ui/slotboard/slotdrag.h"
#include "ui/slotboard/slotlistview.h"
#include "ui/slotboard/unallocatedlists.h"

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

    bool dragAndDrop(int location, int slot, QMimeData* data) {
        return ui::dragAndDrop(board->list(location), slot, data);
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

TEST_F(SlotBoardTest, QuadCaptionsNameTheLegsAndNoArmsShow) {
    ASSERT_TRUE(editor::ChangeMechType(editor(), catalog::kQuad));
    EXPECT_EQ(board->caption(catalog::kLeftArm)->text().toStdString(),
              catalog::locationName(catalog::kLeftArm, true));
    EXPECT_NE(board->caption(catalog::kLeftArm)->text(), "Left Arm");
    // Nor does the systems panel show arm lines: each goes with its caption.
    auto* lowerArm = window->findChild<QWidget*>("leftLowerArm");
    ASSERT_NE(lowerArm, nullptr);
    EXPECT_TRUE(lowerArm->isHidden());
    int captions = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == lowerArm) {
            ++captions;
            EXPECT_TRUE(label->isHidden()) << label->text().toStdString();
        }
    }
    EXPECT_EQ(captions, 1);
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

// The menu shows each entry of the editor's model: caption, visibility, enabled state, and
// the move-to sub-menu with its locations.
void expectMenuShows(const QMenu& menu, const std::vector<editor::SlotMenuEntry>& entries) {
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(entries[i].caption);
        EXPECT_EQ(action->text().toStdString(), entries[i].caption);
        EXPECT_EQ(action->isVisible(), entries[i].visible);
        // A hidden action counts as disabled in Qt: only a shown entry's state can be seen.
        if (entries[i].visible) {
            EXPECT_EQ(action->isEnabled(), entries[i].enabled);
        }
        if (!entries[i].submenu.empty()) {
            ASSERT_NE(action->menu(), nullptr);
            expectMenuShows(*action->menu(), entries[i].submenu);
        }
    }
}

QAction* findAction(const QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
        if (action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

TEST_F(SlotBoardTest, SlotMenuOffersTheEditorsEntriesAndRunsThem) {
    const std::int16_t laser = addWeapon("Medium Laser");
    ASSERT_TRUE(dragAndDrop(catalog::kLeftTorso, 0, weaponDragData({laser})));
    SlotListView* torso = board->list(catalog::kLeftTorso);
    SlotListView* arm = board->list(catalog::kLeftArm);
    // A placed weapon, a fixed entry and a free slot.
    for (const auto& [list, slot] : {std::pair{torso, 0}, std::pair{arm, 0}, std::pair{torso, 4}}) {
        expectMenuShows(*list->slotMenu(slot), editor::slotMenu(editor(), list->location(), slot));
    }
    const std::unique_ptr<QMenu> menu = torso->slotMenu(0);
    QAction* move = findAction(*menu, "Move To");
    ASSERT_NE(move, nullptr);
    ASSERT_NE(move->menu(), nullptr);
    QAction* rightTorso = findAction(*move->menu(), "Right Torso");
    ASSERT_NE(rightTorso, nullptr);
    const editor::EditorDocument before = editor().document();

    rightTorso->trigger();

    EXPECT_FALSE(editor().mech().critLocation(catalog::kLeftTorso).IsOccupied(0));
    EXPECT_EQ(board->list(catalog::kRightTorso)->item(0)->text(), "Medium Laser");
    window->findChild<QAction*>("undoAction")->trigger();
    EXPECT_TRUE(editor().document() == before);
    EXPECT_EQ(torso->item(0)->text(), "Medium Laser");
}

TEST_F(SlotBoardTest, UnallocatedRowsDragOntoTheBoard) {
    const std::int16_t first = addWeapon("Medium Laser");
    const std::int16_t second = addWeapon("Small Laser");
    UnallocatedWeaponList* weapons = board->unallocatedWeapons();
    ASSERT_EQ(weapons->count(), 2);
    // Picked in reverse order, dragged in list order.
    const std::unique_ptr<QMimeData> both(weapons->mimeData({weapons->item(1), weapons->item(0)}));
    const std::optional<SlotDrag> drag = readSlotDrag(both.get());
    ASSERT_TRUE(drag);
    EXPECT_EQ(drag->weapons, (std::vector<std::int16_t>{first, second}));

    ASSERT_TRUE(board->list(catalog::kLeftTorso)->dropOnSlot(0, *drag));
    EXPECT_EQ(weapons->count(), 0);
    EXPECT_TRUE(editor().mech().critLocation(catalog::kLeftTorso).IsOccupied(1));
}

TEST_F(SlotBoardTest, ShiftClickOnTheWeaponsTellsOfTheControlKey) {
    addWeapon("Medium Laser");
    UnallocatedWeaponList* weapons = board->unallocatedWeapons();
    const QPoint row = weapons->visualItemRect(weapons->item(0)).center();
    QTest::mouseClick(weapons->viewport(), Qt::LeftButton, Qt::ShiftModifier, row);
    ASSERT_EQ(program.user.messages.size(), 1u);
    EXPECT_EQ(program.user.messages[0].title, "Use control key");
    EXPECT_TRUE(weapons->selectedItems().isEmpty());
}

TEST_F(SlotBoardTest, ItemRowMenuAutoAllocatesTheRow) {
    ASSERT_TRUE(editor::ChangeJumping(editor(), 1));
    UnallocatedItemList* items = board->unallocatedItems();
    ASSERT_EQ(items->count(), static_cast<int>(editor().items().rows().size()));
    const int row = items->count() - 1;
    const editor::UnallocatedItem item = editor().items().rows()[static_cast<std::size_t>(row)];
    const std::unique_ptr<QMenu> menu = items->rowMenu(row);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text().toStdString(), editor::autoAllocateCaption(item));

    menu->actions()[0]->trigger();
    EXPECT_EQ(editor().items().count(item.code), 0);
    EXPECT_EQ(items->count(), static_cast<int>(editor().items().rows().size()));
}

} // namespace
} // namespace fpw::ui
