// `info` over directory trees, on several threads, with bad input among good; and the Battle
// Value without its lines, which the batch path relies on.
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/files.h"
#include "cli/clitool.h"
#include "corpus.h"
#include "editor/editor.h"

namespace fpw::cli {
namespace {

using namespace clitest;

std::vector<std::string> filesOf(const std::string& jsonLines) {
    std::vector<std::string> files;
    for (const std::string& line : lines(jsonLines))
        files.push_back(json::parse(line)["file"].get<std::string>());
    return files;
}

TEST_F(CliTool, DirectoriesAreWalkedOnceEachAndLinkLoopsEnd) {
    model::Mech a = brawler();
    model::Mech b = scout();
    const fs::path root = fs::path(work.path()) / "tree";
    fs::create_directories(root / "a");
    fs::create_directories(root / "b" / "deep");
    const std::string first = (root / "a" / "brawler.FPM").string();
    const std::string second = (root / "b" / "deep" / "scout.fpm").string();
    ASSERT_TRUE(io::SaveMech(a, first));
    ASSERT_TRUE(io::SaveMech(b, second));
    work.write("tree/b/notes.txt", "not a design");
    // A loop back to the root, and a second way into "a".
    fs::create_directory_symlink(root, root / "b" / "loop");
    fs::create_directory_symlink(root / "a", root / "c");

    const RunResult r = run({"info", "--json", root.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    // Not a terminal: no progress bar.
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(filesOf(r.out), (std::vector<std::string>{first, second}));
    EXPECT_EQ(json::parse(lines(r.out).at(0)), libraryFigures(a, first));

    // The same directory named twice, and a file inside it named on its own.
    const RunResult twice = run({"info", "--json", root.string(), (root / "c").string(), first});
    EXPECT_EQ(filesOf(twice.out), (std::vector<std::string>{first, second, first}));
}

TEST_F(CliTool, EveryThreadCountGivesTheOutputOfOneThread) {
    const fs::path root = fs::path(work.path()) / "corpus";
    std::string damaged;
    corpus::Generator generator(*ctx);
    for (int n = 0; n < 120; ++n) {
        const std::optional<std::string> path = generator.write(n, root);
        ASSERT_TRUE(path) << n;
        if (n == 50)
            damaged = *path;
    }
    // A damaged design in the middle of the tree.
    const std::string bytes = app::readWholeFile(damaged).value();
    ASSERT_TRUE(app::writeFileAtomically(damaged, bytes.substr(0, bytes.size() / 3)));

    const RunResult one = run({"info", "--json", "-j", "1", root.string()});
    EXPECT_NE(one.status, 0);
    EXPECT_EQ(one.err.rfind(damaged + ": ", 0), 0u) << one.err;
    // In JSON the damaged file keeps its row, with its error.
    const std::vector<std::string> files = filesOf(one.out);
    ASSERT_GE(files.size(), 120u); // OmniMechs give a row per configuration
    EXPECT_TRUE(std::is_sorted(files.begin(), files.end()));
    EXPECT_EQ(std::set<std::string>(files.begin(), files.end()).size(), 120u);
    for (const char* jobs : {"2", "5"}) {
        const RunResult many = run({"info", "--json", "-j", jobs, root.string()});
        EXPECT_EQ(many.status, one.status) << jobs;
        EXPECT_EQ(many.out, one.out) << jobs;
        EXPECT_EQ(many.err, one.err) << jobs;
    }
    EXPECT_NE(run({"info", "-j", "0", root.string()}).status, 0);
}

TEST_F(CliTool, BadInputIsReportedOnTheErrorStreamAndTheRunGoesOn) {
    model::Mech a = brawler();
    const std::string good = save(a, "good.FPM");
    const std::string missing = work.file("missing.FPM");
    const std::string damaged = work.write("damaged.FPM", "Forgeplanwork Mech       \x01");
    for (const char* format : {"--json", "--jobs=2"}) {
        const RunResult r = run({"info", format, missing, good, damaged});
        EXPECT_EQ(r.status, 1) << format;
        const std::vector<std::string> err = lines(r.err);
        ASSERT_FALSE(err.empty());
        EXPECT_EQ(err.front().rfind(missing + ": ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(damaged + ": "), std::string::npos) << r.err;
        EXPECT_NE(r.out.find(good), std::string::npos) << format;
    }
}

// The batch path computes the Battle Value without its lines: the numbers must not change.
TEST_F(CliTool, BattleValueWithoutLinesGivesTheSameNumbers) {
    std::set<int> types;
    corpus::Generator generator(*ctx);
    for (int n = 0; n < 400; ++n) {
        model::Mech& mech = generator.build(n).mech();
        types.insert(mech.mechType() * 10 + mech.techBase());
        const auto full = valuation::CalcBV(mech);
        const auto bare = valuation::CalcBV(mech, valuation::BVLines::Skip);
        ASSERT_TRUE(full && bare);
        EXPECT_EQ(bare->battleValue, full->battleValue) << n;
        EXPECT_EQ(bare->defensiveBV, full->defensiveBV) << n;
        EXPECT_EQ(bare->offensiveBV, full->offensiveBV) << n;
        EXPECT_EQ(bare->rawBattleValue, full->rawBattleValue) << n;
        EXPECT_EQ(bare->lines.DefensiveItemCount() + bare->lines.OffensiveItemCount(), 0);
        EXPECT_GT(full->lines.OffensiveItemCount(), 0);
    }
    // Biped and OmniMech of all three bases, quads, LAMs.
    EXPECT_GE(types.size(), 9u);
}

} // namespace
} // namespace fpw::cli
