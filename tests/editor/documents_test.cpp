// New, open and save from the editor where scripts (scripts/doc_*.fpws) cannot reach: the
// default settings, the file dialogs and overwrite questions, damaged files, the unsaved
// prompts before exit, and what printing and histories require.
#include <gtest/gtest.h>

#include "app/files.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/documentcommands.h"
#include "editor/documentskit.h"
#include "editor/refresh.h"
#include "editor/weaponlistactions.h"
#include "io/designfile.h"

namespace fpw::editor {
namespace {

using testing::documents::EditorKit;
using testing::documents::saveableDesign;

struct DocumentsTest : ::testing::Test, EditorKit {};

TEST_F(DocumentsTest, NewDesignTakesTheDefaultSettingsAndWaitsForItsHeatSinks) {
    ctx.settings.defaultTechBase = "Clan";
    ctx.settings.defaultTechLevel = 2;
    ctx.settings.defaultMechType = "Quad";
    load(saveableDesign(ctx));
    user.yesNoCancelAnswers = {app::Answer::No};
    ASSERT_TRUE(NewMech(editor));

    const model::Mech& mech = editor.mech();
    EXPECT_EQ(mech.tonnage(), 20);
    EXPECT_EQ(mech.walking(), 1);
    EXPECT_EQ(mech.techBase(), catalog::kClan);
    EXPECT_EQ(mech.techLevel(), 2);
    EXPECT_EQ(mech.mechType(), catalog::kQuad);
    EXPECT_EQ(mech.critLocation(0).slot(0).text, model::Mech(ctx).critLocation(2).slot(0).text)
        << "a quad's front legs carry leg actuators";
    // A 20-rated engine holds no heat sinks: all ten wait to be placed.
    EXPECT_EQ(editor.items().count(catalog::cHS), 10);
    EXPECT_TRUE(editor.saved());
    EXPECT_EQ(editor.undoDepth(), 0u);
}

TEST_F(DocumentsTest, SaveAsksForAFileOnlyUntilTheDesignHasOne) {
    load(saveableDesign(ctx));
    editor.mech().setSaveFilename("");
    user.fileAnswers = {std::nullopt};
    EXPECT_FALSE(SaveMechCommand(editor)) << "a cancelled dialog saves nothing";
    EXPECT_FALSE(editor.saved());
    ASSERT_EQ(user.dialogs.size(), 1u);
    EXPECT_EQ(user.dialogs[0].title, "Save Mech");
    EXPECT_EQ(user.dialogs[0].filter, "Forgeplanwork Mechs (*.fpm)|*.fpm");
    EXPECT_EQ(user.dialogs[0].fileName, "Harrowgate - HRW-3C");

    user.fileAnswers = {dir.file("first.fpm")};
    ASSERT_TRUE(SaveMechCommand(editor));
    EXPECT_EQ(editor.mech().saveFilename(), dir.file("first.fpm"));
    EXPECT_EQ(ctx.settings.lastDir, dir.path() + "/");
    EXPECT_EQ(windowTitle(editor), "Forgeplanwork - first.fpm");

    // The design's own file: no dialog, and with "Save Prompt" off no question either.
    ASSERT_TRUE(SetMechModel(editor, "HRW-3D"));
    EXPECT_TRUE(SaveMechCommand(editor));
    EXPECT_EQ(user.dialogs.size(), 2u);
    EXPECT_TRUE(user.questions.empty());
}

TEST_F(DocumentsTest, OverwriteQuestionFollowsTheDialogAndTheSavePromptSetting) {
    load(saveableDesign(ctx));
    const std::string target = dir.write("taken.fpm", "old bytes");
    struct Case {
        bool saveAs;
        bool savePrompt;
        bool asked;
    };
    for (const Case c :
         {Case{true, false, true}, Case{false, true, true}, Case{false, false, false}}) {
        SCOPED_TRACE(::testing::Message() << "save as " << c.saveAs << ", prompt " << c.savePrompt);
        editor.mech().setSaveFilename(target);
        ctx.settings.savePrompt = c.savePrompt;
        user.questions.clear();
        user.fileAnswers = {target};
        user.yesNoAnswers = {false};
        SetSaved(editor, false);
        const bool saved = c.saveAs ? SaveMechAsCommand(editor) : SaveMechCommand(editor);
        EXPECT_EQ(saved, !c.asked);
        if (c.asked) {
            ASSERT_EQ(user.questions.size(), 1u);
            EXPECT_EQ(user.questions[0], "Overwrite existing mech?");
            EXPECT_EQ(dir.read("taken.fpm"), "old bytes");
            EXPECT_FALSE(editor.saved());
        } else {
            EXPECT_NE(dir.read("taken.fpm"), "old bytes");
        }
        dir.write("taken.fpm", "old bytes");
    }
}

TEST_F(DocumentsTest, MuxExportMakesTheSaveChecksAsksBeforeReplacingAndLeavesTheSavedFlag) {
    model::Mech mech = saveableDesign(ctx);
    const std::int16_t unplaced = mech.AddWeapon(testing::designkit::kMediumLaser);
    load(std::move(mech));
    expectRefused([&] { return SaveMUXCommand(editor); }, "Unable to save",
                  "You cannot save a mech that has unallocated weapons.");
    ASSERT_TRUE(RemoveWeapon(editor, unplaced));
    const std::string target = dir.write("export.txt", "old export");
    user.fileAnswers = {target, target};
    user.yesNoAnswers = {false, true};
    EXPECT_FALSE(SaveMUXCommand(editor));
    EXPECT_EQ(dir.read("export.txt"), "old export");
    EXPECT_TRUE(SaveMUXCommand(editor));
    EXPECT_EQ(dir.read("export.txt").rfind("Name             { Harrowgate }", 0), 0u);
    EXPECT_EQ(user.dialogs.at(0).filter, "All Files (*.*)|*.*");
    EXPECT_EQ(user.questionTitles, (std::vector<std::string>{"Overwrite?", "Overwrite?"}));
    EXPECT_FALSE(editor.saved()) << "an export is no save of the design";
}

TEST_F(DocumentsTest, AFileThatDoesNotReadLeavesTheEditorAsItWas) {
    load(saveableDesign(ctx));
    ASSERT_TRUE(SetMechName(editor, "Edited"));
    const auto before = testing::captureEditorState(editor);
    const std::string good = io::writeDesignFile(saveableDesign(ctx));
    for (const std::string& bytes :
         {std::string("not a design"), good.substr(0, good.size() / 2), std::string()}) {
        user.messages.clear();
        const std::string path =
            bytes.empty() ? dir.file("missing.fpm") : dir.write("bad.fpm", bytes);
        EXPECT_FALSE(OpenMech(editor, path));
        EXPECT_EQ(user.messages.size(), 1u);
        EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(editor)));
    }
}

