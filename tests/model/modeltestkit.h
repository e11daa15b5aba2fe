// A program context with a small weapon table of standard weapons, for the model's tests.
#pragma once

#include <cstdint>
#include <string>

#include "app/programcontext.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::model::testkit {

// Positions of the weapons in the kit's table. The launchers of one family share their
// ammunition code, so "LRM-20 Ammo" feeds every LRM.
// clang-format off
enum Weapon : std::int16_t {
    kMediumLaser, kSmallLaser, kLargeLaser, kPPC, kFlamer, kMachineGun, kAC5, kAC10, kAC20,
    kLRM5, kLRM10, kLRM20, kSRM2, kSRM6, kAmmoAC20, kAmmoLRM,
    kNotApplicable, // equipment whose tonnage and heat are marked "not applicable"
    kWeaponCount
};
// clang-format on

catalog::WeaponTable smallWeaponTable();

// Adds the weapon and places it at the top of `loc`, in the turret when asked; returns its
// instance number.
std::int16_t mount(model::Mech& mech, std::int16_t refID, std::int16_t loc, bool turret = false);

struct Kit {
    Kit();
    testing::TempDir dir;
    testing::ScriptedUser user;
    app::ProgramContext ctx;
};

} // namespace fpw::model::testkit
