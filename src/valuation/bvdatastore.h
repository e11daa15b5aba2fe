// The lines of the last Battle Value calculation: what the summary shows and prints to
// explain the number, one defensive and one offensive list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::valuation {

class BVDataStore {
public:
    // One line: its words and its number as text (empty for a line without number).
    struct Item {
        std::string desc;
        std::string value;
        bool operator==(const Item&) const = default;
    };

    // Appends to the defensive list when `defensive` is true, else to the offensive list.
    void AddItem(std::string_view desc, std::string_view value, bool defensive);
    void AddItem(std::string_view desc, const char* value, bool defensive) {
        AddItem(desc, std::string_view(value), defensive);
    }
    void AddItem(std::string_view desc, const std::string& value, bool defensive) {
        AddItem(desc, std::string_view(value), defensive);
    }
    // A number is stored as its text form (see numberText).
    void AddItem(std::string_view desc, double value, bool defensive);
    void AddItem(std::string_view desc, int value, bool defensive);

    // Room for this many lines, so that a calculation does not grow the lists step by step.
    void reserve(std::size_t defensive, std::size_t offensive);

    // Lines written so far; a new store has none.
    int DefensiveItemCount() const { return static_cast<int>(defensive_.size()); }
    int OffensiveItemCount() const { return static_cast<int>(offensive_.size()); }

    // Line i, counted from 0; an empty text outside the list.
    std::string GetDefensiveDesc(int i) const;
    std::string GetDefensiveValue(int i) const;
    std::string GetOffensiveDesc(int i) const;
    std::string GetOffensiveValue(int i) const;

    const std::vector<Item>& defensiveItems() const { return defensive_; }
    const std::vector<Item>& offensiveItems() const { return offensive_; }

    bool operator==(const BVDataStore&) const = default;

private:
    std::vector<Item> defensive_;
    std::vector<Item> offensive_;
};

// The text form in which a number enters a line: at most 15 significant digits, no trailing
// zeros, "." as the decimal point whatever the locale ("12.5", "0.98", "150", "-7").
std::string numberText(double value);

} // namespace fpw::valuation
