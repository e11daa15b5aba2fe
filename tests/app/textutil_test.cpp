#include "app/textutil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fpw::app {
namespace {

TEST(TextUtil, ZReplaceMakesOnePassFromTheLeft) {
    EXPECT_EQ(zReplace("@%0 (%2)", "%0", "x%0y"), "@x%0y (%2)");
    EXPECT_EQ(zReplace("@%0 [%1] (%2)", "%2", "10"), "@%0 [%1] (10)");
    EXPECT_EQ(zReplace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(zReplace("abcabc", "bc", ""), "aa");
    EXPECT_EQ(zReplace("abc", "", "x"), "abc");
    EXPECT_EQ(zReplace("", "a", "b"), "");
    EXPECT_EQ(gAppendWithSeparator("", "LRM-20", ","), "LRM-20");
    EXPECT_EQ(gAppendWithSeparator("AC/20", "LRM-20", ", "), "AC/20, LRM-20");
}

TEST(TextUtil, PathPartsAcceptBothSeparators) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(
        (Texts{zGetPathFromFile("C:\\Mechs\\Atlas.FPM"), zGetPathFromFile("/home/p/Atlas.FPM"),
               zGetPathFromFile("C:\\Mechs/sub\\Atlas.FPM"), zGetPathFromFile("Atlas.FPM")}),
        (Texts{"C:\\Mechs\\", "/home/p/", "C:\\Mechs/sub\\", ""}));
    EXPECT_EQ(
        (Texts{zGetFileFromPath("C:\\Mechs\\Atlas.FPM"), zGetFileFromPath("/home/p/Atlas.FPM"),
               zGetFileFromPath("Atlas.FPM"), zGetFileFromPath("C:\\Mechs\\")}),
        (Texts{"Atlas.FPM", "Atlas.FPM", "", ""}));
    // Everything before the last full stop of the file name.
    EXPECT_EQ((Texts{zRemoveExtension("Atlas.AS7-D.FPM"), zRemoveExtension("Atlas"),
                     zRemoveExtension("/data/v1.2/Atlas"), zRemoveExtension("/data/v1.2/Atlas.hst"),
                     zRemoveExtension(".hidden")}),
              (Texts{"Atlas.AS7-D", "", "", "/data/v1.2/Atlas", ""}));
}

TEST(TextUtil, SplitLinesEndsLinesAtCrLfLfAndLoneCr) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\r\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines(""), Lines{});
}

} // namespace
} // namespace fpw::app
