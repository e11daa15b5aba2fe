// The program's start and splash screen, the Qt services behind the person's answers and the
// settings, and the small dialogs driven through their controls.
#include "ui/services/qtuserinteraction.h"

#include <cstdlib>
#include <filesystem>
#include <functional>

#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QSettings>
#include <QTimer>

#include "app/startup.h"
#include "ui/about/creditsdialog.h"
#include "ui/desktopstartup.h"
#include "ui/dialogs/selectdialog.h"
#include "ui/preferences/preferencesdialog.h"
#include "ui/prices/priceeditordialog.h"
#include "ui/services/qsettingsstore.h"
#include "ui/services/splashscreen.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

template <typename T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(QtStartupHooks, TheSplashShowsVersionAndProgressUntilClosed) {
    QtStartupHooks hooks;
    hooks.showSplash(app::versionText());
    QPointer<SplashScreen> splash;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<SplashScreen*>(widget); found && found->isVisible())
            splash = found;
    ASSERT_FALSE(splash.isNull());
    EXPECT_EQ(child<QLabel>(*splash, "version")->text().toStdString(), app::versionText());
    hooks.setProgressRange(0, 40);
    hooks.setProgress(25);
    EXPECT_EQ(splash->progressBar()->maximum(), 40);
    EXPECT_EQ(splash->progressBar()->value(), 25);
    hooks.closeSplash();
    EXPECT_TRUE(splash.isNull() || !splash->isVisible());
}

TEST(QtFileFilter, TheProgramsFilterStringsBecomeQtFilters) {
    const struct {
        const char* filter;
        int index;
        const char *expected, *selected;
    } cases[] = {
        {"Mech Files (*.FPM)|*.FPM|All Files (*.*)|*.*", 2,
         "Mech Files (*.FPM *.fpm);;All Files (*)", "All Files (*)"},
        {"Readouts|*.txt;*.HTM", 1, "Readouts (*.txt *.HTM *.htm)", "Readouts (*.txt *.HTM *.htm)"},
        {"Units (*.FPU)|*.fpu", 9, "Units (*.fpu)", "Units (*.fpu)"},
        {"", 1, "All Files (*)", "All Files (*)"},
        {"Dangling description", 1, "All Files (*)", "All Files (*)"},
    };
    for (const auto& c : cases) {
        const QtFileFilter converted = toQtFileFilter(c.filter, c.index);
        EXPECT_EQ(converted.filter.toStdString(), c.expected) << c.filter;
        EXPECT_EQ(converted.selected.toStdString(), c.selected) << c.filter;
    }
}

// Runs `answer` on the next modal dialog, which must be of type D, remembering its title; a
// message box is answered with `button`, and its text kept when it is plain.
template <typename D> void answerNext(QString* title, std::function<void(D&)> answer) {
    QTimer::singleShot(0, [title, answer = std::move(answer)] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        *title = dialog->windowTitle();
        answer(*dialog);
    });
}
void answerBox(QMessageBox::StandardButton button, QString* title, QString* text = nullptr) {
    answerNext<QMessageBox>(title, [button, text](QMessageBox& box) {
        if (text != nullptr)
            *text = box.textFormat() == Qt::PlainText ? box.text() : "(not plain text)";
        box.button(button)->click();
    });
}

