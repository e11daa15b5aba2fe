// The Qt services of the program: the person's answers through real message boxes, choosers
// and input boxes, the file dialogs' filters, and the settings store.
#include "ui/services/qtuserinteraction.h"

#include <cstdlib>
#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/inisettings.h"
#include "ui/dialogs/selectdialog.h"
#include "ui/services/qsettingsstore.h"

namespace fpw::ui {
namespace {

TEST(QtFileFilter, TheProgramsFilterStringsBecomeQtFilters) {
    const struct {
        const char* filter;
        int index;
        const char* expected;
        const char* selected;
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

TEST(QtUserInteraction, QuestionsAndMessagesAnswerWithTheButtonPressed) {
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
    // Plain text with its line breaks.
    answerBox(QMessageBox::Ok, &title, &text);
    user.message("Header <b>x</b>\r\n\tFunction: Main", "Error", app::MessageIcon::Critical);
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(text, "Header <b>x</b>\n\tFunction: Main");
}

TEST(QtUserInteraction, ChooserAndInputBoxAnswerWithWhatWasPickedOrTyped) {
    QtUserInteraction user;
    const std::vector<std::string> ammo{"LRM-20 Ammo", "LRM-20 Ammo", "LRM-20 Ammo (Swarm)"};
    QString title;
    QString prompt;
    // The row picked, even among equal texts.
    answerNext<SelectDialog>(&title, [&prompt](SelectDialog& dialog) {
        prompt = dialog.findChild<QLabel*>()->text();
        EXPECT_EQ(dialog.list()->count(), 3);
        dialog.list()->setCurrentRow(1);
        dialog.accept();
    });
    EXPECT_EQ(user.chooseFromList("Add Ammo", "Select the ammunition to add.", ammo), 1);
    EXPECT_EQ(title, "Add Ammo");
    EXPECT_EQ(prompt, "Select the ammunition to add.");
    answerNext<SelectDialog>(&title, [](SelectDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(user.chooseFromList("Add Ammo", "Select the ammunition to add.", ammo), std::nullopt);

    answerNext<QInputDialog>(&title, [&prompt](QInputDialog& box) {
        prompt = box.labelText();
        box.findChild<QLineEdit*>()->setText(" 3");
        box.accept();
    });
    EXPECT_EQ(user.inputBox("How many tons of X?", "How many tons?", ""), " 3");
    EXPECT_EQ(title, "How many tons?");
    EXPECT_EQ(prompt, "How many tons of X?");
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
        app::WriteEditorPosition(store, 1500, 30, "/home/p/My Mechs");
    }
    QSettingsStore reopened;
    EXPECT_EQ(reopened.value("Boot\\Colors", "Normal"), "-2147483640");
    EXPECT_EQ(reopened.value("Boot\\Preferences", "HTML Header"), "<h1>Ünits; a=b</h1>");
    EXPECT_EQ(reopened.value("Boot\\Main", "Top"), "1500");
    EXPECT_EQ(reopened.value("Boot\\Main", "LastDir"), "/home/p/My Mechs");

    // The sections nest as groups, not as names with a backslash in them.
    QSettings raw(reopened.fileName(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Boot/Colors/Normal").toString(), "-2147483640");
    EXPECT_EQ(raw.childGroups(), QStringList{"Boot"});
}

} // namespace
} // namespace fpw::ui
