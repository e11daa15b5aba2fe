// The editor window driven as a player drives it: its controls and commands reach the editor,
// the window shows the design again after every action, and its windows open on the design.
#include "ui/editor/editorwindow.h"

#include <functional>

#include <QCloseEvent>
#include <QTimer>
#include <QTreeWidget>

#include "ui/pilots/frmeditpilots.h"
#include "ui/recordsheet/frmmultiprint.h"
#include "ui/recordsheet/frmprinter.h"
#include "ui/services/screenunits.h"
#include "ui/summary/summarywindow.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

// Runs `trigger`, hands the modal window it opens to `look` and closes it; the window's name,
// empty when none opened.
QString opened(const std::function<void()>& trigger, const std::function<void(QWidget*)>& look) {
    QWidget* const before = QApplication::activeModalWidget();
    QString name;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || window == before)
            return;
        poll.stop();
        name = window->objectName();
        look(window);
        window->close();
    });
    poll.start(5);
    trigger();
    return name;
}

class EditorWindowTest : public testing::WindowTest {
protected:
    // The status bar and the labels say what the editor says.
    void expectFiguresShown() {
        const editor::EditorDisplay& d = editor().display();
        std::vector<std::string> shown;
        for (const char* label : {"colTotalTonnage", "colFreeSlots", "colCost", "colBV", "saved"})
            shown.push_back(text(label).toStdString());
        EXPECT_EQ(shown, (std::vector{d.totalTonnage, d.freeSlots, d.cost, d.bv, d.savedText}));
    }
    template <typename W = QWidget>
    QString openedBy(
        const char* action, const std::function<void(W&)>& look = [](W&) {}) {
        return opened([&] { trigger(action); }, [&](QWidget* w) { look(*static_cast<W*>(w)); });
    }
};

// A typed name is one undoable step. Whatever the rules decide, every control then shows the
// stored value after the player's change; a refused one shows its message and is put back.
// Closing while a name is being typed: the box loses the focus after the editor is gone.
TEST_F(EditorWindowTest, ControlsChangeTheDesignOrAreRefusedAndPutBack) {
    EXPECT_FALSE(child<QAction>("pricesAction")->isVisible() ||
                 child<QAction>("saveMuxAction")->isVisible())
        << "no parameter file";
    // The editor must fit the smallest screen it is made for, less a title bar.
    EXPECT_LE(window->minimumSizeHint().width(), 1366);
    EXPECT_LE(window->minimumSizeHint().height(), 768 - 32);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* name = child<QLineEdit>("mechName");
    name->setFocus();
    QTest::keyClicks(name, "Vindicator");
    QTest::keyClick(name, Qt::Key_Return);
    expectFiguresShown();
    undo();
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(text("saved"), "Saved");
    EXPECT_FALSE(child<QAction>("undoAction")->isEnabled());
    EXPECT_TRUE(child<QAction>("redoAction")->isEnabled());

    const model::Mech& mech = editor().mech();
    auto* tonnage = child<QSpinBox>("tonnage");
    auto* walking = child<QSpinBox>("walking");
    auto* masc = child<QCheckBox>("masc");
    tonnage->setValue(50);
    choose("techLevel", "2");
    choose("engine", "Fusion XL");
    walking->setValue(5);
    masc->click();
    choose("case4", "Standard CASE");
    EXPECT_EQ(std::tuple(mech.engineType(), mech.engineRating(), mech.GetCASE(4)),
              std::tuple(1, 250, 1));
    EXPECT_EQ(text("weightClass") + "|" + text("running"), "Medium Mech|8 [10]");
    tonnage->setValue(55);
    EXPECT_EQ(tonnage->value(), mech.tonnage());
    EXPECT_EQ(walking->value(), mech.walking());
    EXPECT_TRUE(masc->isChecked() && mech.masc() != 0);
    expectFiguresShown();

    choose("techLevel", "3");
    const editor::EditorDocument before = editor().document();
    choose("cockpit", "Command Console");
    EXPECT_EQ(program.user.onlyMessage().title, "Unable to change cockpit");
    EXPECT_EQ(child<QComboBox>("cockpit")->currentText(), "Standard");
    EXPECT_TRUE(editor().document() == before);

    QTest::keyClicks(name, "Vindi");
    ASSERT_TRUE(name->hasFocus());
    window.reset();
}

