// The machinery every user action runs through, where the editor scripts (which replay their
// whole history) do not reach: nested actions, a refusal around an accepted one, observers.
#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/script.h"
#include "support/shippedcontext.h"

namespace fpw::editor {
namespace {

struct EditorMachinery : ::testing::Test {
    testing::ShippedContext shipped;
    Editor editor{shipped.ctx};

    bool nameDesign(const std::string& name, Outcome outcome) {
        return editor.perform("Name", [&] {
            editor.mech().setMechName(name);
            editor.items().add("cHS", 1, "Heat Sink", 1);
            return outcome;
        });
    }
};

TEST_F(EditorMachinery, AnActionThatChangesNothingIsNoStepAndNestedActionsJoinTheOuterOne) {
    EXPECT_TRUE(editor.perform("Nothing", [] { return Outcome::Accepted; }));
    EXPECT_FALSE(editor.canUndo());

    const EditorDocument before = editor.document();
    EXPECT_FALSE(editor.perform("Outer", [&] {
        nameDesign("Inner", Outcome::Accepted);
        return Outcome::Refused;
    }));
    EXPECT_EQ(editor.document(), before);
    EXPECT_FALSE(editor.canUndo());
}

TEST_F(EditorMachinery, ObserversHearOfEveryActionUndoAndRefusal) {
    int told = 0;
    const int id = editor.addObserver([&] { ++told; });
    nameDesign("Atlas", Outcome::Accepted);
    nameDesign("Atlas", Outcome::Refused);
    editor.undo();
    EXPECT_EQ(told, 3);
    editor.removeObserver(id);
    nameDesign("Atlas", Outcome::Accepted);
    EXPECT_EQ(told, 3);
}

TEST(EditorDisplayTexts, WeightClassesLeaveTheGapsEmpty) {
    const std::pair<int, const char*> rows[] = {
        {5, ""},  {10, "Light Mech"},   {35, "Light Mech"},
        {36, ""}, {40, "Medium Mech"},  {55, "Medium Mech"},
        {56, ""}, {60, "Heavy Mech"},   {75, "Heavy Mech"},
        {79, ""}, {80, "Assault Mech"}, {100, "Assault Mech"},
        {105, ""}};
    for (const auto& row : rows) {
        EXPECT_EQ(weightClassName(row.first), row.second) << row.first << " tons";
    }
}

TEST(EditorDisplayTexts, RunningShowsTheBoostedMpTwiceWalkingWithOneBoosterAndTwoAndAHalfWithBoth) {
    testing::ShippedContext shipped;
    Editor editor{shipped.ctx};
    editor.mech().setWalking(4);
    const struct {
        std::int16_t masc;
        bool supercharger;
        const char* running;
    } rows[] = {{0, false, "6"}, {1, false, "6 [8]"}, {0, true, "6 [8]"}, {1, true, "6 [10]"}};
    for (const auto& row : rows) {
        model::MechFields fields = editor.mech().fields();
        fields.masc = row.masc;
        fields.supercharger = row.supercharger;
        editor.mech().restoreFields(fields);
        RefreshDisplay(editor);
        EXPECT_EQ(editor.display().running, row.running)
            << "MASC " << row.masc << ", supercharger " << row.supercharger;
    }
}

TEST(EditorScriptWords, QuotesHoldBlanksAndHashStartsAComment) {
    EXPECT_EQ(script::splitWords(R"(drop "Medium Laser" RT 3 # the first)"),
              (std::vector<std::string>{"drop", "Medium Laser", "RT", "3"}));
    EXPECT_EQ(script::splitWords(R"(name "# not a comment")"),
              (std::vector<std::string>{"name", "# not a comment"}));
    EXPECT_THROW(script::splitWords(R"(name "Atlas)"), script::ScriptError);
}

} // namespace
} // namespace fpw::editor
