#include "app/filelayer.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "app/files.h"
#include "app/readbuffer.h"

namespace fpw::app {
namespace {

class DiskFile : public OutputFile {
public:
    explicit DiskFile(std::FILE* file) : file_(file) {}
    ~DiskFile() override {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    bool write(std::string_view bytes) override {
        return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
    }
    bool flush() override { return std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0; }
    bool close() override {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return closed;
    }

private:
    std::FILE* file_;
};

class DiskFileLayer : public FileLayer {
public:
    std::unique_ptr<OutputFile> create(const std::string& path) override {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return nullptr;
        }
        return std::make_unique<DiskFile>(file);
    }
    bool rename(const std::string& from, const std::string& to, std::string& error) override {
        std::error_code ec;
        std::filesystem::rename(from, to, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
        return true;
    }
    void remove(const std::string& path) override {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    std::optional<std::string_view> readBuffered(const std::string& path,
                                                 ReadBuffer& buffer) override {
        return buffer.readWholeFile(path);
    }
};

} // namespace

std::optional<std::string> FileLayer::read(const std::string& path) {
    return readWholeFile(path);
}

std::optional<std::string_view> FileLayer::readBuffered(const std::string& path,
                                                        ReadBuffer& buffer) {
    std::optional<std::string> bytes = read(path);
    if (!bytes) {
        return std::nullopt;
    }
    return buffer.hold(std::move(*bytes));
}

bool FileLayer::exists(const std::string& path) {
    return fileExists(path);
}

FileLayer& diskFileLayer() {
    static DiskFileLayer disk;
    return disk;
}

} // namespace fpw::app
