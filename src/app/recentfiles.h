// The designs opened or saved lately, newest first, kept in the settings store under
// "Boot\Recent" as "File1" to "File8".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {

class SettingsStore;

inline constexpr std::size_t kRecentFileCount = 8;

std::vector<std::string> readRecentFiles(const SettingsStore& store);

// Puts `path` first (a path already listed moves up rather than appearing twice) and drops
// what falls off the end; empty paths are not kept.
void addRecentFile(SettingsStore& store, std::string_view path);

} // namespace fpw::app
