#include "catalog/generalitems.h"

#include <gtest/gtest.h>

#include "catalog/conversionerror.h"
#include "support/scripteduser.h"

namespace fpw::catalog {
namespace {

TEST(GenItemID, NumericTextIsAnIntegerAndAnythingElseRaises) {
    EXPECT_EQ(gGetGenItemID("-1", true), -1);
    EXPECT_EQ(gGetGenItemID("32767", true), 32767);
    const std::vector<std::pair<const char*, int>> cases{
        {"cHS3", 13}, {"", 13}, {"32768", 6}, {"-40000", 6}};
    for (const auto& [text, number] : cases) {
        try {
            gGetGenItemID(text, true);
            ADD_FAILURE() << "accepted " << text;
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.number(), number) << text;
        }
    }
}

// The lookup compares codes packed into numbers: a near code, a longer one, or one with a NUL
// byte from a damaged file must not pass for a real one.
TEST(GenItemID, OnlyTheExactCodeBeforeTheInstanceNumberHasASaveCode) {
    const std::string_view withNul("cHS\0"
                                   "3",
                                   5);
    const std::pair<std::string_view, int> cases[] = {
        {"cHS12", 1004},        {"cG2", 1012},
        {"cJJ", 1013},          {withNul, kNoSaveCode},
        {"cH3", kNoSaveCode},   {"CHS3", kNoSaveCode},
        {"cHSX3", kNoSaveCode}, {"cA-IVLXY1", kNoSaveCode},
        {"12", kNoSaveCode}};
    for (const auto& [id, saveCode] : cases) {
        EXPECT_EQ(gGetGenItemID(id, false), saveCode) << id;
    }
}

// The reader checks a slot's save code from the code's side: for every identifier and code
// the answer must be the one the identifier's own lookup gives.
TEST(GenItemID, CheckingFromTheSaveCodeAgreesWithTheLookup) {
    const std::string_view withNul("cHS\0"
                                   "3",
                                   5);
    // Also codes with one character changed at their end or within them, and with a
    // character just outside the digits behind them.
    const std::string_view ids[] = {"cHS12", "cHS",    "cG2",   "cJJ",    "cA-IVL1", withNul, "cH3",
                                    "CHS3",  "cHSX3",  "cHS3a", "cArm1",  "cIS",     "12",    "",
                                    "cHZ1",  "cMASX1", "cEnG1", "cMaSC2", "cJJ/",    "cJJ:"};
    for (const std::string_view id : ids) {
        for (int code = kFirstGenItemSaveCode - 1; code <= kLastGenItemSaveCode + 1; ++code) {
            EXPECT_EQ(isIdentifierOfSaveCode(id, code), gGetGenItemID(id, false) == code)
                << id << " " << code;
        }
    }
}

// The names looked up once per design are the names looked up one by one.
TEST(GenItemNames, EachCodeHasTheNameOfItsOwnLookup) {
    const DesignTypes mixed{.techBase = 2,
                            .armorType = 1,
                            .isType = 1,
                            .hsType = 1,
                            .engineType = 2,
                            .gyroType = 1,
                            .jumpJetType = 1};
    for (const DesignTypes& types : {DesignTypes{}, mixed}) {
        const GenItemNames names(types);
        for (int code = kFirstGenItemSaveCode - 1; code <= kLastGenItemSaveCode + 1; ++code) {
            testing::ScriptedUser user;
            EXPECT_EQ(names.name(code), gConvertSaveIdxToName(types, {}, code, false, user))
                << code;
        }
    }
}

TEST(ConvertSaveIdxToName, WeaponsAreMarkedOnlyOnMixedDesigns) {
    WeaponTable weapons(2);
    weapons[0].name = "Medium Laser";
    weapons[1].name = "ER Large Laser";
    weapons[1].techBase = 1;
    const std::tuple<std::int16_t, int, const char*> cases[] = {
        {0, 1, "ER Large Laser"},
        {1, 1, "ER Large Laser"},
        {2, 0, "(IS) Medium Laser"},
        {2, 1, "(C) ER Large Laser"},
    };
    for (const auto& [techBase, index, name] : cases) {
        DesignTypes types;
        types.techBase = techBase;
        testing::ScriptedUser user;
        EXPECT_EQ(gConvertSaveIdxToName(types, weapons, index, true, user), name);
        EXPECT_TRUE(user.messages.empty());
    }
    for (const auto& [code, isWeapon] :
         std::vector<std::pair<int, bool>>{{1005, false}, {1014, false}, {2, true}, {-1, true}}) {
        testing::ScriptedUser user;
        EXPECT_EQ(gConvertSaveIdxToName(DesignTypes{}, weapons, code, isWeapon, user), "");
        EXPECT_EQ(user.onlyMessage().text,
                  "Invalid index passed to gConvertSaveIdxToName (" + std::to_string(code) + ")");
    }
}

TEST(GenItems, UnknownCodesAndTextsShowTheirMessages) {
    testing::ScriptedUser user;
    EXPECT_EQ(genItemText("chs", DesignTypes{}, user), "");
    EXPECT_EQ(genItemSlots("cBogus", DesignTypes{}, 3, 3, user), 0);
    EXPECT_EQ(gGetMUXItemName("mace", user), "");
    ASSERT_EQ(user.messages.size(), 3u);
    EXPECT_EQ(user.messages[0].text, "Invalid index passed to gGetGenItemText (chs)");
    EXPECT_EQ(user.messages[1].text, "Invalid index passed to gGetGenItemSlots (cBogus)");
    EXPECT_EQ(user.messages[2].text, "gGetMUXItemName could not find item: mace");
}

TEST(MUXItemName, ExportNamesOfSlotTexts) {
    // The export collapses every heat sink, engine and gyro to one name.
    const std::vector<std::pair<const char*, const char*>> cases{
        {"2 Compact Heat Sinks", "HeatSink"},
        {"Hatchet", "Axe"},
        {"Large XXL Engine", "Engine"},
        {"XL Gyro", "Gyro"},
    };
    testing::ScriptedUser user;
    for (const auto& [text, name] : cases)
        EXPECT_EQ(gGetMUXItemName(text, user), name) << text;
    EXPECT_TRUE(user.messages.empty());
}

} // namespace
} // namespace fpw::catalog
