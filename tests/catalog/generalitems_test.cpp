#include "catalog/generalitems.h"

#include <gtest/gtest.h>

#include "catalog/conversionerror.h"
#include "support/scripteduser.h"

namespace fpw::catalog {
namespace {

const std::vector<std::pair<std::string_view, int>> kSaveCodes{
    {cArm, 1000}, {cIS, 1001},  {cMASC, 1002}, {cTSM, 1003}, {cHS, 1004},  {cSC, 1006}, {cTS, -1},
    {cCP, -1},    {cNSS, 1008}, {cCASE, -1},   {cPhy, -1},   {cEng, 1011}, {cG, 1012},  {cJJ, 1013},
    {cAIVL, -1},  {cAVL, -1},   {cAIVS, -1},   {cAVS, -1},   {cTur, -1},
};

TEST(GenItemID, SaveCodesOfIdentifiers) {
    for (const auto& [code, save] : kSaveCodes) {
        SCOPED_TRACE(code);
        EXPECT_EQ(gGetGenItemID(code, false), save);
        EXPECT_EQ(gGetGenItemID(genItemIdentifier(code, 1), false), save);
        EXPECT_EQ(gGetGenItemID(genItemIdentifier(code, 12), false), save);
    }
    EXPECT_EQ(gGetGenItemID("cHS12", false), 1004);
    EXPECT_EQ(gGetGenItemID("cBogus3", false), -1);
    EXPECT_EQ(gGetGenItemID("chs1", false), -1);
}

TEST(GenItemID, SaveCodesNameTheirItemBack) {
    for (const auto& [code, save] : kSaveCodes) {
        if (save != -1) {
            EXPECT_EQ(genItemCodeForSaveCode(save), code);
        }
    }
    for (int unknown : {-1, 999, 1005, 1007, 1009, 1010, 1014})
        EXPECT_EQ(genItemCodeForSaveCode(unknown), "") << unknown;
}

TEST(GenItemID, BaseCodeStripsOnlyTrailingDigits) {
    EXPECT_EQ(genItemBaseCode("cHS12"), "cHS");
    EXPECT_EQ(genItemBaseCode("cA-IVL3"), "cA-IVL");
    EXPECT_EQ(genItemBaseCode("12"), "");
    EXPECT_EQ(genItemIdentifier(cHS, 3), "cHS3");
    EXPECT_TRUE(isGenItemCode("cTur"));
    EXPECT_FALSE(isGenItemCode("cTur1"));
}

TEST(GenItemID, NumericTextIsAnIntegerAndAnythingElseRaises) {
    EXPECT_EQ(gGetGenItemID("-1", true), -1);
    EXPECT_EQ(gGetGenItemID("32767", true), 32767);
    const std::vector<std::pair<const char*, int>> cases{
        {"cHS3", 13}, {"", 13}, {"32768", 6}, {"-40000", 6}};
    for (const auto& [text, number] : cases) {
        SCOPED_TRACE(text);
        try {
            gGetGenItemID(text, true);
            ADD_FAILURE() << "accepted";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.number(), number);
        }
    }
}

WeaponTable twoWeapons() {
    WeaponTable weapons(2);
    weapons[0].name = "Medium Laser";
    weapons[0].techBase = 0;
    weapons[1].name = "ER Large Laser";
    weapons[1].techBase = 1;
    return weapons;
}

TEST(ConvertSaveIdxToName, WeaponNamesAreMarkedOnlyOnMixedDesigns) {
    const WeaponTable weapons = twoWeapons();
    struct Case {
        int techBase;
        int index;
        const char* name;
    };
    const std::vector<Case> cases{
        {0, 0, "Medium Laser"},      {0, 1, "ER Large Laser"},     {1, 1, "ER Large Laser"},
        {2, 0, "(IS) Medium Laser"}, {2, 1, "(C) ER Large Laser"},
    };
    for (const Case& c : cases) {
        testing::ScriptedUser user;
        DesignTypes types;
        types.techBase = static_cast<std::int16_t>(c.techBase);
        EXPECT_EQ(gConvertSaveIdxToName(types, weapons, c.index, true, user), c.name);
        EXPECT_TRUE(user.messages.empty());
    }
}

TEST(ConvertSaveIdxToName, ItemNamesFollowTheDesignsTypes) {
    DesignTypes types;
    types.techBase = 1;
    types.armorType = 1;
    types.isType = 2;
    types.hsType = 4;
    types.engineType = 4;
    types.gyroType = 3;
    types.jumpJetType = 1;
    const std::vector<std::pair<int, const char*>> cases{
        {1000, "Ferro-Fibrous Armor"},  {1001, "Composite Structure"},
        {1004, "(C) Double Heat Sink"}, {1006, "Supercharger"},
        {1011, "Large XL Engine"},      {1012, "XL Gyro"},
        {1013, "Improved Jump Jet"},
    };
    testing::ScriptedUser user;
    for (const auto& [code, name] : cases)
        EXPECT_EQ(gConvertSaveIdxToName(types, {}, code, false, user), name) << code;
    EXPECT_TRUE(user.messages.empty());
}

TEST(ConvertSaveIdxToName, InvalidIndexShowsItsMessage) {
    const WeaponTable weapons = twoWeapons();
    const std::vector<std::pair<int, bool>> cases{
        {1005, false}, {999, false}, {1014, false}, {2, true}, {-1, true}};
    for (const auto& [code, isWeapon] : cases) {
        testing::ScriptedUser user;
        EXPECT_EQ(gConvertSaveIdxToName(DesignTypes{}, weapons, code, isWeapon, user), "");
        EXPECT_EQ(user.onlyMessage().text,
                  "Invalid index passed to gConvertSaveIdxToName (" + std::to_string(code) + ")");
    }
}

TEST(GenItemText, TextsFromTheDesignsTypes) {
    DesignTypes types;
    types.armorType = 6;
    types.isType = 1;
    types.hsType = 2;
    types.engineType = 6;
    types.gyroType = 2;
    types.jumpJetType = 2;
    const std::vector<std::pair<const char*, const char*>> cases{
        {"cArm", "Hardened Armor"},
        {"cIS3", "EndoSteel"},
        {"cHS10", "2 Compact Heat Sinks"},
        {"cTS1", "Targeting Computer"},
        {"cEng", "Compact Engine"},
        {"cG", "Heavy-Duty Gyro"},
        {"cJJ4", "Heavyframe Jump Pack"},
        // Written by the rule that places the item.
        {"cCP", ""},
        {"cTur", ""},
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
        {"cArm", 0, 0, 0, 1},  {"cIS", 1, 0, 0, 1},   {"cTSM", 0, 0, 0, 1},
        {"cMASC", 0, 0, 0, 4}, // the MASC size passed in
        {"cTS", 0, 0, 0, 5},   // the targeting computer size passed in
        {"cHS", 0, 1, 0, 3},   {"cHS", 1, 1, 0, 2},   {"cHS", 2, 1, 0, 3},
        {"cHS", 1, 3, 0, 2},   {"cHS", 0, 3, 0, 1},   {"cJJ", 0, 0, 0, 1},
        {"cJJ", 0, 0, 1, 2},   {"cJJ", 0, 0, 3, 2},   {"cSC", 0, 0, 0, 0},
        {"cEng", 0, 0, 0, 0},  {"cCASE", 0, 0, 0, 0},
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

TEST(GenItemTextAndSlots, UnknownCodesShowTheirMessages) {
    for (const char* code : {"cBogus", "chs"}) {
        testing::ScriptedUser user;
        EXPECT_EQ(genItemText(code, DesignTypes{}, user), "");
        EXPECT_EQ(user.onlyMessage().text,
                  std::string("Invalid index passed to gGetGenItemText (") + code + ")");
        testing::ScriptedUser slotUser;
        EXPECT_EQ(genItemSlots(code, DesignTypes{}, 3, 3, slotUser), 0);
        EXPECT_EQ(slotUser.onlyMessage().text,
                  std::string("Invalid index passed to gGetGenItemSlots (") + code + ")");
    }
}

TEST(MUXItemName, ExportNamesOfSlotTexts) {
    // One text of each kind: the export collapses every heat sink, engine and gyro to one name.
    const std::vector<std::pair<const char*, const char*>> cases{
        {"Composite Structure", "CompositeStructure"},
        {"2 Compact Heat Sinks", "HeatSink"},
        {"(C) Double Heat Sink", "HeatSink"},
        {"CASE II", "Case II"},
        {"Enhanced Imaging Cockpit", "EICockpit"},
        {"Hatchet", "Axe"},
        {"Artemis V FCS", "ArtemisV"},
        {"Large XXL Engine", "Engine"},
        {"XL Gyro", "Gyro"},
    };
    testing::ScriptedUser user;
    for (const auto& [text, name] : cases)
        EXPECT_EQ(gGetMUXItemName(text, user), name) << text;
    EXPECT_TRUE(user.messages.empty());
}

TEST(MUXItemName, UnknownSlotTextShowsItsMessage) {
    for (const char* text : {"Roll Again", "mace"}) {
        testing::ScriptedUser user;
        EXPECT_EQ(gGetMUXItemName(text, user), "");
        EXPECT_EQ(user.onlyMessage().text,
                  std::string("gGetMUXItemName could not find item: ") + text);
    }
}

} // namespace
} // namespace fpw::catalog
