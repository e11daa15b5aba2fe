// What a record sheet says, block by block, as plain texts: the layout only places them. Each
// function reads the design and its program context and draws nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/referencetables.h"

namespace fpw::app {
struct Settings;
}
namespace fpw::model {
class Mech;
}

namespace fpw::recordsheet {

// The heat scale from the top level down to 0: "_ [30]  Shutdown" ... "_ [09]  " ...
// "_ [00]  ". The extended scale (to 50) is used with the "Heat Scale" preference 0, or 1 for
// a tech-level-3 design; otherwise the standard scale (to 30).
std::vector<std::string> heatScaleLines(int heatScalePreference, int techLevel);

// One "O" per working heat sink, ten to a row, the remainder on a last row.
std::vector<std::string> heatSinkRows(int workingHeatSinks);

// The pilot-adjusted BV: both skills must be whole numbers from 0 to 7; the piloting value is
// one worse for a small or torso-mounted cockpit and one better for an enhanced-imaging one;
// the skill table's multiplier for that pair times the raw BV, rounded half up. Nothing
// without a matching record (or one whose multiplier is -1).
std::optional<int> adjustedBV(const catalog::BVTables& tables, int cockpitType,
                              std::string_view gunnery, std::string_view piloting,
                              double rawBattleValue);

// The bold title: "<config> - " for an OmniMech, then name and model, or only one of them when
// they are equal ignoring case.
std::string sheetTitle(const model::Mech& mech);

// "Tech Base: ...", "Mech Type: ...", "Tonnage: ...".
std::vector<std::string> typeLines(const model::Mech& mech);

// "Movement:", "Walking: 5 [10]", "Running: 8", "Sprinting: 10" (level 3 only), "Jumping: 0".
std::vector<std::string> movementLines(const model::Mech& mech);

// The running MP that MASC and a supercharger allow: 2.5 times walking with both (rounded
// down), twice walking with one; nothing without them.
std::optional<int> boostedMP(const model::Mech& mech);

// One line of the weapons list.
struct WeaponLine {
    std::string count;
    std::string type;
    std::string location;
    int heat = 0; // the line's heat: count times the record's heat
};

// Groups of identical weapons (record, locations, rear mounting) in list order with their
// Artemis and rear marks; the targeting system when it is not the standard one; physical
// weapons by arm; then the ammunition with its shots.
std::vector<WeaponLine> weaponLines(const model::Mech& mech);

// Heat sinks that still work (those in destroyed locations lost) and what they dissipate.
int workingHeatSinks(const model::Mech& mech);
int heatSinkDissipation(const model::Mech& mech);

// The lines of one location of the critical hit table: the slots in groups of six, numbered
// "1. " to "6. ", ammunition through the print templates, rear-mounted items marked "(R)";
// with `locationRolls` each line starts with its group's die roll ("1-3 ", "4-6 ").
std::vector<std::string> criticalLines(const model::Mech& mech, int location, bool locationRolls);

// The weapon range chart: the header row ("Weapon", "Heat", "Dam", "Min", "Short", "Med",
// "Long", and "Extreme" for a tech-level-3 design), then one row per distinct weapon of the
// design, equipment and ammunition left out, "-" where the record has no value.
std::vector<std::vector<std::string>> rangeChart(const model::Mech& mech);

// The text armour diagram as lines: section headings ("Armor", "Rear Armor", "Structure"),
// location headings ("Left Torso (12)"), rows of up to ten "o" (intact) or "x" (lost) and the
// totals. Arms are left out of an armless design.
struct DiagramLine {
    enum class Kind { Section, Location, Symbols, Total };
    Kind kind = Kind::Symbols;
    std::string text;
};
std::vector<DiagramLine> textDiagramLines(const model::Mech& mech);

// Points of a location lost to damage (temporary and permanent), at most `points`.
int lostArmorPoints(const model::Mech& mech, int location, int points);
int lostStructurePoints(const model::Mech& mech, int location, int points);

} // namespace fpw::recordsheet
