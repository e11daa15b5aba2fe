#include "catalog/namelists.h"

#include <array>

#include "app/ansi.h"
#include "app/files.h"
#include "app/textutil.h"

namespace fpw::catalog {
namespace {

struct NameList {
    std::string_view fileName;
    std::string_view title;
};

constexpr std::array<NameList, kNameListCount> kNameLists = {{
    {"manufact.dat", "Manufacturer"},
    {"location.dat", "Factory Location"},
    {"engines.dat", "Engine Manufacturer"},
    {"armor.dat", "Armor Type"},
    {"chassis.dat", "Chassis Model"},
    {"comsys.dat", "Communications System"},
    {"jumpjet.dat", "Jump Jet Model"},
    {"targsys.dat", "Targ/Track System"},
}};

} // namespace

std::string gGetListFileName(int index) {
    if (index < 0 || index >= kNameListCount) {
        return {};
    }
    return std::string(kNameLists[static_cast<std::size_t>(index)].fileName);
}

std::string nameListTitle(int index) {
    if (index < 0 || index >= kNameListCount) {
        return {};
    }
    return std::string(kNameLists[static_cast<std::size_t>(index)].title);
}

std::vector<std::string> parseNameList(std::string_view bytes) {
    const std::string text = app::ansiToUtf8(bytes);
    const std::vector<std::string_view> lines = app::splitLines(text);
    return std::vector<std::string>(lines.begin(), lines.end());
}

std::string writeNameList(const std::vector<std::string>& entries) {
    std::string bytes;
    for (const auto& entry : entries) {
        bytes += app::utf8ToAnsi(entry);
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> readNameListFile(const std::string& path, app::FileLayer& files) {
    const auto bytes = files.read(path);
    if (!bytes) {
        return {};
    }
    return parseNameList(*bytes);
}

bool writeNameListFile(const std::string& path, const std::vector<std::string>& entries,
                       std::string* error) {
    return app::writeFileAtomically(path, writeNameList(entries), error);
}

} // namespace fpw::catalog
