#include "app/parameters.h"

#include <gtest/gtest.h>

#include "support/contextfixture.h"

namespace fpw::app {
namespace {

struct ParmExistsTest : ::testing::Test, testing::ContextFixture {};

TEST_F(ParmExistsTest, WholeLinesMatchWithoutRegardToCaseAndWithoutTrimming) {
    EXPECT_FALSE(ParmExists(ctx, parameter::kCustomPrices)) << "no file, no parameter";
    EXPECT_FALSE(ParmExists(ctx, ""));
    dir.write("parm.txt", "custom prices\r\n VerboseLog\r\nClan LAMs \r\nMUX SAVING");
    EXPECT_TRUE(ParmExists(ctx, parameter::kCustomPrices));
    EXPECT_FALSE(ParmExists(ctx, parameter::kVerboseLog)) << "a leading blank is another line";
    EXPECT_FALSE(ParmExists(ctx, parameter::kClanLAMs)) << "a trailing blank is another line";
    EXPECT_TRUE(ParmExists(ctx, parameter::kMuxSaving)) << "the last line needs no line end";
    EXPECT_FALSE(ParmExists(ctx, "Custom")) << "part of a line is not the line";
    // Line ends of either kind and a byte order mark; the file is read anew for every query.
    dir.write("parm.txt", "\xEF\xBB\xBFVerboseLog\nClan LAMs\r\n\r\n");
    EXPECT_TRUE(ParmExists(ctx, parameter::kVerboseLog));
    EXPECT_TRUE(ParmExists(ctx, parameter::kClanLAMs));
    EXPECT_FALSE(ParmExists(ctx, parameter::kMuxSaving));
    EXPECT_TRUE(ParmExists(ctx, "")) << "the empty line is a line";
}

} // namespace
} // namespace fpw::app
