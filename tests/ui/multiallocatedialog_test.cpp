// The multi-allocate dialog as a player fills it in: the running total follows the counters,
// too many items beep and change nothing, a right count places them as one undoable step.
#include "ui/dialogs/multiallocatedialog.h"

#include <algorithm>

#include <QLabel>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "editor/components.h"
#include "shippedprogram.h"

namespace fpw::ui {
namespace {

TEST(MultiAllocateDialogTest, CountersPlaceTheItemsAndTooManyBeep) {
    testing::ShippedProgram program;
    std::unique_ptr<EditorWindow> window = program.start();
    ASSERT_NE(window, nullptr);
    editor::Editor& editor = window->editor();
    ASSERT_TRUE(editor::ChangeJumping(editor, 1));
    // The jump jet row: the new design's heat sinks have one too.
    const auto& rows = editor.items().rows();
    const auto jets = std::find_if(rows.begin(), rows.end(), [](const auto& row) {
        return row.name.find("Jump") != std::string::npos;
    });
    ASSERT_NE(jets, rows.end());
    const std::string code = jets->code;
    const std::optional<editor::MultiAllocateRequest> request =
        editor::multiAllocateRequest(editor, code);
    ASSERT_TRUE(request);
    ActionRunner runner([] {});
    MultiAllocateDialog dialog(editor, runner, *request);
    const std::vector<QSpinBox*>& counters = dialog.counters();
    ASSERT_EQ(counters.size(), request->locations.size());
    ASSERT_GE(counters.size(), 2u);
    EXPECT_EQ(dialog.total()->text().toStdString(), editor::multiAllocateTotal(*request, 0));
    EXPECT_EQ(counters[0]->maximum(), request->locations[0].maximum);
    const editor::EditorDocument before = editor.document();

    counters[0]->setValue(1);
    counters[1]->setValue(1);
    EXPECT_EQ(dialog.total()->text().toStdString(), editor::multiAllocateTotal(*request, 2));
    dialog.finish();
    EXPECT_EQ(program.user.beeps, 1);
    EXPECT_TRUE(editor.document() == before);

    counters[0]->setValue(0);
    dialog.finish();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(editor.items().count(code), 0);
    EXPECT_TRUE(editor.mech().critLocation(request->locations[1].location).HasItem(code));
    editor.undo();
    EXPECT_TRUE(editor.document() == before);
}

} // namespace
} // namespace fpw::ui
