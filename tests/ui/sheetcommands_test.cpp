// The editor's record-sheet, summary and pilot commands, triggered from the menus as a person
// does: each opens its window on the current design, and a refused print opens nothing and
// changes nothing.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "editor/documentcommands.h"
#include "shippedprogram.h"
#include "ui/pilots/frmeditpilots.h"
#include "ui/recordsheet/frmmultiprint.h"
#include "ui/recordsheet/frmprinter.h"
#include "ui/summary/summarywindow.h"

namespace fpw::ui {
namespace {

// Hands the next modal window that opens to `look`, then closes it. Disarmed when it goes out
// of scope, so a window that never opens leaves nothing behind.
class NextWindow {
public:
    explicit NextWindow(std::function<void(QWidget*)> look)
        : previous_(QApplication::activeModalWidget()) {
        QObject::connect(&timer_, &QTimer::timeout, [this, look] {
            QWidget* opened = QApplication::activeModalWidget();
            if (opened == nullptr || opened == previous_)
                return;
            timer_.stop();
            name_ = opened->objectName();
            look(opened);
            opened->close();
        });
        timer_.start(5);
    }
    QString name() const { return name_; }

private:
    QWidget* previous_;
    QTimer timer_;
    QString name_;
};

struct SheetCommands : ::testing::Test {
    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window = program.start();
    editor::Editor& editor = window->editor();

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    // Triggers the menu entry; the name of the window it opened, empty when none.
    QString trigger(
        const char* name, const std::function<void(QWidget*)>& look = [](QWidget*) {}) {
        NextWindow next(look);
        action(name)->trigger();
        return next.name();
    }
    // A saved heavy design with a command console, chosen through the editor's rule.
    void saveConsoleDesign() {
        model::Mech heavy(program.ctx);
        heavy.setTonnage(100);
        heavy.setWalking(3);
        heavy.setTechLevel(3);
        heavy.setMechName("Atlas");
        editor.replaceDocument({heavy, {}, false});
        editor::RefreshAllData(editor);
        window->showDesign();
        auto* cockpit = window->findChild<QComboBox*>("cockpit");
        cockpit->setCurrentIndex(cockpit->findText("Command Console"));
        Q_EMIT cockpit->activated(cockpit->currentIndex());
        ASSERT_EQ(editor.mech().cockpitType(), catalog::cockpit::kCommandConsole);
        ASSERT_TRUE(editor::SaveMechTo(editor, program.dir.file("atlas.fpm")));
    }
};

TEST_F(SheetCommands, AnUnsavedDesignIsRefusedThePrintWindowButPreviewed) {
    editor.mech().setTonnage(55);
    editor.setSavedFlag(false);
    const editor::EditorDocument before = editor.document();
    EXPECT_EQ(trigger("printAction"), "");
    EXPECT_EQ(program.user.onlyMessage().title, "Unable to print");
    EXPECT_EQ(program.user.onlyMessage().text, "You need to save the mech before printing.");
    EXPECT_TRUE(editor.document() == before);
    EXPECT_EQ(trigger("printPreviewAction"), "frmPrintPrev");
}

TEST_F(SheetCommands, EachWindowOpensOnTheCurrentDesign) {
    saveConsoleDesign();
    ASSERT_TRUE(program.user.messages.empty()) << program.user.messages[0].text;
    program.user.inputAnswers = {"Mira Vos"};
    int pilotsInPicker = 0;
    EXPECT_EQ(trigger("printAction",
                      [&](QWidget* w) {
                          auto* printer = static_cast<FrmPrinter*>(w);
                          EXPECT_TRUE(printer->consolePicker()->isEnabled());
                          NextWindow pilots(
                              [](QWidget* p) { static_cast<FrmEditPilots*>(p)->add(); });
                          printer->editPilotsButton()->click();
                          EXPECT_EQ(pilots.name(), "frmEditPilots");
                          pilotsInPicker = printer->pilotPicker()->count();
                      }),
              "frmPrinter");
    EXPECT_EQ(program.ctx.pilots.back().name, "Mira Vos");
    EXPECT_EQ(pilotsInPicker, static_cast<int>(program.ctx.pilots.size()) + 1);

    QString shownBV;
    EXPECT_EQ(
        trigger("summaryAction",
                [&](QWidget* w) { shownBV = static_cast<SummaryWindow*>(w)->summaryBV()->text(); }),
        "frmSummary");
    EXPECT_EQ(shownBV.toStdString(),
              "Battle Value: " + std::to_string(editor.mech().battleValue()));

    int rows = 0;
    EXPECT_EQ(trigger("multiPrintAction",
                      [&](QWidget* w) {
                          rows = static_cast<FrmMultiPrint*>(w)->list()->topLevelItemCount();
                      }),
              "frmMultiPrint");
    EXPECT_EQ(rows, 1);

    program.user.yesNoAnswers = {true};
    EXPECT_EQ(trigger("pilotsAction",
                      [&](QWidget* w) {
                          auto* pilots = static_cast<FrmEditPilots*>(w);
                          pilots->list()->setCurrentRow(pilots->list()->count() - 1);
                          pilots->remove();
                      }),
              "frmEditPilots");
    EXPECT_NE(program.ctx.pilots.back().name, "Mira Vos");
}

} // namespace
} // namespace fpw::ui
