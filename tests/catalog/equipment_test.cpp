#include "catalog/equipment.h"

#include <gtest/gtest.h>

#include "support/scripteduser.h"

namespace fpw::catalog {
namespace {

// The names of every other table are compared whole in tables_test.cpp.
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

} // namespace
} // namespace fpw::catalog
