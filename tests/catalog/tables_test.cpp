// The catalogue's reference tables written out as text and compared whole with a golden file:
// every name, code, slot count, factor and point value the construction rules look up, with
// one code past each end of every table; and the lookups that answer with a message or a
// price.
#include <gtest/gtest.h>

#include <sstream>

#include "catalog/conversionerror.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/movement.h"
#include "catalog/namelists.h"
#include "catalog/prices.h"
#include "catalog/slottables.h"
#include "support/golden.h"
#include "support/scripteduser.h"

namespace fpw::catalog {
namespace {

using NameOf = std::string (*)(int);
using CodeOf = std::int16_t (*)(std::string_view);

struct Vocabulary {
    const char* what;
    NameOf name;
    NameOf longName; // none where the vocabulary has one name only
    CodeOf code;     // none where no name converts back
    int count;
};

const Vocabulary kVocabularies[] = {
    {"tech base", techBaseName, nullptr, nullptr, 3},
    {"body type", mechTypeName, nullptr, mechTypeCode, 4},
    {"actuator", actuatorName, nullptr, nullptr, 4},
    {"engine", engineName, engineLongName, engineTypeCode, 7},
    {"gyro", gyroName, gyroLongName, gyroTypeCode, 4},
    {"cockpit", cockpitName, nullptr, cockpitTypeCode, 5},
    {"heat sink", heatSinkName, heatSinkLongName, heatSinkTypeCode, 5},
    {"armour", armorName, armorLongName, armorTypeCode, 7},
    {"structure", structureName, structureLongName, structureTypeCode, 4},
    {"targeting", targetingName, nullptr, targetingTypeCode, 8},
    {"jump jet", jumpJetName, jumpJetLongName, nullptr, 4},
    {"physical", physicalName, nullptr, physicalTypeCode, 5},
    {"CASE", caseName, nullptr, caseCode, 3},
    {"Artemis", artemisName, nullptr, artemisCode, 3},
};

// The code a text converts to, or "-" where the conversion refuses it.
std::string converted(CodeOf convert, std::string_view text) {
    try {
        return std::to_string(convert(text));
    } catch (const ConversionError&) {
        return "-";
    }
}

void writeVocabularies(std::ostream& out) {
    for (const Vocabulary& v : kVocabularies) {
        out << "[" << v.what << ": code, name, long name and the codes they convert to]\n";
        for (int code = -1; code <= v.count; ++code) {
            out << code;
            for (NameOf name : {v.name, v.longName}) {
                if (name) {
                    out << " | " << name(code);
                }
                if (name && v.code) {
                    out << " " << converted(v.code, name(code));
                }
            }
            out << "\n";
        }
        if (v.code) {
            out << "Bogus " << converted(v.code, "Bogus") << "\n";
        }
    }
    out << "[physical damage factor by code]\n";
    for (int code = -1; code <= 5; ++code)
        out << physicalDamageFactor(code) << " ";
    out << "\n[slots of heat sinks, armour, structure for Inner Sphere/Clan/mixed; armour "
           "points factor Inner Sphere/Clan]\n";
    for (int type = -1; type <= 7; ++type) {
        out << type << ":";
        for (auto slots : {heatSinkSlots, armorSlots, structureSlots})
            out << " " << slots(type, 0) << "/" << slots(type, 1) << "/" << slots(type, 2);
        out << " " << armorPointsFactor(type, 0) << "/" << armorPointsFactor(type, 1) << "\n";
    }
}

void writeLocations(std::ostream& out) {
    out << "[locations: slots, abbreviation, quad abbreviation, name, quad name, each text's "
           "location, spread]\n";
    for (int location = -1; location <= kLocationCount; ++location) {
        const std::string texts[] = {locationAbbreviation(location),
                                     locationAbbreviation(location, true),
                                     locationName(location, false), locationName(location, true)};
        out << location << " | " << locationSlotCount(location);
        for (const std::string& text : texts)
            out << " | " << text << " " << converted(locationIndex, text);
        out << " |";
        const auto spread = gGetSpreadLocations(location);
        for (int i = 0; i < kLocationCount; ++i)
            out << (spread[i] ? " " + std::to_string(i) : "");
        out << "\n";
    }
    out << "texts of no location:";
    for (const char* text : {"left arm", "LA ", "", "X"})
        out << " " << converted(locationIndex, text);
    out << "\n[by tonnage: structure points of locations 0 to 10 on a biped, a quad's front "
           "legs; limited slots of locations 0 to 10]\n";
    for (int tonnage = 0; tonnage <= 105; tonnage += 5) {
        out << tonnage << ":";
        for (int location = 0; location < kLocationCount; ++location)
            out << " " << gGetISPoints(location, tonnage, kBiped);
        out << " | " << gGetISPoints(kLeftArm, tonnage, kQuad) << " "
            << gGetISPoints(kRightArm, tonnage, kQuad) << " |";
        for (int location = 0; location < kLocationCount; ++location)
            out << " " << gGetLimitedCritSlots(tonnage, location);
        out << "\n";
    }
    out << "[name lists: file and title]\n";
    for (int list = -1; list <= kNameListCount; ++list)
        out << list << " " << gGetListFileName(list) << " " << nameListTitle(list) << "\n";
    out << "[target movement modifier and speed in kph by hexes]\n";
    for (int hexes = -1; hexes <= 16; ++hexes)
        out << hexes << ": " << TMM(hexes) << " " << gSpeedKph(hexes) << "\n";
}

// Each item under three sets of types: all the first, a Clan design with other types, a mixed
// one.
void writeGeneralItems(std::ostream& out, app::UserInteraction& user) {
    const DesignTypes clan{.techBase = kClan,
                           .armorType = 6,
                           .isType = 2,
                           .hsType = 1,
                           .engineType = 4,
                           .gyroType = 3,
                           .jumpJetType = 1};
    const DesignTypes mixed{.techBase = kMixedTech, .hsType = 1, .jumpJetType = 3};
    out << "[general items: save code and back; text and slots (MASC 4, computer 5) by types]\n";
    for (std::string_view code : {cArm, cIS, cMASC, cTSM, cHS, cSC, cTS, cCP, cNSS, cCASE, cPhy,
                                  cEng, cG, cJJ, cAIVL, cAVL, cAIVS, cAVS, cTur}) {
        const int saveCode = gGetGenItemID(genItemIdentifier(code, 7), false);
        out << code << " " << saveCode << " " << genItemCodeForSaveCode(saveCode);
        for (const DesignTypes& types : {DesignTypes{}, clan, mixed}) {
            out << " | " << genItemText(genItemIdentifier(code, 2), types, user) << " "
                << genItemSlots(code, types, 4, 5, user);
            if (saveCode != kNoSaveCode)
                out << " " << gConvertSaveIdxToName(types, {}, saveCode, false, user);
        }
        out << "\n";
    }
}

// Checked by hand: the names against the selection lists and slot texts the program shows,
// the slots, factors and structure points against the construction rules' tables (the
// values were asserted row by row before this file held them), and the rows one past each end
// as empty, zero or "-".
TEST(CatalogueTables, EveryTableAsTheRulesGiveIt) {
    testing::ScriptedUser user;
    std::ostringstream out;
    writeVocabularies(out);
    writeLocations(out);
    writeGeneralItems(out, user);
    testing::expectMatchesGolden(out.str(), FPW_TESTS_SOURCE_DIR "/catalog/golden/tables.txt");
    EXPECT_TRUE(user.messages.empty());
}

// The golden table above walks tonnages in the table's own steps; a tonnage between or
// beyond them has no structure row, whichever row lies nearest.
TEST(StructurePoints, ATonnageOffTheTableHasNone) {
    for (const int tonnage : {-5, -1, 0, 5, 9, 11, 12, 14, 53, 99, 101, 105, 1000}) {
        for (const int location : {kCenterTorso, kLeftTorso, kLeftArm, kRightLeg}) {
            EXPECT_EQ(gGetISPoints(location, tonnage, kBiped), 0) << tonnage << " " << location;
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

// The names and default prices are the table's business; two are spot-checked.
TEST(Prices, NamedItemsAreOfferedAndOnlyTheirIndicesCanBeRead) {
    PriceTable prices;
    std::string name;
    std::int32_t price = 0;
    ASSERT_TRUE(gGetPriceItem(prices, 8, name, price));
    EXPECT_EQ(name, "Torso-Mounted Cockpit");
    EXPECT_EQ(price, 750000);
    ASSERT_TRUE(gGetPriceItem(prices, 0, name, price));
    EXPECT_EQ(name, "Life Support");
    EXPECT_EQ(gGetDefaultPrice(prices, 54), 250000);
    for (int i = 0; i < kNamedPriceItemCount; ++i)
        EXPECT_FALSE(kPriceItems[i].name.empty()) << i;

    // Item 55 can be set but is not offered; indices outside the table change nothing.
    EXPECT_TRUE(gSetItemPrice(prices, 55, 4500));
    EXPECT_EQ(prices.current[55], 4500);
    name = "unchanged";
    EXPECT_FALSE(gGetPriceItem(prices, 55, name, price));
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(gGetDefaultPrice(prices, 55), 0);
    const PriceTable before = prices;
    for (int index : {-1, 56}) {
        EXPECT_FALSE(gSetItemPrice(prices, index, 1));
        EXPECT_FALSE(gGetPriceItem(prices, index, name, price));
        EXPECT_EQ(gGetDefaultPrice(prices, index), 0);
    }
    EXPECT_EQ(prices, before);
}

TEST(Prices, SettingAPriceLeavesTheDefaultAndResetRestoresBoth) {
    PriceTable prices;
    ASSERT_TRUE(gSetItemPrice(prices, price::kCockpit, 1));
    EXPECT_EQ(gGetDefaultPrice(prices, price::kCockpit), 200000);
    std::string name;
    std::int32_t price = 0;
    gGetPriceItem(prices, price::kCockpit, name, price);
    EXPECT_EQ(price, 1);

    prices.defaults[3] = 0;
    prices.current.fill(9);
    gResetPrices(prices);
    EXPECT_EQ(prices, PriceTable{});
    EXPECT_EQ(prices.current[price::kCockpit], 200000);
    EXPECT_EQ(prices.defaults[price::kCompactHeatSink], 3000);
}

} // namespace
} // namespace fpw::catalog
