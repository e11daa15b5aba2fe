// The type codes of a design that the catalogue needs to name its general items and weapons.
// The model fills one from its `Mech`; the catalogue never sees the design itself.
#pragma once

#include <cstdint>

namespace fpw::catalog {

struct DesignTypes {
    std::int16_t techBase = 0;
    std::int16_t armorType = 0;
    std::int16_t isType = 0;
    std::int16_t hsType = 0;
    std::int16_t engineType = 0;
    std::int16_t gyroType = 0;
    std::int16_t jumpJetType = 0;
    bool operator==(const DesignTypes&) const = default;
};

} // namespace fpw::catalog
