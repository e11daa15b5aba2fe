#include "support/editorstate.h"

#include <gtest/gtest.h>

#include "editor/editorkit.h"

namespace fpw::testing {
namespace {

TEST(EditorState, NamesOnlyWhatDiffers) {
    EditorKit kit;
    const EditorState before = captureEditorState(*kit.editor);
    EXPECT_TRUE(sameEditorState(before, captureEditorState(*kit.editor)));

    kit.editor->mech().setMechName("Atlas");
    kit.editor->mech().critLocation(1).PlaceItem("Heat Sink", 4, false, "cHS1");
    kit.editor->display().bv = "BV: 1 ";
    const ::testing::AssertionResult result =
        sameEditorState(before, captureEditorState(*kit.editor));
    ASSERT_FALSE(result);
    EXPECT_EQ(std::string(result.message()),
              "the editor state differs:\n"
              "  field mechName: \"\" -> \"Atlas\"\n"
              "  display bv: \"" +
                  before.display.bv +
                  "\" -> \"BV: 1 \"\n"
                  "  slot LT 5: (none) -> \"Heat Sink\" \"cHS1\" ---O-----\n");
}

} // namespace
} // namespace fpw::testing
