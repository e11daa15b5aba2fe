// What the editor's selection controls offer: the lists that `UpdateAvailableTech` fills from
// the design's tech base and level, and which options are available.
#pragma once

#include <string>
#include <vector>

namespace fpw::editor {

class Editor;

// One selection control: its entries, the entry shown, and whether it can be used.
struct ChoiceList {
    std::vector<std::string> items;
    std::string selected;
    bool enabled = true;
    bool operator==(const ChoiceList&) const = default;
};

struct ComponentChoices {
    ChoiceList techLevel;
    ChoiceList mechType;
    ChoiceList engine;
    ChoiceList gyro;
    ChoiceList cockpit;
    ChoiceList targeting;
    ChoiceList structure;
    ChoiceList armor;
    ChoiceList heatSinks;
    bool operator==(const ComponentChoices&) const = default;
};

// Refills every list for the design's tech base and level and selects the design's values.
void UpdateAvailableTech(Editor& editor);

} // namespace fpw::editor
