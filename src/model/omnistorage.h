// The stores an OmniMech keeps per configuration: its weapons, its slots, its CASE and its
// actuators. Each is a plain value, so a configuration copied from the base chassis or from
// another configuration never shares anything with its source.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/criticallocation.h"
#include "model/weaponentry.h"

namespace fpw::model {

// The weapons of one configuration, keyed by their instance number (`WeaponIndex`).
class OmniWeaponStorage {
public:
    // Stores the weapon (a copy, or the one moved in); refused (false) when a weapon with the
    // same instance number is stored already.
    bool Add(OmniWeapon weapon);
    // Room for `count` weapons, for a caller that knows how many come.
    void reserve(std::size_t count) { weapons_.reserve(count); }
    // The i-th weapon counted from 1 in the order they were added; nullptr outside.
    const OmniWeapon* GetWeapon(int position) const;
    // The weapon whose instance number, as decimal text, is `key`; nullptr when none is.
    const OmniWeapon* GetWeapon(std::string_view key) const;
    int WeaponCount() const { return static_cast<int>(weapons_.size()); }
    const std::vector<OmniWeapon>& weapons() const { return weapons_; }

    const std::string& configName() const { return configName_; }
    void setConfigName(std::string name) { configName_ = std::move(name); }

    bool operator==(const OmniWeaponStorage&) const = default;

private:
    std::vector<OmniWeapon> weapons_;
    std::string configName_;
};

// The slots of all eight locations of one configuration (or of the base chassis, "Base").
class OmniCritLocationStorage {
public:
    static constexpr int kLocations = 8;

    // Stores a copy at the location's own `LocationIndex`; false outside 0 to 7.
    bool Add(CriticalLocation location);
    // Makes location `loc` hold `slots` as they are (a reader's: each slot's index is its
    // position), named after this store; false outside 0 to 7. Builds the location where it is
    // kept, with no whole location to move there.
    bool setLocation(int loc, std::vector<CriticalSlot> slots);
    // The location's slots; an empty location outside 0 to 7. Inline: a configuration switch
    // and the reader ask for every location.
    const CriticalLocation& GetLoc(int loc) const {
        return loc >= 0 && loc < kLocations ? locations_[static_cast<std::size_t>(loc)] : none();
    }

    const std::string& configName() const { return configName_; }
    void setConfigName(std::string name) { configName_ = std::move(name); }

    // The stored slot's `IsLocked` and `IsBaseArmored`; false for a slot not stored.
    bool TIsBaseItem(int loc, int slot) const;
    bool TIsBaseArmored(int loc, int slot) const;

    bool operator==(const OmniCritLocationStorage&) const = default;

private:
    static const CriticalLocation& none();

    std::array<CriticalLocation, kLocations> locations_{};
    std::string configName_;
};

// The CASE settings of locations 0 to 6 of one configuration.
class OmniCASE {
public:
    static constexpr int kLocations = 7;

    // Sets the value of one location; false outside 0 to 6.
    bool Add(int loc, std::int16_t value);
    // 0 outside 0 to 6.
    std::int16_t GetCASE(int loc) const {
        return loc >= 0 && loc < kLocations ? values_[static_cast<std::size_t>(loc)] : 0;
    }

    const std::string& configName() const { return configName_; }
    void setConfigName(std::string name) { configName_ = std::move(name); }

    bool operator==(const OmniCASE&) const = default;

private:
    std::array<std::int16_t, kLocations> values_{};
    std::string configName_;
};

// The four actuator flags of each arm of one configuration (index 0 shoulder to 3 hand).
class OmniActuators {
public:
    static constexpr int kActuators = 4;

    // `right` non-zero selects the right arm. False outside 0 to 3.
    bool GetActuator(int right, int i) const {
        return i >= 0 && i < kActuators &&
               (right != 0 ? right_ : left_)[static_cast<std::size_t>(i)];
    }
    bool SetActuator(int right, int i, bool value);

    const std::string& configName() const { return configName_; }
    void setConfigName(std::string name) { configName_ = std::move(name); }

    bool operator==(const OmniActuators&) const = default;

private:
    std::array<bool, kActuators> left_{};
    std::array<bool, kActuators> right_{};
    std::string configName_;
};

// The armoured flag of every slot of the eight locations, taken while a configuration is
// stored; it is not kept with the configuration.
class OmniArmoredComponents {
public:
    static constexpr int kLocations = 8;

    // Both are refused (false) outside the location's slots.
    bool SetLocation(int loc, int slot, bool value);
    bool GetLocation(int loc, int slot) const;
    // Resizes the location to slots 0 to n, all unarmoured (n = -1 empties it).
    void SetLocationSize(int loc, int n);
    // The highest slot index of the location; -1 when it has none or is outside 0 to 7.
    int GetLocationSize(int loc) const;

    const std::string& configName() const { return configName_; }
    void setConfigName(std::string name) { configName_ = std::move(name); }

private:
    std::array<std::vector<bool>, kLocations> locations_{};
    std::string configName_;
};

} // namespace fpw::model
