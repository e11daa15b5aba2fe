// Whole files read into memory that is kept from one file to the next.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace fpw::app {

// Memory for reading whole files one after another. A batch over thousands of designs pays for
// it once, instead of an allocation, a zero fill and a free per file. One thread at a time.
class ReadBuffer {
public:
    // The whole regular file at `path`, valid until the next call; nothing when it cannot be
    // opened or read, or is no regular file (a folder, a device, a pipe).
    std::optional<std::string_view> readWholeFile(const std::string& path);
    // Keeps bytes read some other way under the same rule.
    std::string_view hold(std::string bytes);

private:
    // Makes room for `size` bytes, keeping the first `keep`.
    void reserve(std::size_t size, std::size_t keep);

    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
    std::string held_;
};

} // namespace fpw::app
