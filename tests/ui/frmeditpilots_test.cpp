// The pilot window keeps its rows, their pilots and the skill boxes together through changes
// that drop nameless pilots from the list.
#include "ui/pilots/frmeditpilots.h"

#include <QListWidget>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "support/contextfixture.h"

namespace fpw::ui {
namespace {

TEST(PilotWindow, RowsAndSkillBoxesFollowTheList) {
    testing::ContextFixture f;
    f.ctx.pilots = {{"", 0, 0}, {"Aiko Tanner", 3, 4}, {"Ren Okafor", 2, 6}};
    FrmEditPilots window(f.ctx);
    window.list()->setCurrentRow(1);
    window.gunnery()->setValue(1);
    window.piloting()->setValue(5);
    EXPECT_EQ(f.ctx.pilots[1], (catalog::Pilot{"Ren Okafor", 1, 5}));

    f.user.yesNoAnswers = {true, true};
    window.remove();
    EXPECT_EQ(window.list()->currentItem()->text(), "Aiko Tanner");
    EXPECT_EQ(window.gunnery()->value(), 3);
    window.remove();
    EXPECT_EQ(window.list()->count(), 0);
    EXPECT_FALSE(window.gunnery()->isEnabled());
}

} // namespace
} // namespace fpw::ui
