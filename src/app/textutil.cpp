#include "app/textutil.h"

#include "app/ansi.h"
#include "app/files.h"

namespace fpw::app {
namespace {

std::size_t lastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1])) {
            return i - 1;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::string zReplace(std::string_view text, std::string_view search, std::string_view replacement) {
    if (search.empty()) {
        return std::string(text);
    }
    std::string result;
    std::size_t from = 0;
    for (std::size_t found = text.find(search); found != std::string_view::npos;
         found = text.find(search, from)) {
        result.append(text.substr(from, found - from));
        result.append(replacement);
        from = found + search.size();
    }
    result.append(text.substr(from));
    return result;
}

std::string zGetPathFromFile(std::string_view path) {
    const std::size_t at = lastSeparator(path);
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string zGetFileFromPath(std::string_view path) {
    const std::size_t at = lastSeparator(path);
    return at == std::string_view::npos ? std::string() : std::string(path.substr(at + 1));
}

std::string zRemoveExtension(std::string_view name) {
    const std::size_t separator = lastSeparator(name);
    const std::size_t fileStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot < fileStart) {
        return {};
    }
    return std::string(name.substr(0, dot));
}

std::string gAppendWithSeparator(std::string_view list, std::string_view item,
                                 std::string_view separator) {
    if (list.empty()) {
        return std::string(item);
    }
    std::string result(list);
    result.append(separator);
    result.append(item);
    return result;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

std::string textFileToUtf8(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        return std::string(bytes.substr(kByteOrderMark.size()));
    }
    return ansiToUtf8(bytes);
}

} // namespace fpw::app
