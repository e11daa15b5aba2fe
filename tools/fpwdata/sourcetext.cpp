#include "fpwdata/sourcetext.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace fpw::datatool {
namespace {

std::string where(const CellPlace& place) {
    return "column " + std::string(place.column) + ": \"";
}

template <typename T>
T parseWhole(std::string_view cell, const CellPlace& place, std::string_view what) {
    T value{};
    const char* end = cell.data() + cell.size();
    const auto [ptr, ec] = std::from_chars(cell.data(), end, value);
    if (cell.empty() || ec != std::errc() || ptr != end) {
        throw SourceError(place.file, place.line,
                          where(place) + std::string(cell) + "\" is not " + std::string(what));
    }
    return value;
}

} // namespace

SourceError::SourceError(std::string_view file, int line, std::string_view message)
    : std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": " +
                         std::string(message)) {}

std::vector<std::string> splitSourceLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitCells(std::string_view line, char separator) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(separator, start);
        if (end == std::string_view::npos) {
            cells.emplace_back(line.substr(start));
            return cells;
        }
        cells.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
}

std::string joinCells(const std::vector<std::string>& cells, char separator) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += separator;
        }
        line += cells[i];
    }
    return line;
}

std::int16_t parseInteger(std::string_view cell, const CellPlace& where) {
    return parseWhole<std::int16_t>(cell, where, "a whole number from -32768 to 32767");
}

std::int32_t parseLong(std::string_view cell, const CellPlace& where) {
    return parseWhole<std::int32_t>(cell, where, "a whole number from -2147483648 to 2147483647");
}

double parseDouble(std::string_view cell, const CellPlace& where) {
    const double value = parseWhole<double>(cell, where, "a number");
    if (!std::isfinite(value)) {
        throw SourceError(where.file, where.line,
                          "column " + std::string(where.column) + ": \"" + std::string(cell) +
                              "\" is not a finite number");
    }
    return value;
}

bool parseBoolean(std::string_view cell, const CellPlace& where) {
    if (cell == "True") {
        return true;
    }
    if (cell == "False") {
        return false;
    }
    throw SourceError(where.file, where.line,
                      "column " + std::string(where.column) + ": \"" + std::string(cell) +
                          "\" is neither True nor False");
}

std::string formatDouble(double value) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

std::string formatBoolean(bool value) {
    return value ? "True" : "False";
}

void requireCanonical(std::string_view source, std::string_view canonical, std::string_view file) {
    const std::vector<std::string> given = splitSourceLines(source);
    const std::vector<std::string> wanted = splitSourceLines(canonical);
    const std::size_t common = std::min(given.size(), wanted.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (given[i] != wanted[i]) {
            throw SourceError(file, static_cast<int>(i) + 1,
                              "not written in the canonical form, which reads: " + wanted[i]);
        }
    }
    if (given.size() != wanted.size()) {
        throw SourceError(file, static_cast<int>(common) + 1,
                          given.size() > wanted.size() ? "unexpected line after the data"
                                                       : "the data ends too early");
    }
}

} // namespace fpw::datatool
