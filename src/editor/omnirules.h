// The OmniMech rules of the editor: locking the base chassis, adding, deleting and choosing
// variants, and what the omni controls show.
#pragma once

#include <string>
#include <vector>

namespace fpw::editor {

class Editor;

// What the omni controls show.
struct OmniControls {
    bool lockVisible = false;        // an Omni-Mech whose chassis is not locked yet
    bool variantsVisible = false;    // the variant list and its buttons, once locked
    bool baseChassisEditable = true; // the base chassis controls; off once locked
    std::vector<std::string> variants;
    std::string selected; // the current variant
    bool operator==(const OmniControls&) const = default;
};

OmniControls omniControls(const Editor& editor);

// Runs the six checks, asks for confirmation and the first variant's name, then locks the
// base chassis with that one variant. False when refused or abandoned.
bool LockChassis(Editor& editor);
// Asks for a new variant's name and adds it from the base chassis; the current variant stays.
bool AddVariant(Editor& editor);
// Asks, then deletes the named variant and loads the first remaining one.
bool DeleteVariant(Editor& editor, const std::string& name);
// The variant list's choice: stores the current variant and loads the named one.
bool ChooseVariant(Editor& editor, const std::string& name);

} // namespace fpw::editor
