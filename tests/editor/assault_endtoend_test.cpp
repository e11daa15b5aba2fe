// A canonical assault design built from a new design through editor actions alone (tonnage,
// engine, heat sinks, weapons added and dropped, ammunition, armour by tonnage), saved through
// the save procedure, opened into a new editor: every field, weapon and slot comes back, and
// every figure the window shows is the same.
#include <sstream>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/invariants.h"
#include "editor/script.h"
#include "support/shippedcontext.h"
#include "support/tempdir.h"

namespace fpw::editor {
namespace {

constexpr const char* kAssault = R"(
new
name Atlas
model AS7-X
tonnage 100
walking 3
heatsinks Single 20
add AC/20
add LRM-20
add "Medium Laser" 2
add "AC/20 Ammo" 2
add "LRM-20 Ammo"
drop AC/20 RT 1
drop "AC/20 Ammo" RT 11
drop "AC/20 Ammo" RT 12
drop LRM-20 LT 1
drop "LRM-20 Ammo" LT 6
drop "Medium Laser" LA 5
drop "Medium Laser" RA 5
autoallocate "Heat Sink"
armor-tons 19
)";

TEST(AssaultEndToEnd, ADesignBuiltThroughTheEditorSavesAndOpensUnchanged) {
    testing::TempDir dir;
    std::ostringstream out;
    script::ScriptUser user(out);
    app::ProgramContext ctx(testing::builtProgramDirectory(), user);
    testing::loadShippedData(ctx);
    Editor built(ctx);
    script::Session session{built, user, out};
    ASSERT_TRUE(script::runScript(kAssault, session, out)) << out.str();
    EXPECT_TRUE(checkInvariants(built).empty());
    EXPECT_TRUE(built.unallocatedWeapons().empty()) << out.str();
    EXPECT_TRUE(built.items().empty()) << out.str();
    EXPECT_EQ(built.mech().armorPoints(), 304) << out.str();

    const std::string path = dir.file("atlas.fpm");
    ASSERT_TRUE(SaveMechTo(built, path)) << out.str();
    EXPECT_EQ(built.display().savedText, "Saved");

    Editor opened(ctx);
    ASSERT_TRUE(OpenMech(opened, path)) << out.str();
    EXPECT_TRUE(opened.mech() == built.mech());
    EXPECT_EQ(opened.display(), built.display());
    EXPECT_EQ(opened.selectedEquipment(), built.selectedEquipment());
    EXPECT_TRUE(checkInvariants(opened).empty());
}

} // namespace
} // namespace fpw::editor
