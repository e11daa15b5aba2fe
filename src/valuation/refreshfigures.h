// The figures of a design read from a file, brought up to date as the editor's refresh would
// leave them: for tools that print or list designs without an editor.
#pragma once

namespace fpw::model {
class Mech;
}

namespace fpw::valuation {

// Armoured slots (occupied or not) and free slots over the eight slot lists.
struct SlotTally {
    int armored = 0;
    int free = 0;
};

// Both counts in one pass: they are wanted together for every design of a batch.
SlotTally tallySlots(const model::Mech& mech);

// What a refresh found on its way besides the figures it stored in the design.
struct Refreshed {
    // Whether a Battle Value was computed (false without BV data).
    bool hasBV = false;
    // The free slots, as tallySlots counts them.
    int freeSlots = 0;
};

// Recomputes every figure in the editor's refresh order: the construction arithmetic, the
// armoured slots counted from the slot lists, total tonnage, heat, cost and Battle Value.
Refreshed RefreshFigures(model::Mech& mech);

// RefreshFigures without the construction arithmetic, for a design whose construction figures
// are current: one that was refreshed and changed since only through the design's own setters
// and configuration switches, which keep them so.
Refreshed RefreshValuation(model::Mech& mech);

} // namespace fpw::valuation
