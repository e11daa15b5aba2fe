#include "ui/services/qtuserinteraction.h"

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/dialogs/selectdialog.h"

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

// Answers the next modal message box with `button`, remembering its title and text.
void answerNextBox(QMessageBox::StandardButton button, QString* title, QString* text = nullptr) {
    QTimer::singleShot(0, [button, title, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *title = box->windowTitle();
        if (text != nullptr) {
            *text = box->textFormat() == Qt::PlainText ? box->text() : "(not plain text)";
        }
        box->button(button)->click();
    });
}

TEST(QtUserInteraction, QuestionsAnswerWithTheButtonPressedAndDefaultToTheProgramTitle) {
    QtUserInteraction user;
    QString title;
    answerNextBox(QMessageBox::No, &title);
    EXPECT_EQ(user.askYesNoCancel("Save changes?", ""), app::Answer::No);
    EXPECT_EQ(title, "Forgeplanwork");

    answerNextBox(QMessageBox::Cancel, &title);
    EXPECT_EQ(user.askYesNoCancel("Save changes?", "Save"), app::Answer::Cancel);
    EXPECT_EQ(title, "Save");

    answerNextBox(QMessageBox::Yes, &title);
    EXPECT_TRUE(user.askYesNo("Delete?", "Delete"));
}

TEST(QtUserInteraction, MessagesArePlainTextWithTheirLineBreaks) {
    QtUserInteraction user;
    QString title;
    QString text;
    answerNextBox(QMessageBox::Ok, &title, &text);
    user.message("Header <b>x</b>\r\n\tFunction: Main", "Error", app::MessageIcon::Critical);
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(text, "Header <b>x</b>\n\tFunction: Main");
}

// Runs `answer` on the next modal dialog, which must be of type D, remembering its title.
template <typename D> void answerNextDialog(QString* title, std::function<void(D&)> answer) {
    QTimer::singleShot(0, [title, answer = std::move(answer)] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        *title = dialog->windowTitle();
        answer(*dialog);
    });
}

TEST(QtUserInteraction, TheChooserAnswersWithTheRowPickedEvenAmongEqualTexts) {
    QtUserInteraction user;
    const std::vector<std::string> ammo{"LRM-20 Ammo", "LRM-20 Ammo", "LRM-20 Ammo (Swarm)"};
    QString title;
    QString prompt;
    answerNextDialog<SelectDialog>(&title, [&prompt](SelectDialog& dialog) {
        prompt = dialog.findChild<QLabel*>()->text();
        EXPECT_EQ(dialog.list()->count(), 3);
        dialog.list()->setCurrentRow(1);
        dialog.accept();
    });
    EXPECT_EQ(user.chooseFromList("Add Ammo", "Select the ammunition to add.", ammo), 1);
    EXPECT_EQ(title, "Add Ammo");
    EXPECT_EQ(prompt, "Select the ammunition to add.");

    answerNextDialog<SelectDialog>(&title, [](SelectDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(user.chooseFromList("Add Ammo", "Select the ammunition to add.", ammo), std::nullopt);
}

TEST(QtUserInteraction, TheInputBoxShowsItsTitleAndPromptAndAnswersWithTheText) {
    QtUserInteraction user;
    QString title;
    QString prompt;
    answerNextDialog<QInputDialog>(&title, [&prompt](QInputDialog& box) {
        prompt = box.labelText();
        box.findChild<QLineEdit*>()->setText(" 3");
        box.accept();
    });
    EXPECT_EQ(user.inputBox("How many tons of X?", "How many tons?", ""), " 3");
    EXPECT_EQ(title, "How many tons?");
    EXPECT_EQ(prompt, "How many tons of X?");

    answerNextDialog<QInputDialog>(&title, [](QInputDialog& box) { box.reject(); });
    EXPECT_EQ(user.inputBox("How many tons of X?", "How many tons?", "2"), std::nullopt);
}

} // namespace
} // namespace fpw::ui
