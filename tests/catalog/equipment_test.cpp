#include "catalog/equipment.h"

#include <functional>
#include <set>

#include <gtest/gtest.h>

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
    bool lastForOthers; // codes outside the table give the last text rather than none
};

const std::vector<Vocabulary> kVocabularies{
    {"tech base", techBaseName, {}, 3, true},
    {"body type", mechTypeName, mechTypeCode, 4, false},
    {"actuator", actuatorName, {}, 4, false},
    {"engine", engineName, engineTypeCode, 7, false},
    {"engine long", engineLongName, {}, 7, false},
    {"gyro", gyroName, gyroTypeCode, 4, false},
    {"gyro long", gyroLongName, {}, 4, false},
    {"cockpit", cockpitName, cockpitTypeCode, 5, false},
    {"heat sink", heatSinkName, heatSinkTypeCode, 5, false},
    {"heat sink long", heatSinkLongName, heatSinkTypeCode, 5, false},
    {"armour", armorName, armorTypeCode, 7, false},
    {"armour long", armorLongName, {}, 7, false},
    {"structure", structureName, structureTypeCode, 4, false},
    {"structure long", structureLongName, structureTypeCode, 4, false},
    {"targeting", targetingName, targetingTypeCode, 8, false},
    {"jump jet", jumpJetName, {}, 4, false},
    {"jump jet long", jumpJetLongName, {}, 4, false},
    {"physical", physicalName, physicalTypeCode, 5, false},
    {"CASE", caseName, caseCode, 3, true},
    {"Artemis", artemisName, artemisCode, 3, true},
};

// The texts themselves are the tables' business; a few are spot-checked here.
TEST(EquipmentNames, EveryCodeHasItsOwnTextThatConvertsBack) {
    for (const Vocabulary& v : kVocabularies) {
        SCOPED_TRACE(v.what);
        std::set<std::string> seen;
        for (int code = 0; code < v.count; ++code) {
            EXPECT_FALSE(v.name(code).empty()) << "code " << code;
            EXPECT_TRUE(seen.insert(v.name(code)).second) << "code " << code;
            if (v.code) {
                EXPECT_EQ(v.code(v.name(code)), code) << v.name(code);
            }
        }
        const std::string outside = v.lastForOthers ? v.name(v.count - 1) : "";
        EXPECT_EQ(v.name(-1), outside);
        EXPECT_EQ(v.name(v.count), outside);
    }
    EXPECT_EQ(techBaseName(2), "Inner Sphere 'C'");
    EXPECT_EQ(engineLongName(5), "Large XXL Engine");
    EXPECT_EQ(heatSinkLongName(2), "2 Compact Heat Sinks");
    EXPECT_EQ(physicalDamageFactor(4), 0.5);
    EXPECT_EQ(physicalDamageFactor(2), 2.0);
    EXPECT_EQ(physicalDamageFactor(-1), 0.0);
}

TEST(EquipmentNames, UnknownTextsGiveZeroOrRaiseATypeMismatch) {
    for (const Vocabulary& v : kVocabularies) {
        if (v.code && v.what != std::string_view("gyro") &&
            v.what != std::string_view("body type")) {
            EXPECT_EQ(v.code("Bogus"), 0) << v.what;
        }
    }
    // Exact and case-sensitive; long names count only where both forms are accepted.
    EXPECT_EQ(engineTypeCode("fusion xl"), 0);
    EXPECT_EQ(armorTypeCode("Ferro-Fibrous Armor"), 0);
    for (std::string_view text : {"Bogus", "standard", "XL Gyro"}) {
        for (const CodeOf& strict : {CodeOf(gyroTypeCode), CodeOf(mechTypeCode)}) {
            try {
                strict(text);
                ADD_FAILURE() << "no error for \"" << text << "\"";
            } catch (const ConversionError& error) {
                EXPECT_EQ(error.number(), 13);
            }
        }
    }
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
        for (std::size_t i = 0; i < table.size(); ++i)
            EXPECT_EQ(table[i].code, static_cast<int>(i)) << what;
    };
    check("jump jet", jumpJetTypeTable());
    check("weapon type", weaponTypeTable());
}

} // namespace
} // namespace fpw::catalog
