// The readable form of the weapon database: a header row with the field names, then one
// record per line, cells separated by tabs, list cells by ";".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalog/weaponrecord.h"

namespace fpw::datatool {

inline constexpr std::size_t kWeaponColumnCount = 40;
// The header row, in the file order of the record's fields.
extern const std::array<std::string_view, kWeaponColumnCount> kWeaponColumns;
inline constexpr char kListSeparator = ';';

// Parses a weapon table; throws SourceError (file:line) at the first malformed line, or for
// two records with the same name and tech base.
catalog::WeaponTable parseWeaponText(std::string_view text, std::string_view fileName);

// The text of a table: parseWeaponText(formatWeaponText(t)) == t.
std::string formatWeaponText(const catalog::WeaponTable& table);

} // namespace fpw::datatool
