// The preferences, the price editor and the credits, driven through their controls.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "shippedprogram.h"
#include "ui/about/creditsdialog.h"
#include "ui/preferences/preferencesdialog.h"
#include "ui/prices/priceeditordialog.h"

namespace fpw::ui {
namespace {

template <typename T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(PreferencesDialog, RefusesIllegalDefaultsAndStoresNothingUntilTheyAreLegal) {
    testing::ShippedProgram program;
    ASSERT_NE(program.start(), nullptr);
    PreferencesDialog dialog(program.ctx, program.store);
    dialog.show();
    child<QComboBox>(dialog, "defaultTechBase")->setCurrentText("Clan");
    child<QComboBox>(dialog, "defaultTechLevel")->setCurrentText("1");
    child<QCheckBox>(dialog, "savePrompt")->setChecked(true);

    dialog.accept();
    EXPECT_EQ(program.user.onlyMessage().title, "Illegal default settings");
    EXPECT_EQ(program.user.onlyMessage().text,
              "A mech that is classified as Clan can not be tech level 1.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(program.store.value("Boot\\Preferences", "Save Prompt"));
    EXPECT_FALSE(program.ctx.settings.savePrompt);

    child<QComboBox>(dialog, "defaultTechLevel")->setCurrentText("2");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(program.user.messages.size(), 1u);
    EXPECT_EQ(program.store.value("Boot\\Preferences", "Default TechBase"), "Clan");
    EXPECT_EQ(program.store.value("Boot\\Preferences", "Save Prompt"), "True");
    EXPECT_TRUE(program.ctx.settings.savePrompt);
}

// Types a price for the row of `list` whose text is `row` and presses Enter.
void typePrice(PriceEditorDialog& dialog, const char* list, const QString& row,
               const QString& price) {
    auto* rows = child<QListWidget>(dialog, list);
    const QList<QListWidgetItem*> found = rows->findItems(row, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << row.toStdString();
    rows->setCurrentItem(found[0]);
    auto* box = child<QLineEdit>(dialog, "price");
    box->selectAll();
    QTest::keyClicks(box, price);
    QTest::keyClick(box, Qt::Key_Return);
}

TEST(PriceEditorDialog, RoundTripThroughTheCustomPriceFile) {
    testing::ShippedProgram program;
    program.dir.write("parm.txt", "Custom Prices\r\n");
    ASSERT_NE(program.start(), nullptr);
    {
        PriceEditorDialog dialog(program.ctx);
        dialog.show();
        typePrice(dialog, "items", "Cockpit", "12.5e");
        EXPECT_EQ(program.user.onlyMessage().title, "Invalid cost");
        EXPECT_EQ(program.user.onlyMessage().text,
                  "The adjusted price for Cockpit is not a valid number. The cost will not be "
                  "changed.");
        EXPECT_EQ(child<QLineEdit>(dialog, "price")->text(), "200000");

        typePrice(dialog, "items", "Cockpit", "210000");
        child<QComboBox>(dialog, "techBase")->setCurrentIndex(1);
        typePrice(dialog, "weapons", "(C) ER Large Laser", "9000");
        child<QPushButton>(dialog, "done")->click();
    }
    const std::string file = program.dir.read("cus_data.dat");
    EXPECT_EQ(file, "WeaponPrice;ER Large Laser;C;9000\r\nItemPrice;5;210000\r\n");

    // The next start reads them back; Reset leaves only the weapon's price in the file.
    testing::ShippedProgram next;
    next.dir.write("parm.txt", "Custom Prices\r\n");
    next.dir.write("cus_data.dat", file);
    ASSERT_NE(next.start(), nullptr);
    EXPECT_EQ(next.ctx.prices.current[5], 210000);
    PriceEditorDialog dialog(next.ctx);
    child<QPushButton>(dialog, "reset")->click();
    EXPECT_EQ(next.dir.read("cus_data.dat"), "WeaponPrice;ER Large Laser;C;9000\r\n");
}

TEST(CreditsDialog, PagesForwardAndBackWithinTheFile) {
    CreditsDialog dialog({"first", "second"});
    auto* next = child<QPushButton>(dialog, "next");
    auto* previous = child<QPushButton>(dialog, "previous");
    EXPECT_FALSE(previous->isEnabled());
    next->click();
    EXPECT_EQ(dialog.page(), 1);
    EXPECT_FALSE(next->isEnabled());
    previous->click();
    EXPECT_EQ(dialog.page(), 0);
}

} // namespace
} // namespace fpw::ui
