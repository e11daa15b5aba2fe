// The type codes that describe a design's components and their display texts: short names
// for the selection lists, long names for slot texts, printouts and messages. Every
// conversion reads the one table of its vocabulary; the tables are open for lists and tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fpw::app {
class UserInteraction;
}

namespace fpw::catalog {

// Tech base (`TechBase`). Any value other than 0 and 1 is the mixed tech base.
inline constexpr std::int16_t kInnerSphere = 0;
inline constexpr std::int16_t kClan = 1;
inline constexpr std::int16_t kMixedTech = 2;

// Body type (`MechType`).
inline constexpr std::int16_t kBiped = 0;
inline constexpr std::int16_t kQuad = 1;
inline constexpr std::int16_t kLAM = 2;
inline constexpr std::int16_t kOmniMech = 3;

// `EngineType`.
namespace engine {
inline constexpr std::int16_t kFusion = 0;
inline constexpr std::int16_t kXL = 1;
inline constexpr std::int16_t kXXL = 2;
inline constexpr std::int16_t kLarge = 3;
inline constexpr std::int16_t kLargeXL = 4;
inline constexpr std::int16_t kLargeXXL = 5;
inline constexpr std::int16_t kCompact = 6;
} // namespace engine

// `GyroType`.
namespace gyro {
inline constexpr std::int16_t kStandard = 0;
inline constexpr std::int16_t kCompact = 1;
inline constexpr std::int16_t kHeavyDuty = 2;
inline constexpr std::int16_t kExtraLight = 3;
} // namespace gyro

// `CockpitType`.
namespace cockpit {
inline constexpr std::int16_t kStandard = 0;
inline constexpr std::int16_t kCommandConsole = 1;
inline constexpr std::int16_t kSmall = 2;
inline constexpr std::int16_t kTorsoMounted = 3;
inline constexpr std::int16_t kEnhancedImaging = 4;
} // namespace cockpit

// `HSType`.
namespace heatsink {
inline constexpr std::int16_t kSingle = 0;
inline constexpr std::int16_t kDouble = 1;
inline constexpr std::int16_t kCompact = 2; // one item holds two heat sinks
inline constexpr std::int16_t kLaser = 3;
inline constexpr std::int16_t kClanDouble = 4;
} // namespace heatsink

// `ArmorType`.
namespace armor {
inline constexpr std::int16_t kStandard = 0;
inline constexpr std::int16_t kFerroFibrous = 1;
inline constexpr std::int16_t kLightFerroFibrous = 2;
inline constexpr std::int16_t kHeavyFerroFibrous = 3;
inline constexpr std::int16_t kReactive = 4;
inline constexpr std::int16_t kLaserReflective = 5;
inline constexpr std::int16_t kHardened = 6;
} // namespace armor

// `ISType`.
namespace structure {
inline constexpr std::int16_t kStandard = 0;
inline constexpr std::int16_t kEndoSteel = 1;
inline constexpr std::int16_t kComposite = 2;
inline constexpr std::int16_t kReinforced = 3;
} // namespace structure

// `TargSysType`.
namespace targeting {
inline constexpr std::int16_t kStandard = 0;
inline constexpr std::int16_t kLongRange = 1;
inline constexpr std::int16_t kShortRange = 2;
inline constexpr std::int16_t kVariableRange = 3;
inline constexpr std::int16_t kAntiAircraft = 4;
inline constexpr std::int16_t kMultiTrac = 5;
inline constexpr std::int16_t kMultiTracII = 6;
inline constexpr std::int16_t kTargetingComputer = 7;
} // namespace targeting

// `JumpJetType`.
namespace jumpjet {
inline constexpr std::int16_t kStandard = 0;
inline constexpr std::int16_t kImproved = 1;
inline constexpr std::int16_t kJumpPack = 2;
inline constexpr std::int16_t kMechanicalBoosters = 3;
} // namespace jumpjet

// `PhysicalType`.
namespace physical {
inline constexpr std::int16_t kNone = 0;
inline constexpr std::int16_t kHatchet = 1;
inline constexpr std::int16_t kMace = 2;
inline constexpr std::int16_t kClaw = 3;
inline constexpr std::int16_t kSword = 4;
} // namespace physical

// The per-location CASE setting and the LRM / SRM Artemis settings.
inline constexpr std::int16_t kNoCase = 0;
inline constexpr std::int16_t kStandardCase = 1;
inline constexpr std::int16_t kCaseII = 2;
inline constexpr std::int16_t kNoArtemis = 0;
inline constexpr std::int16_t kArtemisIV = 1;
inline constexpr std::int16_t kArtemisV = 2;

// Weapon type of a weapon record.
namespace weapontype {
inline constexpr std::int16_t kEnergy = 0;
inline constexpr std::int16_t kBallistic = 1;
inline constexpr std::int16_t kMissile = 2;
inline constexpr std::int16_t kEquipment = 3;
inline constexpr std::int16_t kAmmunition = 4;
inline constexpr std::int16_t kArtillery = 5;
} // namespace weapontype

// One code of a vocabulary with its texts; `longName` is empty where the vocabulary has only
// one text per code.
struct TypeText {
    std::int16_t code = 0;
    std::string_view shortName;
    std::string_view longName;
};

// Slots per heat sink item.
struct HeatSinkTypeRow : TypeText {
    std::int16_t slotsClan = 0;
    std::int16_t slotsOther = 0;
};

// Slots the armour takes in the design, and the factor on the points one ton provides.
struct ArmorTypeRow : TypeText {
    std::int16_t slotsClan = 0;
    std::int16_t slotsOther = 0;
    double pointsFactorClan = 1.0;
    double pointsFactorOther = 1.0;
};

// Slots the internal structure takes in the design.
struct StructureTypeRow : TypeText {
    std::int16_t slotsClan = 0;
    std::int16_t slotsOther = 0;
};

// Damage per five tons of design.
struct PhysicalTypeRow : TypeText {
    double damageFactor = 0;
};

// The vocabularies, each in code order starting at 0.
std::span<const TypeText> techBaseTable();
std::span<const TypeText> mechTypeTable();
std::span<const TypeText> actuatorTable();
std::span<const TypeText> engineTypeTable();
std::span<const TypeText> gyroTypeTable();
std::span<const TypeText> cockpitTypeTable();
std::span<const HeatSinkTypeRow> heatSinkTypeTable();
std::span<const ArmorTypeRow> armorTypeTable();
std::span<const StructureTypeRow> structureTypeTable();
std::span<const TypeText> targetingTypeTable();
std::span<const TypeText> jumpJetTypeTable();
std::span<const PhysicalTypeRow> physicalTypeTable();
std::span<const TypeText> caseTable();
std::span<const TypeText> artemisTable();
std::span<const TypeText> weaponTypeTable();

// Code to text. Unless said otherwise a code outside the vocabulary gives "".
// Comparisons of text to code are exact and case-sensitive.

// The long text of `code` in a vocabulary as a view into the table; "" for a code outside it.
template <class Row> std::string_view longNameIn(std::span<const Row> rows, int code) {
    for (const Row& row : rows) {
        if (row.code == code) {
            return row.longName;
        }
    }
    return {};
}

// Every value other than 0 and 1 reads as "Inner Sphere 'C'".
std::string techBaseName(int code);

std::string mechTypeName(int code);
// Throws ConversionError for an unknown text.
std::int16_t mechTypeCode(std::string_view name);

// 0 "Shoulder" to 3 "Hand Actuator": the first four slots of an arm.
std::string actuatorName(int code);

std::string engineName(int code);
std::string engineLongName(int code);
// Short names only; 0 for an unknown text.
std::int16_t engineTypeCode(std::string_view name);

std::string gyroName(int code);
std::string gyroLongName(int code);
// Short names only; throws ConversionError for an unknown text.
std::int16_t gyroTypeCode(std::string_view name);

std::string cockpitName(int code);
// 0 for an unknown text.
std::int16_t cockpitTypeCode(std::string_view name);

std::string heatSinkName(int code);
std::string heatSinkLongName(int code);
// Short or long name; 0 for an unknown text.
std::int16_t heatSinkTypeCode(std::string_view name);

std::string armorName(int code);
std::string armorLongName(int code);
// Short names only; 0 for an unknown text.
std::int16_t armorTypeCode(std::string_view name);

std::string structureName(int code);
std::string structureLongName(int code);
// Short or long name; 0 for an unknown text.
std::int16_t structureTypeCode(std::string_view name);

std::string targetingName(int code);
// 0 for an unknown text.
std::int16_t targetingTypeCode(std::string_view name);

std::string jumpJetName(int code);
std::string jumpJetLongName(int code);

std::string physicalName(int code);
// 0 for an unknown text.
std::int16_t physicalTypeCode(std::string_view name);
// Damage per five tons of design; 0 for an unknown code.
double physicalDamageFactor(int code);

// Every value other than 0 and 1 reads as "CASE II".
std::string caseName(int code);
// 0 for an unknown text.
std::int16_t caseCode(std::string_view name);

// Every value other than 0 and 1 reads as "Artemis V FCS".
std::string artemisName(int code);
// 0 for an unknown text.
std::int16_t artemisCode(std::string_view name);

// "Energy" to "Artillery". A code outside 0 to 5 shows the critical box "Bad index passed"
// and gives "".
std::string gGetWeaponTypeName(int code, app::UserInteraction& user);

} // namespace fpw::catalog
