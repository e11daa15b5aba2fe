// Writing the Battle Values of a directory tree to the log.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/files.h"
#include "app/textutil.h"
#include "editor/documentskit.h"
#include "editor/writebvs.h"
#include "io/designfile.h"

namespace fpw::editor {
namespace {

using testing::documents::EditorKit;
using testing::documents::saveableDesign;

TEST(WriteBVs, LogsEveryDesignOfTheTreeAndReportsTheOnesThatDoNotOpen) {
    EditorKit kit;
    const std::string root = kit.dir.file("designs");
    std::filesystem::create_directories(root + "/sub/deeper");
    model::Mech named = saveableDesign(kit.ctx);
    named.storeBattleValue(1234);
    model::Mech unmodelled = saveableDesign(kit.ctx);
    unmodelled.setMechModel("");
    unmodelled.storeBattleValue(987);
    ASSERT_TRUE(app::writeFileAtomically(root + "/a.fpm", io::writeDesignFile(named)));
    ASSERT_TRUE(app::writeFileAtomically(root + "/notes.txt", "not a design"));
    ASSERT_TRUE(app::writeFileAtomically(root + "/sub/B.FPM", io::writeDesignFile(unmodelled)));
    ASSERT_TRUE(app::writeFileAtomically(root + "/sub/broken.fpm", "Forgeplanwork Mech"));
    const auto before = testing::captureEditorState(kit.editor);
    std::filesystem::remove(kit.ctx.log.path());

    const WriteBVsResult result = WriteBVs(kit.ctx, root);

    EXPECT_EQ(result.files, 3);
    EXPECT_EQ(result.statusText, "3 done...");
    const std::string log = app::readWholeFile(kit.ctx.log.path()).value_or("");
    const std::vector<std::string_view> lines = app::splitLines(log);
    // Without BV data the stored values stand; the error report of the broken file follows
    // its own line.
    ASSERT_GE(lines.size(), 5u) << log;
    EXPECT_EQ(lines[0], "Dir: " + root);
    EXPECT_EQ(lines[1], "Harrowgate HRW-3C\t1234");
    EXPECT_EQ(lines[2], "Dir: " + root + "/sub");
    EXPECT_EQ(lines[3], "Harrowgate\t987");
    EXPECT_EQ(lines.back(), "Dir: " + root + "/sub/deeper");

    ASSERT_EQ(kit.user.messages.size(), 2u);
    EXPECT_EQ(kit.user.messages[0].text.rfind(
                  "Unable to open file: " + root + "/sub/broken.fpm\n\nReason: ", 0),
              0u)
        << kit.user.messages[0].text;
    EXPECT_EQ(kit.user.messages[1].text, "Done");
    EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(kit.editor)))
        << "the editor's design is never touched";
}

TEST(WriteBVs, StopsBetweenFilesWhenThePersonCancelsAndSaysNoDone) {
    EditorKit kit;
    const std::string root = kit.dir.file("designs");
    std::filesystem::create_directories(root + "/sub");
    const std::string design = io::writeDesignFile(saveableDesign(kit.ctx));
    for (const char* name : {"/a.fpm", "/b.fpm", "/sub/c.fpm"}) {
        ASSERT_TRUE(app::writeFileAtomically(root + name, design));
    }
    std::vector<int> asked;

    const WriteBVsResult result = WriteBVs(kit.ctx, root, [&](int done) {
        asked.push_back(done);
        return done < 1;
    });

    EXPECT_EQ(asked, (std::vector<int>{0, 1}));
    EXPECT_EQ(result.files, 1);
    EXPECT_TRUE(result.stopped);
    EXPECT_TRUE(kit.user.messages.empty());
    const std::string log = app::readWholeFile(kit.ctx.log.path()).value_or("");
    EXPECT_EQ(log.find("/sub"), std::string::npos) << log;
}

} // namespace
} // namespace fpw::editor
