// The omni controls driven as a player drives them: locking the chassis fixes the base
// controls, variants are added, shown with their own equipment, deleted, and every step
// undoes back to what the window showed before.
#include "ui/omni/omnipanel.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/components.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/systems.h"
#include "editor/weaponlistactions.h"
#include "shippedprogram.h"

namespace fpw::ui {
namespace {

constexpr int kLowerArm = 2;

class OmniControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = program.start();
        ASSERT_NE(window, nullptr);
        window->show();
        // An Omni-Mech chassis that passes every lock check: named, without lower arms, its
        // engine large enough to hold every heat sink.
        editor::Editor& editor = window->editor();
        ASSERT_TRUE(editor::ChangeTechLevel(editor, 3));
        ASSERT_TRUE(editor::ChangeTonnage(editor, 65));
        ASSERT_TRUE(editor::ChangeWalking(editor, 4));
        ASSERT_TRUE(editor::SetArmActuator(editor, false, kLowerArm, false));
        ASSERT_TRUE(editor::SetArmActuator(editor, true, kLowerArm, false));
        ASSERT_TRUE(editor::ChangeMechType(editor, catalog::kOmniMech));
        ASSERT_TRUE(editor::SetMechName(editor, "Warden"));
    }

    template <typename T> T* child(const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    bool enabled(const char* name) { return child<QWidget>(name)->isEnabled(); }
    bool shown(const char* name) { return child<QWidget>(name)->isVisible(); }
    void undo() { child<QAction>("undoAction")->trigger(); }
    // Presses a button that asks for a name (after a confirmation, when `confirm`).
    void press(const char* button, std::optional<std::string> answer, bool confirm = false) {
        if (confirm) {
            program.user.yesNoAnswers = {true};
        }
        if (answer) {
            program.user.inputAnswers = {answer};
        }
        child<QPushButton>(button)->click();
    }
    QStringList variants() {
        auto* combo = child<QComboBox>("cmboOmniVariant");
        QStringList names;
        for (int i = 0; i < combo->count(); ++i) {
            names << combo->itemText(i);
        }
        return names;
    }
    QString shownVariant() { return child<QComboBox>("cmboOmniVariant")->currentText(); }
    void choose(const QString& name) {
        auto* combo = child<QComboBox>("cmboOmniVariant");
        const int index = combo->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Q_EMIT combo->activated(index);
    }
    // What the right arm's slot list shows.
    QStringList rightArm() {
        auto* list = child<QListWidget>("slotList5");
        QStringList rows;
        for (int i = 0; i < list->count(); ++i) {
            rows << list->item(i)->text();
        }
        return rows;
    }
    // A weapon of the shipped database added and placed in the right arm's first free slot.
    void mountInRightArm(const std::string& name) {
        editor::Editor& editor = window->editor();
        for (const editor::AvailableWeapon& row : editor.availableWeapons()) {
            if (row.text == name) {
                ASSERT_TRUE(editor::AddWeapons(editor, {row.refID}));
                const std::int16_t weapon = editor.unallocatedWeapons().back().weaponIndex;
                const model::CritLocation& arm = editor.mech().critLocation(catalog::kRightArm);
                for (int slot = 0; slot < arm.slotCount(); ++slot) {
                    if (!arm.IsOccupied(slot)) {
                        ASSERT_EQ(
                            editor::DropWeapon(editor, catalog::kRightArm, slot, weapon).result,
                            editor::DropResult::Placed);
                        return;
                    }
                }
            }
        }
        FAIL() << "no " << name << " to mount";
    }

    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window;
};

TEST_F(OmniControlsTest, LockingDisablesTheBaseChassisControlsUntilUndone) {
    const std::vector<const char*> base{"tonnage",      "engine",         "walking",
                                        "structure",    "armor",          "armorSlider",
                                        "maximumArmor", "addArmorPoints", "addArmorTonnage"};
    ASSERT_TRUE(shown("PButLockChassis"));
    EXPECT_FALSE(shown("cmboOmniVariant"));
    press("PButLockChassis", "Prime", true);

    EXPECT_FALSE(shown("PButLockChassis"));
    EXPECT_TRUE(shown("cmboOmniVariant"));
    EXPECT_TRUE(shown("PButAddVariant"));
    EXPECT_EQ(variants(), QStringList{"Prime"});
    for (const char* name : base) {
        EXPECT_FALSE(enabled(name)) << name;
    }
    EXPECT_TRUE(enabled("jumping")) << "variants differ in jump jets";
    EXPECT_TRUE(enabled("heatSinks"));

    undo();
    EXPECT_TRUE(shown("PButLockChassis"));
    EXPECT_FALSE(shown("cmboOmniVariant"));
    for (const char* name : base) {
        EXPECT_TRUE(enabled(name)) << name;
    }
}

TEST_F(OmniControlsTest, VariantsKeepTheirOwnEquipmentThroughSwitchesDeletionAndUndo) {
    press("PButLockChassis", "Prime", true);
    press("PButAddVariant", "Alpha");
    press("PButAddVariant", "Beta");
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta"}));
    EXPECT_EQ(shownVariant(), "Prime") << "adding leaves the variant shown";

    // Refused names change nothing.
    press("PButAddVariant", "BASE");
    press("PButAddVariant", "alpha");
    ASSERT_EQ(program.user.messages.size(), 2u);
    EXPECT_EQ(program.user.messages[0].title, "Illegal Name");
    EXPECT_EQ(program.user.messages[1].title, "Variant exists");
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta"}));

    choose("Alpha");
    mountInRightArm("Medium Laser");
    EXPECT_TRUE(rightArm().contains("Medium Laser"));
    choose("Beta");
    EXPECT_EQ(shownVariant(), "Beta");
    EXPECT_FALSE(rightArm().contains("Medium Laser"));
    choose("Alpha");
    EXPECT_TRUE(rightArm().contains("Medium Laser")) << "Alpha was stored when Beta was chosen";

    undo();
    EXPECT_EQ(shownVariant(), "Beta");
    EXPECT_FALSE(rightArm().contains("Medium Laser"));
    choose("Alpha");

    program.user.yesNoAnswers = {true};
    child<QPushButton>("PButDelVariant")->click();
    EXPECT_EQ(program.user.questions.back(),
              "Are you sure you want to delete the variant named Alpha?");
    EXPECT_EQ(variants(), (QStringList{"Prime", "Beta"}));
    EXPECT_EQ(shownVariant(), "Prime");
    EXPECT_FALSE(rightArm().contains("Medium Laser"));

    undo();
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta"}));
    EXPECT_EQ(shownVariant(), "Alpha");
    EXPECT_TRUE(rightArm().contains("Medium Laser"));
}

TEST_F(OmniControlsTest, TheLastVariantCannotBeDeleted) {
    press("PButLockChassis", "Prime", true);
    child<QPushButton>("PButDelVariant")->click();
    EXPECT_EQ(program.user.onlyMessage().title, "Unable to remove config");
    EXPECT_EQ(variants(), QStringList{"Prime"});
}

} // namespace
} // namespace fpw::ui
