// Reading and writing the line-based text sources of the reference files: locations for
// messages, cell splitting and the one canonical spelling of every number.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::datatool {

// A source that cannot be turned into a reference file. what() reads "file:line: message" so
// that editors and build logs can jump to the line.
class SourceError : public std::runtime_error {
public:
    SourceError(std::string_view file, int line, std::string_view message);
};

// Where a cell came from, for messages.
struct CellPlace {
    std::string_view file;
    int line = 0;
    std::string_view column;
};

// The lines of a text; a CR before the line feed is dropped and a final line feed adds no
// empty line.
std::vector<std::string> splitSourceLines(std::string_view text);

// The cells of one line; an empty line gives one empty cell.
std::vector<std::string> splitCells(std::string_view line, char separator);
std::string joinCells(const std::vector<std::string>& cells, char separator);

// Cell parsers: the whole cell must be the value, else SourceError naming the column.
std::int16_t parseInteger(std::string_view cell, const CellPlace& where);
std::int32_t parseLong(std::string_view cell, const CellPlace& where);
double parseDouble(std::string_view cell, const CellPlace& where);
bool parseBoolean(std::string_view cell, const CellPlace& where); // "True" or "False"

// The shortest text that reads back as exactly `value` ("0.5", "1", "0.375").
std::string formatDouble(double value);
std::string formatBoolean(bool value);

// Compares a source with the text its parsed contents format to, line by line (line endings
// ignored), and throws SourceError at the first line that differs: the source is then not in
// the one spelling that a dump of the built file reproduces.
void requireCanonical(std::string_view source, std::string_view canonical, std::string_view file);

} // namespace fpw::datatool
