// The omni controls driven as a player drives them: locking the chassis fixes the base
// controls, variants are added, shown with their own equipment and deleted, and undo after
// each step shows the window as it was.
#include "ui/omni/omnipanel.h"

#include <sstream>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "editor/script.h"
#include "shippedprogram.h"

namespace fpw::ui {
namespace {

class OmniControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = program.start();
        ASSERT_NE(window, nullptr);
        window->show();
        // A chassis that passes every lock check: named, without lower arms, and an engine
        // that holds every heat sink.
        edit("level 3\ntonnage 65\nwalking 4\nactuator LA lower off\nactuator RA lower off\n"
             "body Omni-Mech\nname Warden\n");
    }

    void edit(std::string_view script) {
        std::ostringstream out;
        editor::script::ScriptUser nobody(out);
        editor::script::Session session{window->editor(), nobody, out};
        ASSERT_TRUE(editor::script::runScript(script, session, out)) << out.str();
    }
    template <typename T> T* child(const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    bool shown(const char* name) { return child<QWidget>(name)->isVisible(); }
    void undo() { child<QAction>("undoAction")->trigger(); }
    // Presses a button; its questions get yes, its input box `answer`.
    void press(const char* button, const std::string& answer = {}) {
        program.user.yesNoAnswers = {true};
        program.user.inputAnswers = {answer};
        child<QPushButton>(button)->click();
    }
    QStringList variants() {
        auto* combo = child<QComboBox>("cmboOmniVariant");
        QStringList names;
        for (int i = 0; i < combo->count(); ++i) {
            names << combo->itemText(i);
        }
        return names << "shown: " + combo->currentText();
    }
    void choose(const QString& name) {
        auto* combo = child<QComboBox>("cmboOmniVariant");
        Q_EMIT combo->activated(combo->findText(name));
    }
    bool laserInRightArm() {
        return !child<QListWidget>("slotList5")
                    ->findItems("Medium Laser", Qt::MatchExactly)
                    .empty();
    }

    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window;
};

TEST_F(OmniControlsTest, LockingDisablesTheBaseChassisControlsUntilUndone) {
    const std::vector<const char*> base{
        "tonnage",      "engine",         "walking",   "structure", "armor",          "armorSlider",
        "maximumArmor", "addArmorPoints", "techLevel", "mechType",  "addArmorTonnage"};
    auto expectBase = [&](bool enabled) {
        for (const char* name : base) {
            EXPECT_EQ(child<QWidget>(name)->isEnabled(), enabled) << name;
        }
        EXPECT_EQ(shown("PButLockChassis"), enabled);
        EXPECT_NE(shown("cmboOmniVariant"), enabled);
        EXPECT_NE(shown("PButAddVariant"), enabled);
    };
    expectBase(true);
    press("PButLockChassis", "Prime");
    expectBase(false);
    EXPECT_EQ(variants(), (QStringList{"Prime", "shown: Prime"}));
    EXPECT_TRUE(child<QWidget>("jumping")->isEnabled()) << "variants differ in jump jets";
    undo();
    expectBase(true);
}

TEST_F(OmniControlsTest, VariantsKeepTheirOwnEquipmentThroughSwitchesDeletionAndUndo) {
    press("PButLockChassis", "Prime");
    press("PButAddVariant", "Alpha");
    press("PButAddVariant", "BASE");
    EXPECT_EQ(program.user.onlyMessage().title, "Illegal Name");
    press("PButAddVariant", "Beta");
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta", "shown: Prime"}));
    EXPECT_LE(window->minimumSizeHint().width(), 1366) << "the variant controls fit a small screen";

    choose("Alpha");
    edit("add \"Medium Laser\"\ndrop \"Medium Laser\" RA 4\n");
    EXPECT_TRUE(laserInRightArm());
    choose("Beta");
    EXPECT_FALSE(laserInRightArm());
    choose("Alpha");
    EXPECT_TRUE(laserInRightArm()) << "Alpha was stored when Beta was chosen";
    undo();
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta", "shown: Beta"}));
    EXPECT_FALSE(laserInRightArm());

    choose("Alpha");
    press("PButDelVariant");
    EXPECT_EQ(program.user.questions.back(),
              "Are you sure you want to delete the variant named Alpha?");
    EXPECT_EQ(variants(), (QStringList{"Prime", "Beta", "shown: Prime"}));
    EXPECT_FALSE(laserInRightArm());
    undo();
    EXPECT_EQ(variants(), (QStringList{"Prime", "Alpha", "Beta", "shown: Alpha"}));
    EXPECT_TRUE(laserInRightArm());
}

} // namespace
} // namespace fpw::ui
