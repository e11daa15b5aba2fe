#include "app/files.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <system_error>

#include "app/filelayer.h"
#include "app/readbuffer.h"

namespace fpw::app {
namespace fs = std::filesystem;

std::optional<std::string> readWholeFile(const std::string& path) {
    ReadBuffer buffer;
    const std::optional<std::string_view> bytes = buffer.readWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(*bytes);
}

bool writeFileAtomically(FileLayer& files, const std::string& path, std::string_view bytes,
                         std::string* error) {
    const auto fail = [&](const std::string& what) {
        if (error != nullptr) {
            *error = what;
        }
        return false;
    };
    const fs::path target(path);
    std::random_device entropy;
    // Appended piece by piece: GCC 12 reports a false overlap for const char* + string chains.
    std::string hiddenName(1, '.');
    hiddenName.append(target.filename().string());
    hiddenName.push_back('.');
    hiddenName.append(std::to_string(entropy()));
    hiddenName.append(".tmp");
    const std::string temporary = (target.parent_path() / hiddenName).string();
    std::unique_ptr<OutputFile> out = files.create(temporary);
    if (!out) {
        return fail("Path/File access error: cannot create " + temporary);
    }
    const auto discard = [&](std::string_view what) {
        out.reset();
        files.remove(temporary);
        std::string text(what);
        text += temporary;
        return fail(text);
    };
    for (std::size_t at = 0; at < bytes.size(); at += kWriteChunk) {
        if (!out->write(bytes.substr(at, kWriteChunk))) {
            return discard("Disk full or write error: ");
        }
    }
    if (!out->flush() || !out->close()) {
        return discard("Disk full or write error: ");
    }
    out.reset();
    std::string renameError;
    if (!files.rename(temporary, path, renameError)) {
        files.remove(temporary);
        return fail("Cannot replace " + path + ": " + renameError);
    }
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    return writeFileAtomically(diskFileLayer(), path, bytes, error);
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}

bool isPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (!path.empty() && !isPathSeparator(path.back())) {
        path += static_cast<char>(fs::path::preferred_separator);
    }
    path += name;
    return path;
}

} // namespace fpw::app
