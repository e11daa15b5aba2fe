// What the price editor offers and the rule it applies to a typed price: the named price
// items, the weapon records of one tech base, and the whole-number check of a new price.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {

struct ProgramContext;

// One row of a price list: the text shown and the price item or weapon index it stands for.
struct PriceRow {
    std::string text;
    int index = 0;
    bool operator==(const PriceRow&) const = default;
};

// Price items 0 to 54 by their names.
std::vector<PriceRow> priceItemRows(const ProgramContext& ctx);

// The weapon records of tech base 0 (Inner Sphere) or 1 (Clan) in database order, each name
// after "(IS) " or "(C) ".
std::vector<PriceRow> weaponPriceRows(const ProgramContext& ctx, int techBase);

// The current price of a row, for the price box.
std::int32_t itemPrice(const ProgramContext& ctx, int item);
std::int32_t weaponPrice(const ProgramContext& ctx, int weapon);

// A typed price: a whole number of C-Bills (blanks around it allowed) that fits a Long, or
// nothing. Anything else shows "Invalid cost" naming the entry and keeps the old price.
// Returns whether the price changed hands.
bool SetItemPriceText(ProgramContext& ctx, int item, std::string_view text);
bool SetWeaponPriceText(ProgramContext& ctx, int weapon, std::string_view text);

// Reset: every item price back to its default, then the custom price file rewritten.
bool ResetItemPrices(ProgramContext& ctx);

} // namespace fpw::app
