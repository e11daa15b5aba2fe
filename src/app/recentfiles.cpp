#include "app/recentfiles.h"

#include <algorithm>

#include "app/settings.h"

namespace fpw::app {
namespace {

constexpr std::string_view kRecentSection = "Boot\\Recent";

std::string entryName(std::size_t i) {
    return "File" + std::to_string(i + 1);
}

} // namespace

std::vector<std::string> readRecentFiles(const SettingsStore& store) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        std::optional<std::string> path = store.value(kRecentSection, entryName(i));
        if (path && !path->empty() && std::find(files.begin(), files.end(), *path) == files.end()) {
            files.push_back(std::move(*path));
        }
    }
    return files;
}

void addRecentFile(SettingsStore& store, std::string_view path) {
    if (path.empty()) {
        return;
    }
    std::vector<std::string> files = readRecentFiles(store);
    std::erase(files, path);
    files.insert(files.begin(), std::string(path));
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        store.setValue(kRecentSection, entryName(i), i < files.size() ? files[i] : "");
    }
}

} // namespace fpw::app
