// The equipment panel driven as a player drives it: the filters choose what the available
// list shows, a double-click or Add puts rows on the design unplaced, Remove and Clear All
// take them off, a refused change leaves every list as it was, and undo brings them back.
#include "ui/equipment/equipmentpanel.h"

#include <algorithm>
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/components.h"
#include "editor/documentcommands.h"
#include "editor/omnirules.h"
#include "editor/systems.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

using Rows = std::vector<std::string>;

Rows texts(const QListWidget* list) {
    Rows rows;
    for (int i = 0; i < list->count(); ++i) {
        rows.push_back(list->item(i)->text().toStdString());
    }
    return rows;
}

class EquipmentPanelTest : public testing::WindowTest {
protected:
    Rows available() { return texts(child<QListWidget>("availableWeaponsList")); }
    Rows selected() { return texts(child<QListWidget>("selectedEquipmentList")); }
    Rows unallocated() { return texts(child<QListWidget>("lboxUnallocatedEQ")); }
    bool listed(const std::string& text) { return std::ranges::count(available(), text) == 1; }
    void click(const char* button) { QTest::mouseClick(child(button), Qt::LeftButton); }

    // Both equipment lists, the unallocated weapons and the status bar's tons and free slots.
    Rows shown() {
        Rows all = available();
        for (const Rows& part : {selected(), unallocated()}) {
            all.push_back("|");
            all.insert(all.end(), part.begin(), part.end());
        }
        for (const char* panel : {"colTotalTonnage", "colFreeSlots"}) {
            all.push_back(text(panel).toStdString());
        }
        return all;
    }
};

TEST_F(EquipmentPanelTest, FiltersAndTechPrefixesOnAMixedDesign) {
    ASSERT_TRUE(editor::ChangeTechLevel(editor(), 2));
    ASSERT_TRUE(editor::ChangeTechBase(editor(), 2));
    ASSERT_TRUE(testing::addWeaponThroughPanel(*window, "(IS) LRM-5"));
    EXPECT_EQ(selected(), Rows{"LRM-5 (U) (IS)"});
    EXPECT_EQ(unallocated(), Rows{"(IS) LRM-5 [1 crits]"});
    auto* type = child<QComboBox>("weaponTypeFilter");
    struct Case {
        const char* type;
        bool ammoOnly;
        const char *shown, *hidden;
    };
    for (const Case& c : {Case{"All Types", false, "(C) ER Large Laser", "Medium Laser"},
                          Case{"Missile", false, "(C) LRM-5 Ammo", "(IS) Medium Laser"},
                          Case{"Ammunition", true, "(IS) LRM-5 Ammo", "(C) LRM-5 Ammo"}}) {
        SCOPED_TRACE(c.type);
        Q_EMIT type->activated(type->findText(c.type));
        if (child<QCheckBox>("ammoForCurrentWeapons")->isChecked() != c.ammoOnly) {
            click("ammoForCurrentWeapons");
        }
        EXPECT_EQ(type->currentText(), c.type);
        EXPECT_TRUE(listed(c.shown));
        EXPECT_FALSE(listed(c.hidden));
    }
}

TEST_F(EquipmentPanelTest, DoubleClickAndAddPutWeaponsOnTheDesignUnplacedAndUndoTakesThemBack) {
    std::vector<Rows> steps{shown()};
    auto* list = child<QListWidget>("availableWeaponsList");
    const QPoint laser = list->visualItemRect(list->findItems("Medium Laser", {})[0]).center();
    // As the window system delivers a double click: a click, then the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, laser);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, laser);
    EXPECT_EQ(unallocated(), Rows{"Medium Laser [1 crits]"});
    steps.push_back(shown());

    // Rows picked in any order are added in list order.
    list->clearSelection();
    list->findItems("SRM-2", {})[0]->setSelected(true);
    list->findItems("Small Laser", {})[0]->setSelected(true);
    click("addWeaponButton");
    EXPECT_EQ(selected(), (Rows{"Medium Laser (U)", "Small Laser (U)", "SRM-2 (U)"}));
    steps.push_back(shown());

    for (std::size_t i = steps.size() - 1; i > 0; --i) {
        EXPECT_NE(steps[i].back(), steps[i - 1].back()) << "free slots after step " << i;
        undo();
        EXPECT_EQ(shown(), steps[i - 1]);
    }
}

