// The armour allocation rules: the location maxima, the slider with its balance option,
// maximum armour, and adding armour by points or by tonnage through the armour distribution.
#pragma once

#include <string>

#include "editor/armorcontrols.h"

namespace fpw::model {
class Mech;
}

namespace fpw::editor {

class Editor;

// The most armour a location may carry: 9 for the head, otherwise twice its internal
// structure points. A torso's front and rear (1 and 8, 4 and 9, 6 and 10) share this figure;
// the arms of an armless design carry none.
int armorMaximum(const model::Mech& mech, int loc);
// What a location may hold now: its maximum, for a torso front or rear less the other side.
int armorLimit(const model::Mech& mech, int loc);
// The most armour the whole design may carry.
int maximumArmorPoints(const model::Mech& mech);
// The location across the body (left arm and right arm, ...), or -1 for the center torso,
// its rear and the head.
int mirrorLocation(int loc);

// Sets every location to 0, then spreads `points` over the design as the add-points and
// add-tonnage commands do.
void DistributeArmor(model::Mech& mech, int points);

// "N of M": the slider's location's points and what it may hold.
std::string armorPointsText(int points, int maximum);
// The panel as it stands.
ArmorPanel armorPanel(const Editor& editor);
// Makes a location (0 to 10) the slider's; other indices are ignored.
void SelectArmorLocation(Editor& editor, int loc);
void SetBalanceArmor(Editor& editor, bool on);

// The four armour changes below are refused, silently, once an omni base chassis is locked.

// The slider moved: the location gets `points`, held within 0 and its limit; with the balance
// option the mirror location gets the same within its own limit.
bool SetArmorPoints(Editor& editor, int loc, int points);
// Every location to its maximum; a torso's rear keeps what it has and the front takes the rest.
bool MaximumArmor(Editor& editor);
// Ask for a number of points (or a tonnage) and distribute it; false when the person cancels
// or the answer is refused.
bool AddArmorPoints(Editor& editor);
bool AddArmorTonnage(Editor& editor);

} // namespace fpw::editor
