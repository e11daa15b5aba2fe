#include "catalog/equipment.h"

#include <algorithm>
#include <array>

#include "app/userinteraction.h"
#include "catalog/conversionerror.h"

namespace fpw::catalog {
namespace {

constexpr std::array<TypeText, 3> kTechBases{{
    {0, "Inner Sphere", ""},
    {1, "Clan", ""},
    {2, "Inner Sphere 'C'", ""},
}};

constexpr std::array<TypeText, 4> kMechTypes{{
    {0, "Biped", ""},
    {1, "Quad", ""},
    {2, "LAM", ""},
    {3, "Omni-Mech", ""},
}};

constexpr std::array<TypeText, 4> kActuators{{
    {0, "Shoulder", ""},
    {1, "Upper Arm Actuator", ""},
    {2, "Lower Arm Actuator", ""},
    {3, "Hand Actuator", ""},
}};

constexpr std::array<TypeText, 7> kEngineTypes{{
    {0, "Fusion", "Engine"},
    {1, "Fusion XL", "XL Engine"},
    {2, "Fusion XXL", "XXL Engine"},
    {3, "Large Fusion", "Large Engine"},
    {4, "Large Fusion XL", "Large XL Engine"},
    {5, "Large Fusion XXL", "Large XXL Engine"},
    {6, "Compact", "Compact Engine"},
}};

constexpr std::array<TypeText, 4> kGyroTypes{{
    {0, "Standard", "Gyro"},
    {1, "Compact", "Compact Gyro"},
    {2, "Heavy-Duty", "Heavy-Duty Gyro"},
    {3, "Extra-Light", "XL Gyro"},
}};

constexpr std::array<TypeText, 5> kCockpitTypes{{
    {0, "Standard", ""},
    {1, "Command Console", ""},
    {2, "Small", ""},
    {3, "Torso-Mounted", ""},
    {4, "Enhanced Imaging", ""},
}};

constexpr std::array<HeatSinkTypeRow, 5> kHeatSinkTypes{{
    {{0, "Single", "Heat Sink"}, 1, 1},
    {{1, "Double", "Double Heat Sink"}, 2, 3},
    {{2, "Compact (2)", "2 Compact Heat Sinks"}, 1, 1},
    {{3, "Laser", "Laser Heat Sink"}, 2, 1},
    {{4, "Double (C)", "(C) Double Heat Sink"}, 2, 2},
}};

// The factors are written as the sums the game's rules state so that they come out as the
// same doubles every other calculation of the program expects.
constexpr std::array<ArmorTypeRow, 7> kArmorTypes{{
    {{0, "Standard", "Standard Armor"}, 0, 0, 1.0, 1.0},
    {{1, "Ferro-Fibrous", "Ferro-Fibrous Armor"}, 7, 14, 1.0 + 1.0 / 5.0, 1.0 + 3.0 / 25.0},
    {{2, "Light Ferro-Fibrous", "Light Ferro-Fibrous Armor"},
     7,
     7,
     1.0 + 3.0 / 50.0,
     1.0 + 3.0 / 50.0},
    {{3, "Heavy Ferro-Fibrous", "Heavy Ferro-Fibrous Armor"},
     21,
     21,
     1.0 + 6.0 / 25.0,
     1.0 + 6.0 / 25.0},
    {{4, "Reactive", "Reactive Armor"}, 7, 14, 1.0, 1.0},
    {{5, "Laser Reflective", "Laser Reflective Armor"}, 5, 10, 1.0, 1.0},
    {{6, "Hardened", "Hardened Armor"}, 0, 0, 1.0 / 2.0, 1.0 / 2.0},
}};

constexpr std::array<StructureTypeRow, 4> kStructureTypes{{
    {{0, "Standard", "Standard"}, 0, 0},
    {{1, "EndoSteel", "EndoSteel"}, 7, 14},
    {{2, "Composite", "Composite Structure"}, 0, 0},
    {{3, "Reinforced", "Reinforced Structure"}, 0, 0},
}};

constexpr std::array<TypeText, 8> kTargetingTypes{{
    {0, "Standard", ""},
    {1, "Long-Range Targeting", ""},
    {2, "Short-Range Targeting", ""},
    {3, "Variable-Range Targeting", ""},
    {4, "Anti-Aircraft Targeting", ""},
    {5, "Multi-Trac Targeting", ""},
    {6, "Multi-Trac II", ""},
    {7, "Targeting Computer", ""},
}};

constexpr std::array<TypeText, 4> kJumpJetTypes{{
    {0, "Standard", "Jump Jet"},
    {1, "Improved", "Improved Jump Jet"},
    {2, "Jump Pack", "Heavyframe Jump Pack"},
    {3, "Mechanical Boosters", "Mechanical Jump Boosters"},
}};

constexpr std::array<PhysicalTypeRow, 5> kPhysicalTypes{{
    {{0, "None", ""}, 0.0},
    {{1, "Hatchet", ""}, 1.0},
    {{2, "Mace", ""}, 2.0},
    {{3, "Claw", ""}, 1.0},
    {{4, "Sword", ""}, 0.5},
}};

constexpr std::array<TypeText, 3> kCaseSettings{{
    {0, "No CASE", ""},
    {1, "Standard CASE", ""},
    {2, "CASE II", ""},
}};

constexpr std::array<TypeText, 3> kArtemisSettings{{
    {0, "No Artemis", ""},
    {1, "Artemis IV FCS", ""},
    {2, "Artemis V FCS", ""},
}};

constexpr std::array<TypeText, 6> kWeaponTypes{{
    {0, "Energy", ""},
    {1, "Ballistic", ""},
    {2, "Missile", ""},
    {3, "Equipment", ""},
    {4, "Ammunition", ""},
    {5, "Artillery", ""},
}};

template <class Row> const Row* findCode(std::span<const Row> rows, int code) {
    auto it =
        std::find_if(rows.begin(), rows.end(), [code](const Row& r) { return r.code == code; });
    return it == rows.end() ? nullptr : &*it;
}

template <class Row> std::string shortNameOf(std::span<const Row> rows, int code) {
    const Row* row = findCode(rows, code);
    return row ? std::string(row->shortName) : std::string();
}

template <class Row> std::string longNameOf(std::span<const Row> rows, int code) {
    return std::string(longNameIn(rows, code));
}

enum class Accept { ShortOnly, ShortOrLong };

template <class Row>
const Row* findName(std::span<const Row> rows, std::string_view name, Accept accept) {
    auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
        return r.shortName == name || (accept == Accept::ShortOrLong && r.longName == name);
    });
    return it == rows.end() ? nullptr : &*it;
}

