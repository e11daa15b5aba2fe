// The shipped reference files as built: they dump back to their sources, the program's loaders
// take them without a word, and the BV tables and plot points hold what the rules need.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "app/files.h"
#include "catalog/bvdatafile.h"
#include "catalog/namelists.h"
#include "catalog/plotfile.h"
#include "datafiles.h"

namespace fpw::testing {
namespace {

std::string sourceText(std::string_view name) {
    return app::readWholeFile(dataSourcePath(name)).value_or("");
}

TEST(ShippedReferenceFiles, EachBinaryFileDumpsBackToItsSource) {
    const std::string layout = dataSourcePath("plotlayout.txt");
    // The plot files come from the layout, so their source text is what the layout generates.
    const std::pair<const char*, std::string> files[] = {
        {"wpndata.bin", sourceText("weapons.tsv")},
        {"bvdata.bin", sourceText("bvdata.tsv")},
        {"PiltData.Bin", sourceText("pilots.tsv")},
        {"ArmrPlt.Bin", runDataTool({"plots", layout, "armor"}).out},
        {"IntrnPlt.Bin", runDataTool({"plots", layout, "internal"}).out},
    };
    for (const auto& [built, source] : files) {
        const ToolRun run = runDataTool({"dump", programFilePath(built)});
        ASSERT_EQ(run.exitCode, 0) << built << ": " << run.err;
        EXPECT_FALSE(source.empty()) << built;
        EXPECT_EQ(run.out, source) << built;
    }
}

// The weapon, BV and plot files are loaded by the record sheet kit of every sheet test, the
// pilots and credits by the start-up test.
TEST(ShippedReferenceFiles, NameListsHoldNoEmptyEntry) {
    for (int i = 0; i < catalog::kNameListCount; ++i) {
        const std::vector<std::string> entries =
            catalog::readNameListFile(programFilePath(catalog::gGetListFileName(i)));
        EXPECT_GE(entries.size(), 5u) << catalog::gGetListFileName(i);
        for (const std::string& entry : entries) {
            EXPECT_FALSE(entry.empty()) << catalog::gGetListFileName(i);
        }
    }
}

const catalog::BVTables& builtBVTables() {
    static const catalog::BVTables tables = [] {
        const auto bytes = app::readWholeFile(programFilePath("bvdata.bin"));
        auto result = catalog::parseBVData(bytes.value_or(""));
        EXPECT_TRUE(result.ok());
        return result.value;
    }();
    return tables;
}

TEST(ShippedBVTables, FollowThePublishedTables) {
    const catalog::BVTables& t = builtBVTables();
    for (int s = 0; s <= 25; ++s) {
        // The published formula, rounded to two decimals, halves away from zero.
        const double exact = std::pow((s - 5) / 10.0 + 1, 1.2);
        EXPECT_DOUBLE_EQ(t.offensiveSpeedFactor[std::size_t(s)],
                         std::floor(exact * 100 + 0.5) / 100)
            << s;
    }
    for (int tmm = 0; tmm <= 5; ++tmm) {
        EXPECT_DOUBLE_EQ(t.defensiveMovementFactor[std::size_t(tmm)], 1 + tmm / 10.0);
    }
    // Fusion, large fusion and compact engines keep the full structure value; the lighter
    // engines lose part of it, Clan ones less than Inner Sphere ones.
    EXPECT_EQ(t.engineMultiplierIS, (std::array{1.5, 0.75, 0.375, 1.5, 0.75, 0.375, 1.5}));
    EXPECT_EQ(t.engineMultiplierClan, (std::array{1.5, 1.125, 0.75, 1.5, 1.125, 0.75, 1.5}));
    // Every skill pair once, 1.0 for the standard pilot, better pilots always worth more.
    double at[8][8] = {};
    for (const catalog::SkillMultiplier& s : t.skillMultiplier) {
        ASSERT_TRUE(s.gunnery >= 0 && s.gunnery <= 7 && s.piloting >= 0 && s.piloting <= 7);
        EXPECT_EQ(at[s.gunnery][s.piloting], 0) << s.gunnery << "/" << s.piloting;
        at[s.gunnery][s.piloting] = s.multiplier;
    }
    EXPECT_DOUBLE_EQ(at[4][5], 1.0);
    EXPECT_DOUBLE_EQ(at[0][0], 2.42);
    for (int g = 0; g < 8; ++g) {
        for (int p = 0; p < 8; ++p) {
            EXPECT_TRUE((g == 0 || at[g][p] < at[g - 1][p]) && (p == 0 || at[g][p] < at[g][p - 1]))
                << g << "/" << p;
        }
    }
    EXPECT_GT(at[7][7], 0);
}

// Each location holds the largest value the rules give it, and no two points of the sheet
// (both diagrams share it) touch or leave its 320 by 320 plot units.
TEST(ShippedPlotFiles, EveryLocationHoldsItsLargestValueAndNoPointsTouch) {
    const std::tuple<const char*, const catalog::PlotFileKind*, std::vector<int>> needs[] = {
        {"ArmrPlt.Bin", &catalog::kArmorPlotFile, {42, 42, 42, 42, 42, 42, 62, 9, 42, 42, 62}},
        {"IntrnPlt.Bin", &catalog::kInternalPlotFile, {21, 21, 21, 21, 21, 21, 31, 3}},
    };
    std::vector<std::array<int, 3>> all; // x, y, radius
    for (const auto& [file, kind, points] : needs) {
        auto result =
            catalog::parsePlotFile(app::readWholeFile(programFilePath(file)).value_or(""), *kind);
        ASSERT_TRUE(result.ok()) << file;
        const catalog::PlotTable& table = result.value;
        ASSERT_EQ(table.size(), points.size());
        for (int loc = 0; loc < int(table.size()); ++loc) {
            catalog::PlotPoint point;
            const int last = points[std::size_t(loc)] - 1;
            EXPECT_TRUE(kind == &catalog::kArmorPlotFile
                            ? catalog::gGetArmorPlotPoint(table, loc, last, point)
                            : catalog::gGetInternalPlotPoint(table, loc, last, point))
                << file << " location " << loc;
            const catalog::PlotRecord& r = table[std::size_t(loc)];
            for (std::size_t i = 0; i < r.x.size(); ++i) {
                all.push_back({r.x[i], r.y[i], r.pointSize});
            }
        }
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto [x, y, r] = all[i];
        EXPECT_TRUE(x - r >= 0 && x + r <= 320 && y - r >= 0 && y + r <= 320) << x << "," << y;
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_GT(std::hypot(x - all[j][0], y - all[j][1]), r + all[j][2])
                << "(" << x << "," << y << ") touches (" << all[j][0] << "," << all[j][1] << ")";
        }
    }
}

} // namespace
} // namespace fpw::testing
