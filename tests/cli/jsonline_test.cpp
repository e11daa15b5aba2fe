// The pieces of `info`'s JSON line that are written by hand: texts, which must come out as the
// JSON library escapes them, and doubles, which must come out as std::to_chars writes them.
#include <charconv>
#include <climits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "infocommand.h"

namespace fpw::cli {
namespace {

// What the line held before doubles of whole hundredths got their own writer: the shortest
// text that reads back as the same value, ".0" after one with digits only.
std::string formatterText(double value) {
    char buffer[kJsonDoubleLength];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    if (text.find_first_not_of("-0123456789") == std::string::npos)
        text += ".0";
    return text;
}

std::string written(double value) {
    char buffer[kJsonDoubleLength];
    return std::string(buffer, writeJsonDouble(buffer, value));
}

TEST(JsonLine, IntegersReadAsToCharsWritesThem) {
    // Both sides of each length the direct writers handle, and the range's ends.
    for (const long long value :
         {0LL,        1LL,        9LL,          10LL,         11LL,         42LL,
          90LL,       99LL,       100LL,        101LL,        999LL,        1000LL,
          12345678LL, 22000832LL, 1000000000LL, 2147483647LL, 9999999999LL, 10000000000LL,
          -1LL,       -9LL,       -10LL,        -99LL,        -100LL,       -2147483648LL,
          LLONG_MAX,  LLONG_MIN}) {
        char expected[kJsonIntegerLength];
        char buffer[kJsonIntegerLength];
        EXPECT_EQ(
            std::string(buffer, writeJsonInteger(buffer, value)),
            std::string(expected, std::to_chars(expected, expected + sizeof expected, value).ptr));
    }
}

TEST(JsonLine, DoublesReadAsTheGeneralFormatterWritesThem) {
    // Every hundredth near zero, where tonnages lie, and a stride through the rest of the range
    // written directly; then values on either side of it and those the formatter keeps.
    for (long long n = -100000; n <= 100000; ++n)
        ASSERT_EQ(written(n / 100.0), formatterText(n / 100.0)) << n;
    for (long long n = -999999; n <= 999999; n += 7)
        ASSERT_EQ(written(n / 100.0), formatterText(n / 100.0)) << n;
    for (const double value : {10000.0, -10000.0, 9999.995, 0.1 + 0.2, 1.0 / 3, 0.001, -0.0,
                               123456.5, 1e20, 5e-324, 54.499999999999993})
        EXPECT_EQ(written(value), formatterText(value)) << value;
}

TEST(JsonLine, TextsAreEscapedAsTheJsonLibraryEscapesThem) {
    // Names far longer than the room a line starts with make it grow, plain or escaped.
    const std::string longPlain(3000, 'x');
    const std::string longEscaped(1000, '"');
    const std::string_view cases[] = {
        longPlain,     longEscaped,     "Atlas",    "AS7-D \"Dallas\"",
        "back\\slash", "tab\there",     "line\r\n", "del\x7f",
        "Caf\xc3\xa9", "bad \xff byte", "",         "/plain/path-1_2.FPM"};
    for (const std::string_view name : cases) {
        DesignRow row;
        row.file = "d.FPM";
        row.name = name;
        row.model = name;
        const std::string text =
            nlohmann::json(name).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        const std::string line = jsonLine(row);
        EXPECT_NE(line.find("\"name\":" + text + ",\"model\":" + text + ",\"config\":null"),
                  std::string::npos)
            << line;
        // The library reads the line back whole.
        EXPECT_TRUE(nlohmann::json::accept(line)) << line;
    }
}

} // namespace
} // namespace fpw::cli
