// The figures of a design read from a file, brought up to date as the editor's refresh would
// leave them: for tools that print or list designs without an editor.
#pragma once

namespace fpw::model {
class Mech;
}

namespace fpw::valuation {

// Recomputes every figure in the editor's refresh order: the construction arithmetic, the
// armoured slots counted from the slot lists, total tonnage, heat, cost and Battle Value.
// Returns whether a Battle Value was computed (false without BV data).
bool RefreshFigures(model::Mech& mech);

// RefreshFigures without the construction arithmetic, for a design whose construction figures
// are current: one that was refreshed and changed since only through the design's own setters
// and configuration switches, which keep them so.
bool RefreshValuation(model::Mech& mech);

} // namespace fpw::valuation
