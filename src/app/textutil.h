// Small text and path utilities. Paths may separate folders with "\" or "/".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {

// Every occurrence of `search` replaced by `replacement`, scanning from the left; inserted
// text is not searched again. An empty `search` leaves the text as it is.
std::string zReplace(std::string_view text, std::string_view search, std::string_view replacement);

// The folder part of a path, up to and including its last separator; empty when there is none.
std::string zGetPathFromFile(std::string_view path);

// The text after the last separator; empty when the path has none.
std::string zGetFileFromPath(std::string_view path);

// The text before the last "." of the file name; empty when the file name has no ".". A "."
// in a folder name is not an extension: "C:\v1.2\mech" has none.
std::string zRemoveExtension(std::string_view name);

// `item` alone when `list` is empty, else list + separator + item.
std::string gAppendWithSeparator(std::string_view list, std::string_view item,
                                 std::string_view separator);

// The text without its leading and trailing blanks (spaces only).
std::string_view trimBlanks(std::string_view text);

// ASCII lower case, the comparison the program's parameter and qualifier texts use.
std::string lowerCase(std::string_view text);

// The lines of a text file: CR LF, LF and a lone CR each end a line (files come from editors of
// every platform); a last line without an ending counts, a final line ending adds no entry and
// an empty line is an empty entry. The views point into `text`.
std::vector<std::string_view> splitLines(std::string_view text);

// A plain text file's bytes as UTF-8: Windows-1252 unless the file starts with the UTF-8 byte
// order mark, which is dropped.
std::string textFileToUtf8(std::string_view bytes);

} // namespace fpw::app
