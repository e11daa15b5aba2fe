#include "support/faultyfilelayer.h"

namespace fpw::testing {
namespace {

class FaultyFile : public app::OutputFile {
public:
    FaultyFile(FaultyFileLayer& layer, std::unique_ptr<app::OutputFile> disk)
        : layer_(layer), disk_(std::move(disk)) {}
    // A failing write still puts part of its bytes on the disk, as a full disk would.
    bool write(std::string_view bytes) override {
        if (!layer_.allow("write")) {
            disk_->write(bytes.substr(0, bytes.size() / 2));
            return false;
        }
        return disk_->write(bytes);
    }
    bool flush() override { return layer_.allow("flush") && disk_->flush(); }
    bool close() override {
        const bool allowed = layer_.allow("close");
        return disk_->close() && allowed;
    }

private:
    FaultyFileLayer& layer_;
    std::unique_ptr<app::OutputFile> disk_;
};

} // namespace

void FaultyFileLayer::reset(int failingOperation) {
    failAt = failingOperation;
    operations.clear();
}

bool FaultyFileLayer::allow(const std::string& name) {
    operations.push_back(name);
    return static_cast<int>(operations.size()) != failAt;
}

std::unique_ptr<app::OutputFile> FaultyFileLayer::create(const std::string& path) {
    if (!allow("create")) {
        return nullptr;
    }
    std::unique_ptr<app::OutputFile> disk = app::diskFileLayer().create(path);
    if (!disk) {
        return nullptr;
    }
    return std::make_unique<FaultyFile>(*this, std::move(disk));
}

bool FaultyFileLayer::rename(const std::string& from, const std::string& to, std::string& error) {
    if (!allow("rename")) {
        error = "Permission denied";
        return false;
    }
    return app::diskFileLayer().rename(from, to, error);
}

void FaultyFileLayer::remove(const std::string& path) {
    app::diskFileLayer().remove(path);
}

} // namespace fpw::testing
