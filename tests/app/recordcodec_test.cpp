#include "app/recordcodec.h"

#include <gtest/gtest.h>

#include <tuple>

namespace fpw::app {
namespace {

template <std::size_t N> std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// Every kind of value written, compared whole with its layout, and read back.
TEST(RecordCodec, EveryKindOfValueInItsLittleEndianLayoutAndBack) {
    RecordWriter writer;
    writer.integer(-2);
    writer.boolean(true);
    writer.boolean(false);
    writer.longValue(0x01020304);
    writer.doubleValue(1.5);
    writer.string("Café €5 ✓"); // Windows-1252 in the file; what it cannot hold becomes "?"
    writer.fixedText("Forgeplanwork Mech", 20);
    writer.fixedText("A name longer than the width", 6);
    writer.integerArray({});
    writer.integerArray({7, -1}, 3);
    writer.stringArray({"a", "bc"});
    writer.lastIndexPrefix(0);
    writer.lastIndexPrefix(3);
    EXPECT_EQ(writer.bytes(), bytes("\xFE\xFF\xFF\xFF\0\0\x04\x03\x02\x01\0\0\0\0\0\0\xF8\x3F") +
                                  bytes("\x09\0"
                                        "Caf\xE9 \x80"
                                        "5 ?"
                                        "Forgeplanwork Mech  "
                                        "A name") +
                                  bytes("\0\0\x01\0\x02\0\0\0\x03\0\0\0\x07\0\xFF\xFF") +
                                  bytes("\x01\0\x02\0\0\0\0\0\0\0\x01\0"
                                        "a\x02\0"
                                        "bc\xFF\xFF\x02\0"));

    RecordReader reader(writer.bytes());
    // A braced list reads in order.
    const std::tuple read{reader.integer(),   reader.boolean(),     reader.boolean(),
                          reader.longValue(), reader.doubleValue(), reader.string(),
                          reader.header(20),  reader.fixedText(6)};
    EXPECT_EQ(read,
              std::tuple(std::int16_t{-2}, true, false, 0x01020304, 1.5, std::string("Café €5 ?"),
                         std::string("Forgeplanwork Mech"), std::string("A name")));
    EXPECT_TRUE(reader.integerArray().empty());
    std::int32_t lowerBound = 0;
    EXPECT_EQ(reader.integerArray(&lowerBound), (std::vector<std::int16_t>{7, -1}));
    EXPECT_EQ(lowerBound, 3);
    EXPECT_EQ(reader.stringArray(), (std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(reader.integer(), -1);
    EXPECT_EQ(reader.integer(), 2);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(toFileInteger(40000), std::length_error);
    // A longer string is cut at the 16-bit length limit.
    RecordWriter longText;
    longText.string(std::string(70000, 'x'));
    EXPECT_EQ(RecordReader(longText.bytes()).string().size(), 65535u);
}

// Each of these must end in a clean ReadError: never a crash, never a huge allocation.
TEST(RecordCodec, DamagedInputIsACleanReadError) {
    using Read = void (*)(RecordReader&);
    const Read integer = [](RecordReader& r) { r.integer(); };
    const Read integers = [](RecordReader& r) { r.integerArray(); };
    const Read lastIndex = [](RecordReader& r) { r.lastIndexPrefix(1); };
    const std::tuple<const char*, std::string, Read> cases[] = {
        {"integer past the end", bytes("\x01"), integer},
        {"double past the end", std::string(7, '\0'), [](RecordReader& r) { r.doubleValue(); }},
        {"string longer than the file", bytes("\x10\0abc"), [](RecordReader& r) { r.string(); }},
        {"negative array count", bytes("\x01\0\xFF\xFF\xFF\xFF\0\0\0\0"), integers},
        {"array count beyond the file", bytes("\x01\0\xFF\xFF\xFF\x7F\0\0\0\0"),
         [](RecordReader& r) { r.stringArray(); }},
        {"two-dimensional array", bytes("\x02\0\x01\0\0\0\0\0\0\0"), integers},
        {"last index below -1", bytes("\xFE\xFF"), lastIndex},
        {"last index beyond the file", bytes("\xFF\x7F"), lastIndex},
        {"fixed text past the end", "Forge", [](RecordReader& r) { r.header(30); }},
    };
    for (const auto& [what, input, read] : cases) {
        RecordReader reader(input);
        EXPECT_THROW(read(reader), ReadError) << what;
    }
}

} // namespace
} // namespace fpw::app
