// The canonical assault design (tests/editor/assault.fpws) built from a new design through
// editor actions alone (tonnage, engine, heat sinks, weapons added and dropped, ammunition,
// armour by tonnage), saved through the save procedure, opened into a new editor: every
// field, weapon and slot comes back, and every figure the window shows is the same.
#include <sstream>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/invariants.h"
#include "editor/script.h"
#include "support/canonicaldesign.h"
#include "support/shippedcontext.h"
#include "support/tempdir.h"

namespace fpw::editor {
namespace {

TEST(AssaultEndToEnd, ADesignBuiltThroughTheEditorSavesAndOpensUnchanged) {
    testing::TempDir dir;
    std::ostringstream out;
    script::ScriptUser user(out);
    app::ProgramContext ctx(testing::builtProgramDirectory(), user);
    testing::loadShippedData(ctx);
    Editor built(ctx);
    script::Session session{built, user, out};
    ASSERT_TRUE(script::runScript(testing::canonicalDesignScript(), session, out)) << out.str();
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
