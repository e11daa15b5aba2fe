// The slot board and its allocation dialogs driven as a player drives them.
#include "ui/slotboard/slotboard.h"

#include <algorithm>
#include <memory>

#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/slotmenu.h"
#include "ui/dialogs/multiallocatedialog.h"
#include "ui/dialogs/spreaddialog.h"
#include "ui/services/settingscolor.h"
#include "ui/slotboard/slotdrag.h"
#include "ui/slotboard/unallocatedlists.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

class SlotBoardTest : public testing::WindowTest {
protected:
    SlotBoard& board() { return *child<SlotBoard>("slotBoard"); }
    // Adds the named weapon to the unallocated list and returns its instance number.
    std::int16_t addWeapon(const std::string& name) {
        edit("add \"" + name + "\"\n");
        return editor().unallocatedWeapons().back().weaponIndex;
    }
    bool dragAndDrop(int location, int slot, QMimeData* data) {
        return testing::dragAndDrop(board().list(location), slot, data);
    }
    const model::CritLocation& slots(int location) {
        return editor().mech().critLocation(location);
    }
};

// The menu shows each entry of the editor's model, sub-menus too.
void expectMenuShows(const QMenu& menu, const std::vector<editor::SlotMenuEntry>& entries) {
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(entries[i].caption);
        EXPECT_EQ(action->text().toStdString(), entries[i].caption);
        EXPECT_EQ(action->isVisible(), entries[i].visible);
        // A hidden action counts as disabled in Qt: only a shown entry's state can be seen.
        EXPECT_TRUE(!entries[i].visible || action->isEnabled() == entries[i].enabled);
        if (!entries[i].submenu.empty()) {
            ASSERT_NE(action->menu(), nullptr);
            expectMenuShows(*action->menu(), entries[i].submenu);
        }
    }
}

QAction* findAction(const QMenu& menu, const QString& caption) {
    const QList<QAction*> actions = menu.actions();
    const auto found = std::ranges::find(actions, caption, &QAction::text);
    return found == actions.end() ? nullptr : *found;
}

