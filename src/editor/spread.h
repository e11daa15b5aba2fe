// Spreading a weapon over two neighbouring locations: what the spread dialog shows, and the
// operation that applies the person's choice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fpw::editor {

class Editor;

struct SpreadLocation {
    int location = 0;
    std::string name; // as the dialog lists it
    int maximum = 0;  // slots it can take
    bool operator==(const SpreadLocation&) const = default;
};

// What the dialog is set up with.
struct SpreadRequest {
    std::int16_t weaponIndex = -1;
    std::string weaponName;
    int need = 0; // N: the slots to allocate
    int primaryLocation = 0;
    int startSlot = 0;
    int primaryMaximum = 0; // the run of free or unlocked slots from the start slot
    std::vector<SpreadLocation> secondaries;
    std::string text; // the dialog's explanation
    bool operator==(const SpreadRequest&) const = default;
};

// What the person chose: the slots in the primary location and one secondary location with
// its slots.
struct SpreadChoice {
    int primaryCount = 0;
    int secondaryLocation = 0;
    int secondaryCount = 0;
};

// The dialog's set-up for spreading an unplaced weapon from `slot` of `loc`; nothing when the
// weapon is not spreadable. The secondaries are the neighbours whose room, with the primary
// run, can reach N; none from a leg or the head.
std::optional<SpreadRequest> spreadRequest(const Editor& editor, int loc, int slot,
                                           std::int16_t weaponIndex);

// "Done": writes the weapon over both locations (the slots in the way unallocated first), each
// slot marked spread, and stores its locations. A total other than N, a count beyond its
// maximum or a location the request does not offer only beeps and changes nothing.
bool ApplySpread(Editor& editor, const SpreadRequest& request, const SpreadChoice& choice);

} // namespace fpw::editor
