// The weapon database "wpndata.bin": reading, writing and the lookups other rules share.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "catalog/parseresult.h"
#include "catalog/weaponrecord.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::catalog {

inline constexpr std::string_view kWeaponDatabaseFile = "wpndata.bin";
inline constexpr std::string_view kWeaponDatabaseHeader = "Forgeplanwork Weapon Database";
inline constexpr std::size_t kWeaponDatabaseHeaderWidth = 30;
inline constexpr std::int16_t kWeaponDatabaseVersion = 17;

// The splash screen's progress indicator: told its range once, then every record's index.
struct LoadProgress {
    std::function<void(int minimum, int maximum)> setRange;
    std::function<void(int value)> advance;
};

// Parses a whole database without showing anything. The progress (either callback may be
// empty) is given the range 0 to the last index, then each record's index once it is read.
ParseResult<WeaponTable> parseWeaponDatabase(std::string_view bytes,
                                             const LoadProgress& progress = {});

// The file's bytes for `table`; throws std::length_error for an empty table or one with more
// records than the file's 16-bit count can hold.
std::string writeWeaponDatabase(const WeaponTable& table);

// Reads "wpndata.bin" from the program directory into ctx.weapons, showing the missing, damaged
// or wrong-version message; a file that ends inside its records goes to the error reporter.
// After every record the progress advances and pending interface events run. On any failure
// returns false and ctx.weapons is left as it was.
bool LoadWeapons(app::ProgramContext& ctx, const LoadProgress& progress = {});

// The index of the first record with exactly this name and tech base, or -1.
int findWeapon(const WeaponTable& table, std::string_view name, std::int16_t techBase);

// True when `weapon` is a ballistic, missile or artillery weapon that fires ammunition: its
// AmmoCodes list is not empty and does not start with -1.
bool usesAmmunition(const WeaponRecord& weapon);

// True when `weapon` uses ammunition and shares an AmmoCodes value with `ammo`.
bool takesAmmunition(const WeaponRecord& weapon, const WeaponRecord& ammo);

// The ammunition header of the printouts: "%0" becomes AmmoPrintName, "%1" AmmoTypeText and
// "%2" the shots. The special template is used when AmmoTypeText is not empty.
std::string ammunitionHeader(const WeaponRecord& ammo, long shots, std::string_view specialTemplate,
                             std::string_view standardTemplate);
std::string ammunitionHeader(const WeaponRecord& ammo, long shots, const app::Settings& settings);

// The editor's information text on a weapon, lines separated by CR LF; a value that does not
// apply to the record shows as "-".
std::string weaponInformationText(const WeaponRecord& weapon);

} // namespace fpw::catalog
