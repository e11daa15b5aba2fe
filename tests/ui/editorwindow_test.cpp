// The editor window driven as a player drives it: its controls reach the editor's handlers,
// the window shows the design again after every action, and closing stores the position.
#include "ui/editor/editorwindow.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include "ui/services/screenunits.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

class EditorWindowTest : public testing::WindowTest {
protected:
    // The status bar and the labels say what the editor says.
    void expectFiguresShown() {
        const editor::EditorDisplay& display = editor().display();
        EXPECT_EQ(text("colTotalTonnage").toStdString(), display.totalTonnage);
        EXPECT_EQ(text("colFreeSlots").toStdString(), display.freeSlots);
        EXPECT_EQ(text("colCost").toStdString(), display.cost);
        EXPECT_EQ(text("colBV").toStdString(), display.bv);
        EXPECT_EQ(text("saved").toStdString(), display.savedText);
    }
};

TEST_F(EditorWindowTest, TypedNameIsOneUndoableStepAndMarksTheDesignUnsaved) {
    auto* name = child<QLineEdit>("mechName");
    name->setFocus();
    QTest::keyClicks(name, "Vindicator");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(editor().mech().mechName(), "Vindicator");
    EXPECT_EQ(text("saved"), "Not Saved");
    expectFiguresShown();

    undo();
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(text("saved"), "Saved");
    EXPECT_FALSE(child<QAction>("undoAction")->isEnabled());
    EXPECT_TRUE(child<QAction>("redoAction")->isEnabled());
}

TEST_F(EditorWindowTest, ClosingWhileANameIsBeingTypedEndsCleanly) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* name = child<QLineEdit>("mechName");
    name->setFocus();
    QTest::keyClicks(name, "Vindi");
    ASSERT_TRUE(name->hasFocus());
    window.reset(); // the box loses the focus after the editor is gone
}

// Whatever the rules decide, every control shows the stored value after the player's change.
TEST_F(EditorWindowTest, ComponentAndSystemControlsChangeTheDesignAndShowWhatIsStored) {
    const model::Mech& mech = editor().mech();
    const QString emptyCost = text("colCost");
    auto* tonnage = child<QSpinBox>("tonnage");
    auto* walking = child<QSpinBox>("walking");
    auto* masc = child<QCheckBox>("masc");
    tonnage->setValue(50);
    choose("techLevel", "2");
    choose("engine", "Fusion XL");
    walking->setValue(5);
    masc->click();
    choose("case4", "Standard CASE");

    EXPECT_EQ(mech.engineType(), 1);
    EXPECT_EQ(mech.engineRating(), 250);
    EXPECT_EQ(mech.GetCASE(4), 1);
    EXPECT_EQ(text("weightClass"), "Medium Mech");
    EXPECT_EQ(text("running"), "8 [10]");
    EXPECT_NE(text("colCost"), emptyCost);
    tonnage->setValue(55);
    EXPECT_EQ(tonnage->value(), mech.tonnage());
    EXPECT_EQ(walking->value(), mech.walking());
    EXPECT_EQ(masc->isChecked(), mech.masc() != 0);
    EXPECT_TRUE(masc->isChecked());
    expectFiguresShown();
}

TEST_F(EditorWindowTest, ARefusedChangeShowsItsMessageAndPutsTheControlBack) {
    choose("techLevel", "3");
    const editor::EditorDocument before = editor().document();
    choose("cockpit", "Command Console");

    EXPECT_EQ(program.user.onlyMessage().title, "Unable to change cockpit");
    EXPECT_EQ(program.user.onlyMessage().text,
              "Command Consoles can only be mounted on heavy or assault mechs.");
    EXPECT_EQ(child<QComboBox>("cockpit")->currentText(), "Standard");
    EXPECT_TRUE(editor().document() == before);
}

TEST_F(EditorWindowTest, SaveNewOpenAndCloseAskTheirQuestionsAndTheTitleFollowsTheFile) {
    // A design that can be saved: every heat sink inside the engine, nothing unallocated.
    edit("tonnage 100\nwalking 3\n");
    // Typed and saved at once, without leaving the box.
    auto* name = child<QLineEdit>("mechName");
    name->setText("Vindicator");
    const std::string path = program.dir.file("vindicator.fpm");

    program.user.fileAnswers = {path};
    trigger("saveAction");
    ASSERT_TRUE(program.user.messages.empty()) << program.user.messages[0].text;
    EXPECT_EQ(window->windowTitle(), "Forgeplanwork - vindicator.fpm");
    EXPECT_EQ(text("saved"), "Saved");
    EXPECT_EQ(child<QMenu>("recentMenu")->actions().size(), 1);

    name->setText("Vindicator II");
    Q_EMIT name->editingFinished();
    program.user.yesNoCancelAnswers = {app::Answer::No};
    trigger("newAction");
    EXPECT_EQ(program.user.questions.back(),
              "This mech is unsaved, would you like to save it before making a new mech?");
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(window->windowTitle(), "Forgeplanwork");

    program.user.fileAnswers = {path};
    trigger("openAction");
    EXPECT_EQ(name->text(), "Vindicator");
    EXPECT_EQ(child<QSpinBox>("tonnage")->value(), 100);
    EXPECT_EQ(window->windowTitle(), "Forgeplanwork - vindicator.fpm");

    name->setText("Vindicator III");
    Q_EMIT name->editingFinished();
    program.user.yesNoCancelAnswers = {app::Answer::Cancel, app::Answer::No};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(program.store.value("Boot\\Main", "Top"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(program.user.questions.back(),
              "This mech is unsaved, would you like to save it before exiting?");
}

TEST_F(EditorWindowTest, WriteBVsLogsTheDesignsOfTheChosenFolder) {
    program.user.fileAnswers = {program.dir.path()};
    trigger("writeBVsAction");
    EXPECT_EQ(program.user.onlyMessage().text, "Done");
    EXPECT_NE(program.dir.read("kelmor.log").find("Dir: " + program.dir.path()), std::string::npos);
}

TEST_F(EditorWindowTest, ClosingStoresPositionInTwipsAndLastFolderAndWritesTheClosingLine) {
    program.ctx.settings.lastDir = "/srv/mechs";
    window->move(40, 60);
    const double perPixel = twipsPerPixel(window->screen());

    trigger("exitAction");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program.store.value("Boot\\Main", "Top"), std::to_string(std::lround(60 * perPixel)));
    EXPECT_EQ(program.store.value("Boot\\Main", "Left"),
              std::to_string(std::lround(40 * perPixel)));
    EXPECT_EQ(program.store.value("Boot\\Main", "LastDir"), "/srv/mechs");
    window->close(); // a second close writes nothing more
    const std::string log = program.dir.read("kelmor.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
    EXPECT_NE(log.find("\nLogging closed on "), std::string::npos) << log;
}

} // namespace
} // namespace fpw::ui
