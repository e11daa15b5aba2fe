#include "ui/services/qtuserinteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

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

} // namespace
} // namespace fpw::ui
