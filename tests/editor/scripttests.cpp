// Every tests/editor/scripts/NAME.fpws runs as one case against a new editor with the shipped
// reference data; everything it prints (messages, questions, state, the error that stopped it)
// must equal NAME.out. "$TMP" in a script names a fresh folder for its files and stands for
// that folder in the output. How each golden file was checked is said at the top of its script.
// Every line runs on its own, and after each the editor's invariants must hold, a line that
// leaves no undo step (a refusal, a failure, no change) must leave no trace either, and a
// design saved must open as the editor holds it. At the end the whole history is undone and
// redone: each depth shows again the state a line left there.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "app/textutil.h"
#include "editor/editor.h"
#include "editor/invariants.h"
#include "editor/script.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "support/editorstate.h"
#include "support/golden.h"
#include "support/shippedcontext.h"
#include "support/tempdir.h"

namespace fpw::editor {
namespace {

namespace fs = std::filesystem;

fs::path scriptFolder() {
    return fs::path(FPW_TESTS_SOURCE_DIR) / "editor" / "scripts";
}

std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(scriptFolder())) {
        if (entry.path().extension() == ".fpws") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Walks the whole history down and up again: every depth shows the state a line left there,
// and the invariants hold on the way.
void expectHistoryReplays(Editor& editor,
                          const std::vector<std::optional<testing::EditorState>>& atDepth) {
    const auto expectAtDepth = [&](const char* way) {
        const testing::EditorState now = testing::captureEditorState(editor);
        EXPECT_EQ(checkInvariants(editor), std::vector<std::string>{}) << way;
        if (editor.undoDepth() >= atDepth.size()) {
            ADD_FAILURE() << way << " past the last step a line left";
            return;
        }
        const std::optional<testing::EditorState>& then = atDepth[editor.undoDepth()];
        if (then) {
            EXPECT_TRUE(testing::sameEditorState(testing::withHistoryOf(*then, now), now))
                << way << " to depth " << editor.undoDepth();
        }
    };
    while (editor.undo()) {
        expectAtDepth("undoing");
    }
    while (editor.redo()) {
        expectAtDepth("redoing");
    }
}

// Runs one script line by line as `forgeplanwork-cli edit` runs it whole, and returns all it
// printed.
std::string runScriptFile(const std::string& name, const testing::TempDir& dir) {
    const std::string text =
        app::zReplace(app::readWholeFile((scriptFolder() / (name + ".fpws")).string()).value_or(""),
                      "$TMP", dir.path());
    std::ostringstream out;
    script::ScriptUser user(out);
    app::ProgramContext ctx(testing::builtProgramDirectory(), user);
    testing::loadShippedData(ctx);
    Editor editor(ctx);
    script::Session session{editor, user, out};
    std::vector<std::optional<testing::EditorState>> atDepth{testing::captureEditorState(editor)};
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const testing::EditorState before = testing::captureEditorState(editor);
        std::ostringstream error;
        const bool ran = script::runScript(line, session, error);
        EXPECT_EQ(checkInvariants(editor), std::vector<std::string>{}) << "line " << number;
        const std::string verb = line.substr(0, line.find(' '));
        testing::EditorState after = testing::captureEditorState(editor);
        if (editor.undoDepth() == before.undoDepth && verb != "new" && verb != "open" &&
            verb != "save") {
            after.armorControls = before.armorControls; // the window's selection, not the design's
            EXPECT_TRUE(testing::sameEditorState(before, after))
                << "line " << number << ": " << line;
        }
        if (verb == "save" && editor.saved()) { // what was saved opens as the editor holds it
            model::Mech reopened(ctx);
            std::string message;
            EXPECT_TRUE(io::TOpenMech(reopened, script::splitWords(line).at(1), true, message) &&
                        reopened == editor.mech())
                << "line " << number << ": " << message;
        }
        if (editor.undoDepth() > before.undoDepth && verb != "redo") {
            EXPECT_FALSE(editor.canRedo()) << "line " << number << ": a new step keeps redo";
        }
        if (!editor.canRedo() || editor.undoDepth() >= atDepth.size()) {
            atDepth.resize(editor.undoDepth() + 1); // a new step drops what could be redone
        }
        std::optional<testing::EditorState>& then = atDepth[editor.undoDepth()];
        if (verb == "undo" || verb == "redo") { // back to a state a line left before
            EXPECT_TRUE(!then ||
                        testing::sameEditorState(testing::withHistoryOf(*then, after), after))
                << "line " << number << ": " << line;
        } else {
            then = after;
        }
        if (!ran) {
            out << "line " << number << error.str().substr(error.str().find(':'))
                << "(script stopped)\n";
            break;
        }
    }
    expectHistoryReplays(editor, atDepth);
    return app::zReplace(out.str(), dir.path(), "$TMP");
}

class EditorScript : public ::testing::TestWithParam<std::string> {};

TEST_P(EditorScript, PrintsItsGoldenOutput) {
    testing::TempDir dir;
    testing::expectMatchesGolden(runScriptFile(GetParam(), dir),
                                 (scriptFolder() / (GetParam() + ".out")).string());
}

INSTANTIATE_TEST_SUITE_P(Scripts, EditorScript, ::testing::ValuesIn(scriptNames()),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace fpw::editor
