// The 56 priced items of the cost calculation: the current price and the default.
#pragma once

#include <array>
#include <cstdint>

namespace fpw::catalog {

inline constexpr int kPriceItemCount = 56;

struct PriceTable {
    std::array<std::int32_t, kPriceItemCount> current{};
    std::array<std::int32_t, kPriceItemCount> defaults{};
};

} // namespace fpw::catalog
