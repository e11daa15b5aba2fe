// Text conversion between the files' Windows-1252 ("ANSI") bytes and the UTF-8 strings
// the program holds in memory.
#pragma once

#include <string>
#include <string_view>

namespace fpw::app {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same value, as Windows itself does.
std::string ansiToUtf8(std::string_view ansi);
// The same into `out`, reusing its storage for plain ASCII.
void assignAnsiAsUtf8(std::string& out, std::string_view ansi);

// Characters Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string utf8ToAnsi(std::string_view utf8);

} // namespace fpw::app