TEST_F(EquipmentPanelTest, RemoveAndClearAllTakeWeaponsOffTheDesign) {
    for (const char* name : {"Medium Laser", "Large Laser", "SRM-2"}) {
        ASSERT_TRUE(testing::addWeaponThroughPanel(*window, name));
    }
    const std::int16_t large = editor().selectedEquipment()[1].weaponIndex;
    ASSERT_EQ(editor::DropWeapon(editor(), catalog::kRightArm, 4, large).result,
              editor::DropResult::Placed);
    const Rows full = shown();
    EXPECT_EQ(selected()[1], "Large Laser (RA)");

    ASSERT_TRUE(testing::removeWeaponThroughPanel(*window, "Large Laser"));
    EXPECT_EQ(selected(), (Rows{"Medium Laser (U)", "SRM-2 (U)"}));
    EXPECT_FALSE(editor().mech().critLocation(catalog::kRightArm).IsOccupied(4));
    EXPECT_EQ(child<QListWidget>("selectedEquipmentList")->currentRow(), 1) << "ready to remove";
    undo();
    EXPECT_EQ(shown(), full);

    program.user.yesNoAnswers = {false, true};
    click("clearEquipmentButton");
    EXPECT_EQ(shown(), full) << "answered No";
    click("clearEquipmentButton");
    EXPECT_TRUE(selected().empty() && unallocated().empty());
    EXPECT_FALSE(child("clearEquipmentButton")->isEnabled());
    undo();
    EXPECT_EQ(shown(), full);
}

// A locked omni base chassis whose targeting computer is fixed by its one Large Laser.
TEST_F(EquipmentPanelTest, RefusedAddAndRemoveOnALockedOmniChangeNothing) {
    editor::Editor& ed = editor();
    ASSERT_TRUE(editor::ChangeTechLevel(ed, 3));
    ASSERT_TRUE(editor::ChangeMechType(ed, catalog::kOmniMech));
    // Lower arms off, where the body type did not take them off already.
    editor::SetArmActuator(ed, false, 2, false);
    editor::SetArmActuator(ed, true, 2, false);
    ASSERT_TRUE(editor::ChangeTargetingSystem(ed, catalog::targeting::kTargetingComputer));
    ASSERT_TRUE(testing::addWeaponThroughPanel(*window, "Large Laser"));
    const std::int16_t laser = ed.selectedEquipment()[0].weaponIndex;
    ASSERT_EQ(editor::DropWeapon(ed, catalog::kRightTorso, 0, laser).result,
              editor::DropResult::Placed);
    ASSERT_TRUE(editor::DropItem(ed, catalog::kLeftTorso, 0, catalog::cTS));
    ASSERT_TRUE(editor::SetMechName(ed, "Warden"));
    ASSERT_TRUE(editor::AutoAllocate(ed, catalog::cHS));
    program.user.yesNoAnswers = {true};
    program.user.inputAnswers = {std::string("Prime")};
    ASSERT_TRUE(editor::LockChassis(ed));
    EXPECT_EQ(selected(), Rows{"Large Laser (RT) [Base]"});
    EXPECT_FALSE(child("clearEquipmentButton")->isEnabled());

    const Rows before = shown();
    const editor::EditorDocument document = ed.document();
    program.user.messages.clear();
    ASSERT_TRUE(testing::addWeaponThroughPanel(*window, "Large Laser"));
    ASSERT_TRUE(testing::removeWeaponThroughPanel(*window, "Large Laser"));
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(ed.document() == document);
    ASSERT_EQ(program.user.messages.size(), 2u);
    EXPECT_EQ(program.user.messages[0].title, "Unable to add weapon");
    EXPECT_EQ(program.user.messages[1].title, "Unable to remove weapon");
}

} // namespace
} // namespace fpw::ui
