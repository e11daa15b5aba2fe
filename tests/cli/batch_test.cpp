// `info` over directory trees and on several threads, over a corpus the generator builds
// through the editor, which must cover every kind of design and pass the save checks; and the
// progress bar of a run on a terminal.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/files.h"
#include "batchrun.h"
#include "cli/clitool.h"
#include "corpus.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/omnirules.h"
#include "progressbar.h"

namespace fpw::cli {
namespace {

using namespace clitest;

std::vector<std::string> filesOf(const std::string& jsonLines) {
    std::vector<std::string> files;
    for (const std::string& line : lines(jsonLines))
        files.push_back(json::parse(line)["file"].get<std::string>());
    return files;
}

TEST_F(CliTool, AGeneratedCorpusCoversEveryKindAndIsWalkedOnceAlikeOnEveryThreadCount) {
    const fs::path root = fs::path(work.path()) / "corpus";
    corpus::Generator generator(ctx);
    std::set<std::string> seen;
    const auto saw = [&](const char* kind, int value) {
        seen.insert(std::string(kind) + " " + std::to_string(value));
    };
    const auto figures = [](const auto& bv) {
        return std::tuple(bv.battleValue, bv.defensiveBV, bv.offensiveBV, bv.rawBattleValue);
    };
    std::vector<std::string> paths;
    for (int n = 0; n < 160; ++n) {
        const std::optional<std::string> path = generator.write(n, root);
        ASSERT_TRUE(path) << "design " << n << " was not saved";
        paths.push_back(*path);
        editor::Editor opened(ctx);
        ASSERT_TRUE(editor::OpenMech(opened, *path)) << *path;
        const model::Mech& mech = opened.mech();
        std::vector<std::string> configs{""};
        if (mech.omniBaseLocked()) {
            configs = editor::omniControls(opened).variants;
            saw("variants", static_cast<int>(configs.size()));
        }
        for (const std::string& config : configs) {
            if (!config.empty()) {
                ASSERT_TRUE(editor::ChooseVariant(opened, config)) << *path << " " << config;
            }
            EXPECT_TRUE(editor::PassesSaveChecks(opened)) << *path << " " << config;
            // The batch path computes the Battle Value without its lines: the same numbers.
            const auto full = valuation::CalcBV(opened.mech());
            const auto bare = valuation::CalcBV(opened.mech(), valuation::BVLines::Skip);
            ASSERT_TRUE(full && bare);
            EXPECT_EQ(figures(*bare), figures(*full)) << *path << " " << config;
            EXPECT_EQ(bare->lines.DefensiveItemCount() + bare->lines.OffensiveItemCount(), 0);
            EXPECT_GT(full->lines.OffensiveItemCount(), 0);
            for (const model::WeaponEntry& weapon : mech.weapons()) {
                if (!weapon.isFree())
                    saw("weapon type", ctx.weapons.at(weapon.refID).weaponType);
            }
        }
        saw("base and level", mech.techBase() * 10 + mech.techLevel());
        saw("body", mech.mechType());
        saw("engine", mech.engineType());
        saw("armour", mech.armorType());
        saw("structure", mech.isType());
    }
    // Clan (1x) and mixed (2x) designs start at level 2.
    std::set<std::string> every{"variants 3"};
    for (const int level : {1, 2, 3, 12, 13, 22, 23})
        every.insert("base and level " + std::to_string(level));
    const std::pair<const char*, int> counts[] = {
        {"body", 4}, {"engine", 7}, {"armour", 7}, {"structure", 4}, {"weapon type", 6}};
    for (const auto& [kind, count] : counts)
        for (int value = 0; value < count; ++value)
            every.insert(std::string(kind) + " " + std::to_string(value));
    std::set<std::string> missing;
    std::ranges::set_difference(every, seen, std::inserter(missing, missing.end()));
    EXPECT_TRUE(missing.empty()) << "never generated: " << ::testing::PrintToString(missing);

    // In the tree: a damaged design, one whose name ends in lower case, files that are no design,
    // a link back to the root, a second way into a folder (found after the folder itself) and
    // names that only differ late.
    const std::string damaged = paths[50];
    const std::string bytes = app::readWholeFile(damaged).value();
    ASSERT_TRUE(app::writeFileAtomically(damaged, bytes.substr(0, bytes.size() / 3)));
    const std::string lower = paths[1].substr(0, paths[1].size() - 3) + "fpm";
    fs::rename(paths[1], lower);
    for (const char* other : {"corpus/notes.txt", "corpus/notes_FPM", "corpus/notes.FPN"})
        work.write(other, "not a design");
    const fs::path folder = fs::path(paths[0]).parent_path();
    fs::create_directory_symlink(root, folder / "loop");
    // Names alike in their first eight bytes, listed in no particular order.
    for (const int n : {2, 3, 4, 5}) {
        const fs::path moved = folder / ("same-head-" + std::to_string(7 * n % 12) + ".FPM");
        fs::rename(paths[static_cast<std::size_t>(n)], moved);
        paths[static_cast<std::size_t>(n)] = moved.string();
    }
    fs::create_directory_symlink(folder, root / "zz-link");

    const RunResult one = run({"info", "--json", "-j", "1", root.string()});
    EXPECT_NE(one.status, 0);
    EXPECT_EQ(one.err.rfind(damaged + ": ", 0), 0u) << one.err;
    EXPECT_EQ(one.err.find('\r'), std::string::npos) << "no progress bar off a terminal";
    // Each design once, in order; in JSON the damaged file keeps its row, with its error.
    const std::vector<std::string> files = filesOf(one.out);
    EXPECT_TRUE(std::is_sorted(files.begin(), files.end()));
    paths[1] = lower;
    EXPECT_EQ(std::set<std::string>(files.begin(), files.end()),
              std::set<std::string>(paths.begin(), paths.end()));
    // The same folder named again adds nothing; a file in it named on its own is read again.
    std::vector<std::string> twice = files;
    std::ranges::copy_if(files, std::back_inserter(twice),
                         [&](const std::string& file) { return file == paths[0]; });
    EXPECT_EQ(
        filesOf(run({"info", "--json", root.string(), (root / "zz-link").string(), paths[0]}).out),
        twice);
    for (const char* jobs : {"2", "5"}) {
        const RunResult many = run({"info", "--json", "-j", jobs, root.string()});
        EXPECT_EQ(many.status, one.status) << jobs;
        EXPECT_EQ(many.out, one.out) << jobs;
        EXPECT_EQ(many.err, one.err) << jobs;
    }
}

// The walk hands items over while the workers already run: a directory failure found after
// work has begun and files whose work throws keep their places on every thread count, and so
// do batches too small for a thread and the shorter runs at the end.
TEST_F(CliTool, ItemsFoundWhileWorkersRunKeepTheirPlaces) {
    struct Case {
        int jobs;
        int items;
        // Whether work has begun before the walk reaches the middle.
        bool overlaps;
    };
    const Case cases[] = {{1, 100, false}, {2, 5, false}, {2, 100, true}, {5, 301, true}};
    for (const auto& [jobs, count, overlaps] : cases) {
        SCOPED_TRACE(::testing::Message() << jobs << " jobs, " << count << " items");
        std::atomic<int> worked{0};
        const ItemWork work = [&](app::ProgramContext&, const std::string& path) {
            ++worked;
            // Some items are slow, so that later runs finish before earlier ones.
            if (path.ends_with("3"))
                std::this_thread::sleep_for(std::chrono::microseconds(300));
            if (path.ends_with('7'))
                throw std::runtime_error("broken");
            return ItemOutput{path + "\n", "", false};
        };
        std::string expectedOut;
        std::string expectedErr;
        bool workedBeforeMiddle = false;
        const ItemSource source = [&](const WalkSink& found) {
            for (int i = 0; i < count; ++i) {
                if (i == count / 2) {
                    const auto deadline =
                        std::chrono::steady_clock::now() + std::chrono::seconds(10);
                    while (overlaps && worked == 0 && std::chrono::steady_clock::now() < deadline)
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    workedBeforeMiddle = worked > 0;
                    found(WalkItem{"folder", "unreadable"});
                    expectedErr += "folder: unreadable\n";
                }
                const std::string path = "design" + std::to_string(i);
                found(WalkItem{path, std::nullopt});
                (path.ends_with('7') ? expectedErr : expectedOut) +=
                    path + (path.ends_with('7') ? ": broken\n" : "\n");
            }
        };
        BatchOptions options;
        options.jobs = jobs;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runBatch(ctx, source, work, options, out, err), 1);
        EXPECT_EQ(out.str(), expectedOut);
        EXPECT_EQ(err.str(), expectedErr);
        EXPECT_EQ(worked, count);
        EXPECT_EQ(workedBeforeMiddle, overlaps);
    }
}

// The bar is drawn in place on one line and leaves the line empty when it goes, so that the
// prompt after a run does not start behind it; switched off it writes nothing at all.
TEST(ProgressBar, DrawsInPlaceAndLeavesTheLineEmpty) {
    std::ostringstream shown;
    {
        ProgressBar bar(shown, 4, true);
        bar.update(1);
        bar.update(4);
    }
    EXPECT_EQ(shown.str(), "\r[##########                              ] 1/4"
                           "\r[########################################] 4/4"
                           "\r\033[K");

    std::ostringstream silent;
    {
        ProgressBar bar(silent, 4, false);
        bar.update(1);
        bar.clear();
        bar.update(4);
    }
    EXPECT_EQ(silent.str(), "");

    // While the walk goes on the total is only a lower bound; with none yet nothing is drawn.
    std::ostringstream growing;
    {
        ProgressBar bar(growing, 0, true);
        bar.update(0);
        bar.setTotal(8, false);
        bar.update(2);
        bar.setTotal(8, true);
        bar.update(8);
    }
    EXPECT_EQ(growing.str(), "\r[##########                              ] 2/8+"
                             "\r[########################################] 8/8"
                             "\r\033[K");
}

} // namespace
} // namespace fpw::cli
