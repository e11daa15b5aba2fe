#include "editor/designname.h"

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "support/contextfixture.h"

namespace fpw::editor {
namespace {

TEST(DesignName, ATypedTextIsOneStepThatMarksUnsavedAndTheSameTextNone) {
    testing::ContextFixture fixture;
    Editor editor(fixture.ctx);

    EXPECT_TRUE(ChangeMechName(editor, "Vindicator"));
    EXPECT_TRUE(ChangeMechModel(editor, "VND-1R"));
    EXPECT_EQ(editor.mech().mechName(), "Vindicator");
    EXPECT_EQ(editor.mech().mechModel(), "VND-1R");
    EXPECT_FALSE(editor.saved());
    EXPECT_EQ(editor.undoDepth(), 2u);

    EXPECT_TRUE(ChangeMechName(editor, "Vindicator"));
    EXPECT_EQ(editor.undoDepth(), 2u);
    {
        const Editor::LoadingScope loading(editor);
        EXPECT_FALSE(ChangeMechModel(editor, "VND-3L"));
    }
    EXPECT_EQ(editor.mech().mechModel(), "VND-1R");

    editor.undo();
    EXPECT_EQ(editor.mech().mechModel(), "");
}

} // namespace
} // namespace fpw::editor