// An unsaved design is only previewed; the saved one opens every window. The title follows
// the file; Write BVs logs the chosen folder; closing asks, then stores the position in twips
// and the last folder and writes the log's closing line once.
TEST_F(EditorWindowTest, FileCommandsAndWindowsOpenOnTheSavedDesignAndClosingStoresThePosition) {
    // A design that can be saved: every heat sink inside the engine, nothing unallocated.
    edit("tonnage 100\nwalking 3\n");
    const editor::EditorDocument before = editor().document();
    EXPECT_EQ(openedBy("printAction"), "");
    EXPECT_EQ(program.user.onlyMessage().text, "You need to save the mech before printing.");
    EXPECT_TRUE(editor().document() == before);
    EXPECT_EQ(openedBy("printPreviewAction"), "frmPrintPrev");
    program.user.messages.clear();
    // Typed and saved at once, without leaving the box.
    auto* name = child<QLineEdit>("mechName");
    name->setText("Vindicator");
    const std::string path = program.dir.file("vindicator.fpm");
    program.user.fileAnswers = {path};
    trigger("saveAction");
    ASSERT_TRUE(program.user.messages.empty()) << program.user.messages[0].text;
    EXPECT_EQ(window->windowTitle(), "Forgeplanwork - vindicator.fpm");
    EXPECT_EQ(child<QMenu>("recentMenu")->actions().size(), 1);
    program.user.inputAnswers = {"Mira Vos"};
    const auto addPilot = [](QWidget* w) { static_cast<FrmEditPilots*>(w)->add(); };
    EXPECT_EQ(
        openedBy<FrmPrinter>("printAction",
                             [&](FrmPrinter& w) {
                                 EXPECT_EQ(opened([&] { w.editPilotsButton()->click(); }, addPilot),
                                           "frmEditPilots");
                                 EXPECT_EQ(w.pilotPicker()->itemText(w.pilotPicker()->count() - 1),
                                           "Mira Vos");
                             }),
        "frmPrinter");
    const std::string bv = "Battle Value: " + std::to_string(editor().mech().battleValue());
    EXPECT_EQ(openedBy<SummaryWindow>(
                  "summaryAction",
                  [&](SummaryWindow& w) { EXPECT_EQ(w.summaryBV()->text().toStdString(), bv); }),
              "frmSummary");
    EXPECT_EQ(openedBy<FrmMultiPrint>(
                  "multiPrintAction",
                  [](FrmMultiPrint& w) { EXPECT_EQ(w.list()->topLevelItemCount(), 1); }),
              "frmMultiPrint");

    // Writing drops the nameless pilot: the chosen row must still be Ren's for the second box.
    program.ctx.pilots = {{"", 0, 0}, {"Aiko Tanner", 3, 4}, {"Ren Okafor", 2, 6}};
    EXPECT_EQ(openedBy<FrmEditPilots>("pilotsAction",
                                      [](FrmEditPilots& w) {
                                          w.list()->setCurrentRow(1);
                                          w.gunnery()->setValue(1);
                                          w.piloting()->setValue(5);
                                      }),
              "frmEditPilots");
    EXPECT_EQ(program.ctx.pilots[1], (catalog::Pilot{"Ren Okafor", 1, 5}));
    program.user.fileAnswers = {program.dir.path()};
    trigger("writeBVsAction");
    EXPECT_EQ(program.user.onlyMessage().text, "Done");
    EXPECT_NE(program.dir.read("kelmor.log").find("Dir: " + program.dir.path()), std::string::npos);

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
    program.ctx.settings.lastDir = "/srv/mechs";
    window->move(40, 60);
    const double perPixel = twipsPerPixel(window->screen());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(program.store.value("Boot\\Main", "Top"));
    trigger("exitAction");
    EXPECT_FALSE(window->isVisible());
    for (const auto& [key, pixels] : {std::pair{"Top", 60}, std::pair{"Left", 40}})
        EXPECT_EQ(program.store.value("Boot\\Main", key),
                  std::to_string(std::lround(pixels * perPixel)));
    EXPECT_EQ(program.store.value("Boot\\Main", "LastDir"), "/srv/mechs");
    QCloseEvent again; // the window manager's own close after Exit writes nothing more
    QCoreApplication::sendEvent(window.get(), &again);
    const std::string log = program.dir.read("kelmor.log");
    const std::size_t closing = log.find("\nLogging closed on ");
    EXPECT_TRUE(closing != std::string::npos && closing == log.rfind("\nLogging closed on "))
        << log;
}

} // namespace
} // namespace fpw::ui
