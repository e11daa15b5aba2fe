// Every input kept for the fuzz targets (their seed corpora and each input that once failed)
// read again through the ordinary build: a reader that regresses fails here first.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/files.h"
#include "catalog/weapondatabase.h"
#include "fuzz/readerfuzzer.h"
#include "io/designfile.h"
#include "io/designkit.h"
#include "support/golden.h"
#include "support/shippedcontext.h"

namespace fpw::fuzzing {
namespace {

namespace fs = std::filesystem;

class ReaderCorpus : public ::testing::TestWithParam<std::string_view> {};

TEST_P(ReaderCorpus, EveryKeptInputReadsCleanly) {
    ReaderFuzzer fuzzer(testing::builtProgramDirectory());
    int inputs = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(FPW_TESTS_SOURCE_DIR) / "fuzz" / kind / GetParam();
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(folder)) {
            const auto bytes = app::readWholeFile(entry.path().string());
            ASSERT_TRUE(bytes.has_value()) << entry.path();
            EXPECT_EQ(fuzzer.run(GetParam(), *bytes), "") << entry.path();
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0) << "no seed corpus for " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(EveryReader, ReaderCorpus, ::testing::ValuesIn(readerNames()),
                         [](const auto& info) { return std::string(info.param); });

// The design target's seeds are what the writer makes of the design kit's designs, so that a
// change of the format renews them (FPW_UPDATE_GOLDEN rewrites them; the first were checked by
// opening each with the command-line tool's info).
TEST(ReaderCorpusSeeds, DesignSeedsAreTheWritersOutput) {
    namespace dk = testing::designkit;
    dk::Kit kit;
    const std::vector<std::pair<std::string, model::Mech>> designs{
        {"plain.fpm", dk::plainDesign(kit.ctx)},
        {"quad.fpm", dk::quadDesign(kit.ctx)},
        {"lam.fpm", dk::lamDesign(kit.ctx)},
        {"mixedtech.fpm", dk::mixedTechDesign(kit.ctx)},
        {"weaponless.fpm", dk::weaponlessDesign(kit.ctx)},
        {"lockedomni.fpm", dk::lockedOmniDesign(kit.ctx)}};
    for (const auto& [name, mech] : designs) {
        testing::expectMatchesGolden(io::writeDesignFile(mech), std::string(FPW_TESTS_SOURCE_DIR) +
                                                                    "/fuzz/corpus/design/" + name);
    }
}

// A database of a few weapons (the first ones, one from the middle, the last) keeps the weapon
// target's inputs small and its runs fast; the full database is a seed beside it. Written by
// FPW_UPDATE_GOLDEN; checked by hand by the record count and names in a hex dump.
TEST(ReaderCorpusSeeds, SmallWeaponSeedIsTheWritersOutput) {
    testing::ShippedContext shipped;
    const catalog::WeaponTable& all = shipped.ctx.weapons;
    ASSERT_GT(all.size(), 8u);
    catalog::WeaponTable few{all.begin(), all.begin() + 4};
    few.push_back(all[all.size() / 2]);
    few.push_back(all.back());
    testing::expectMatchesGolden(catalog::writeWeaponDatabase(few),
                                 std::string(FPW_TESTS_SOURCE_DIR) +
                                     "/fuzz/corpus/weapons/few.bin");
}

} // namespace
} // namespace fpw::fuzzing
