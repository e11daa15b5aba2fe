// Whole-file reading and atomic writing, and the program's path conventions.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fpw::app {

class FileLayer;

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// Writes `bytes` to a temporary file in the target's folder and renames it over the target,
// so a failed write leaves the old file as it was. On failure returns false and, when
// `error` is given, a description of what failed.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);
// The same through `files`, which writes the bytes in pieces of `kWriteChunk`.
bool writeFileAtomically(FileLayer& files, const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);
inline constexpr std::size_t kWriteChunk = 4096;

// True when the path names a regular file that can be opened for reading.
bool fileExists(const std::string& path);
inline bool gFileExists(const std::string& path) {
    return fileExists(path);
}

// `directory` and `name` joined with the platform's separator; `directory` may end in either
// "\" or "/" already.
std::string joinPath(std::string_view directory, std::string_view name);

// Both "\" and "/" separate folders in paths the program is given.
bool isPathSeparator(char c);

} // namespace fpw::app
