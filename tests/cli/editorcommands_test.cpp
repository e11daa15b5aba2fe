// `check`, `write-bvs` and `edit` run the editor's save checks, its write-BVs command and
// editor scripts: the same messages, the same log lines, and exit statuses that say whether
// everything went through.
#include <algorithm>
#include <string>
#include <vector>

#include "app/files.h"
#include "cli/clitool.h"

namespace fpw::cli {
namespace {

using namespace clitest;

TEST_F(CliTool, CheckGivesTheEditorsRefusalsAndWarningAndTheStatus) {
    model::Mech heavy = scout(); // 35 tons of equipment on a 35-ton chassis and more
    model::Mech noAmmo = brawler(false);
    const std::string heavyFile = save(heavy, "heavy.FPM");
    const std::string noAmmoFile = save(noAmmo, "noammo.FPM");
    const std::string damaged = work.write("damaged.FPM", "Forgeplanwork Mech       \x01");
    const std::string warning =
        noAmmoFile + ": Not enough ammunition: Some of the weapons mounted on this mech require "
                     "ammunition, but not all of them have ammunition mounted. This message is "
                     "only a warning and will not stop this mech from being saved.\n";
    // Designs that would save, one with a warning: status 0.
    RunResult r = run({"check", hunchbackFile, noAmmoFile});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, warning);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(run({"check", heavyFile}).status, 1);
    // A refusal or a damaged file among many: 1, and the others are still checked.
    r = run({"check", "-j", "2", hunchbackFile, heavyFile, damaged, noAmmoFile});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, heavyFile +
                         ": Unable to save: This mech is overweight and cannot be saved.\n" +
                         warning);
    EXPECT_EQ(r.err.rfind(damaged + ": ", 0), 0u) << r.err;
}

TEST_F(CliTool, WriteBVsWritesTheLogLinesToTheLogAndToStandardOutput) {
    model::Mech vantor = kit.omni();
    const fs::path root = fs::path(work.path()) / "bvs";
    fs::create_directories(root / "omni");
    const std::string first = (root / "brawler.FPM").string();
    ASSERT_TRUE(io::SaveMech(hunchback, first));
    ASSERT_TRUE(io::SaveMech(vantor, (root / "omni" / "vantor.fpm").string()));
    const std::string bv = std::to_string(libraryFigures(hunchback, first)["bv"].get<int>());
    const std::string omniBV = std::to_string(libraryFigures(vantor, "")["bv"].get<int>());

    RunResult r = run({"write-bvs", root.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string expected = "Dir: " + root.string() + "\nHunchback HBK-4G\t" + bv +
                                 "\nDir: " + (root / "omni").string() + "\nVantor Prime\t" +
                                 omniBV + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "Done\n2 done...\n");
    // The log has the same lines (after whatever it held before).
    const std::string log = app::readWholeFile(program.file("kelmor.log")).value_or("");
    EXPECT_EQ(log.substr(log.size() - std::min(log.size(), expected.size())), expected);

    // A file that does not open is shown and skipped; the status says so.
    work.write("bvs/omni/damaged.FPM", "Forgeplanwork Mech       \x01");
    r = run({"write-bvs", root.string(), work.file("missing")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, expected);
    EXPECT_NE(r.err.find("Unable to open file: " + (root / "omni" / "damaged.FPM").string()),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(work.file("missing") + ": "), std::string::npos) << r.err;
}

TEST_F(CliTool, EditOpensRunsTheScriptAndSavesWhatInfoReads) {
    // Every heat sink that needs a slot has one, so nothing is left unallocated on opening.
    model::Mech a = brawler();
    a.setHSCount(static_cast<std::int16_t>(a.hsInEngine() + 3));
    const std::string path = save(a, "brawler.FPM");
    const std::string script = work.write("look.fpws", "# only looks\nstate\n");
    const std::string out = work.file("copy.FPM");
    const RunResult r = run({"edit", "--open", path, script, "--save", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    // `state` prints the figures `info` prints for the same design, one "key: value" a line.
    const std::vector<std::string> info = lines(run({"info", path}).out);
    const std::vector<std::string> header = fields(info.at(0));
    const std::vector<std::string> row = fields(info.at(1));
    std::string expected = "state\n";
    for (std::size_t i = 1; i < header.size(); ++i)
        expected += "  " + header[i] + ":" + (row[i].empty() ? "" : " " + row[i]) + "\n";
    expected += "  unallocated: none\n";
    EXPECT_EQ(r.out, expected);

    // The saved copy reads back with the same figures.
    std::vector<std::string> copyRow = fields(lines(run({"info", out}).out).at(1));
    copyRow[0] = path;
    EXPECT_EQ(copyRow, row);
}

TEST_F(CliTool, EditStopsAtTheFailingLineAndLeavesTheTargetAlone) {
    const std::string target = work.file("target.FPM");
    const struct {
        const char* script;
        std::string open;
        int status;
        std::string err;
    } cases[] = {
        {"state\nfrobnicate x\nstate\n", hunchbackFile, 1, "line 2: unknown verb \"frobnicate\"\n"},
        {"answer\n", hunchbackFile, 1, "line 1: usage: answer yes|no|cancel|TEXT\n"},
        // A question the script leaves unanswered stops it too.
        {"name Other\nnew\n", hunchbackFile, 1,
         "line 2: no answer queued for the question \"Save?\": \"This mech is unsaved, would you "
         "like to save it before making a new mech?\"\n"},
        {"state\n", work.file("missing.FPM"), 1,
         work.file("missing.FPM") + ": the design cannot be opened\n"},
        {nullptr, hunchbackFile, 2, work.file("none.fpws") + ": the script cannot be read\n"},
        // A new design has no name: the save is refused with its message.
        {"state\n", "", 1, target + ": the design was not saved\n"},
    };
    for (const auto& c : cases) {
        work.write("target.FPM", "old bytes");
        const std::string script =
            c.script ? work.write("case.fpws", c.script) : work.file("none.fpws");
        std::vector<std::string> args{"edit", script, "--save", target};
        if (!c.open.empty())
            args.insert(args.begin() + 1, {"--open", c.open});
        const RunResult r = run(args);
        EXPECT_EQ(r.status, c.status) << c.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(work.read("target.FPM"), "old bytes") << c.err;
    }
    const RunResult refused = run({"edit", work.write("case.fpws", ""), "--save", target});
    EXPECT_EQ(refused.out.rfind("message: Unable to save: ", 0), 0u) << refused.out;
}

} // namespace
} // namespace fpw::cli
