// A fresh folder for one test, removed afterwards.
#pragma once

#include <string>
#include <string_view>

namespace fpw::testing {

// The file's bytes, or an empty string when it cannot be read.
std::string readFile(const std::string& path);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const;
    // Writes `bytes` to `name` inside the folder and returns the full path.
    std::string write(std::string_view name, std::string_view bytes) const;
    // The file's bytes, or an empty string when it cannot be read.
    std::string read(std::string_view name) const;

private:
    std::string path_;
};

} // namespace fpw::testing
