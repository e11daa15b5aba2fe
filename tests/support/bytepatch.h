// Changes a little-endian number inside a file's bytes, for tests that damage a field on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fpw::testing {

// `bytes` with the `width` bytes at `at` replaced by `value`, low byte first.
inline std::string patchLittleEndian(std::string bytes, std::size_t at, std::uint64_t value,
                                     std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes.at(at + i) = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

} // namespace fpw::testing
