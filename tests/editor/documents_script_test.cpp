// The document, armour and omni verbs of editor scripts, run as a player's script would run
// them: every question and input box printed with its title, answers taken from the queue.
#include <gtest/gtest.h>

#include <sstream>

#include "app/files.h"
#include "editor/documentcommands.h"
#include "editor/documentskit.h"
#include "editor/omnirules.h"
#include "editor/refresh.h"
#include "editor/script.h"

namespace fpw::editor {
namespace {

namespace kit = testing::designkit;

struct ScriptRun {
    ScriptRun() : ctx(dir.path(), user) { ctx.weapons = weapons.ctx.weapons; }

    // Loads a design as opening it would, unsaved.
    void load(model::Mech mech) {
        editor.replaceDocument(EditorDocument{std::move(mech), {}, false});
        RefreshAllData(editor);
        UpdateAllTonnages(editor);
    }
    bool run(std::string_view text, std::deque<std::string> answers = {}) {
        user.answers = std::move(answers);
        script::Session session{editor, user, out};
        return script::runScript(text, session, errors);
    }

    kit::Kit weapons; // the design kit's weapon table
    testing::TempDir dir;
    std::ostringstream out;
    std::ostringstream errors;
    script::ScriptUser user{out};
    app::ProgramContext ctx;
    Editor editor{ctx};
};

TEST(DocumentVerbs, NameSaveNewAndOpenAgain) {
    ScriptRun s;
    s.load(testing::documents::saveableDesign(s.ctx));
    const std::string file = s.dir.file("script.fpm");
    ASSERT_TRUE(s.run("name \"Harrow Gate\"\nmodel HG-2\nsave \"" + file + "\"\nnew\nopen \"" +
                      file + "\"\nname \"\"\nsave \"" + file + "\"\n"))
        << s.errors.str();
    EXPECT_EQ(s.out.str(),
              "message: Unable to save: You cannot save a mech that does not have a name.\n");
    EXPECT_EQ(s.editor.mech().mechModel(), "HG-2");
    ASSERT_TRUE(s.run("new\n", {"cancel"}));
    EXPECT_EQ(s.editor.mech().mechModel(), "HG-2") << "cancel keeps the unsaved design";
    ASSERT_TRUE(s.run("open \"" + file + "\"\n", {"no"}));
    EXPECT_EQ(s.editor.mech().mechName(), "Harrow Gate");
    EXPECT_TRUE(s.editor.saved());
}

TEST(ArmorVerbs, SliderBalanceBoxesAndTheirBounds) {
    ScriptRun s;
    model::Mech mech(s.ctx);
    mech.setTonnage(100);
    s.load(std::move(mech));
    EXPECT_FALSE(s.run("balance on\narmor LA 20\narmor RT(r) 12\narmor-points abc\n"
                       "armor H 10\n"));
    EXPECT_EQ(s.errors.str(), "line 5: armor points for H run from 0 to 9, not 10\n");
    EXPECT_EQ(s.out.str(),
              "input: Enter Armor Points: Enter the number of armor points to allocate. The max "
              "you can allocate is 307 points.\n"
              "message: Invalid Entry: You entered an invalid number of armor points.\n");
    EXPECT_EQ(s.editor.mech().GetArmor(0), 20);
    EXPECT_EQ(s.editor.mech().GetArmor(5), 20);
    EXPECT_EQ(s.editor.mech().GetArmor(8), 12);

    ASSERT_TRUE(s.run("armor-tons 5\n")) << s.errors.str();
    EXPECT_EQ(s.editor.mech().armorPoints(), 80);
    ASSERT_TRUE(s.run("armor-max\n"));
    EXPECT_EQ(s.editor.mech().armorPoints(), 307);
}

TEST(OmniVerbs, LockAddChooseAndDeleteVariants) {
    ScriptRun s;
    s.load(kit::omniChassis(s.ctx));
    EXPECT_FALSE(s.run("variant-add Alpha\n"));
    EXPECT_EQ(s.errors.str(), "line 1: the design has no variants: its chassis is not locked\n");
    EXPECT_TRUE(s.run("lock-chassis\n", {"no"})) << "declining the question is no error";
    ASSERT_TRUE(s.run("lock-chassis\nvariant-add \" Alpha \"\nvariant Alpha\n"
                      "variant-delete Prime\n",
                      {"yes", "Prime", "yes"}))
        << s.errors.str();
    // The two questions and two input boxes took the queued answers in turn.
    EXPECT_TRUE(s.user.answers.empty());
    EXPECT_EQ(omniControls(s.editor).variants, std::vector<std::string>{"Alpha"});
    EXPECT_FALSE(s.run("lock-chassis\n"));
    EXPECT_NE(s.errors.str().find("line 1: only an Omni-Mech whose chassis is not locked yet"),
              std::string::npos);
    EXPECT_FALSE(s.run("variant Beta\n"));
    EXPECT_EQ(s.errors.str().substr(s.errors.str().find("line 1: no entry")),
              "line 1: no entry \"Beta\" in the list \"variants\"\n");
}

} // namespace
} // namespace fpw::editor
