// The editor soak from fixed seeds. FPW_SOAK_ACTIONS sets the lines per seed: the default is
// the short run every test run makes; the long run is
//   FPW_SOAK_ACTIONS=100000 ctest --preset default -L soak
#include "soak/editorsoak.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "support/shippedcontext.h"
#include "support/tempdir.h"

namespace fpw::soak {
namespace {

long actionsPerSeed() {
    const char* set = std::getenv("FPW_SOAK_ACTIONS");
    return set != nullptr ? std::atol(set) : 300;
}

class EditorSoak : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(EditorSoak, EveryCheckHoldsAfterEveryAction) {
    testing::TempDir files;
    const long actions = actionsPerSeed();
    const SoakResult result =
        soakEditor(GetParam(), actions, testing::builtProgramDirectory(), files.path());
    std::cout << "seed " << GetParam() << ": " << result.actions << " actions, " << result.refused
              << " refused\n";
    EXPECT_TRUE(result.violation.empty()) << describe(result);
    EXPECT_EQ(result.actions, actions);
    // A soak that only ever bounces off refusals proves nothing about the editor's changes.
    EXPECT_LT(result.refused, result.actions);
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, EditorSoak, ::testing::Values(1u, 7u, 42u, 2026u));

} // namespace
} // namespace fpw::soak
