// The editor's record-sheet, summary and pilot commands, triggered from the menus as a person
// does: each opens its window on the current design; a refused print opens nothing and
// changes nothing.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

#include "ui/pilots/frmeditpilots.h"
#include "ui/recordsheet/frmmultiprint.h"
#include "ui/recordsheet/frmprinter.h"
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

struct SheetCommands : testing::WindowTest {
    QString openedBy(const char* action, const std::function<void(QWidget*)>& look) {
        return opened([&] { trigger(action); }, look);
    }
};

TEST_F(SheetCommands, AnUnsavedDesignIsRefusedPrintingButPreviewed) {
    editor().setSavedFlag(false);
    const editor::EditorDocument before = editor().document();
    EXPECT_EQ(openedBy("printAction", [](QWidget*) {}), "");
    EXPECT_EQ(program.user.onlyMessage().text, "You need to save the mech before printing.");
    EXPECT_TRUE(editor().document() == before);
    EXPECT_EQ(openedBy("printPreviewAction", [](QWidget*) {}), "frmPrintPrev");
}

TEST_F(SheetCommands, EachWindowOpensOnTheSavedDesign) {
    edit("tonnage 100\nwalking 3\nname Atlas\nsave \"" + program.dir.file("atlas.fpm") + "\"\n");

    program.user.inputAnswers = {"Mira Vos"};
    EXPECT_EQ(openedBy("printAction",
                       [](QWidget* w) {
                           auto* printer = static_cast<FrmPrinter*>(w);
                           const auto add = [](QWidget* p) {
                               static_cast<FrmEditPilots*>(p)->add();
                           };
                           EXPECT_EQ(opened([&] { printer->editPilotsButton()->click(); }, add),
                                     "frmEditPilots");
                           QComboBox* picker = printer->pilotPicker();
                           EXPECT_EQ(picker->itemText(picker->count() - 1), "Mira Vos");
                       }),
              "frmPrinter");
    EXPECT_EQ(openedBy("summaryAction",
                       [&](QWidget* w) {
                           EXPECT_EQ(
                               static_cast<SummaryWindow*>(w)->summaryBV()->text().toStdString(),
                               "Battle Value: " + std::to_string(editor().mech().battleValue()));
                       }),
              "frmSummary");
    EXPECT_EQ(openedBy("multiPrintAction",
                       [](QWidget* w) {
                           EXPECT_EQ(static_cast<FrmMultiPrint*>(w)->list()->topLevelItemCount(),
                                     1);
                       }),
              "frmMultiPrint");

    // Writing drops the nameless pilot: the chosen row must still be Ren's for the second box.
    program.ctx.pilots = {{"", 0, 0}, {"Aiko Tanner", 3, 4}, {"Ren Okafor", 2, 6}};
    EXPECT_EQ(openedBy("pilotsAction",
                       [](QWidget* w) {
                           auto* pilots = static_cast<FrmEditPilots*>(w);
                           pilots->list()->setCurrentRow(1);
                           pilots->gunnery()->setValue(1);
                           pilots->piloting()->setValue(5);
                       }),
              "frmEditPilots");
    EXPECT_EQ(program.ctx.pilots[1], (catalog::Pilot{"Ren Okafor", 1, 5}));
}

} // namespace
} // namespace fpw::ui
