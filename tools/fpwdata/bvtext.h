// The readable form of the Battle Value tables: one line per table, the table's name first,
// then its values; the pilot-skill table as 64 lines "SkillMultiplier", gunnery, piloting,
// multiplier. Cells are separated by tabs.
#pragma once

#include <string>
#include <string_view>

#include "catalog/referencetables.h"

namespace fpw::datatool {

// Throws SourceError (file:line) for a missing, misnamed or malformed line.
catalog::BVTables parseBVText(std::string_view text, std::string_view fileName);
std::string formatBVText(const catalog::BVTables& tables);

} // namespace fpw::datatool
