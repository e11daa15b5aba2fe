// The armour panel driven as a player drives it: each control changes the armour, the panel's
// figures and the status bar follow, undo puts them back, and a refused entry changes nothing.
#include "ui/armor/armorpanel.h"

#include <functional>

#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "catalog/locations.h"
#include "editor/armor.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

class ArmorPanelTest : public testing::WindowTest {
protected:
    QString location(int loc) {
        return child<QToolButton>(QString("armorLocation%1").arg(loc))->text();
    }
    void click(const char* button) { child<QPushButton>(button)->click(); }
    void slide(int loc, int points) {
        child<QToolButton>(QString("armorLocation%1").arg(loc))->click();
        child<QSlider>("armorSlider")->setValue(points);
    }
    const model::Mech& mech() { return editor().mech(); }
};

TEST_F(ArmorPanelTest, EachEditShowsItsTotalsAndUndoPutsThemBack) {
    struct Case {
        const char* what;
        std::function<void()> act;
        int points;
    };
    const std::vector<Case> cases{
        // The rear takes its points from the front's share: the front's label says so.
        {"slider on the center torso rear", [this] { slide(catalog::kCenterTorsoRear, 5); }, 5},
        {"maximum armour", [this] { click("maximumArmor"); }, -1},
        {"add points",
         [this] {
             program.user.inputAnswers = {"50"};
             click("addArmorPoints");
         },
         50},
        {"add tonnage",
         [this] {
             program.user.inputAnswers = {"3"};
             click("addArmorTonnage");
         },
         48},
    };
    const QString tonsBefore = text("colTotalTonnage");
    const QString pointsBefore = text("armorTotal");
    const QString centerBefore = location(catalog::kCenterTorso);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        const int points = c.points < 0 ? editor::maximumArmorPoints(mech()) : c.points;
        EXPECT_EQ(mech().armorPoints(), points);
        EXPECT_TRUE(text("armorTotal").startsWith(QString("Points\n%1").arg(points)));
        EXPECT_EQ(location(catalog::kCenterTorso),
                  QString("CT\n%1/%2")
                      .arg(mech().GetArmor(catalog::kCenterTorso))
                      .arg(editor::armorLimit(mech(), catalog::kCenterTorso)));
        EXPECT_EQ(text("colTotalTonnage").toStdString(), editor().display().totalTonnage);
        EXPECT_NE(text("colTotalTonnage"), tonsBefore);
        EXPECT_EQ(text("saved"), "Not Saved");

        undo();
        EXPECT_EQ(mech().armorPoints(), 0);
        EXPECT_EQ(text("armorTotal"), pointsBefore);
        EXPECT_EQ(text("colTotalTonnage"), tonsBefore);
        EXPECT_EQ(location(catalog::kCenterTorso), centerBefore);
    }
    EXPECT_TRUE(program.user.messages.empty());
}

TEST_F(ArmorPanelTest, ARefusedEntryShowsItsMessageAndChangesNothing) {
    const QString total = text("armorTotal");
    const QString tons = text("colTotalTonnage");
    for (const auto& [button, answer] : std::vector<std::pair<const char*, const char*>>{
             {"addArmorPoints", "ten"}, {"addArmorPoints", "32001"}, {"addArmorTonnage", "5t"}}) {
        SCOPED_TRACE(std::string(button) + " " + answer);
        program.user.messages.clear();
        program.user.inputAnswers = {std::string(answer)};
        click(button);
        EXPECT_EQ(program.user.onlyMessage().text,
                  "You entered an invalid number of armor points.");
        EXPECT_EQ(text("armorTotal"), total);
        EXPECT_EQ(text("colTotalTonnage"), tons);
        EXPECT_EQ(mech().armorPoints(), 0);
        EXPECT_FALSE(child<QAction>("undoAction")->isEnabled());
    }
}

} // namespace
} // namespace fpw::ui
