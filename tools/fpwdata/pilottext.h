// The readable form of the pilot file: a header row "Name", "Gunnery", "Piloting", then one
// pilot per line, cells separated by tabs.
#pragma once

#include <string>
#include <string_view>

#include "catalog/pilotfile.h"

namespace fpw::datatool {

// Throws SourceError (file:line) for a malformed line or a pilot without a name.
catalog::PilotList parsePilotText(std::string_view text, std::string_view fileName);
std::string formatPilotText(const catalog::PilotList& pilots);

} // namespace fpw::datatool
