#include "support/editorstate.h"

#include <memory>

#include <gtest/gtest.h>

#include "support/shippedcontext.h"

namespace fpw::testing {
namespace {

TEST(EditorState, NamesOnlyWhatDiffers) {
    ShippedContext kit;
    const auto editor = std::make_unique<editor::Editor>(kit.ctx);
    const EditorState before = captureEditorState(*editor);
    EXPECT_TRUE(sameEditorState(before, captureEditorState(*editor)));

    editor->mech().setMechName("Atlas");
    editor->mech().critLocation(1).PlaceItem("Heat Sink", 4, false, "cHS1");
    const ::testing::AssertionResult result = sameEditorState(before, captureEditorState(*editor));
    ASSERT_FALSE(result);
    EXPECT_EQ(std::string(result.message()),
              "the editor state differs:\n"
              "  field mechName: \"\" -> \"Atlas\"\n"
              "  slot LT 5: (none) -> \"Heat Sink\" \"cHS1\" ---O-----\n");
}

} // namespace
} // namespace fpw::testing
