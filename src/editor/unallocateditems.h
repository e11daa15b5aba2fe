// The unallocated items list: general items (heat sinks, jump jets, armour and structure slot
// items, MASC, ...) that the design has but that sit in no slot yet, one row per item code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fpw::editor {

struct UnallocatedItem {
    std::string code; // item code without instance number ("cHS")
    int count = 0;
    std::string name; // as the list shows it ("Double Heat Sink")
    int slotsPerItem = 0;
    bool operator==(const UnallocatedItem&) const = default;
};

class UnallocatedItems {
public:
    const std::vector<UnallocatedItem>& rows() const { return rows_; }
    bool empty() const { return rows_.empty(); }

    // The row of a code; nullptr when there is none.
    const UnallocatedItem* find(std::string_view code) const;
    // Items of a code waiting to be placed (0 without a row).
    int count(std::string_view code) const;
    // Adds `count` items: to the code's row when there is one (its name and size stay),
    // otherwise as a new row at the end. Nothing happens for a count below 1.
    void add(std::string_view code, int count, std::string name, int slotsPerItem);
    // Takes up to `count` items from the code's row (the row goes at zero); returns how many
    // were taken.
    int take(std::string_view code, int count = 1);
    // Removes the code's row whatever its count.
    void remove(std::string_view code);
    void clear() { rows_.clear(); }

    bool operator==(const UnallocatedItems&) const = default;

private:
    std::vector<UnallocatedItem> rows_;
};

} // namespace fpw::editor
