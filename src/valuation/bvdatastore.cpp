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
    // 15 significant digits keep the noise of binary fractions out of the lines
    // (0.1 * 3 shows as "0.3").
    char buffer[48];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, written.ptr);
    return text;
}

} // namespace fpw::valuation
