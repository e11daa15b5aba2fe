// The shipped reference files as built: they dump back to their sources, the program's loaders
// take them without a word, and the BV tables and plot points hold what the rules need.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/files.h"
#include "app/programcontext.h"
#include "catalog/bvdatafile.h"
#include "catalog/credits.h"
#include "catalog/namelists.h"
#include "catalog/pilotfile.h"
#include "catalog/plotfile.h"
#include "catalog/weapondatabase.h"
#include "datafiles.h"
#include "support/scripteduser.h"

namespace fpw::testing {
namespace {

std::string sourceText(std::string_view name) {
    const auto text = app::readWholeFile(dataSourcePath(name));
    EXPECT_TRUE(text.has_value()) << dataSourcePath(name);
    return text.value_or("");
}

TEST(ShippedReferenceFiles, EachBinaryFileDumpsBackToItsSource) {
    const std::pair<const char*, const char*> files[] = {
        {"wpndata.bin", "weapons.tsv"},
        {"bvdata.bin", "bvdata.tsv"},
        {"PiltData.Bin", "pilots.tsv"},
    };
    for (const auto& [built, source] : files) {
        const ToolRun run = runDataTool({"dump", programFilePath(built)});
        ASSERT_EQ(run.exitCode, 0) << built << ": " << run.err;
        EXPECT_EQ(run.out, sourceText(source)) << built;
    }
    // The plot files come from the layout, so their source text is what the layout generates.
    const std::pair<const char*, const char*> plots[] = {{"ArmrPlt.Bin", "armor"},
                                                         {"IntrnPlt.Bin", "internal"}};
    for (const auto& [built, diagram] : plots) {
        const ToolRun dump = runDataTool({"dump", programFilePath(built)});
        const ToolRun generated = runDataTool({"plots", dataSourcePath("plotlayout.txt"), diagram});
        ASSERT_EQ(dump.exitCode, 0) << dump.err;
        ASSERT_EQ(generated.exitCode, 0) << generated.err;
        EXPECT_EQ(dump.out, generated.out) << built;
        EXPECT_FALSE(dump.out.empty());
    }
}

TEST(ShippedReferenceFiles, TextFilesAreCopiedUnchanged) {
    for (const char* name :
         {"manufact.dat", "location.dat", "engines.dat", "armor.dat", "chassis.dat", "comsys.dat",
          "jumpjet.dat", "targsys.dat", "credits.dat", "plotlayout.txt"}) {
        EXPECT_EQ(app::readWholeFile(programFilePath(name)).value_or("<missing>"), sourceText(name))
            << name;
    }
}

TEST(ShippedReferenceFiles, ProgramLoadersReadEveryFileWithoutAMessage) {
    ScriptedUser user;
    app::ProgramContext ctx(programDirectory(), user);
    EXPECT_TRUE(catalog::LoadWeapons(ctx));
    catalog::LoadBVData(ctx);
    catalog::LoadPilotData(ctx);
    EXPECT_TRUE(catalog::LoadArmorPlot(ctx));
    EXPECT_TRUE(catalog::LoadInternalPlot(ctx));
    EXPECT_TRUE(catalog::TLoadCredits(ctx));
    for (const ShownMessage& m : user.messages) {
        ADD_FAILURE() << m.title << ": " << m.text;
    }
    EXPECT_TRUE(ctx.bvDataLoaded);
    EXPECT_TRUE(ctx.creditsLoaded);
    EXPECT_GE(ctx.weapons.size(), 379u);
    EXPECT_EQ(ctx.armorPlot.size(), 11u);
    EXPECT_EQ(ctx.internalPlot.size(), 8u);
    EXPECT_EQ(ctx.pilots.size(), 8u);
    EXPECT_FALSE(ctx.pilots.front().name.empty());
    EXPECT_EQ(ctx.credits.size(), 4u);
    for (const std::string& page : ctx.credits) {
        EXPECT_FALSE(page.empty());
    }
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

TEST(ShippedBVTables, OffensiveSpeedFactorsFollowThePublishedFormula) {
    const catalog::BVTables& t = builtBVTables();
    for (int s = 0; s <= 25; ++s) {
        const double exact = std::pow((s - 5) / 10.0 + 1, 1.2);
        // Rounded to two decimals, halves away from zero as the format does.
        const double expected = std::floor(exact * 100 + 0.5) / 100;
        EXPECT_DOUBLE_EQ(t.offensiveSpeedFactor[static_cast<std::size_t>(s)], expected) << s;
    }
    // Spot values of the published table, slow ratings included.
    EXPECT_DOUBLE_EQ(t.offensiveSpeedFactor[0], 0.44);
    EXPECT_DOUBLE_EQ(t.offensiveSpeedFactor[3], 0.77);
    EXPECT_DOUBLE_EQ(t.offensiveSpeedFactor[5], 1.0);
    EXPECT_DOUBLE_EQ(t.offensiveSpeedFactor[25], 3.74);
}

TEST(ShippedBVTables, DefensiveFactorsAndEngineMultipliers) {
    const catalog::BVTables& t = builtBVTables();
    for (int tmm = 0; tmm <= 5; ++tmm) {
        EXPECT_DOUBLE_EQ(t.defensiveMovementFactor[static_cast<std::size_t>(tmm)], 1 + tmm / 10.0);
    }
    // Fusion, large fusion and compact engines keep the full structure value; the lighter
    // engines lose part of it, Clan ones less than Inner Sphere ones.
    const double is[] = {1.5, 0.75, 0.375, 1.5, 0.75, 0.375, 1.5};
    const double clan[] = {1.5, 1.125, 0.75, 1.5, 1.125, 0.75, 1.5};
    for (std::size_t e = 0; e < 7; ++e) {
        EXPECT_DOUBLE_EQ(t.engineMultiplierIS[e], is[e]) << e;
        EXPECT_DOUBLE_EQ(t.engineMultiplierClan[e], clan[e]) << e;
    }
}

TEST(ShippedBVTables, SkillTableCoversEveryPairAndFavoursBetterPilots) {
    const catalog::BVTables& t = builtBVTables();
    double at[8][8] = {};
    bool seen[8][8] = {};
    for (const catalog::SkillMultiplier& s : t.skillMultiplier) {
        ASSERT_TRUE(s.gunnery >= 0 && s.gunnery <= 7 && s.piloting >= 0 && s.piloting <= 7);
        EXPECT_FALSE(seen[s.gunnery][s.piloting]) << s.gunnery << "/" << s.piloting;
        seen[s.gunnery][s.piloting] = true;
        at[s.gunnery][s.piloting] = s.multiplier;
        EXPECT_GT(s.multiplier, 0);
    }
    EXPECT_DOUBLE_EQ(at[4][5], 1.0);
    EXPECT_DOUBLE_EQ(at[0][0], 2.42);
    EXPECT_DOUBLE_EQ(at[7][7], 0.72);
    EXPECT_DOUBLE_EQ(at[3][4], 1.32);
    for (int g = 0; g < 8; ++g) {
        for (int p = 0; p < 8; ++p) {
            if (g > 0) {
                EXPECT_LT(at[g][p], at[g - 1][p]) << g << "/" << p;
            }
            if (p > 0) {
                EXPECT_LT(at[g][p], at[g][p - 1]) << g << "/" << p;
            }
        }
    }
}

struct PlotNeed {
    const char* file;
    const catalog::PlotFileKind* kind;
    std::vector<int> points; // the largest value of each location
};

TEST(ShippedPlotFiles, EveryLocationHoldsItsLargestValueAndNoPointsTouch) {
    const PlotNeed needs[] = {
        {"ArmrPlt.Bin", &catalog::kArmorPlotFile, {42, 42, 42, 42, 42, 42, 62, 9, 42, 42, 62}},
        {"IntrnPlt.Bin", &catalog::kInternalPlotFile, {21, 21, 21, 21, 21, 21, 31, 3}},
    };
    struct Circle {
        int x, y, r;
        std::string where;
    };
    std::vector<Circle> all; // both diagrams share the sheet
    for (const PlotNeed& need : needs) {
        const auto bytes = app::readWholeFile(programFilePath(need.file));
        auto result = catalog::parsePlotFile(bytes.value_or(""), *need.kind);
        ASSERT_TRUE(result.ok()) << need.file;
        const catalog::PlotTable& table = result.value;
        ASSERT_EQ(table.size(), need.points.size());
        for (std::size_t loc = 0; loc < table.size(); ++loc) {
            const catalog::PlotRecord& r = table[loc];
            EXPECT_GE(r.x.size(), static_cast<std::size_t>(need.points[loc]))
                << need.file << " location " << loc;
            EXPECT_EQ(r.x.size(), r.y.size());
            EXPECT_GT(r.pointSize, 0);
            catalog::PlotPoint point;
            const bool last = need.kind == &catalog::kArmorPlotFile
                                  ? catalog::gGetArmorPlotPoint(table, static_cast<int>(loc),
                                                                need.points[loc] - 1, point)
                                  : catalog::gGetInternalPlotPoint(table, static_cast<int>(loc),
                                                                   need.points[loc] - 1, point);
            EXPECT_TRUE(last) << need.file << " location " << loc;
            for (std::size_t i = 0; i < r.x.size(); ++i) {
                // The diagram region of the sheet: 0 to 320 plot units across and down.
                EXPECT_TRUE(r.x[i] - r.pointSize >= 0 && r.x[i] + r.pointSize <= 320);
                EXPECT_TRUE(r.y[i] - r.pointSize >= 0 && r.y[i] + r.pointSize <= 320);
                all.push_back({r.x[i], r.y[i], r.pointSize,
                               std::string(need.file) + " location " + std::to_string(loc)});
            }
        }
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const double dx = all[i].x - all[j].x;
            const double dy = all[i].y - all[j].y;
            if (std::sqrt(dx * dx + dy * dy) <= all[i].r + all[j].r) {
                ADD_FAILURE() << all[i].where << " (" << all[i].x << "," << all[i].y << ") touches "
                              << all[j].where << " (" << all[j].x << "," << all[j].y << ")";
            }
        }
    }
}

} // namespace
} // namespace fpw::testing
