// The omni controls driven as a player drives them: locking the chassis fixes the base
// controls, variants are added, shown with their own equipment and deleted, and undo after
// each step shows the window as it was.
#include "ui/omni/omnipanel.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "windowtest.h"

namespace fpw::ui {
namespace {

class OmniControlsTest : public testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // A chassis that passes every lock check: named, without lower arms, and an engine
        // that holds every heat sink.
        if (!HasFatalFailure())
            edit("level 3\ntonnage 65\nwalking 4\nactuator LA lower off\nactuator RA lower off\n"
                 "body Omni-Mech\nname Warden\n");
    }

    bool shown(const char* name) { return child(name)->isVisible(); }
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
    bool laserInRightArm() {
        return !child<QListWidget>("slotList5")
                    ->findItems("Medium Laser", Qt::MatchExactly)
                    .empty();
    }
};

TEST_F(OmniControlsTest, LockingDisablesTheBaseChassisControlsUntilUndone) {
    const std::vector<const char*> base{
        "tonnage",      "engine",         "walking",   "structure", "armor",          "armorSlider",
        "maximumArmor", "addArmorPoints", "techLevel", "mechType",  "addArmorTonnage"};
    auto expectBase = [&](bool enabled) {
        for (const char* name : base) {
            EXPECT_EQ(child(name)->isEnabled(), enabled) << name;
        }
        EXPECT_EQ(shown("PButLockChassis"), enabled);
        EXPECT_NE(shown("cmboOmniVariant"), enabled);
        EXPECT_NE(shown("PButAddVariant"), enabled);
    };
    expectBase(true);
    press("PButLockChassis", "Prime");
    expectBase(false);
    EXPECT_EQ(variants(), (QStringList{"Prime", "shown: Prime"}));
    EXPECT_TRUE(child("jumping")->isEnabled()) << "variants differ in jump jets";
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

} // namespace
} // namespace fpw::ui
