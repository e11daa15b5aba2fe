// The custom price file "cus_data.dat": prices of weapon records and price items that differ
// from the shipped ones, one directive per line:
//   WeaponPrice;<name>;<IS|C>;<price>
//   ItemPrice;<index>;<price>
#pragma once

#include <string>
#include <string_view>

#include "catalog/prices.h"
#include "catalog/weaponrecord.h"

namespace fpw::app {

struct ProgramContext;

inline constexpr std::string_view kCustomPriceFile = "cus_data.dat";

// Applies the file at `path` to ctx.weapons and ctx.prices line by line. A directive that
// names an unknown qualifier, tech base or weapon shows its message and reading goes on; a
// price or index that is not a number (or does not fit) is reported as "ReadCustomData" and
// ends the reading, prices set before staying set. A price with decimals is rounded to the
// nearest whole number, ties to even. Returns false when reading ended early or the file
// could not be read.
bool ReadCustomData(ProgramContext& ctx, const std::string& path);

// The file's text for the current prices: a line for every weapon whose Cost differs from the
// record at the same index of `shipped` (the database as it lies on disk), then one for every
// price item 0 to 54 whose current price differs from its default. Lines end in CR LF.
std::string customDataText(const catalog::WeaponTable& weapons, const catalog::WeaponTable& shipped,
                           const catalog::PriceTable& prices);

// The price editor's Done: compares against a freshly read copy of the weapon database and
// replaces "cus_data.dat" in the program directory atomically, or deletes it when nothing
// differs. When the database copy cannot be read or the file cannot be written, the failure
// is reported as "WriteCustomData", the old file stays and the result is false.
bool WriteCustomData(ProgramContext& ctx);

} // namespace fpw::app
