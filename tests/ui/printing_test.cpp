// The printing and summary windows, and the record sheet drawn to an image. The test machine
// has no printer, so Print must say so and offer the PDF.
#include <cstdlib>
#include <filesystem>

#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>

#include "catalog/equipment.h"
#include "io/designfile.h"
#include "recordsheet/printmech.h"
#include "recordsheet/sheetdesigns.h"
#include "ui/recordsheet/frmmultiprint.h"
#include "ui/recordsheet/frmprinter.h"
#include "ui/recordsheet/frmprintprev.h"
#include "ui/recordsheet/imagepage.h"
#include "ui/recordsheet/sheetoutput.h"
#include "ui/summary/summarywindow.h"
#include "windowtest.h"

namespace fpw::ui {
namespace {

struct Printing : ::testing::Test {
    testing::SheetKit kit;
    model::Mech mech = kit.hunchback();

    bool isPdf(const std::string& name) const { return kit.dir.read(name).rfind("%PDF-", 0) == 0; }
};

TEST_F(Printing, PickersGiveTheChosenPilotsPrintOffersThePdfAndPreviewZooms) {
    kit.ctx.pilots = {{"Aiko Tanner", 4, 5}, {"", 0, 0}, {"Ren Okafor", 3, 4}};
    FrmPrinter window(mech, kit.ctx);
    QComboBox* pilots = window.pilotPicker();
    ASSERT_EQ(pilots->itemText(0), "None");
    EXPECT_FALSE(window.consolePicker()->isEnabled() || window.editPilotsButton()->isEnabled());
    EXPECT_EQ(window.request().pilot.name, "");
    pilots->setCurrentIndex(2);
    window.consolePicker()->setCurrentIndex(1); // no command console: no second pilot
    window.textDiagramOption()->setChecked(true);
    window.adjustBVOption()->setChecked(false);
    const SheetRequest request = window.request();
    EXPECT_EQ(request.pilot.name + "/" + request.pilot.gunnery + "/" + request.pilot.piloting +
                  "/" + request.consolePilot.name,
              "Ren Okafor/3/4/");
    EXPECT_FALSE(request.standardDiagram || request.adjustBV);
    // The pilot editor's changes reach the pickers; the choice is kept.
    window.setPilotEditor([&] { kit.ctx.pilots.push_back({"Mira Vos", 2, 3}); });
    window.editPilotsButton()->click();
    EXPECT_EQ(pilots->count(), 4);
    EXPECT_EQ(pilots->currentText(), "Ren Okafor");

    ASSERT_FALSE(printerAvailable());
    kit.user.yesNoAnswers = {false};
    window.print();
    EXPECT_EQ(kit.user.questions, std::vector<std::string>{kNoPrinterText});
    kit.user.fileAnswers = {std::nullopt};
    window.pdfButton()->click();
    EXPECT_EQ(window.result(), 0);
    kit.user.fileAnswers = {kit.dir.file("no such folder/sheet.pdf")};
    window.saveAsPdf();
    EXPECT_EQ(kit.user.onlyMessage().title, "Save as PDF");
    kit.user.yesNoAnswers = {true};
    kit.user.fileAnswers = {kit.dir.file("printed.pdf")};
    window.print();
    EXPECT_TRUE(isPdf("printed.pdf"));
    EXPECT_EQ(window.result(), QDialog::Accepted);

    mech.setCockpitType(catalog::cockpit::kCommandConsole);
    FrmPrinter console(mech, kit.ctx);
    console.consolePicker()->setCurrentIndex(1);
    EXPECT_EQ(console.request().consolePilot.name, "Aiko Tanner");

    FrmPrintPrev preview(mech, SheetRequest{});
    EXPECT_EQ(preview.pageSize(), QSize(816, 1056)); // Letter at 96 dots per inch
    preview.setZoom(200);
    EXPECT_EQ(preview.pageSize(), QSize(1632, 2112));
    preview.show();
    EXPECT_GT(preview.scrollArea()->verticalScrollBar()->maximum(), 0);
    preview.setZoom(1000);
    EXPECT_EQ(preview.zoom(), 400);
}

TEST_F(Printing, MultiPrintAndSummaryWindows) {
    const std::string hunchback = kit.dir.file("hunchback.FPM");
    const std::string omni = kit.dir.file("vantor.FPM");
    model::Mech o = kit.omni();
    ASSERT_TRUE(io::SaveMech(mech, hunchback) && io::SaveMech(o, omni));
    FrmMultiPrint window(kit.ctx);
    window.print();
    window.saveAsPdf();
    window.savePdfsIntoFolder();
    ASSERT_EQ(kit.user.messages.size(), 3u);
    for (const testing::ShownMessage& m : kit.user.messages)
        EXPECT_EQ(m.title + ": " + m.text, "No mechs: There are no mechs to print.");

    kit.user.messages.clear();
    kit.user.fileAnswers = {hunchback, kit.dir.file("none.FPM")};
    window.addMechs();
    window.addMechs(); // refused with its message
    EXPECT_EQ(kit.user.messages.size(), 1u);
    kit.user.messages.clear();
    ASSERT_TRUE(window.addFile(omni));
    ASSERT_EQ(window.list()->topLevelItemCount(), 2);
    const auto configurations = [&] {
        return window.list()->topLevelItem(0)->text(1) + "|" +
               window.list()->topLevelItem(1)->text(1);
    };
    EXPECT_EQ(configurations(), "N/A|Base");
    QMenu menu;
    window.buildRowMenu(1, menu);
    QStringList texts;
    for (QAction* a : menu.actions())
        texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Base", "Prime", "Alpha", "", "&Remove"}));
    menu.actions()[2]->trigger();
    EXPECT_EQ(configurations(), "N/A|Alpha");
    window.setConfiguration(1, "Gamma"); // not a configuration of the design
    window.setConfiguration(0, "Alpha"); // not an OmniMech
    EXPECT_EQ(window.entries()[0].config + "|" + window.entries()[1].config, "N/A|Alpha");

    kit.user.yesNoAnswers = {true}; // no printer: save the PDF instead
    kit.user.fileAnswers = {kit.dir.file("all.pdf")};
    window.print();
    EXPECT_TRUE(isPdf("all.pdf"));
    EXPECT_EQ(window.status()->text(), "Printed 2 of 2 designs");
    EXPECT_FALSE(window.stopButton()->isEnabled());
    const std::string folder = kit.dir.file("each");
    std::filesystem::create_directory(folder);
    window.setFolderChooser([&] { return std::optional<std::string>(folder); });
    window.savePdfsIntoFolder();
    EXPECT_TRUE(isPdf("each/hunchback.pdf") && isPdf("each/vantor - Alpha.pdf"));
    EXPECT_TRUE(kit.user.messages.empty());

    window.removeRow(0);
    ASSERT_EQ(window.list()->topLevelItemCount(), 1);
    EXPECT_EQ(window.entries()[0].file, omni);

    // The summary window: its figures, a BV panel that scrolls and is replaced, not added to,
    // when regenerated, and its printouts.
    SummaryWindow summary(mech, kit.ctx);
    EXPECT_EQ(summary.summaryCost()->text(), "Cost: 3,467,876 C-Bills");
    ASSERT_GT(summary.weaponsTable()->rowCount(), 0);
    EXPECT_TRUE(summary.weaponsTable()->item(0, 0)->text().contains("AC/20"));

    const QList<QLabel*> descriptions =
        summary.bvPanel()->widget()->findChildren<QLabel*>("lblBVDataDesc");
    ASSERT_GT(descriptions.size(), 10);
    EXPECT_EQ(descriptions.front()->text(), "Defensive BattleValue");
    EXPECT_TRUE(descriptions.front()->font().bold() && !descriptions[1]->font().bold());
    summary.resize(700, 300);
    summary.show();
    EXPECT_GT(summary.bvPanel()->verticalScrollBar()->maximum(), 0);

    summary.GenerateSummary();
    EXPECT_EQ(summary.bvPanel()->widget()->findChildren<QLabel*>("lblBVDataDesc").size(),
              descriptions.size());
    EXPECT_EQ(summary.frame(0)->findChildren<QLabel*>("lblCostDesc").size(),
              summary.frame(0)->findChildren<QLabel*>("lblStructureCost").size());

    FrmPrintSummary chooser;
    EXPECT_EQ(chooser.choice(), SummaryPrintout::CostBreakdown);
    chooser.bvOption()->setChecked(true);
    EXPECT_EQ(chooser.choice(), SummaryPrintout::BVCalculations);
    kit.user.yesNoAnswers = {true};
    kit.user.fileAnswers = {kit.dir.file("bv.pdf")};
    EXPECT_TRUE(summary.printSummary(SummaryPrintout::BVCalculations));
    EXPECT_TRUE(isPdf("bv.pdf"));
}

// Share of pixels whose colour differs clearly (more than a quarter of the range in a channel).
double differingShare(const QImage& a, const QImage& b) {
    long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 64 || std::abs(qGreen(p) - qGreen(q)) > 64 ||
                std::abs(qBlue(p) - qBlue(q)) > 64)
                ++differing;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

// The canonical design's record sheet drawn to an image at a fixed size and compared with the
// reference image tests/ui/golden/hunchback_sheet.png. The reference was looked at by hand as a
// player would (every block present, texts readable and inside their blocks, points inside the
// diagram's outline). FPW_UPDATE_GOLDEN=1 rewrites it after a deliberate change of the layout.
TEST_F(Printing, CanonicalSheetMatchesItsReferenceImage) {
    const QString reference = QStringLiteral(FPW_UI_GOLDEN_DIR "/hunchback_sheet.png");
    bool drawn = false;
    const QImage image = renderPageImage(100, [&](recordsheet::DrawingSurface& s) {
        drawn = recordsheet::PrintMech(mech, "Aiko Tanner", "4", "5", "", "", "", true, true, s);
    });
    ASSERT_TRUE(drawn);
    ASSERT_EQ(image.size(), QSize(850, 1100)); // 100 dots per inch
    if (std::getenv("FPW_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(image.save(reference));
    }
    const QImage expected = QImage(reference).convertToFormat(image.format());
    ASSERT_EQ(expected.size(), image.size()) << "missing " << reference.toStdString();
    EXPECT_LT(differingShare(image, expected), 0.002);
}

} // namespace
} // namespace fpw::ui
