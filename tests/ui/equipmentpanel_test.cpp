// The equipment panel driven as a player drives it: the filters choose what the available
// list shows, a double-click or the Add button puts rows on the design as unplaced weapons,
// Remove and Clear All take them off, a refused add leaves every list as it was, and undo
// after each step brings the lists back.
#include "ui/equipment/equipmentpanel.h"

#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/components.h"
#include "editor/documentcommands.h"
#include "editor/omnirules.h"
#include "editor/systems.h"
#include "equipmentdriver.h"
#include "shippedprogram.h"

namespace fpw::ui {
namespace {

std::vector<std::string> texts(const QListWidget& list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list.count(); ++i) {
        rows.push_back(list.item(i)->text().toStdString());
    }
    return rows;
}

using Rows = std::vector<std::string>;

class EquipmentPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = program.start();
        ASSERT_NE(window, nullptr);
        window->show();
        available = window->findChild<QListWidget*>("availableWeaponsList");
        selected = window->findChild<QListWidget*>("selectedEquipmentList");
        unallocated = window->findChild<QListWidget*>("lboxUnallocatedEQ");
        ASSERT_TRUE(available && selected && unallocated);
    }

    editor::Editor& editor() { return window->editor(); }
    QString status(const char* name) { return window->findChild<QLabel*>(name)->text(); }
    void click(const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void undo() { window->findChild<QAction*>("undoAction")->trigger(); }
    int row(const QString& text) {
        const auto found = available->findItems(text, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.isEmpty() ? -1 : available->row(found.front());
    }

    // What the three lists and the status bar show.
    struct Shown {
        Rows available, selected, unallocated;
        QString tons, crits;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() {
        return {texts(*available), texts(*selected), texts(*unallocated), status("colTotalTonnage"),
                status("colFreeSlots")};
    }

    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window;
    QListWidget* available = nullptr;
    QListWidget* selected = nullptr;
    QListWidget* unallocated = nullptr;
};

struct FilterCase {
    const char* type;
    bool ammoOnly;
    const char* shown;
    const char* hidden;
};

// On a mixed level-2 design that carries an Inner Sphere LRM-5.
TEST_F(EquipmentPanelTest, FiltersAndTechPrefixesOnAMixedDesign) {
    ASSERT_TRUE(editor::ChangeTechLevel(editor(), 2));
    ASSERT_TRUE(editor::ChangeTechBase(editor(), 2));
    ASSERT_TRUE(testing::addWeaponThroughPanel(*window, "(IS) LRM-5"));
    auto* type = window->findChild<QComboBox*>("weaponTypeFilter");
    auto* ammoOnly = window->findChild<QCheckBox*>("ammoForCurrentWeapons");

    const FilterCase cases[] = {
        {"All Types", false, "(C) ER Large Laser", "Medium Laser"},
        {"All Types", false, "(IS) Medium Laser", "(C) Medium Laser"},
        {"Missile", false, "(C) LRM-5 Ammo", "(IS) Medium Laser"},
        {"Ammunition", false, "(C) LRM-5 Ammo", "(IS) LRM-5"},
        {"Ammunition", true, "(IS) LRM-5 Ammo", "(C) LRM-5 Ammo"},
        {"All Types", true, "(IS) Medium Laser", "(IS) AC/2 Ammo"},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(std::string(c.type) + (c.ammoOnly ? " ammo only" : ""));
        const int index = type->findText(c.type);
        ASSERT_GE(index, 0);
        type->setCurrentIndex(index);
        Q_EMIT type->activated(index);
        if (ammoOnly->isChecked() != c.ammoOnly) {
            QTest::mouseClick(ammoOnly, Qt::LeftButton);
        }
        EXPECT_EQ(type->currentText(), c.type);
        EXPECT_EQ(ammoOnly->isChecked(), c.ammoOnly);
        EXPECT_TRUE(available->findItems(c.shown, Qt::MatchExactly).size() == 1) << c.shown;
        EXPECT_TRUE(available->findItems(c.hidden, Qt::MatchExactly).isEmpty()) << c.hidden;
    }
    EXPECT_EQ(texts(*selected), Rows{"LRM-5 (U) (IS)"});
    EXPECT_EQ(texts(*unallocated), Rows{"(IS) LRM-5 [1 crits]"});
}

TEST_F(EquipmentPanelTest, DoubleClickAndAddButtonPutWeaponsOnTheDesignUnplaced) {
    std::vector<Shown> steps{shown()};

    const QRect laser = available->visualItemRect(available->item(row("Medium Laser")));
    // A double click as the window system delivers it: press and release, then the second press.
    QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, laser.center());
    QTest::mouseDClick(available->viewport(), Qt::LeftButton, {}, laser.center());
    EXPECT_EQ(texts(*unallocated), Rows{"Medium Laser [1 crits]"});
    EXPECT_EQ(texts(*selected), Rows{"Medium Laser (U)"});
    steps.push_back(shown());

    // Several rows picked in any order are added in list order.
    available->clearSelection();
    available->item(row("SRM-2"))->setSelected(true);
    available->item(row("Small Laser"))->setSelected(true);
    click("addWeaponButton");
    EXPECT_EQ(texts(*unallocated),
              (Rows{"Medium Laser [1 crits]", "Small Laser [1 crits]", "SRM-2 [1 crits]"}));
    EXPECT_EQ(texts(*selected), (Rows{"Medium Laser (U)", "Small Laser (U)", "SRM-2 (U)"}));
    steps.push_back(shown());

    for (std::size_t i = 1; i < steps.size(); ++i) {
        EXPECT_NE(steps[i].tons, steps[i - 1].tons) << "step " << i;
        EXPECT_NE(steps[i].crits, steps[i - 1].crits) << "step " << i;
    }
    EXPECT_EQ(status("colTotalTonnage").toStdString(), editor().display().totalTonnage);
    for (std::size_t i = steps.size() - 1; i > 0; --i) {
        undo();
        EXPECT_TRUE(shown() == steps[i - 1]) << "undo to step " << i - 1;
    }
}

TEST_F(EquipmentPanelTest, RemoveAndClearAllTakeWeaponsOffTheDesign) {
    for (const char* name : {"Medium Laser", "Large Laser", "SRM-2"}) {
        ASSERT_TRUE(testing::addWeaponThroughPanel(*window, name));
    }
    const std::int16_t large = editor().selectedEquipment()[1].weaponIndex;
    ASSERT_EQ(editor::DropWeapon(editor(), catalog::kRightArm, 4, large).result,
              editor::DropResult::Placed);
    EXPECT_EQ(texts(*selected)[1], "Large Laser (RA)");
    const Shown full = shown();

    ASSERT_TRUE(testing::removeWeaponThroughPanel(*window, "Large Laser"));
    EXPECT_EQ(texts(*selected), (Rows{"Medium Laser (U)", "SRM-2 (U)"}));
    EXPECT_FALSE(editor().mech().critLocation(catalog::kRightArm).IsOccupied(4));
    EXPECT_EQ(selected->currentRow(), 1) << "the next entry is ready for another Remove";
    undo();
    EXPECT_TRUE(shown() == full);

    program.user.yesNoAnswers = {false, true};
    click("clearEquipmentButton");
    EXPECT_TRUE(shown() == full) << "answered No";
    click("clearEquipmentButton");
    EXPECT_EQ(program.user.questions.size(), 2u);
    EXPECT_TRUE(selected->count() == 0 && unallocated->count() == 0);
    EXPECT_FALSE(window->findChild<QPushButton*>("clearEquipmentButton")->isEnabled());
    undo();
    EXPECT_TRUE(shown() == full);
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
    ASSERT_EQ(editor::DropWeapon(ed, catalog::kRightTorso, 0, ed.selectedEquipment()[0].weaponIndex)
                  .result,
              editor::DropResult::Placed);
    ASSERT_TRUE(editor::DropItem(ed, catalog::kLeftTorso, 0, catalog::cTS));
    ASSERT_TRUE(editor::SetMechName(ed, "Warden"));
    ASSERT_TRUE(editor::AutoAllocate(ed, catalog::cHS));
    program.user.yesNoAnswers = {true};
    program.user.inputAnswers = {std::string("Prime")};
    ASSERT_TRUE(editor::LockChassis(ed));
    EXPECT_EQ(texts(*selected), Rows{"Large Laser (RT) [Base]"});
    EXPECT_FALSE(window->findChild<QPushButton*>("clearEquipmentButton")->isEnabled());

    const Shown before = shown();
    const editor::EditorDocument document = ed.document();
    program.user.messages.clear();
    ASSERT_TRUE(testing::addWeaponThroughPanel(*window, "Large Laser"));
    ASSERT_TRUE(testing::removeWeaponThroughPanel(*window, "Large Laser"));
    EXPECT_TRUE(shown() == before);
    EXPECT_TRUE(ed.document() == document);
    ASSERT_EQ(program.user.messages.size(), 2u);
    EXPECT_EQ(program.user.messages[0].title, "Unable to add weapon");
    EXPECT_EQ(program.user.messages[1].title, "Unable to remove weapon");
}

} // namespace
} // namespace fpw::ui
