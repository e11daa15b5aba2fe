// An OmniMech's locked base chassis and its named configurations ("variants"), as plain
// values held by the `Mech`.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/omnistorage.h"
#include "model/weaponentry.h"

namespace fpw::model {

// The name of the base chassis slot store.
inline constexpr std::string_view kBaseConfigName = "Base";
// Configuration names are kept to the width the design file gives them.
inline constexpr std::size_t kConfigNameWidth = 25;

// The pod-space values a configuration may change, in the order the design file keeps the
// base chassis values.
struct OmniPodValues {
    std::int16_t hsCount = 0;
    std::int16_t jumping = 0;
    std::int16_t physicalType = 0;
    bool laPhysical = false;
    bool raPhysical = false;
    std::int16_t targSysType = 0;
    std::int16_t artemisLRM = 0;
    std::int16_t artemisSRM = 0;

    bool operator==(const OmniPodValues&) const = default;
};

// What `LockBaseOmni` fixed. The locked flag and the base free tonnage are fields of the
// `Mech` (they sit in the design file's scalar block).
struct OmniBaseChassis {
    OmniPodValues values;
    // The live weapons at lock time, each marked `baseOmni`.
    std::vector<WeaponEntry> weapons;
    std::array<std::int16_t, OmniCASE::kLocations> caseSettings{};
    std::array<bool, OmniActuators::kActuators> laActuators{};
    std::array<bool, OmniActuators::kActuators> raActuators{};
    // Every slot of every location at lock time, named "Base".
    OmniCritLocationStorage slots;

    bool operator==(const OmniBaseChassis&) const = default;
};

// One configuration: its name, its values and its four stores, each named after it.
struct OmniConfig {
    std::string name;
    OmniPodValues values;
    OmniCASE caseSettings;
    OmniActuators actuators;
    OmniWeaponStorage weapons;
    OmniCritLocationStorage slots;

    bool operator==(const OmniConfig&) const = default;
};

// The base chassis and the configurations in their order.
struct OmniState {
    OmniBaseChassis base;
    std::vector<OmniConfig> configs;

    bool operator==(const OmniState&) const = default;
};

// A configuration name as the program keeps it: blanks trimmed at both ends, then cut to 25
// characters (whole UTF-8 characters).
std::string omniConfigName(std::string_view text);

// True when the two names are equal with ASCII letter case ignored.
bool sameConfigName(std::string_view a, std::string_view b);

// The position of the configuration named `name`; unless `exact`, letter case is ignored and
// `name` is compared in its kept form (trimmed, first 25 characters). -1 when there is none.
int findOmniConfig(const std::vector<OmniConfig>& configs, std::string_view name,
                   bool exact = false);

} // namespace fpw::model
