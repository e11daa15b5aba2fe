// The equipment, omni and armour panels driven as a player drives them.
#include <QSlider>
#include <QToolButton>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/armor.h"
#include "editor/systems.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

using Rows = std::vector<std::string>;

class PanelsTest : public testing::WindowTest {
protected:
    Rows rows(const char* list) {
        Rows all;
        for (const QListWidgetItem* item :
             child<QListWidget>(list)->findItems("*", Qt::MatchWildcard))
            all.push_back(item->text().toStdString());
        return all;
    }
    Rows available() { return rows("availableWeaponsList"); }
    Rows selected() { return rows("selectedEquipmentList"); }
    Rows unallocated() { return rows("lboxUnallocatedEQ"); }
    void click(const char* button) { QTest::mouseClick(child(button), Qt::LeftButton); }

    // Both equipment lists, the unallocated weapons and the status bar's tons and free slots.
    Rows shown() {
        Rows all = available();
        for (const Rows& part : {selected(), unallocated()}) {
            all.push_back("|");
            all.insert(all.end(), part.begin(), part.end());
        }
        for (const char* panel : {"colTotalTonnage", "colFreeSlots"})
            all.push_back(text(panel).toStdString());
        return all;
    }
};

// The rows and the filters' rules are the editor's; here the controls reach them.
TEST_F(PanelsTest, FiltersAndTechPrefixesOnAMixedDesign) {
    edit("level 2\ntechbase \"Inner Sphere 'C'\"\n");
    ASSERT_TRUE(testing::addWeaponThroughPanel(*window, "(IS) LRM-5"));
    EXPECT_EQ(selected(), Rows{"LRM-5 (U) (IS)"});
    EXPECT_EQ(unallocated(), Rows{"(IS) LRM-5 [1 crits]"});
    auto* type = child<QComboBox>("weaponTypeFilter");
    const auto listed = [&](const char* row) { return std::ranges::count(available(), row); };
    Q_EMIT type->activated(type->findText("Ammunition"));
    click("ammoForCurrentWeapons");
    EXPECT_EQ(available().front(), "(IS) LRM-5 Ammo");
    EXPECT_EQ(listed("(C) LRM-5 Ammo") + listed("(C) ER Large Laser"), 0);
    Q_EMIT type->activated(type->findText("All Types"));
    click("ammoForCurrentWeapons");
    EXPECT_EQ(listed("(C) LRM-5 Ammo") + listed("(C) ER Large Laser"), 2);
}

