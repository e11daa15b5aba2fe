#include "app/recordcodec.h"

#include <gtest/gtest.h>

namespace fpw::app {
namespace {

TEST(RecordCodec, ValuesRoundTripInLittleEndianOrder) {
    RecordWriter writer;
    writer.integer(-2);
    writer.boolean(true);
    writer.boolean(false);
    writer.longValue(0x01020304);
    writer.doubleValue(1.5);
    writer.string("Gauss");
    const std::string& bytes = writer.bytes();
    ASSERT_EQ(bytes.size(), 2u + 2 + 2 + 4 + 8 + 2 + 5);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFE\xFF", 2));
    EXPECT_EQ(bytes.substr(2, 2), std::string("\xFF\xFF", 2));
    EXPECT_EQ(bytes.substr(6, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(18, 7), std::string("\x05\x00Gauss", 7));

    RecordReader reader(bytes);
    EXPECT_EQ(reader.integer(), -2);
    EXPECT_TRUE(reader.boolean());
    EXPECT_FALSE(reader.boolean());
    EXPECT_EQ(reader.longValue(), 0x01020304);
    EXPECT_EQ(reader.doubleValue(), 1.5);
    EXPECT_EQ(reader.string(), "Gauss");
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordCodec, TextIsWindows1252InTheFile) {
    RecordWriter writer;
    writer.string("Café €5 ✓");
    EXPECT_EQ(writer.bytes(), std::string("\x09\x00" "Caf\xE9 \x80" "5 ?", 11));
    RecordReader reader(writer.bytes());
    EXPECT_EQ(reader.string(), "Café €5 ?");
}

TEST(RecordCodec, FixedTextIsPaddedOrCutAndHeadersAreTrimmed) {
    RecordWriter writer;
    writer.fixedText("Forgeplanwork Mech", 25);
    writer.fixedText("A name much longer than twenty-five", 25);
    ASSERT_EQ(writer.bytes().size(), 50u);
    EXPECT_EQ(writer.bytes().substr(0, 25), "Forgeplanwork Mech       ");
    RecordReader reader(writer.bytes());
    EXPECT_EQ(reader.header(25), "Forgeplanwork Mech");
    EXPECT_EQ(reader.fixedText(25), "A name much longer than t");
}

TEST(RecordCodec, LongStringsAreCutAtTheLengthLimit) {
    RecordWriter writer;
    writer.string(std::string(70000, 'x'));
    RecordReader reader(writer.bytes());
    EXPECT_EQ(reader.string().size(), 65535u);
}

TEST(RecordCodec, ArraysCarryDimensionCountAndBounds) {
    RecordWriter writer;
    writer.integerArray({});
    writer.integerArray({7, -1}, 3);
    writer.stringArray({"a", "bc"});
    EXPECT_EQ(writer.bytes().substr(0, 2), std::string("\0\0", 2));
    EXPECT_EQ(writer.bytes().substr(2, 10), std::string("\x01\x00\x02\0\0\0\x03\0\0\0", 10));

    RecordReader reader(writer.bytes());
    EXPECT_TRUE(reader.integerArray().empty());
    std::int32_t lowerBound = 0;
    EXPECT_EQ(reader.integerArray(&lowerBound), (std::vector<std::int16_t>{7, -1}));
    EXPECT_EQ(lowerBound, 3);
    EXPECT_EQ(reader.stringArray(), (std::vector<std::string>{"a", "bc"}));
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordCodec, LastIndexPrefixCountsRecords) {
    RecordWriter writer;
    writer.lastIndexPrefix(0);
    writer.lastIndexPrefix(3);
    RecordReader reader(writer.bytes());
    EXPECT_EQ(reader.integer(), -1);
    EXPECT_EQ(reader.integer(), 2);
    EXPECT_THROW(toFileInteger(40000), std::length_error);
}

// Each of these must end in a clean ReadError: never a crash, never a huge allocation.
struct DamagedCase {
    const char* what;
    std::string bytes;
    void (*read)(RecordReader&);
};

TEST(RecordCodec, DamagedInputIsACleanReadError) {
    const std::vector<DamagedCase> cases = {
        {"integer past the end", std::string("\x01", 1), [](RecordReader& r) { r.integer(); }},
        {"double past the end", std::string(7, '\0'), [](RecordReader& r) { r.doubleValue(); }},
        {"string longer than the file", std::string("\x10\x00" "abc", 5),
         [](RecordReader& r) { r.string(); }},
        {"negative array count", std::string("\x01\x00\xFF\xFF\xFF\xFF\0\0\0\0", 10),
         [](RecordReader& r) { r.integerArray(); }},
        {"array count beyond the file", std::string("\x01\x00\xFF\xFF\xFF\x7F\0\0\0\0", 10),
         [](RecordReader& r) { r.stringArray(); }},
        {"two-dimensional array", std::string("\x02\x00\x01\0\0\0\0\0\0\0", 10),
         [](RecordReader& r) { r.integerArray(); }},
        {"last index below -1", std::string("\xFE\xFF", 2),
         [](RecordReader& r) { r.lastIndexPrefix(1); }},
        {"last index beyond the file", std::string("\xFF\x7F", 2),
         [](RecordReader& r) { r.lastIndexPrefix(1); }},
        {"fixed text past the end", std::string("Forge", 5),
         [](RecordReader& r) { r.header(30); }},
    };
    for (const auto& c : cases) {
        RecordReader reader(c.bytes);
        EXPECT_THROW(c.read(reader), ReadError) << c.what;
    }
}

} // namespace
} // namespace fpw::app
