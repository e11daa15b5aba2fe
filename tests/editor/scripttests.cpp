// Every tests/editor/scripts/NAME.fpws runs as one case against a new editor with the shipped
// reference data; everything it prints (messages, questions, state, the error that stopped it)
// must equal NAME.out. "$TMP" in a script names a fresh folder for its files and stands for
// that folder in the output. How each golden file was checked is said at the top of its script.
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "app/textutil.h"
#include "editor/editor.h"
#include "editor/script.h"
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

// Runs one script the way `forgeplanwork-cli edit` does and returns all it printed.
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
    if (!script::runScript(text, session, out)) {
        out << "(script stopped)\n";
    }
    return app::zReplace(out.str(), dir.path(), "$TMP");
}

class EditorScript : public ::testing::TestWithParam<std::string> {};

TEST_P(EditorScript, PrintsItsGoldenOutput) {
    testing::TempDir dir;
    testing::expectMatchesGolden(runScriptFile(GetParam(), dir),
                                 (scriptFolder() / (GetParam() + ".out")).string());
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, EditorScript, ::testing::ValuesIn(scriptNames()), [](const auto& info) {
        std::string name = info.param;
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(EditorScript);

} // namespace
} // namespace fpw::editor
