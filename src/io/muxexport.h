// The MUX export: a design as a template for online multi-user game servers, one
// "key { value }" statement per line. Nothing reads this format back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fpw::model {
class Mech;
}

namespace fpw::io {

// Keys, with their indentation, are padded with blanks to this width before "{ ".
inline constexpr std::size_t kMUXKeyWidth = 17;

// One statement: the key (indentation included) padded to kMUXKeyWidth, "{ ", the value, " }".
// The value may end with its own trailing fields ("JumpJet - -").
std::string muxStatement(std::string_view key, std::string_view value);

// Movement points as the export writes speeds: 10.75 km/h per point with two decimals
// ("###.00": 6 gives "64.50", 0 gives ".00"), always with "." as the decimal point.
std::string muxSpeed(int movementPoints);

// Every line of the design's export, without line ends. Slot texts the catalogue has no MUX
// name for are reported to the person by the catalogue and get no line.
std::vector<std::string> muxExportLines(const model::Mech& mech);

// Writes the export to `path` as ANSI text with CR LF line ends. The file is written to a
// temporary file and renamed over the target, so a failed write leaves an old file as it was.
// A failure goes to the error reporter as "Mech.SaveMUXFile" and gives false.
bool SaveMUXFile(const model::Mech& mech, const std::string& path);

} // namespace fpw::io
