// Text conversion between the files' Windows-1252 ("ANSI") bytes and the UTF-8 strings
// the program holds in memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/wordload.h"

namespace fpw::app {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same value, as Windows itself does.
std::string ansiToUtf8(std::string_view ansi);

namespace detail {
// Gathers the next `Word` of the text into `high` when that many bytes are left.
template <typename Word> void gatherWord(const char*& p, std::size_t& n, std::uint64_t& high) {
    if (n >= sizeof(Word)) {
        high |= loadWord<Word>(p);
        p += sizeof(Word);
        n -= sizeof(Word);
    }
}
} // namespace detail

// True when every byte is below 0x80: the same text in both encodings.
inline bool isPlainAscii(std::string_view text) {
    // The texts are short (item identifiers, slot texts): their bytes are gathered in a few
    // wide loads, of 8, 4, 2 and 1 bytes, and their high bits tested once.
    const char* p = text.data();
    std::size_t n = text.size();
    std::uint64_t high = 0;
    while (n >= sizeof(std::uint64_t)) {
        detail::gatherWord<std::uint64_t>(p, n, high);
    }
    detail::gatherWord<std::uint32_t>(p, n, high);
    detail::gatherWord<std::uint16_t>(p, n, high);
    detail::gatherWord<std::uint8_t>(p, n, high);
    return (high & 0x8080808080808080u) == 0;
}

// The same into `out`, reusing its storage for plain ASCII. Inline: a design file converts
// thousands of short texts.
inline void assignAnsiAsUtf8(std::string& out, std::string_view ansi) {
    if (ansi.empty()) { // a free slot's identifier
        out.clear();
    } else if (isPlainAscii(ansi)) {
        out.assign(ansi);
    } else {
        out = ansiToUtf8(ansi);
    }
}

// The same as ansiToUtf8, built in place for plain ASCII. Inline for the same reason.
inline std::string ansiAsUtf8(std::string_view ansi) {
    return isPlainAscii(ansi) ? std::string(ansi) : ansiToUtf8(ansi);
}

// Characters Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string utf8ToAnsi(std::string_view utf8);

} // namespace fpw::app
