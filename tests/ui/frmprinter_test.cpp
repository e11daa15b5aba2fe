// The print window and the preview, driven offscreen with the scripted person. The test
// machine has no printer, so Print must say so and offer the PDF.
#include "ui/recordsheet/frmprinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "recordsheet/sheetdesigns.h"
#include "ui/recordsheet/frmprintprev.h"
#include "ui/recordsheet/sheetoutput.h"

namespace fpw::ui {
namespace {

struct PrintWindow : ::testing::Test {
    testing::SheetKit kit;
    model::Mech mech = kit.hunchback();

    PrintWindow() { kit.ctx.pilots = {{"Aiko Tanner", 4, 5}, {"", 0, 0}, {"Ren Okafor", 3, 4}}; }
    bool isPdf(const std::string& name) const { return kit.dir.read(name).rfind("%PDF-", 0) == 0; }
};

TEST_F(PrintWindow, PickersStartWithNoneAndGiveTheChosenPilotsSkills) {
    FrmPrinter window(mech, kit.ctx);
    QComboBox* pilots = window.pilotPicker();
    ASSERT_EQ(pilots->count(), 3);
    EXPECT_EQ(pilots->itemText(0), "None");
    EXPECT_EQ(pilots->itemText(2), "Ren Okafor");
    EXPECT_FALSE(window.consolePicker()->isEnabled());
    EXPECT_FALSE(window.editPilotsButton()->isEnabled());
    EXPECT_EQ(window.request().pilot.name, "");

    pilots->setCurrentIndex(2);
    window.consolePicker()->setCurrentIndex(1);
    window.textDiagramOption()->setChecked(true);
    window.adjustBVOption()->setChecked(false);
    const SheetRequest request = window.request();
    EXPECT_EQ(request.pilot.name, "Ren Okafor");
    EXPECT_EQ(request.pilot.gunnery, "3");
    EXPECT_EQ(request.pilot.piloting, "4");
    EXPECT_EQ(request.consolePilot.name, ""); // no command console
    EXPECT_FALSE(request.standardDiagram);
    EXPECT_FALSE(request.adjustBV);

    // The pilot editor's changes reach the pickers; the choice is kept.
    window.setPilotEditor([&] { kit.ctx.pilots.push_back({"Mira Vos", 2, 3}); });
    window.editPilotsButton()->click();
    EXPECT_EQ(pilots->count(), 4);
    EXPECT_EQ(pilots->currentText(), "Ren Okafor");

    mech.setCockpitType(catalog::cockpit::kCommandConsole);
    FrmPrinter console(mech, kit.ctx);
    console.consolePicker()->setCurrentIndex(1);
    EXPECT_EQ(console.request().consolePilot.name, "Aiko Tanner");
}

TEST_F(PrintWindow, PrintWithoutPrinterOffersThePdf) {
    ASSERT_FALSE(printerAvailable());
    FrmPrinter window(mech, kit.ctx);
    kit.user.yesNoAnswers = {false};
    window.print();
    ASSERT_EQ(kit.user.questions.size(), 1u);
    EXPECT_EQ(kit.user.questions[0], kNoPrinterText);
    EXPECT_EQ(window.result(), 0);

    kit.user.yesNoAnswers = {true};
    kit.user.fileAnswers = {kit.dir.file("printed.pdf")};
    window.print();
    EXPECT_TRUE(isPdf("printed.pdf"));
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(PrintWindow, SaveAsPdfWritesTheChosenFileAndReportsAFailure) {
    FrmPrinter window(mech, kit.ctx);
    kit.user.fileAnswers = {std::nullopt};
    window.pdfButton()->click();
    EXPECT_EQ(window.result(), 0);

    kit.user.fileAnswers = {kit.dir.file("no such folder/sheet.pdf")};
    window.saveAsPdf();
    ASSERT_EQ(kit.user.messages.size(), 1u);
    EXPECT_EQ(kit.user.messages[0].title, "Save as PDF");

    kit.user.fileAnswers = {kit.dir.file("sheet.pdf")};
    window.saveAsPdf();
    EXPECT_TRUE(isPdf("sheet.pdf"));
}

TEST_F(PrintWindow, PreviewZoomsAndScrolls) {
    FrmPrintPrev preview(mech, SheetRequest{});
    const QSize full = preview.pageSize();
    EXPECT_EQ(full, QSize(816, 1056)); // Letter at 96 dots per inch
    preview.setZoom(200);
    EXPECT_EQ(preview.pageSize(), full * 2);
    preview.show();
    EXPECT_GT(preview.scrollArea()->verticalScrollBar()->maximum(), 0);
    preview.setZoom(1000);
    EXPECT_EQ(preview.zoom(), 400);
}

} // namespace
} // namespace fpw::ui
