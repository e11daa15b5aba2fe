#include "valuation/bvdatastore.h"

#include <charconv>
#include <cmath>

namespace fpw::valuation {
namespace {

const BVDataStore::Item* itemAt(const std::vector<BVDataStore::Item>& items, int i) {
    if (i < 0 || i >= static_cast<int>(items.size())) {
        return nullptr;
    }
    return &items[static_cast<std::size_t>(i)];
}

} // namespace

void BVDataStore::reserve(std::size_t defensive, std::size_t offensive) {
    defensive_.reserve(defensive);
    offensive_.reserve(offensive);
}

void BVDataStore::AddItem(std::string_view desc, std::string_view value, bool defensive) {
    (defensive ? defensive_ : offensive_).push_back(Item{std::string(desc), std::string(value)});
}

void BVDataStore::AddItem(std::string_view desc, double value, bool defensive) {
    AddItem(desc, numberText(value), defensive);
}

void BVDataStore::AddItem(std::string_view desc, int value, bool defensive) {
    AddItem(desc, std::to_string(value), defensive);
}

std::string BVDataStore::GetDefensiveDesc(int i) const {
    const Item* item = itemAt(defensive_, i);
    return item ? item->desc : std::string();
}
std::string BVDataStore::GetDefensiveValue(int i) const {
    const Item* item = itemAt(defensive_, i);
    return item ? item->value : std::string();
}
std::string BVDataStore::GetOffensiveDesc(int i) const {
    const Item* item = itemAt(offensive_, i);
    return item ? item->desc : std::string();
}
std::string BVDataStore::GetOffensiveValue(int i) const {
    const Item* item = itemAt(offensive_, i);
    return item ? item->value : std::string();
}

std::string numberText(double value) {
    if (value == 0) {
        return "0"; // also for -0, which a subtraction can leave
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    }
    char buffer[48];
    // Whole numbers, the most common case, need no floating-point formatting at all.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value)).ptr;
        return std::string(buffer, end);
    }
    // The shortest form that reads back as the same value is far quicker to find; when it has
    // at most 15 significant digits it is also the 15-digit form.
    auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string_view shortest(buffer, static_cast<std::size_t>(written.ptr - buffer));
    if (shortest.find('e') == std::string_view::npos) {
        int digits = 0;
        bool leading = true;
        for (const char c : shortest) {
            if (c < '0' || c > '9' || (leading && c == '0')) {
                continue;
            }
            leading = false;
            ++digits;
        }
        if (digits <= 15) {
            return std::string(shortest);
        }
    }
    // 15 significant digits keep the noise of binary fractions out of the lines
    // (0.1 * 3 shows as "0.3").
    written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, written.ptr);
}

} // namespace fpw::valuation
