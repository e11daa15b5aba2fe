#include "catalog/equipment.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "catalog/conversionerror.h"
#include "support/scripteduser.h"

namespace fpw::catalog {
namespace {

using NameOf = std::function<std::string(int)>;
using CodeOf = std::function<std::int16_t(std::string_view)>;

struct Vocabulary {
    const char* what;
    NameOf name;
    CodeOf code; // empty where no text converts back
    int count;
    int spotCode; // one text checked word for word; the rest are distinct and convert back
    const char* spotText;
};

std::vector<Vocabulary> vocabularies() {
    return {
        {"tech base", techBaseName, {}, 3, 2, "Inner Sphere 'C'"},
        {"body type", mechTypeName, mechTypeCode, 4, 3, "Omni-Mech"},
        {"actuator", actuatorName, {}, 4, 1, "Upper Arm Actuator"},
        {"engine", engineName, engineTypeCode, 7, 3, "Large Fusion"},
        {"engine long", engineLongName, {}, 7, 5, "Large XXL Engine"},
        {"gyro", gyroName, gyroTypeCode, 4, 3, "Extra-Light"},
        {"gyro long", gyroLongName, {}, 4, 3, "XL Gyro"},
        {"cockpit", cockpitName, cockpitTypeCode, 5, 4, "Enhanced Imaging"},
        {"heat sink", heatSinkName, heatSinkTypeCode, 5, 4, "Double (C)"},
        {"heat sink long", heatSinkLongName, heatSinkTypeCode, 5, 2, "2 Compact Heat Sinks"},
        {"armour", armorName, armorTypeCode, 7, 5, "Laser Reflective"},
        {"armour long", armorLongName, {}, 7, 3, "Heavy Ferro-Fibrous Armor"},
        {"structure", structureName, structureTypeCode, 4, 1, "EndoSteel"},
        {"structure long", structureLongName, structureTypeCode, 4, 2, "Composite Structure"},
        {"targeting", targetingName, targetingTypeCode, 8, 6, "Multi-Trac II"},
        {"jump jet", jumpJetName, {}, 4, 3, "Mechanical Boosters"},
        {"jump jet long", jumpJetLongName, {}, 4, 2, "Heavyframe Jump Pack"},
        {"physical", physicalName, physicalTypeCode, 5, 1, "Hatchet"},
        {"CASE", caseName, caseCode, 3, 2, "CASE II"},
        {"Artemis", artemisName, artemisCode, 3, 1, "Artemis IV FCS"},
    };
}

TEST(EquipmentNames, EveryCodeHasItsOwnTextThatConvertsBack) {
    for (const Vocabulary& v : vocabularies()) {
        SCOPED_TRACE(v.what);
        EXPECT_EQ(v.name(v.spotCode), v.spotText);
        std::set<std::string> seen;
        for (int code = 0; code < v.count; ++code) {
            EXPECT_FALSE(v.name(code).empty()) << "code " << code;
            EXPECT_TRUE(seen.insert(v.name(code)).second) << "code " << code;
            if (v.code) {
                EXPECT_EQ(v.code(v.name(code)), code) << v.name(code);
            }
        }
    }
}

TEST(EquipmentNames, CodesOutsideTheTableGiveEmptyTextOrTheLastText) {
    const std::vector<std::string> fallThrough{"tech base", "CASE", "Artemis"};
    for (const Vocabulary& v : vocabularies()) {
        if (std::find(fallThrough.begin(), fallThrough.end(), v.what) != fallThrough.end())
            continue;
        SCOPED_TRACE(v.what);
        EXPECT_EQ(v.name(-1), "");
        EXPECT_EQ(v.name(v.count), "");
    }
    EXPECT_EQ(techBaseName(7), "Inner Sphere 'C'");
    EXPECT_EQ(caseName(-3), "CASE II");
    EXPECT_EQ(artemisName(3), "Artemis V FCS");
}

TEST(EquipmentNames, UnknownTextsGiveZeroWhereTheConversionIsLenient) {
    const std::vector<std::pair<const char*, CodeOf>> lenient{
        {"engine", engineTypeCode},       {"cockpit", cockpitTypeCode},
        {"heat sink", heatSinkTypeCode},  {"armour", armorTypeCode},
        {"structure", structureTypeCode}, {"targeting", targetingTypeCode},
        {"physical", physicalTypeCode},   {"CASE", caseCode},
        {"Artemis", artemisCode},
    };
    for (const auto& [what, code] : lenient) {
        SCOPED_TRACE(what);
        EXPECT_EQ(code("Bogus"), 0);
    }
    // Exact and case-sensitive; long names count only where both forms are accepted.
    EXPECT_EQ(engineTypeCode("fusion xl"), 0);
    EXPECT_EQ(armorTypeCode("Ferro-Fibrous Armor"), 0);
}

TEST(EquipmentNames, UnknownGyroOrBodyTypeRaisesTypeMismatch) {
    const std::vector<std::pair<const char*, CodeOf>> strict{
        {"gyro", gyroTypeCode},
        {"body type", mechTypeCode},
    };
    for (const auto& [what, code] : strict) {
        SCOPED_TRACE(what);
        for (std::string_view text : {"Bogus", "standard"}) {
            try {
                code(text);
                ADD_FAILURE() << "no error for \"" << text << "\"";
            } catch (const ConversionError& error) {
                EXPECT_EQ(error.number(), 13);
                EXPECT_EQ(error.failure().description, "Type mismatch");
            }
        }
    }
    // The long gyro name is not a selection-list name.
    EXPECT_THROW(gyroTypeCode("XL Gyro"), ConversionError);
}

TEST(EquipmentNames, PhysicalWeaponDamageFactors) {
    const std::vector<std::pair<int, double>> cases{{0, 0.0}, {1, 1.0}, {2, 2.0}, {3, 1.0},
                                                    {4, 0.5}, {5, 0.0}, {-1, 0.0}};
    for (const auto& [code, factor] : cases)
        EXPECT_EQ(physicalDamageFactor(code), factor) << "code " << code;
}

TEST(WeaponTypeName, KnownCodesAreNamedSilentlyABadOneInACriticalBox) {
    testing::ScriptedUser user;
    EXPECT_EQ(gGetWeaponTypeName(0, user), "Energy");
    EXPECT_EQ(gGetWeaponTypeName(5, user), "Artillery");
    EXPECT_TRUE(user.messages.empty());
    for (int code : {6, -1}) {
        testing::ScriptedUser bad;
        EXPECT_EQ(gGetWeaponTypeName(code, bad), "");
        const auto& shown = bad.onlyMessage();
        EXPECT_EQ(shown.title, "Bad index passed");
        EXPECT_EQ(shown.text,
                  "Bad index (" + std::to_string(code) + ") passed to gGetWeaponTypeName.");
        EXPECT_EQ(shown.icon, app::MessageIcon::Critical);
    }
}

TEST(EquipmentTables, CodesRunFromZeroInTableOrder) {
    auto check = [](const char* what, auto table) {
        SCOPED_TRACE(what);
        for (std::size_t i = 0; i < table.size(); ++i)
            EXPECT_EQ(table[i].code, static_cast<int>(i));
    };
    check("engine", engineTypeTable());
    check("gyro", gyroTypeTable());
    check("heat sink", heatSinkTypeTable());
    check("armour", armorTypeTable());
    check("structure", structureTypeTable());
    check("targeting", targetingTypeTable());
    check("jump jet", jumpJetTypeTable());
    check("physical", physicalTypeTable());
    check("weapon type", weaponTypeTable());
}

} // namespace
} // namespace fpw::catalog
