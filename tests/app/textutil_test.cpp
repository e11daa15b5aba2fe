#include "app/textutil.h"

#include <gtest/gtest.h>

namespace fpw::app {
namespace {

TEST(TextUtil, ZReplaceMakesOnePassFromTheLeft) {
    EXPECT_EQ(zReplace("@%0 (%2)", "%0", "x%0y"), "@x%0y (%2)");
    EXPECT_EQ(zReplace("@%0 [%1] (%2)", "%2", "10"), "@%0 [%1] (10)");
    EXPECT_EQ(zReplace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(zReplace("abcabc", "bc", ""), "aa");
    EXPECT_EQ(zReplace("abc", "", "x"), "abc");
    EXPECT_EQ(zReplace("", "a", "b"), "");
}

TEST(TextUtil, PathPartsAcceptBothSeparators) {
    EXPECT_EQ(zGetPathFromFile("C:\\Mechs\\Atlas.FPM"), "C:\\Mechs\\");
    EXPECT_EQ(zGetPathFromFile("/home/p/mechs/Atlas.FPM"), "/home/p/mechs/");
    EXPECT_EQ(zGetPathFromFile("C:\\Mechs/sub\\Atlas.FPM"), "C:\\Mechs/sub\\");
    EXPECT_EQ(zGetPathFromFile("Atlas.FPM"), "");
    EXPECT_EQ(zGetFileFromPath("C:\\Mechs\\Atlas.FPM"), "Atlas.FPM");
    EXPECT_EQ(zGetFileFromPath("/home/p/Atlas.FPM"), "Atlas.FPM");
    EXPECT_EQ(zGetFileFromPath("Atlas.FPM"), "");
    EXPECT_EQ(zGetFileFromPath("C:\\Mechs\\"), "");
}

TEST(TextUtil, ZRemoveExtensionKeepsEverythingBeforeTheLastFullStop) {
    EXPECT_EQ(zRemoveExtension("Atlas.AS7-D.FPM"), "Atlas.AS7-D");
    EXPECT_EQ(zRemoveExtension("C:\\Mechs\\Atlas.FPM"), "C:\\Mechs\\Atlas");
    EXPECT_EQ(zRemoveExtension("Atlas"), "");
    EXPECT_EQ(zRemoveExtension("/data/v1.2/Atlas"), "");
    EXPECT_EQ(zRemoveExtension("/data/v1.2/Atlas.hst"), "/data/v1.2/Atlas");
    EXPECT_EQ(zRemoveExtension(".hidden"), "");
}

TEST(TextUtil, AppendWithSeparator) {
    EXPECT_EQ(gAppendWithSeparator("", "LRM-20", ","), "LRM-20");
    EXPECT_EQ(gAppendWithSeparator("AC/20", "LRM-20", ", "), "AC/20, LRM-20");
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
