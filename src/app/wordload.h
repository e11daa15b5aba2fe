// Short texts compared or tested a machine word at a time.
#pragma once

#include <cstring>

namespace fpw::app {

// The `Word` at `p`, wherever it lies: one unaligned load.
template <typename Word> Word loadWord(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

} // namespace fpw::app
