#include "catalog/prices.h"

namespace fpw::catalog {
namespace {

bool isNamedItem(int index) {
    return index >= 0 && index < kNamedPriceItemCount;
}

} // namespace

bool gGetPriceItem(const PriceTable& prices, int index, std::string& name, std::int32_t& price) {
    if (!isNamedItem(index))
        return false;
    name = kPriceItems[index].name;
    price = prices.current[index];
    return true;
}

std::int32_t gGetDefaultPrice(const PriceTable& prices, int index) {
    return isNamedItem(index) ? prices.defaults[index] : 0;
}

bool gSetItemPrice(PriceTable& prices, int index, std::int32_t price) {
    if (index < 0 || index >= kPriceItemCount)
        return false;
    prices.current[index] = price;
    return true;
}

void gResetPrices(PriceTable& prices) {
    prices.current = defaultPriceArray();
    prices.defaults = defaultPriceArray();
}

} // namespace fpw::catalog
