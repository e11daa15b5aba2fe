// The summary window and its print chooser, offscreen.
#include "ui/summary/summarywindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "recordsheet/sheetdesigns.h"

namespace fpw::ui {
namespace {

TEST(SummaryWindow, ShowsTheCostFramesWeaponsTotalsAndTheBVPanel) {
    testing::SheetKit kit;
    model::Mech mech = kit.hunchback();
    SummaryWindow window(mech, kit.ctx);
    EXPECT_TRUE(window.frame(0)->title().startsWith("Basic Items - "));
    EXPECT_TRUE(window.frame(1)->title().startsWith("Additional Items - "));
    EXPECT_TRUE(window.frame(2)->title().startsWith("Specialty Items - "));
    EXPECT_EQ(window.summaryCost()->text(), "Cost: 3,467,876 C-Bills");
    EXPECT_EQ(window.summaryBV()->text(), "Battle Value: " + QString::number(mech.battleValue()));
    QTableWidget* weapons = window.weaponsTable();
    ASSERT_GT(weapons->rowCount(), 0);
    EXPECT_TRUE(weapons->item(0, 0)->text().contains("AC/20"));
    EXPECT_FALSE(weapons->item(0, 2)->text().isEmpty());

    const QList<QLabel*> descriptions =
        window.bvPanel()->widget()->findChildren<QLabel*>("lblBVDataDesc");
    ASSERT_GT(descriptions.size(), 10);
    EXPECT_EQ(descriptions.front()->text(), "Defensive BattleValue");
    EXPECT_TRUE(descriptions.front()->font().bold());
    EXPECT_FALSE(descriptions[1]->font().bold());
    EXPECT_TRUE(descriptions[1]->wordWrap());
    // A panel shorter than its lines scrolls.
    window.resize(700, 300);
    window.show();
    EXPECT_GT(window.bvPanel()->verticalScrollBar()->maximum(), 0);

    // Regenerating replaces the lines instead of adding to them.
    window.GenerateSummary();
    EXPECT_EQ(window.bvPanel()->widget()->findChildren<QLabel*>("lblBVDataDesc").size(),
              descriptions.size());
    EXPECT_EQ(window.frame(0)->findChildren<QLabel*>("lblCostDesc").size(),
              window.frame(0)->findChildren<QLabel*>("lblStructureCost").size());
}

TEST(SummaryWindow, PrintChooserAndPrintoutWithoutAPrinter) {
    FrmPrintSummary chooser;
    EXPECT_EQ(chooser.choice(), SummaryPrintout::CostBreakdown);
    chooser.bvOption()->setChecked(true);
    EXPECT_EQ(chooser.choice(), SummaryPrintout::BVCalculations);

    testing::SheetKit kit;
    model::Mech mech = kit.hunchback();
    SummaryWindow window(mech, kit.ctx);
    kit.user.yesNoAnswers = {true};
    kit.user.fileAnswers = {kit.dir.file("bv.pdf")};
    EXPECT_TRUE(window.printSummary(SummaryPrintout::BVCalculations));
    EXPECT_EQ(kit.dir.read("bv.pdf").rfind("%PDF-", 0), 0u);
}

} // namespace
} // namespace fpw::ui
