// The multi-print window offscreen: rows, configurations, the empty-list message and the
// PDF outputs.
#include "ui/recordsheet/frmmultiprint.h"

#include <filesystem>

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "io/designfile.h"
#include "recordsheet/sheetdesigns.h"

namespace fpw::ui {
namespace {

struct MultiPrintWindow : ::testing::Test {
    testing::SheetKit kit;
    std::string hunchback = kit.dir.file("hunchback.FPM");
    std::string omni = kit.dir.file("vantor.FPM");

    MultiPrintWindow() {
        model::Mech h = kit.hunchback();
        model::Mech o = kit.omni();
        EXPECT_TRUE(io::SaveMech(h, hunchback));
        EXPECT_TRUE(io::SaveMech(o, omni));
    }
    bool isPdf(const std::string& path) const {
        return kit.dir.read(std::filesystem::path(path).filename().string()).rfind("%PDF-", 0) == 0;
    }
};

TEST_F(MultiPrintWindow, EmptyListSaysThereIsNothingToPrint) {
    FrmMultiPrint window(kit.ctx);
    EXPECT_FALSE(window.searchButton()->isEnabled());
    window.print();
    window.saveAsPdf();
    window.savePdfsIntoFolder();
    ASSERT_EQ(kit.user.messages.size(), 3u);
    for (const testing::ShownMessage& m : kit.user.messages) {
        EXPECT_EQ(m.title, "No mechs");
        EXPECT_EQ(m.text, "There are no mechs to print.");
    }
}

TEST_F(MultiPrintWindow, RowsConfigurationsAndTheirMenu) {
    FrmMultiPrint window(kit.ctx);
    kit.user.fileAnswers = {hunchback, kit.dir.file("none.FPM")};
    window.addMechs();
    window.addMechs(); // refused with its message
    EXPECT_EQ(kit.user.messages.size(), 1u);
    ASSERT_TRUE(window.addFile(omni));
    ASSERT_EQ(window.list()->topLevelItemCount(), 2);
    EXPECT_EQ(window.list()->topLevelItem(0)->text(1), "N/A");
    EXPECT_EQ(window.list()->topLevelItem(1)->text(1), "Base");

    QMenu menu;
    window.buildRowMenu(1, menu);
    QStringList texts;
    for (QAction* a : menu.actions())
        texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Base", "Prime", "Alpha", "", "&Remove"}));
    menu.actions()[2]->trigger();
    EXPECT_EQ(window.list()->topLevelItem(1)->text(1), "Alpha");
    window.setConfiguration(1, "Gamma"); // not a configuration of the design
    window.setConfiguration(0, "Alpha"); // not an OmniMech
    EXPECT_EQ(window.entries()[0].config, "N/A");
    EXPECT_EQ(window.entries()[1].config, "Alpha");
    window.removeRow(0);
    ASSERT_EQ(window.list()->topLevelItemCount(), 1);
    EXPECT_EQ(window.entries()[0].file, omni);
}

TEST_F(MultiPrintWindow, WholeListAsOnePdfOrOnePdfPerDesign) {
    FrmMultiPrint window(kit.ctx);
    window.addFile(hunchback);
    window.addFile(omni);
    window.setConfiguration(1, "Alpha");

    kit.user.yesNoAnswers = {true}; // no printer: save the PDF instead
    kit.user.fileAnswers = {kit.dir.file("all.pdf")};
    window.print();
    EXPECT_TRUE(isPdf(kit.dir.file("all.pdf")));
    EXPECT_EQ(window.status()->text(), "Printed 2 of 2 designs");
    EXPECT_FALSE(window.stopButton()->isEnabled());

    const std::string folder = kit.dir.file("each");
    std::filesystem::create_directory(folder);
    window.setFolderChooser([&] { return std::optional<std::string>(folder); });
    window.savePdfsIntoFolder();
    EXPECT_TRUE(std::filesystem::exists(folder + "/hunchback.pdf"));
    EXPECT_TRUE(std::filesystem::exists(folder + "/vantor - Alpha.pdf"));
    EXPECT_TRUE(kit.user.messages.empty());
}

} // namespace
} // namespace fpw::ui
