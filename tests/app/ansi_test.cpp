#include "app/ansi.h"

#include <string>

#include <gtest/gtest.h>

namespace fpw::app {
namespace {

// The plain-ASCII test reads a text in pieces of 8, 4, 2 and 1 bytes: one byte above 0x7F at
// every place of every length up to two full words must be seen, whichever piece holds it.
TEST(Ansi, OneHighByteAnywhereMakesTheTextConverted) {
    for (std::size_t length = 0; length <= 17; ++length) {
        const std::string ascii(length, 'a');
        EXPECT_TRUE(isPlainAscii(ascii)) << length;
        std::string out = "old text that is longer than fifteen";
        assignAnsiAsUtf8(out, ascii);
        EXPECT_EQ(out, ascii);
        for (std::size_t place = 0; place < length; ++place) {
            std::string text = ascii;
            text[place] = '\xE9'; // "é" in Windows-1252
            EXPECT_FALSE(isPlainAscii(text)) << length << " " << place;
            assignAnsiAsUtf8(out, text);
            EXPECT_EQ(out, ansiToUtf8(text)) << length << " " << place;
            EXPECT_EQ(out.size(), length + 1) << length << " " << place; // two bytes in UTF-8
        }
    }
}

} // namespace
} // namespace fpw::app
