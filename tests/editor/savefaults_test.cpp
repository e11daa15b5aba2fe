// Every writer of a document, failed at each operation of its save in turn: the old file stays
// byte for byte, no temporary file is left beside it, the person is told what failed, and
// nothing reports success or marks the design saved.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/customprices.h"
#include "catalog/pilotfile.h"
#include "catalog/weapondatabase.h"
#include "editor/documentcommands.h"
#include "editor/documentskit.h"
#include "editor/refresh.h"
#include "support/faultyfilelayer.h"

namespace fpw::editor {
namespace {

struct Writer {
    std::string name;
    std::string fileName;
    std::string procedure;
    // Saves over `path`, answering any question the save asks.
    std::function<bool(testing::documents::EditorKit&, const std::string& path)> save;
};

std::ostream& operator<<(std::ostream& out, const Writer& writer) {
    return out << writer.name;
}

// What the message says for a failure at each kind of operation.
std::string expectedCause(const std::string& operation) {
    if (operation == "create") {
        return "cannot create";
    }
    if (operation == "rename") {
        return "Cannot replace";
    }
    return "write error";
}

std::vector<std::string> folderContents(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SaveFaults : public ::testing::TestWithParam<Writer> {
protected:
    SaveFaults() {
        kit.ctx.files = &faults;
        kit.load(testing::documents::saveableDesign(kit.ctx));
        kit.ctx.pilots = {{"Ana", 4, 5}, {"Bo", 3, 4}};
        kit.dir.write(catalog::kWeaponDatabaseFile, catalog::writeWeaponDatabase(kit.ctx.weapons));
        kit.ctx.prices.current[0] += 1;
        kit.dir.write("kelmor.log", ""); // the error reports go to the log
    }
    testing::documents::EditorKit kit;
    testing::FaultyFileLayer faults;
};

TEST_P(SaveFaults, AFailureAtAnyOperationKeepsTheOldFileAndSaysSo) {
    const Writer& writer = GetParam();
    const std::string old = "the old file, which must survive";
    const std::string path = kit.dir.write(writer.fileName, old);
    faults.reset(0);
    ASSERT_TRUE(writer.save(kit, path));
    const std::vector<std::string> clean = faults.operations;
    ASSERT_GE(clean.size(), 5u) << "create, write, flush, close and rename";
    ASSERT_NE(kit.dir.read(writer.fileName), old);
    const std::vector<std::string> expectedFolder = folderContents(kit.dir.path());
    SetSaved(kit.editor, false);
    const std::string savedFile = kit.editor.mech().saveFilename();

    for (int failing = 1; failing <= static_cast<int>(clean.size()); ++failing) {
        const std::string& operation = clean[static_cast<std::size_t>(failing) - 1];
        SCOPED_TRACE("failing " + operation + " (operation " + std::to_string(failing) + ")");
        kit.dir.write(writer.fileName, old);
        kit.user.messages.clear();
        faults.reset(failing);
        EXPECT_FALSE(writer.save(kit, path));
        EXPECT_EQ(kit.dir.read(writer.fileName), old);
        EXPECT_EQ(folderContents(kit.dir.path()), expectedFolder) << "a temporary file was left";
        const testing::ShownMessage& shown = kit.user.onlyMessage();
        EXPECT_EQ(shown.title, "Error");
        EXPECT_NE(shown.text.find("Function: " + writer.procedure), std::string::npos);
        EXPECT_NE(shown.text.find(expectedCause(operation)), std::string::npos) << shown.text;
        EXPECT_FALSE(kit.editor.saved());
        EXPECT_EQ(kit.editor.display().savedText, "Not Saved");
        EXPECT_EQ(kit.editor.mech().saveFilename(), savedFile);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryDocumentWriter, SaveFaults,
    ::testing::Values(Writer{"Design", "design.fpm", "Mech.SaveMech",
                             [](testing::documents::EditorKit& kit, const std::string& path) {
                                 return SaveMechTo(kit.editor, path);
                             }},
                      Writer{"MuxExport", "design.mux", "Mech.SaveMUXFile",
                             [](testing::documents::EditorKit& kit, const std::string& path) {
                                 kit.user.fileAnswers.push_back(path);
                                 kit.user.yesNoAnswers.push_back(true); // replace the existing file
                                 return SaveMUXCommand(kit.editor);
                             }},
                      Writer{"PilotFile", std::string(catalog::kPilotFile), "WritePilotData",
                             [](testing::documents::EditorKit& kit, const std::string&) {
                                 return catalog::WritePilotData(kit.ctx);
                             }},
                      Writer{"CustomPrices", std::string(app::kCustomPriceFile), "WriteCustomData",
                             [](testing::documents::EditorKit& kit, const std::string&) {
                                 return app::WriteCustomData(kit.ctx);
                             }}),
    [](const ::testing::TestParamInfo<Writer>& info) { return info.param.name; });

} // namespace
} // namespace fpw::editor
