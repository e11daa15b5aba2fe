// The eight plain-text name lists of the technical readouts ("manufact.dat" ...): one entry per
// line, Windows-1252 text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/filelayer.h"

namespace fpw::catalog {

inline constexpr int kNameListCount = 8;

// The list's file name for index 0 to 7, else an empty string.
std::string gGetListFileName(int index);
// The list's caption ("Manufacturer" ...) for index 0 to 7, else an empty string.
std::string nameListTitle(int index);

// The entries of a name list file's bytes.
std::vector<std::string> parseNameList(std::string_view bytes);
// The file's bytes: every entry followed by CR LF.
std::string writeNameList(const std::vector<std::string>& entries);

// The entries of the list file at `path`; no entries when it does not exist or cannot be read.
std::vector<std::string> readNameListFile(const std::string& path,
                                          app::FileLayer& files = app::diskFileLayer());
// Rewrites the list file whole, replacing the old one only once the new one is complete.
bool writeNameListFile(const std::string& path, const std::vector<std::string>& entries,
                       std::string* error = nullptr);

} // namespace fpw::catalog
