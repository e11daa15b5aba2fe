// Designs for the design-file and omni tests, built through the model's own operations over a
// small weapon table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/programcontext.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::testing::designkit {

// Positions in the kit's weapon table.
enum Weapon : std::int16_t {
    kMediumLaser,
    kSmallLaser,
    kPPC,
    kAC5,
    kSRM6,
    kLRM10,
    kMachineGun,
    kAmmoAC5,
    kAmmoSRM,
    kAmmoMG,
    kClanERMediumLaser, // a Clan record, for mixed tech designs
    kWeaponCount
};

struct Kit {
    Kit();
    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx;
};

// Writes a weapon into `slotCount` slots from `slot` (the record's slot need when 0) and
// places it in the weapon list; returns its instance number.
std::int16_t placeWeapon(model::Mech& mech, std::int16_t refID, int loc, int slot,
                         bool rear = false);
// Writes one general item (code plus the location's next instance) over `slots` slots.
void placeItem(model::Mech& mech, std::string_view code, std::string_view text, int loc, int slot,
               int slots = 1);

// A 55-ton biped with jump jets, placed and unplaced weapons, a rear weapon, ammunition, CASE,
// heat sinks in the legs, an armoured slot and a gap in its instance numbers.
model::Mech plainDesign(app::ProgramContext& ctx);
model::Mech quadDesign(app::ProgramContext& ctx);
model::Mech lamDesign(app::ProgramContext& ctx);
// Tech base 2 with an Inner Sphere and a Clan weapon.
model::Mech mixedTechDesign(app::ProgramContext& ctx);
// A named design without weapons.
model::Mech weaponlessDesign(app::ProgramContext& ctx);
// An Omni-Mech whose base chassis is not locked yet: a PPC in the right torso, engine, heat
// sinks, armour and no lower arm actuators.
model::Mech omniChassis(app::ProgramContext& ctx);
// The chassis locked, with "Prime" (as locked), "Alpha" (two medium lasers, an SRM-6 with
// ammunition, CASE, more heat sinks, an armoured base slot) and "Long Range Support Variant"
// (cut to 25 characters: an LRM-10, jump jets, a left lower arm actuator); Alpha is current.
model::Mech lockedOmniDesign(app::ProgramContext& ctx);

} // namespace fpw::testing::designkit
