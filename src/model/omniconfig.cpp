#include "model/omniconfig.h"

#include <algorithm>

namespace fpw::model {
namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The kept form of a name as a part of `text`: trimmed and cut, without building a string.
std::string_view keptConfigName(std::string_view text) {
    std::string_view name = trimBlanks(text);
    // Count characters, not bytes: the file holds one byte per character.
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < name.size() && characters < kConfigNameWidth) {
        ++end;
        while (end < name.size() && isContinuationByte(name[end])) {
            ++end;
        }
        ++characters;
    }
    // A cut that ends in a blank would not read back the same.
    return trimBlanks(name.substr(0, end));
}

} // namespace

std::string omniConfigName(std::string_view text) {
    return std::string(keptConfigName(text));
}

bool sameConfigName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

int findOmniConfig(const std::vector<OmniConfig>& configs, std::string_view name, bool exact) {
    // Stored names are cut to the file's width, so a longer name finds its configuration.
    const std::string_view kept = exact ? name : keptConfigName(name);
    for (std::size_t i = 0; i < configs.size(); ++i) {
        if (exact ? configs[i].name == kept : sameConfigName(configs[i].name, kept)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace fpw::model
