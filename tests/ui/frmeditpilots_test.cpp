// The pilot window keeps its rows, their pilots and the skill boxes together through changes.
#include "ui/pilots/frmeditpilots.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "support/contextfixture.h"

namespace fpw::ui {
namespace {

TEST(PilotWindow, RowsSkillsAndButtonsFollowTheList) {
    testing::ContextFixture f;
    f.ctx.pilots = {{"", 0, 0}, {"Aiko Tanner", 3, 4}, {"Ren Okafor", 2, 6}};
    FrmEditPilots window(f.ctx);
    QListWidget* list = window.list();
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(1);
    EXPECT_EQ(window.piloting()->value(), 6);

    // The skill change drops the nameless pilot from the list: the row still shows Ren.
    window.gunnery()->setValue(1);
    EXPECT_EQ(f.ctx.pilots[1], (catalog::Pilot{"Ren Okafor", 1, 6}));
    EXPECT_EQ(list->currentItem()->text(), "Ren Okafor");
    window.piloting()->setValue(5);
    EXPECT_EQ(f.ctx.pilots[1].piloting, 5);

    f.user.yesNoAnswers = {true, true};
    window.remove();
    EXPECT_EQ(list->currentItem()->text(), "Aiko Tanner");
    EXPECT_EQ(window.gunnery()->value(), 3);
    window.remove();
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(window.findChild<QPushButton*>("PButRemove")->isEnabled());
    EXPECT_FALSE(window.gunnery()->isEnabled());
}

} // namespace
} // namespace fpw::ui