template <class Row>
std::int16_t codeOrZero(std::span<const Row> rows, std::string_view name,
                        Accept accept = Accept::ShortOnly) {
    const Row* row = findName(rows, name, accept);
    return row ? row->code : std::int16_t{0};
}

template <class Row> std::int16_t codeOrThrow(std::span<const Row> rows, std::string_view name) {
    const Row* row = findName(rows, name, Accept::ShortOnly);
    if (!row)
        throw ConversionError();
    return row->code;
}

// Vocabularies whose last entry stands for every value outside the others.
template <class Row> std::string shortNameOrLast(std::span<const Row> rows, int code) {
    const Row* row = findCode(rows, code);
    return std::string(row ? row->shortName : rows.back().shortName);
}

} // namespace

std::span<const TypeText> techBaseTable() {
    return kTechBases;
}
std::span<const TypeText> mechTypeTable() {
    return kMechTypes;
}
std::span<const TypeText> actuatorTable() {
    return kActuators;
}
std::span<const TypeText> engineTypeTable() {
    return kEngineTypes;
}
std::span<const TypeText> gyroTypeTable() {
    return kGyroTypes;
}
std::span<const TypeText> cockpitTypeTable() {
    return kCockpitTypes;
}
std::span<const HeatSinkTypeRow> heatSinkTypeTable() {
    return kHeatSinkTypes;
}
std::span<const ArmorTypeRow> armorTypeTable() {
    return kArmorTypes;
}
std::span<const StructureTypeRow> structureTypeTable() {
    return kStructureTypes;
}
std::span<const TypeText> targetingTypeTable() {
    return kTargetingTypes;
}
std::span<const TypeText> jumpJetTypeTable() {
    return kJumpJetTypes;
}
std::span<const PhysicalTypeRow> physicalTypeTable() {
    return kPhysicalTypes;
}
std::span<const TypeText> caseTable() {
    return kCaseSettings;
}
std::span<const TypeText> artemisTable() {
    return kArtemisSettings;
}
std::span<const TypeText> weaponTypeTable() {
    return kWeaponTypes;
}