// A shift click tells of the control key and selects nothing; rows picked in any order drag
// in list order. The placed weapons show their state and leave by menu, double click and undo.
TEST_F(SlotBoardTest, DraggedRowsShowTheirStateAndLeaveByMenuDoubleClickAndUndo) {
    const app::Settings& settings = program.ctx.settings;
    const std::int16_t laser = addWeapon("Large Laser");
    const std::int16_t small = addWeapon("Small Laser");
    const editor::EditorDocument unplaced = editor().document();
    const QString freeBefore = text("colFreeSlots");
    SlotListView* torso = board().list(catalog::kLeftTorso);
    SlotListView* arm = board().list(catalog::kLeftArm);
    UnallocatedWeaponList* weapons = board().unallocatedWeapons();
    ASSERT_EQ(weapons->count(), 2);
    const QPoint row = weapons->visualItemRect(weapons->item(0)).center();
    QTest::mouseClick(weapons->viewport(), Qt::LeftButton, Qt::ShiftModifier, row);
    EXPECT_EQ(program.user.onlyMessage().title, "Use control key");
    EXPECT_TRUE(weapons->selectedItems().isEmpty());
    QMimeData* both = weapons->mimeData({weapons->item(1), weapons->item(0)});
    const std::optional<SlotDrag> drag = readSlotDrag(both);
    ASSERT_TRUE(drag);
    EXPECT_EQ(drag->weapons, (std::vector<std::int16_t>{laser, small}));

    EXPECT_TRUE(dragAndDrop(catalog::kLeftTorso, 0, both));
    EXPECT_EQ(torso->item(1)->text() + "|" + torso->item(2)->text(), "Large Laser|Small Laser");
    EXPECT_EQ(weapons->count(), 0);
    EXPECT_EQ(text("colFreeSlots").toStdString(), editor().display().freeSlots);
    // A fixed entry, a taken and a free slot; the item under the mouse lights up whole.
    const auto colour = [](SlotListView* list, int slot) {
        return list->item(slot)->background().color();
    };
    EXPECT_EQ(colour(arm, 0), toQColor(settings.lockedColor));
    EXPECT_EQ(colour(torso, 2), toQColor(settings.normalColor));
    EXPECT_EQ(colour(torso, 5), toQColor(settings.inactiveColor));
    QTest::mouseMove(torso->viewport(), testing::slotPoint(torso, 1));
    EXPECT_TRUE(colour(torso, 0) == toQColor(settings.hilitedColor) &&
                colour(torso, 1) == colour(torso, 0));
    EXPECT_EQ(colour(torso, 2), toQColor(settings.normalColor));
    EXPECT_EQ(board().caption(catalog::kLeftArm)->text(), "Left Arm");

    // The slot menu of a placed weapon, a fixed entry and a free slot, and its Move To.
    for (const auto& [list, slot] : {std::pair{torso, 0}, std::pair{arm, 0}, std::pair{torso, 4}}) {
        expectMenuShows(*list->slotMenu(slot), editor::slotMenu(editor(), list->location(), slot));
    }
    const editor::EditorDocument placed = editor().document();
    const std::unique_ptr<QMenu> menu = torso->slotMenu(0);
    QAction* move = findAction(*menu, "Move To");
    ASSERT_TRUE(move != nullptr && move->menu() != nullptr);
    ASSERT_NE(findAction(*move->menu(), "Right Torso"), nullptr);
    findAction(*move->menu(), "Right Torso")->trigger();
    EXPECT_FALSE(slots(catalog::kLeftTorso).IsOccupied(0));
    EXPECT_EQ(board().list(catalog::kRightTorso)->item(0)->text(), "Large Laser");
    undo();
    EXPECT_TRUE(editor().document() == placed);
    EXPECT_EQ(torso->item(0)->text(), "Large Laser");

    // A double click takes the item out, but not a fixed entry.
    QTest::mouseDClick(arm->viewport(), Qt::LeftButton, {}, testing::slotPoint(arm, 0));
    EXPECT_TRUE(editor().document() == placed);
    QTest::mouseDClick(torso->viewport(), Qt::LeftButton, {}, testing::slotPoint(torso, 0));
    EXPECT_FALSE(slots(catalog::kLeftTorso).IsOccupied(0));
    EXPECT_EQ(editor().unallocatedWeapons().size(), 1u);
    undo();
    undo();
    EXPECT_TRUE(editor().document() == unplaced) << "both lasers dropped in one step";
    EXPECT_EQ(torso->item(1)->text(), "Roll Again");
    EXPECT_EQ(text("colFreeSlots"), freeBefore);
}

// Refused over the slot or refused on the drop, nothing changes; jump jets still go on a leg.
TEST_F(SlotBoardTest, RefusedDropsChangeNothing) {
    const std::int16_t laser = addWeapon("Medium Laser");
    const std::string jets = jumpJets();
    auto* text = new QMimeData;
    text->setText("Medium Laser");
    const struct {
        const char* what;
        int location, slot;
        QMimeData* data;
        bool refusedOver;
    } cases[] = {
        {"a fixed entry", catalog::kLeftArm, 0, weaponDragData({laser}), false},
        {"jump jets on an arm", catalog::kLeftArm, 5, itemDragData(jets), true},
        {"jump jets on the head", catalog::kHead, 3, itemDragData(jets), true},
        {"foreign drag data", catalog::kLeftTorso, 0, text, true},
    };
    const editor::EditorDocument before = editor().document();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const bool accepted = dragAndDrop(c.location, c.slot, c.data);
        EXPECT_TRUE(!accepted || !c.refusedOver);
        EXPECT_TRUE(editor().document() == before);
    }
    EXPECT_EQ(board().list(catalog::kLeftArm)->item(0)->text(), "Shoulder");
    const std::unique_ptr<QMimeData> empty(weaponDragData({}));
    EXPECT_FALSE(readSlotDrag(empty.get()));

    // The jets row's pop-up menu is its own, not another row's.
    UnallocatedItemList* items = board().unallocatedItems();
    EXPECT_EQ(items->rowMenu(items->count() - 1)->actions().at(0)->text().toStdString(),
              editor::autoAllocateCaption(editor().items().rows().back()));
    EXPECT_TRUE(dragAndDrop(catalog::kLeftLeg, 5, itemDragData(jets)));
    EXPECT_TRUE(slots(catalog::kLeftLeg).IsOccupied(5) && editor().items().count(jets) == 0);

    // A quad's captions name its legs; the systems panel shows no arm lines nor their captions.
    edit("body Quad\n");
    EXPECT_EQ(board().caption(catalog::kLeftArm)->text().toStdString(),
              catalog::locationName(catalog::kLeftArm, true));
    auto* lowerArm = child("leftLowerArm");
    std::vector<bool> hidden{lowerArm->isHidden()};
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == lowerArm)
            hidden.push_back(label->isHidden());
    EXPECT_EQ(hidden, (std::vector<bool>{true, true}));
}

