// The record sheet: the page a player takes to the table, drawn on any surface.
#pragma once

#include <string_view>

namespace fpw::model {
class Mech;
}

namespace fpw::recordsheet {

class DrawingSurface;

// The procedure names drawing failures are reported under.
inline constexpr std::string_view kPrintMechProcedure = "PrintMech";
inline constexpr std::string_view kPrintPreviewProcedure = "PrintQuick";

// Mech.PrintMech: draws the whole sheet of `mech` on the current page of `surface`: header,
// armour diagram (the standard diagram or the text one), critical hit table with Battle Value
// (its value is recomputed and stored in the design), pilot-adjusted BV and cost, mech data,
// weapons, heat data, pilot blocks (a second one for a command console), heat scale and weapon
// range chart. Skill texts that are not whole numbers from 0 to 7 give no adjusted BV. With
// verbose logging each block logs before and after itself. A failure while drawing is reported
// under "PrintMech" and gives false; the page then holds what was drawn before it.
bool PrintMech(model::Mech& mech, std::string_view pilotName, std::string_view pilotGunnery,
               std::string_view pilotPiloting, std::string_view consoleName,
               std::string_view consoleGunnery, std::string_view consolePiloting, bool adjustBV,
               bool standardDiagram, DrawingSurface& surface, int reserved = 0);

// Mech.PrintPreviewMech: the same drawing for the preview, reported under "PrintQuick".
bool PrintPreviewMech(model::Mech& mech, std::string_view pilotName, std::string_view pilotGunnery,
                      std::string_view pilotPiloting, std::string_view consoleName,
                      std::string_view consoleGunnery, std::string_view consolePiloting,
                      bool adjustBV, bool standardDiagram, DrawingSurface& surface,
                      int reserved = 0);

} // namespace fpw::recordsheet
