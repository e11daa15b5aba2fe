// The general (non-weapon) items that critical slots hold: their codes, numeric save codes,
// display texts, slot counts and MUX export names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/designtypes.h"
#include "catalog/weaponrecord.h"

namespace fpw::app {
class UserInteraction;
}

namespace fpw::catalog {

// Item codes. A slot stores an item identifier: the code with an instance number behind it
// ("cHS" and 3 give "cHS3").
inline constexpr std::string_view cArm = "cArm";    // armour slot item
inline constexpr std::string_view cIS = "cIS";      // structure slot item
inline constexpr std::string_view cMASC = "cMASC";  // MASC
inline constexpr std::string_view cTSM = "cTSM";    // triple-strength myomer
inline constexpr std::string_view cHS = "cHS";      // heat sink
inline constexpr std::string_view cSC = "cSC";      // supercharger
inline constexpr std::string_view cTS = "cTS";      // targeting system / targeting computer
inline constexpr std::string_view cCP = "cCP";      // cockpit parts
inline constexpr std::string_view cNSS = "cNSS";    // null-signature system
inline constexpr std::string_view cCASE = "cCASE";  // CASE or CASE II
inline constexpr std::string_view cPhy = "cPhy";    // physical weapon
inline constexpr std::string_view cEng = "cEng";    // engine slot
inline constexpr std::string_view cG = "cG";        // gyro slot
inline constexpr std::string_view cJJ = "cJJ";      // jump jet
inline constexpr std::string_view cAIVL = "cA-IVL"; // Artemis IV on an LRM launcher
inline constexpr std::string_view cAVL = "cA-VL";   // Artemis V on an LRM launcher
inline constexpr std::string_view cAIVS = "cA-IVS"; // Artemis IV on an SRM launcher
inline constexpr std::string_view cAVS = "cA-VS";   // Artemis V on an SRM launcher
inline constexpr std::string_view cTur = "cTur";    // turret mechanism

// The save code of items that have none.
inline constexpr std::int16_t kNoSaveCode = -1;

// The item code of an identifier: the identifier without its trailing digits ("cHS12" gives
// "cHS"; a weapon's "7" gives ""). A view into `identifier`.
std::string_view genItemBaseCode(std::string_view identifier);

// `code` with `instance` behind it in decimal.
std::string genItemIdentifier(std::string_view code, int instance);

// True for one of the codes above (exactly, without instance number).
bool isGenItemCode(std::string_view code);

// With `numeric` false: the save code of the identifier's base code, -1 for any other code.
// With `numeric` true: the text as an Integer (a weapon's instance number); throws
// ConversionError (type mismatch, or overflow beyond the Integer range) when it is not one.
std::int16_t gGetGenItemID(std::string_view text, bool numeric);

// The save codes of the general items lie in this range.
inline constexpr std::int16_t kFirstGenItemSaveCode = 1000;
inline constexpr std::int16_t kLastGenItemSaveCode = 1013;

// Whether `identifier` names an item with this save code (its base code is that item's code):
// the same answer as comparing gGetGenItemID(identifier, false) with it, without looking the
// identifier up.
bool isIdentifierOfSaveCode(std::string_view identifier, int saveCode);

// The base code of a save code, "" when no item has it.
std::string genItemCodeForSaveCode(int saveCode);
// Whether a general item has this save code.
bool isGenItemSaveCode(int saveCode);

// The design file's name of a slot item. With `isWeapon` the code is a weapon index and the
// result is the record's name, marked "(C) " or "(IS) " on a mixed tech base design; else
// the code is a save code (1000 to 1013) named from the design's current types. An unknown
// code shows "Invalid index passed to gConvertSaveIdxToName (...)" and gives "".
std::string gConvertSaveIdxToName(const DesignTypes& types, const WeaponTable& weapons, int code,
                                  bool isWeapon, app::UserInteraction& user);
// The same name in its two parts, views into the tables (valid while `weapons` lives): the
// "(C) " or "(IS) " mark (empty unless both apply) and the name itself. Nothing for an
// unknown code; nothing is shown.
struct SaveIdxName {
    std::string_view mark;
    std::string_view name;
};
std::optional<SaveIdxName> saveIdxNameParts(const DesignTypes& types, const WeaponTable& weapons,
                                            int code, bool isWeapon);

// The names of the general items under one design's types, each found once: a design file
// names the same few items over and over. Views into the tables.
class GenItemNames {
public:
    GenItemNames() = default; // every name empty
    explicit GenItemNames(const DesignTypes& types);
    // The name saveIdxNameParts gives for a general item's save code; empty for an unknown one.
    std::string_view name(int saveCode) const {
        return saveCode < kFirstGenItemSaveCode || saveCode > kLastGenItemSaveCode
                   ? std::string_view{}
                   : names_[static_cast<std::size_t>(saveCode - kFirstGenItemSaveCode)];
    }

private:
    std::array<std::string_view, kLastGenItemSaveCode - kFirstGenItemSaveCode + 1> names_{};
};

// The slot text of a general item (identifier or base code) from the design's current
// types; "" for items whose text the placing rule writes. An unknown code shows
// "Invalid index passed to gGetGenItemText (...)" and gives "".
std::string genItemText(std::string_view code, const DesignTypes& types,
                        app::UserInteraction& user);

// Slots of one item (identifier or base code); 0 for items whose size the placing rule
// fixes. An unknown code shows "Invalid index passed to gGetGenItemSlots (...)" and gives 0.
std::int16_t genItemSlots(std::string_view code, const DesignTypes& types, int mascSize, int tcSize,
                          app::UserInteraction& user);

// The MUX export name of a slot text. An unknown text shows
// "gGetMUXItemName could not find item: ..." and gives "".
std::string gGetMUXItemName(std::string_view slotText, app::UserInteraction& user);

} // namespace fpw::catalog
