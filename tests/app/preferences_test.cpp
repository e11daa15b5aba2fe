#include "app/preferences.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/interfacehelpers.h"
#include "support/scripteduser.h"

namespace fpw::app {
namespace {

TEST(Preferences, RefusedCombinationsNameTheirReason) {
    const std::string box = "The custom ammo print text in the ";
    const std::string tail = ". This must be present to have a legal printout.";
    // Tech base, level, body type, special and standard ammunition texts; the refusal (none for
    // an empty title).
    const std::tuple<const char*, int, const char*, const char*, const char*, const char*,
                     std::string>
        cases[] = {
            {"Inner Sphere", 1, "Biped", "@%0 [%1] (%2)", "@%0 (%2)", "", ""},
            {"Clan", 2, "Omni-Mech", "%0%1%2", "%0%2", "", ""},
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
    for (const auto& [techBase, level, mechType, special, standard, title, text] : cases) {
        Settings settings;
        settings.defaultTechBase = techBase;
        settings.defaultTechLevel = static_cast<std::int16_t>(level);
        settings.defaultMechType = mechType;
        settings.ammoSpecialHeader = special;
        settings.ammoStandardHeader = standard;
        const auto refused = CheckPreferences(settings);
        EXPECT_EQ(refused.has_value() ? refused->title + ": " + refused->text : "",
                  *title == '\0' ? "" : title + (": " + text));
    }
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