TEST_F(DocumentsTest, UnsavedPromptsGoOnStopOrSaveFirst) {
    const std::string existing = dir.file("existing.fpm");
    ASSERT_TRUE(app::writeFileAtomically(existing, io::writeDesignFile(saveableDesign(ctx))));
    using Command = std::function<bool(Editor&)>;
    struct Case {
        const char* what;
        Command command;
        const char* question;
    };
    const std::string beforeNew =
        "This mech is unsaved, would you like to save it before making a new mech?";
    const std::vector<Case> cases{
        {"new", NewMech, beforeNew.c_str()},
        {"open", [&](Editor& e) { return OpenMechFile(e, existing); }, beforeNew.c_str()},
        {"exit", ConfirmClose, "This mech is unsaved, would you like to save it before exiting?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Cancel stops; so does Yes when the save is refused (no name).
        for (const app::Answer answer : {app::Answer::Cancel, app::Answer::Yes}) {
            load(saveableDesign(ctx));
            editor.mech().setMechName("");
            UpdateAllTonnages(editor);
            const auto before = testing::captureEditorState(editor);
            user.questions.clear();
            user.yesNoCancelAnswers = {answer};
            EXPECT_FALSE(c.command(editor));
            ASSERT_EQ(user.questions.size(), 1u);
            EXPECT_EQ(user.questions[0], c.question);
            EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(editor)));
        }
        // No goes on; Yes saves to the design's file and goes on.
        for (const app::Answer answer : {app::Answer::No, app::Answer::Yes}) {
            load(saveableDesign(ctx));
            editor.mech().setSaveFilename(dir.file(std::string(c.what) + ".fpm"));
            user.yesNoCancelAnswers = {answer};
            EXPECT_TRUE(c.command(editor));
            EXPECT_EQ(app::fileExists(dir.file(std::string(c.what) + ".fpm")),
                      answer == app::Answer::Yes);
        }
    }
}

TEST_F(DocumentsTest, PrintingNeedsALockedChassisAndASaveAHistoryNeedsAName) {
    const char* const title = "Unable to print";
    const char* const unlocked = "You can not print out the base omni chassis. You need to lock "
                                 "the chassis before printing.";
    load(testing::designkit::omniChassis(ctx));
    SetSaved(editor, true);
    expectRefused([&] { return CanPrint(editor); }, title, unlocked);
    expectRefused([&] { return CanPreview(editor); }, title, unlocked);

    load(saveableDesign(ctx));
    expectRefused([&] { return CanPrint(editor); }, title,
                  "You need to save the mech before printing.");
    EXPECT_TRUE(CanPreview(editor)) << "the preview needs no save";
    SetSaved(editor, true);
    EXPECT_TRUE(CanPrint(editor));
    EXPECT_TRUE(CanCreateHistory(editor));
    editor.mech().setMechName("");
    expectRefused([&] { return CanCreateHistory(editor); }, "Unable to create historical data",
                  "You cannot create a history for a mech that does not have a name.");
}

} // namespace
} // namespace fpw::editor