// Added by a double click or Add (rows picked in any order go in list order), taken off by
// Remove (a placed weapon's slot too) or Clear All, and back by undo and redo.
TEST_F(PanelsTest, WeaponsComeOnAndOffTheDesignThroughTheLists) {
    std::vector<Rows> steps{shown()};
    auto* list = child<QListWidget>("availableWeaponsList");
    const QPoint laser = list->visualItemRect(list->findItems("Medium Laser", {})[0]).center();
    // As the window system delivers a double click: a click, then the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, laser);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, laser);
    EXPECT_EQ(unallocated(), Rows{"Medium Laser [1 crits]"});
    steps.push_back(shown());
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
    trigger("redoAction");
    trigger("redoAction");
    EXPECT_EQ(shown(), steps.back());

    edit("drop \"Small Laser\" RA 5\n");
    const Rows full = shown();
    EXPECT_EQ(selected()[1], "Small Laser (RA)");
    ASSERT_TRUE(testing::removeWeaponThroughPanel(*window, "Small Laser"));
    EXPECT_EQ(selected(), (Rows{"Medium Laser (U)", "SRM-2 (U)"}));
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

// Locking fixes the base chassis controls until undone; variants keep their own equipment
// through switches, deletion and undo. The base's Large Laser fixes its targeting computer:
// adding a second one or removing it is refused and leaves every list as it was.
TEST_F(PanelsTest, OmniLockingVariantsAndRefusals) {
    // Named, without lower arms, an engine that holds every heat sink: it may be locked.
    edit("level 3\ntonnage 65\nwalking 4\nactuator LA lower off\nactuator RA lower off\n"
         "body Omni-Mech\nname Warden\nadd \"Large Laser\"\ndrop \"Large Laser\" RT 1\n");
    ASSERT_TRUE(editor::ChangeTargetingSystem(editor(), catalog::targeting::kTargetingComputer));
    ASSERT_TRUE(editor::DropItem(editor(), catalog::kLeftTorso, 0, catalog::cTS));
    // Presses a button; its questions get yes, its input box `answer`.
    const auto press = [&](const char* button, const std::string& answer = {}) {
        program.user.yesNoAnswers = {true};
        program.user.inputAnswers = {answer};
        child<QPushButton>(button)->click();
    };
    auto* combo = child<QComboBox>("cmboOmniVariant");
    const auto variants = [combo] {
        QStringList names;
        for (int i = 0; i < combo->count(); ++i)
            names << combo->itemText(i);
        return names << "shown: " + combo->currentText();
    };
    const auto laserInRightArm = [&] {
        return std::ranges::count(rows("slotList5"), "Medium Laser");
    };
    const auto expectBase = [&](bool enabled) {
        for (const char* name : {"tonnage", "engine", "armorSlider", "addArmorTonnage"})
            EXPECT_EQ(child(name)->isEnabled(), enabled) << name;
        EXPECT_EQ(child("PButLockChassis")->isVisible(), enabled);
        EXPECT_NE(combo->isVisible(), enabled);
        EXPECT_NE(child("PButAddVariant")->isVisible(), enabled);
    };
    expectBase(true);
    press("PButLockChassis", "Prime");
    expectBase(false);
    EXPECT_EQ(variants(), (QStringList{"Prime", "shown: Prime"}));
    EXPECT_TRUE(child("jumping")->isEnabled()) << "variants differ in jump jets";
    EXPECT_EQ(selected(), Rows{"Large Laser (RT) [Base]"});
    EXPECT_FALSE(child("clearEquipmentButton")->isEnabled());
    const Rows before = shown();
    const editor::EditorDocument locked = editor().document();
    ASSERT_TRUE(testing::addWeaponThroughPanel(*window, "Large Laser"));
    ASSERT_TRUE(testing::removeWeaponThroughPanel(*window, "Large Laser"));
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(editor().document() == locked);
    ASSERT_EQ(program.user.messages.size(), 2u);
    EXPECT_EQ(program.user.messages[0].title + program.user.messages[1].title,
              "Unable to add weaponUnable to remove weapon");
    program.user.messages.clear();
    undo();
    expectBase(true);
    press("PButLockChassis", "Prime");
    press("PButAddVariant", "Alpha");
    press("PButAddVariant", "BASE");
    EXPECT_EQ(program.user.onlyMessage().title, "Illegal Name");
    press("PButAddVariant", "Beta");
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta", "shown: Prime"}));
    EXPECT_LE(window->minimumSizeHint().width(), 1366) << "the variant controls fit a small screen";

    choose("cmboOmniVariant", "Alpha");
    edit("add \"Medium Laser\"\ndrop \"Medium Laser\" RA 4\n");
    EXPECT_TRUE(laserInRightArm());
    choose("cmboOmniVariant", "Beta");
    EXPECT_FALSE(laserInRightArm());
    choose("cmboOmniVariant", "Alpha");
    EXPECT_TRUE(laserInRightArm()) << "Alpha was stored when Beta was chosen";
    undo();
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta", "shown: Beta"}));
    EXPECT_FALSE(laserInRightArm());

    choose("cmboOmniVariant", "Alpha");
    press("PButDelVariant");
    EXPECT_EQ(program.user.questions.back(),
              "Are you sure you want to delete the variant named Alpha?");
    EXPECT_EQ(variants(), (QStringList{"Prime", "Beta", "shown: Prime"}));
    EXPECT_FALSE(laserInRightArm());
    undo();
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta", "shown: Alpha"}));
    EXPECT_TRUE(laserInRightArm());
}

// Each edit shows its totals and undo puts them back; a refused entry shows its message and
// changes nothing. The rear takes its points from the front's share: the front's label says so.
TEST_F(PanelsTest, EachArmorEditShowsItsTotalsUntilUndoneAndARefusedOneChangesNothing) {
    const struct {
        const char* button; // none: the slider, on the center torso rear
        const char* answer;
        int points; // -1: the maximum; 0: refused
    } cases[] = {
        {nullptr, nullptr, 5},        {"maximumArmor", nullptr, -1}, {"addArmorPoints", "50", 50},
        {"addArmorTonnage", "3", 48}, {"addArmorPoints", "ten", 0},  {"addArmorPoints", "32001", 0},
        {"addArmorTonnage", "5t", 0},
    };
    const model::Mech& mech = editor().mech();
    const auto figures = [&] {
        return QStringList{
            text("armorTotal"),
            child<QToolButton>(QString("armorLocation%1").arg(catalog::kCenterTorso))->text(),
            text("colTotalTonnage"), text("saved")};
    };
    const QStringList before = figures();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.button ? c.button : "slider") + " " +
                     (c.answer ? c.answer : ""));
        program.user.messages.clear();
        program.user.inputAnswers = {c.answer ? std::optional<std::string>(c.answer)
                                              : std::nullopt};
        if (c.button == nullptr) {
            child<QToolButton>(QString("armorLocation%1").arg(catalog::kCenterTorsoRear))->click();
            child<QSlider>("armorSlider")->setValue(5);
        } else {
            click(c.button);
        }
        if (c.points == 0) {
            EXPECT_EQ(program.user.onlyMessage().text,
                      "You entered an invalid number of armor points.");
            EXPECT_FALSE(child<QAction>("undoAction")->isEnabled());
        } else {
            const editor::EditorDisplay& d = editor().display();
            EXPECT_EQ(mech.armorPoints(),
                      c.points < 0 ? editor::maximumArmorPoints(mech) : c.points);
            EXPECT_EQ(figures(),
                      (QStringList{QString("Points\n") + d.armorPoints.c_str(),
                                   QString("CT\n%1/%2")
                                       .arg(mech.GetArmor(catalog::kCenterTorso))
                                       .arg(editor::armorLimit(mech, catalog::kCenterTorso)),
                                   d.totalTonnage.c_str(), "Not Saved"}));
            EXPECT_TRUE(program.user.messages.empty());
            undo();
        }
        EXPECT_EQ(mech.armorPoints(), 0);
        EXPECT_EQ(figures(), before);
    }
}

} // namespace
} // namespace fpw::ui
