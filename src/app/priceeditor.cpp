#include "app/priceeditor.h"

#include <cmath>
#include <cstdint>

#include "app/customprices.h"
#include "app/numbers.h"
#include "app/programcontext.h"
#include "catalog/prices.h"

namespace fpw::app {
namespace {

std::optional<std::int32_t> wholePrice(std::string_view text) {
    const std::optional<double> number = parseNumber(text);
    if (!number || *number != std::floor(*number)) {
        return std::nullopt;
    }
    return tryToLong(*number);
}

// Shows the refusal for `name` when the text is no price; the price otherwise.
std::optional<std::int32_t> checkedPrice(ProgramContext& ctx, std::string_view name,
                                         std::string_view text) {
    std::optional<std::int32_t> price = wholePrice(text);
    if (!price) {
        ctx.user.message("The adjusted price for " + std::string(name) +
                             " is not a valid number. The cost will not be changed.",
                         "Invalid cost", MessageIcon::Critical);
    }
    return price;
}

bool validWeapon(const ProgramContext& ctx, int weapon) {
    return weapon >= 0 && weapon < static_cast<int>(ctx.weapons.size());
}

} // namespace

std::vector<PriceRow> priceItemRows(const ProgramContext& ctx) {
    std::vector<PriceRow> rows;
    for (int i = 0; i < catalog::kNamedPriceItemCount; ++i) {
        std::string name;
        std::int32_t price = 0;
        if (catalog::gGetPriceItem(ctx.prices, i, name, price)) {
            rows.push_back({name, i});
        }
    }
    return rows;
}

std::vector<PriceRow> weaponPriceRows(const ProgramContext& ctx, int techBase) {
    std::vector<PriceRow> rows;
    const std::string prefix = techBase == 0 ? "(IS) " : "(C) ";
    for (int i = 0; i < static_cast<int>(ctx.weapons.size()); ++i) {
        if (ctx.weapons[i].techBase == techBase) {
            rows.push_back({prefix + ctx.weapons[i].name, i});
        }
    }
    return rows;
}

std::int32_t itemPrice(const ProgramContext& ctx, int item) {
    std::string name;
    std::int32_t price = 0;
    catalog::gGetPriceItem(ctx.prices, item, name, price);
    return price;
}

std::int32_t weaponPrice(const ProgramContext& ctx, int weapon) {
    return validWeapon(ctx, weapon) ? ctx.weapons[weapon].cost : 0;
}

bool SetItemPriceText(ProgramContext& ctx, int item, std::string_view text) {
    std::string name;
    std::int32_t old = 0;
    if (!catalog::gGetPriceItem(ctx.prices, item, name, old)) {
        return false;
    }
    const std::optional<std::int32_t> price = checkedPrice(ctx, name, text);
    return price && catalog::gSetItemPrice(ctx.prices, item, *price);
}

bool SetWeaponPriceText(ProgramContext& ctx, int weapon, std::string_view text) {
    if (!validWeapon(ctx, weapon)) {
        return false;
    }
    const std::optional<std::int32_t> price = checkedPrice(ctx, ctx.weapons[weapon].name, text);
    if (!price) {
        return false;
    }
    ctx.weapons[weapon].cost = *price;
    return true;
}

bool ResetItemPrices(ProgramContext& ctx) {
    ctx.prices.current = ctx.prices.defaults;
    return WriteCustomData(ctx);
}

} // namespace fpw::app