// A wrong count beeps and changes nothing; the right one places the items until undone.
TEST_F(SlotBoardTest, AllocationDialogsBeepAtAWrongCountAndPlaceAtTheRightOne) {
    const std::int16_t cannon = addWeapon("AC/20");
    const std::string jets = jumpJets();
    const editor::EditorDocument before = editor().document();
    ActionRunner runner([] {});
    const auto finish = [&](auto& dialog, bool right) {
        dialog.finish();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, right);
        EXPECT_EQ(program.user.beeps, 1);
        EXPECT_TRUE(right || editor().document() == before);
    };
    // Below the hand actuator an arm has eight slots left of the cannon's ten.
    const std::optional<editor::SpreadRequest> spread =
        editor::spreadRequest(editor(), catalog::kLeftArm, 4, cannon);
    ASSERT_TRUE(spread);
    SpreadDialog spreading(editor(), runner, *spread);
    spreading.primaryCount()->setValue(8);
    QComboBox* secondary = spreading.secondaryLocation();
    secondary->setCurrentIndex(secondary->findData(catalog::kLeftTorso));
    spreading.secondaryCount()->setValue(1);
    EXPECT_EQ(spreading.total()->text(), "9 of 10");
    finish(spreading, false);
    spreading.secondaryCount()->setValue(2);
    finish(spreading, true);
    EXPECT_TRUE(slots(catalog::kLeftArm).IsSpreadSlot(11));
    EXPECT_EQ(slots(catalog::kLeftTorso).SlotItemId(1), std::to_string(cannon));
    undo();
    EXPECT_TRUE(editor().document() == before);

    program.user.beeps = 0;
    const std::optional<editor::MultiAllocateRequest> multi =
        editor::multiAllocateRequest(editor(), jets);
    ASSERT_TRUE(multi);
    MultiAllocateDialog allocating(editor(), runner, *multi);
    const std::vector<QSpinBox*>& counters = allocating.counters();
    ASSERT_TRUE(counters.size() == multi->locations.size() && counters.size() >= 2);
    EXPECT_EQ(allocating.total()->text().toStdString(), editor::multiAllocateTotal(*multi, 0));
    EXPECT_EQ(counters[0]->maximum(), multi->locations[0].maximum);
    counters[0]->setValue(1);
    counters[1]->setValue(1);
    EXPECT_EQ(allocating.total()->text().toStdString(), editor::multiAllocateTotal(*multi, 2));
    finish(allocating, false);
    counters[0]->setValue(0);
    finish(allocating, true);
    EXPECT_EQ(editor().items().count(jets), 0);
    EXPECT_TRUE(slots(multi->locations[1].location).HasItem(jets));
    undo();
    EXPECT_TRUE(editor().document() == before);
}

} // namespace
} // namespace fpw::ui
