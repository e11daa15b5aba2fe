#include "app/preferences.h"

#include <gtest/gtest.h>

#include "app/interfacehelpers.h"
#include "support/scripteduser.h"

namespace fpw::app {
namespace {

TEST(Preferences, TheDefaultsAreAccepted) {
    EXPECT_EQ(CheckPreferences(Settings{}), std::nullopt);
}

TEST(Preferences, RefusedCombinationsNameTheirReason) {
    const std::string box = "The custom ammo print text in the ";
    const std::string tail = ". This must be present to have a legal printout.";
    const struct {
        const char* techBase;
        int level;
        const char* mechType;
        const char* special;
        const char* standard;
        const char* title;
        std::string text;
    } cases[] = {
        {"Clan", 1, "Biped", "%0%1%2", "%0%2", "Illegal default settings",
         "A mech that is classified as Clan can not be tech level 1."},
        {"Inner Sphere 'C'", 1, "Biped", "%0%1%2", "%0%2", "Illegal default settings",
         "A mech that is classified as Inner Sphere 'C' can not be tech level 1."},
        {"Inner Sphere", 1, "Omni-Mech", "%0%1%2", "%0%2", "Illegal default settings",
         "You can not have a level 1 Inner Sphere Omni-Mech."},
        {"Inner Sphere", 2, "Biped", "[%1] (%2)", "%0%2", "Illegal text",
         box + "specialty ammo box does not contain the name of the ammo" + tail},
        {"Inner Sphere", 2, "Biped", "%0 (%2)", "%0%2", "Illegal text",
         box + "specialty ammo box does not contain the type of the ammo" + tail},
        {"Clan", 2, "Biped", "%0 [%1]", "%0%2", "Illegal text",
         box + "specialty ammo box does not contain the number of shots" + tail},
        {"Clan", 2, "Biped", "%0%1%2", "(%2)", "Illegal text",
         box + "standard ammo box does not contain the name of the ammo" + tail},
        {"Clan", 2, "Biped", "%0%1%2", "@%0", "Illegal text",
         box + "standard ammo box does not contain the number of shots" + tail},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.defaultTechBase = c.techBase;
        settings.defaultTechLevel = static_cast<std::int16_t>(c.level);
        settings.defaultMechType = c.mechType;
        settings.ammoSpecialHeader = c.special;
        settings.ammoStandardHeader = c.standard;
        const auto refused = CheckPreferences(settings);
        ASSERT_TRUE(refused.has_value()) << c.text;
        EXPECT_EQ(refused->title, c.title);
        EXPECT_EQ(refused->text, c.text);
    }
    Settings clanOmni;
    clanOmni.defaultTechBase = "Clan";
    clanOmni.defaultTechLevel = 2;
    clanOmni.defaultMechType = "Omni-Mech";
    EXPECT_EQ(CheckPreferences(clanOmni), std::nullopt);
}

TEST(InterfaceHelpers, ListLookupAndSelection) {
    const std::vector<std::string> entries{"Biped", "Quad", "Quad"};
    EXPECT_EQ(gFindListIndex("Quad", entries), 1);
    EXPECT_EQ(gFindListIndex("quad", entries), -1);
    EXPECT_EQ(gSelectListText("Quad", entries), 1);
    EXPECT_EQ(gSelectListText("LAM", entries), 0);
    EXPECT_EQ(gSelectListText("LAM", {}), -1);
}

TEST(InterfaceHelpers, ACancelledDialogGivesAnEmptyPath) {
    testing::ScriptedUser user;
    user.fileAnswers = {std::nullopt, std::string("/m/Atlas.FPM")};
    EXPECT_EQ(gShowOpenDialog(user), "");
    EXPECT_EQ(gShowSaveDialog(user), "/m/Atlas.FPM");
}

} // namespace
} // namespace fpw::app
