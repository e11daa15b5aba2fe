// The heat and movement rules of the Battle Value, and the weapon-database records it
// recognises by position.
#pragma once

#include <cstdint>
#include <optional>

#include "catalog/referencetables.h"
#include "catalog/weaponrecord.h"
#include "model/weaponentry.h"

namespace fpw::model {
class Mech;
} // namespace fpw::model

namespace fpw::valuation {

// Records of the shipped weapon database that the calculation recognises by position
// (`RefID`): the two C3 computers (master and improved) that give a design the C3 bonus, and
// the two heat-dissipating coolant pods. The C3 slave unit at 77 links into a master's network
// but does not by itself mark the design as carrying C3.
inline constexpr std::int16_t kC3SlaveRefID = 77;
inline constexpr std::int16_t kC3MasterRefID = 78;
inline constexpr std::int16_t kImprovedC3RefID = 79;
inline constexpr std::int16_t kHeatDissipatingRefID1 = 377;
inline constexpr std::int16_t kHeatDissipatingRefID2 = 378;

// The heat the design can generate in one turn for the BV: movement heat, the
// null-signature system and the heat of its weapons (rear weapons only with Multi-Trac II).
std::int16_t MaxHeatForBV(const model::Mech& mech, const catalog::WeaponTable& weapons);

// Heat sinks (double-strength types count twice) plus one per heat-dissipating item.
std::int16_t HeatDissipation(const model::Mech& mech);

// The two above in steps, for a calculation that gathers several sums in one walk over the
// weapon list. Max heat: the heat before any weapon, then each entry with its record in list
// order (an entry outside the weapon table adds nothing), saturated at the end. Dissipation:
// the heat sinks, then one for each entry that dissipatesHeat, saturated at the end.
// The tests of an entry are inline: they run for every entry of every design of a batch.
int heatBeforeWeapons(const model::Mech& mech);
// Whether an entry adds heat: rear weapons only when `rearCounts` (Multi-Trac II), and only
// records that make heat at all.
inline bool addsHeat(const model::WeaponEntry& entry, const catalog::WeaponRecord& record,
                     bool rearCounts) {
    return record.heat > 0 && (rearCounts || !entry.rearMounted);
}
// The running heat with the heat of an entry that addsHeat, by the rule its name calls for.
int withWeaponHeat(int heat, const catalog::WeaponRecord& record);
int heatSinkDissipation(const model::Mech& mech);
inline bool dissipatesHeat(const model::WeaponEntry& entry) {
    return entry.refID == kHeatDissipatingRefID1 || entry.refID == kHeatDissipatingRefID2;
}
// Whether Multi-Trac II covers the rear arc, so that rear weapons count in full.
bool rearArcCovered(const model::Mech& mech);
// A sum of the steps as a 16-bit Integer, saturated to its range.
std::int16_t saturatedInteger(int value);

// The running MP the movement rules work with: `Running`, one less with hardened armour.
int effectiveRunningMP(const model::Mech& mech);

// The MP that MASC, a supercharger or triple-strength myomer allow in a turn, by the first
// matching combination; none without them.
std::optional<int> enhancedMP(const model::Mech& mech);

// The Artemis setting that applies to a record: the SRM setting for class 0, the LRM setting
// for class 1, none for a record that takes no Artemis.
std::int16_t ArtemisSetting(const model::Mech& mech, const catalog::WeaponRecord& record);

// The defensive movement factor of a target modifier (0 to 6). Modifier 6, which only a
// jumping design reaches, continues the table's last step: f[5] + (f[5] - f[4]).
double DefensiveMovementFactor(const catalog::BVTables& tables, int modifier);

// The offensive speed factor of a speed rating: the table up to 25, above it
// ((S - 5) / 10 + 1) ^ 1.2 rounded to two decimals.
double OffensiveSpeedFactor(const catalog::BVTables& tables, int speedRating);

} // namespace fpw::valuation
