// The sheets as PDF through the command line: one page per design (per configuration of a
// locked OmniMech), text that pdftotext reads back, every font embedded, and one document per
// design with --each.
#include <filesystem>
#include <string>
#include <vector>

#include "cli/clitool.h"

namespace fpw::cli {
namespace {

using namespace clitest;

#ifdef FPW_CLI_SHEET
TEST_F(CliTool, SheetWritesOnePdfPagePerDesignAndConfiguration) {
    for (const char* name : {"ArmrPlt.Bin", "IntrnPlt.Bin", "plotlayout.txt"})
        fs::copy_file(fs::path(FPW_SHIPPED_DATA_DIR) / name, fs::path(program.path()) / name);
    model::Mech first = brawler();
    model::Mech second = scout();
    model::Mech variants = omni();
    const std::vector<std::string> files{save(first, "hunchback.FPM"), save(second, "jenner.FPM")};
    const std::string pdf = work.file("sheets.pdf");
    const RunResult made = run({"sheet", files[0], files[1], "-o", pdf, "--pilot", "Aiko Tanner",
                                "--gunnery", "4", "--piloting", "5"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(pageCount(pdf), 2);
    // Vector text in Liberation Sans (what "Arial" resolves to), every font embedded.
    const std::vector<std::string> fonts = lines(runCommand({"pdffonts", pdf}).out);
    ASSERT_GT(fonts.size(), 2u);
    for (std::size_t i = 2; i < fonts.size(); ++i) {
        EXPECT_NE(fonts[i].find("LiberationSans"), std::string::npos) << fonts[i];
        EXPECT_NE(fonts[i].find(" yes "), std::string::npos) << fonts[i];
    }
    const std::string text = runCommand({"pdftotext", "-layout", pdf, "-"}).out;
    for (const char* expected : {"Hunchback HBK-4G", "Jenner JR7-D",
                                 "Battle Value: ", "Adjusted BV: ", "Pilot Name: Aiko Tanner"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;

    const std::string omniFile = save(variants, "vantor.FPM");
    const RunResult each =
        run({"sheet", omniFile, files[0], work.file("missing.FPM"), "--each", work.path()});
    EXPECT_EQ(each.status, 1); // the missing file
    EXPECT_NE(each.err.find("missing.FPM"), std::string::npos);
    EXPECT_EQ(pageCount(work.file("vantor.pdf")), 2);
    EXPECT_EQ(pageCount(work.file("hunchback.pdf")), 1);
    EXPECT_FALSE(fs::exists(work.file("missing.pdf")));
}
#endif

} // namespace
} // namespace fpw::cli
