#include "catalog/generalitems.h"

#include <gtest/gtest.h>

#include "catalog/conversionerror.h"
#include "support/scripteduser.h"

namespace fpw::catalog {
namespace {

// The save codes that name an item, as design files hold them; every other number names none.
TEST(GenItemID, SaveCodesAndTheirItemsConvertBothWays) {
    const std::vector<int> saved{1000, 1001, 1002, 1003, 1004, 1006, 1008, 1011, 1012, 1013};
    for (int saveCode = 998; saveCode <= 1015; ++saveCode) {
        const std::string code = genItemCodeForSaveCode(saveCode);
        const bool names = std::find(saved.begin(), saved.end(), saveCode) != saved.end();
        ASSERT_EQ(!code.empty(), names) << saveCode;
        if (names) {
            EXPECT_TRUE(isGenItemCode(code));
            EXPECT_EQ(gGetGenItemID(genItemIdentifier(code, 12), false), saveCode) << code;
        }
    }
    EXPECT_EQ(genItemCodeForSaveCode(-1), "");
    EXPECT_EQ(gGetGenItemID("cHS12", false), 1004);
    EXPECT_EQ(gGetGenItemID("cTS1", false), -1);
    EXPECT_EQ(gGetGenItemID("cBogus3", false), -1);
    EXPECT_EQ(gGetGenItemID("chs1", false), -1);
    EXPECT_EQ(genItemBaseCode("cA-IVL3"), "cA-IVL");
    EXPECT_EQ(genItemBaseCode("12"), "");
    EXPECT_FALSE(isGenItemCode("cTur1"));
}

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

TEST(ConvertSaveIdxToName, WeaponsAreMarkedOnlyOnMixedDesignsAndItemsFollowTheTypes) {
    WeaponTable weapons(2);
    weapons[0].name = "Medium Laser";
    weapons[1].name = "ER Large Laser";
    weapons[1].techBase = 1;
    struct Case {
        int techBase;
        int code;
        bool isWeapon;
        const char* name;
    };
    const Case cases[] = {
        {0, 1, true, "ER Large Laser"},           {1, 1, true, "ER Large Laser"},
        {2, 0, true, "(IS) Medium Laser"},        {2, 1, true, "(C) ER Large Laser"},
        {1, 1004, false, "(C) Double Heat Sink"}, {1, 1011, false, "Large XL Engine"},
        {1, 1013, false, "Improved Jump Jet"},
    };
    for (const Case& c : cases) {
        DesignTypes types;
        types.techBase = static_cast<std::int16_t>(c.techBase);
        types.hsType = 4;
        types.engineType = 4;
        types.jumpJetType = 1;
        testing::ScriptedUser user;
        EXPECT_EQ(gConvertSaveIdxToName(types, weapons, c.code, c.isWeapon, user), c.name);
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

TEST(GenItemText, TextsFromTheDesignsTypes) {
    DesignTypes types;
    types.armorType = 6;
    types.gyroType = 2;
    const std::vector<std::pair<const char*, const char*>> cases{
        {"cArm", "Hardened Armor"},
        {"cTS1", "Targeting Computer"},
        {"cG", "Heavy-Duty Gyro"},
        {"cCP", ""}, // written by the rule that places the item
    };
    testing::ScriptedUser user;
    for (const auto& [code, text] : cases)
        EXPECT_EQ(genItemText(code, types, user), text) << code;
    EXPECT_TRUE(user.messages.empty());
}

TEST(GenItemSlots, SlotsFromTheDesignsTypesAndSizes) {
    struct Case {
        const char* code;
        int techBase;
        int hsType;
        int jumpJetType;
        int slots;
    };
    const std::vector<Case> cases{
        {"cArm", 0, 0, 0, 1}, {"cTSM", 0, 0, 0, 1}, {"cMASC", 0, 0, 0, 4}, // the MASC size
        {"cTS", 0, 0, 0, 5},                                               // the computer's size
        {"cHS", 0, 1, 0, 3},  {"cHS", 1, 1, 0, 2},  {"cHS", 2, 1, 0, 3},   {"cJJ", 0, 0, 0, 1},
        {"cJJ", 0, 0, 1, 2},  {"cJJ", 0, 0, 3, 2},  {"cSC", 0, 0, 0, 0},   {"cEng", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        testing::ScriptedUser user;
        DesignTypes types;
        types.techBase = static_cast<std::int16_t>(c.techBase);
        types.hsType = static_cast<std::int16_t>(c.hsType);
        types.jumpJetType = static_cast<std::int16_t>(c.jumpJetType);
        EXPECT_EQ(genItemSlots(c.code, types, 4, 5, user), c.slots)
            << c.code << " tech base " << c.techBase;
        EXPECT_TRUE(user.messages.empty());
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