// Each box answers with what was pressed, picked (even among equal texts) or typed; message
// text is shown plain, with its line breaks.
TEST(QtUserInteraction, EachBoxAnswersWithWhatThePersonDid) {
    QtUserInteraction user;
    QString title;
    QString text;
    answerBox(QMessageBox::No, &title);
    EXPECT_EQ(user.askYesNoCancel("Save changes?", ""), app::Answer::No);
    EXPECT_EQ(title, "Forgeplanwork"); // the program's title by default
    answerBox(QMessageBox::Cancel, &title);
    EXPECT_EQ(user.askYesNoCancel("Save changes?", "Save"), app::Answer::Cancel);
    EXPECT_EQ(title, "Save");
    answerBox(QMessageBox::Yes, &title);
    EXPECT_TRUE(user.askYesNo("Delete?", "Delete"));
    answerBox(QMessageBox::Ok, &title, &text);
    user.message("Header <b>x</b>\r\n\tFunction: Main", "Error", app::MessageIcon::Critical);
    EXPECT_EQ(title + text, "ErrorHeader <b>x</b>\n\tFunction: Main");

    const std::vector<std::string> ammo{"LRM-20 Ammo", "LRM-20 Ammo", "LRM-20 Ammo (Swarm)"};
    answerNext<SelectDialog>(&title, [&text](SelectDialog& dialog) {
        text = dialog.findChild<QLabel*>()->text();
        EXPECT_EQ(dialog.list()->count(), 3);
        dialog.list()->setCurrentRow(1);
        dialog.accept();
    });
    EXPECT_EQ(user.chooseFromList("Add Ammo", "Select the ammunition.", ammo), 1);
    EXPECT_EQ(title + text, "Add AmmoSelect the ammunition.");
    answerNext<SelectDialog>(&title, [](SelectDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(user.chooseFromList("Add Ammo", "Select the ammunition.", ammo), std::nullopt);

    answerNext<QInputDialog>(&title, [&text](QInputDialog& box) {
        text = box.labelText();
        box.findChild<QLineEdit*>()->setText(" 3");
        box.accept();
    });
    EXPECT_EQ(user.inputBox("How many tons of X?", "How many tons?", ""), " 3");
    EXPECT_EQ(title + text, "How many tons?How many tons of X?");
    answerNext<QInputDialog>(&title, [](QInputDialog& box) { box.reject(); });
    EXPECT_EQ(user.inputBox("How many tons of X?", "How many tons?", "2"), std::nullopt);
}

TEST(QSettingsStore, ValuesRoundTripUnderTheProgramsNameWithNestedSections) {
    const QString configHome = QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME"));
    ASSERT_FALSE(configHome.isEmpty());
    {
        QSettingsStore store;
        EXPECT_EQ(store.fileName(), configHome + "/Quennard/The Forgeplanwork.conf");
        EXPECT_EQ(store.value("Boot\\Colors", "Normal"), std::nullopt);
        store.setValue("Boot\\Colors", "Normal", "-2147483640");
        store.setValue("Boot\\Preferences", "HTML Header", "<h1>Ünits; a=b</h1>");
    }
    QSettingsStore reopened;
    EXPECT_EQ(reopened.value("Boot\\Colors", "Normal"), "-2147483640");
    EXPECT_EQ(reopened.value("Boot\\Preferences", "HTML Header"), "<h1>Ünits; a=b</h1>");

    // The sections nest as groups, not as names with a backslash in them.
    QSettings raw(reopened.fileName(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Boot/Colors/Normal").toString(), "-2147483640");
    EXPECT_EQ(raw.childGroups(), QStringList{"Boot"});
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

// The loaders' refusals are tested with the start-up rules: here a start that ends opens no
// window, and the parameter file shows the price editor and MUX saving. The preferences store
// nothing while refused; typed prices reach the custom price file and reset takes them out;
// the credits page within their text.
TEST(ProgramDialogs, ParameterMenusPreferencesPricesAndCredits) {
    testing::ShippedProgram broken;
    std::filesystem::remove(broken.dir.file("wpndata.bin"));
    EXPECT_EQ(broken.start(), nullptr);
    testing::ShippedProgram program;
    program.dir.write("parm.txt", "Custom Prices\r\nmux saving\r\n");
    const std::unique_ptr<EditorWindow> window = program.start();
    ASSERT_NE(window, nullptr);
    for (const char* action : {"pricesAction", "saveMuxAction", "creditsAction"})
        EXPECT_TRUE(child<QAction>(*window, action)->isVisible()) << action;
    EXPECT_TRUE(child<QAction>(*window, "creditsAction")->isEnabled());

    PreferencesDialog preferences(program.ctx, program.store);
    preferences.show();
    child<QComboBox>(preferences, "defaultTechBase")->setCurrentText("Clan");
    child<QComboBox>(preferences, "defaultTechLevel")->setCurrentText("1");
    child<QCheckBox>(preferences, "savePrompt")->setChecked(true);
    preferences.accept();
    EXPECT_EQ(program.user.onlyMessage().title, "Illegal default settings");
    EXPECT_TRUE(preferences.isVisible());
    EXPECT_FALSE(program.store.value("Boot\\Preferences", "Save Prompt"));
    EXPECT_FALSE(program.ctx.settings.savePrompt);
    child<QComboBox>(preferences, "defaultTechLevel")->setCurrentText("2");
    preferences.accept();
    EXPECT_FALSE(preferences.isVisible());
    EXPECT_EQ(program.store.value("Boot\\Preferences", "Default TechBase"), "Clan");
    EXPECT_EQ(program.store.value("Boot\\Preferences", "Save Prompt"), "True");
    EXPECT_TRUE(program.ctx.settings.savePrompt);

    program.user.messages.clear();
    {
        PriceEditorDialog dialog(program.ctx);
        dialog.show();
        typePrice(dialog, "items", "Cockpit", "12.5e");
        EXPECT_EQ(program.user.onlyMessage().title, "Invalid cost");
        EXPECT_EQ(child<QLineEdit>(dialog, "price")->text(), "200000");
        typePrice(dialog, "items", "Cockpit", "210000");
        child<QComboBox>(dialog, "techBase")->setCurrentIndex(1);
        typePrice(dialog, "weapons", "(C) ER Large Laser", "9000");
        child<QPushButton>(dialog, "done")->click();
    }
    EXPECT_EQ(program.dir.read("cus_data.dat"),
              "WeaponPrice;ER Large Laser;C;9000\r\nItemPrice;5;210000\r\n");
    PriceEditorDialog dialog(program.ctx);
    child<QPushButton>(dialog, "reset")->click();
    EXPECT_EQ(program.dir.read("cus_data.dat"), "WeaponPrice;ER Large Laser;C;9000\r\n");

    CreditsDialog credits({"first", "second"});
    child<QPushButton>(credits, "next")->click();
    EXPECT_TRUE(credits.page() == 1 && !child<QPushButton>(credits, "next")->isEnabled());
    child<QPushButton>(credits, "previous")->click();
    EXPECT_TRUE(credits.page() == 0 && !child<QPushButton>(credits, "previous")->isEnabled());
}

} // namespace
} // namespace fpw::ui