std::string techBaseName(int code) {
    return shortNameOrLast(techBaseTable(), code);
}

std::string mechTypeName(int code) {
    return shortNameOf(mechTypeTable(), code);
}
std::int16_t mechTypeCode(std::string_view name) {
    return codeOrThrow(mechTypeTable(), name);
}

std::string actuatorName(int code) {
    return shortNameOf(actuatorTable(), code);
}

std::string engineName(int code) {
    return shortNameOf(engineTypeTable(), code);
}
std::string engineLongName(int code) {
    return longNameOf(engineTypeTable(), code);
}
std::int16_t engineTypeCode(std::string_view name) {
    return codeOrZero(engineTypeTable(), name);
}

std::string gyroName(int code) {
    return shortNameOf(gyroTypeTable(), code);
}
std::string gyroLongName(int code) {
    return longNameOf(gyroTypeTable(), code);
}
std::int16_t gyroTypeCode(std::string_view name) {
    return codeOrThrow(gyroTypeTable(), name);
}

std::string cockpitName(int code) {
    return shortNameOf(cockpitTypeTable(), code);
}
std::int16_t cockpitTypeCode(std::string_view name) {
    return codeOrZero(cockpitTypeTable(), name);
}

std::string heatSinkName(int code) {
    return shortNameOf(heatSinkTypeTable(), code);
}
std::string heatSinkLongName(int code) {
    return longNameOf(heatSinkTypeTable(), code);
}
std::int16_t heatSinkTypeCode(std::string_view name) {
    return codeOrZero(heatSinkTypeTable(), name, Accept::ShortOrLong);
}

std::string armorName(int code) {
    return shortNameOf(armorTypeTable(), code);
}
std::string armorLongName(int code) {
    return longNameOf(armorTypeTable(), code);
}
std::int16_t armorTypeCode(std::string_view name) {
    return codeOrZero(armorTypeTable(), name);
}

std::string structureName(int code) {
    return shortNameOf(structureTypeTable(), code);
}
std::string structureLongName(int code) {
    return longNameOf(structureTypeTable(), code);
}
std::int16_t structureTypeCode(std::string_view name) {
    return codeOrZero(structureTypeTable(), name, Accept::ShortOrLong);
}

std::string targetingName(int code) {
    return shortNameOf(targetingTypeTable(), code);
}
std::int16_t targetingTypeCode(std::string_view name) {
    return codeOrZero(targetingTypeTable(), name);
}

std::string jumpJetName(int code) {
    return shortNameOf(jumpJetTypeTable(), code);
}
std::string jumpJetLongName(int code) {
    return longNameOf(jumpJetTypeTable(), code);
}

std::string physicalName(int code) {
    return shortNameOf(physicalTypeTable(), code);
}
std::int16_t physicalTypeCode(std::string_view name) {
    return codeOrZero(physicalTypeTable(), name);
}
double physicalDamageFactor(int code) {
    const PhysicalTypeRow* row = findCode(physicalTypeTable(), code);
    return row ? row->damageFactor : 0.0;
}

std::string caseName(int code) {
    return shortNameOrLast(caseTable(), code);
}
std::int16_t caseCode(std::string_view name) {
    return codeOrZero(caseTable(), name);
}

std::string artemisName(int code) {
    return shortNameOrLast(artemisTable(), code);
}
std::int16_t artemisCode(std::string_view name) {
    return codeOrZero(artemisTable(), name);
}

std::string gGetWeaponTypeName(int code, app::UserInteraction& user) {
    if (const TypeText* row = findCode(weaponTypeTable(), code))
        return std::string(row->shortName);
    user.message("Bad index (" + std::to_string(code) + ") passed to gGetWeaponTypeName.",
                 "Bad index passed", app::MessageIcon::Critical);
    return {};
}

} // namespace fpw::catalog
