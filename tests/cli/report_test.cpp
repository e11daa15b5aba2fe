// `bv` and `cost` print the summary's printouts of a design as text.
#include <string>
#include <vector>

#include "cli/clitool.h"
#include "reports/bvreport.h"
#include "reports/costbreakdown.h"
#include "support/golden.h"

namespace fpw::cli {
namespace {

using namespace clitest;

std::string golden(const std::string& name) {
    return std::string(FPW_CLI_GOLDEN_DIR) + "/" + name;
}

// The golden files were checked by hand against the fixture's designs. Hunchback BV: armour
// 165 x 2, structure 83 x 1.5 (fusion), 50 tons, 20 for the AC/20 ammunition in an un-CASEd
// side torso, heat 15 against 13 dissipated, so 474.5 x 1.2 = 569.4; weapons 178 + 22 + 92 =
// 292, heat-adjusted to 272.53, x 1.12 for running 6; 874.64 rounds to 875. Hunchback cost:
// the basic items add up to 1,774,667, with heat sinks, armour and structure to 1,905,667,
// with the 390,000 of weapons to 2,295,667, x 1.5 = 3,443,500. OmniMech "Alpha": 132 armour
// points on 60 tons with 12 heat sinks, the LRM-10 and its ammunition; the surcharge is a
// quarter of 2,902,600, and (2,902,600 + 725,650) x 1.6 = 5,805,200.
TEST_F(CliTool, BVAndCostPrintTheSummaryPrintouts) {
    model::Mech hunchback = brawler();
    model::Mech vantor = omni();
    const std::string brawlerFile = save(hunchback, "brawler.FPM");
    const std::string omniFile = save(vantor, "omni.FPM");
    struct Case {
        std::vector<std::string> args;
        const char* goldenFile;
    };
    const Case cases[] = {
        {{"bv", brawlerFile}, "brawler_bv.txt"},
        {{"cost", brawlerFile}, "brawler_cost.txt"},
        {{"bv", omniFile, "--config", "Alpha"}, "omni_alpha_bv.txt"},
        {{"cost", omniFile, "-c", "Alpha"}, "omni_alpha_cost.txt"},
    };
    for (const Case& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.goldenFile << r.err;
        EXPECT_EQ(r.err, "") << c.goldenFile;
        fpw::testing::expectMatchesGolden(r.out, golden(c.goldenFile));
    }

    // The last line of the BV calculation carries the number the library computes.
    const std::vector<std::string> bvLines = lines(run({"bv", brawlerFile}).out);
    ASSERT_FALSE(bvLines.empty());
    EXPECT_EQ(bvLines.back().substr(0, 19), "Final Battle Value:");
    EXPECT_EQ(bvLines.back().substr(bvLines.back().rfind(' ') + 1),
              std::to_string(libraryFigures(hunchback, brawlerFile)["bv"].get<int>()));
}

TEST_F(CliTool, BVAndCostRefuseWhatTheyCannotReport) {
    model::Mech hunchback = brawler();
    const std::string file = save(hunchback, "brawler.FPM");
    const std::string missing = work.file("missing.FPM");
    for (const char* command : {"bv", "cost"}) {
        RunResult r = run({command, missing});
        EXPECT_NE(r.status, 0) << command;
        EXPECT_EQ(r.out, "") << command;
        EXPECT_EQ(r.err.rfind(missing + ": ", 0), 0u) << r.err;

        // A configuration on a design that is no locked OmniMech.
        r = run({command, file, "--config", "Prime"});
        EXPECT_NE(r.status, 0) << command;
        EXPECT_EQ(r.out, "") << command;
        EXPECT_NE(r.err.find("Prime"), std::string::npos) << r.err;
    }
    // Without BV data there is no calculation to print; the cost still is.
    fs::remove(fs::path(program.path()) / "bvdata.bin");
    EXPECT_NE(run({"bv", file}).status, 0);
    EXPECT_EQ(run({"cost", file}).status, 0);
}

} // namespace
} // namespace fpw::cli
