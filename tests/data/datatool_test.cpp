// The data tool end to end: a good data folder builds the same files the build installed, a
// bad source line is refused with its file and line and leaves the output folder as it was,
// and damaged binary files are refused by dump.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/files.h"
#include "app/textutil.h"
#include "datafiles.h"
#include "support/tempdir.h"

namespace fpw::testing {
namespace {

namespace fs = std::filesystem;

const char* const kBuiltFiles[] = {"wpndata.bin",  "bvdata.bin",   "PiltData.Bin",  "ArmrPlt.Bin",
                                   "IntrnPlt.Bin", "manufact.dat", "location.dat",  "engines.dat",
                                   "armor.dat",    "chassis.dat",  "comsys.dat",    "jumpjet.dat",
                                   "targsys.dat",  "credits.dat",  "plotlayout.txt"};

// A copy of the shipped sources that a test may spoil.
class DataCopy {
public:
    DataCopy() {
        fs::create_directory(data());
        fs::create_directory(out());
        for (const fs::directory_entry& entry : fs::directory_iterator(dataSourceDirectory())) {
            fs::copy_file(entry.path(), fs::path(data()) / entry.path().filename());
        }
    }
    std::string data() const { return dir_.file("data"); }
    std::string out() const { return dir_.file("out"); }
    std::string source(std::string_view name) const { return app::joinPath(data(), name); }

    std::vector<std::string> lines(std::string_view name) const {
        const std::string text = app::readWholeFile(source(name)).value_or("");
        const std::vector<std::string_view> views = app::splitLines(text);
        return {views.begin(), views.end()};
    }
    void setLines(std::string_view name, const std::vector<std::string>& lines,
                  std::string_view lineEnd = "\n") const {
        std::string text;
        for (const std::string& line : lines) {
            text.append(line).append(lineEnd);
        }
        ASSERT_TRUE(app::writeFileAtomically(source(name), text));
    }

private:
    TempDir dir_;
};

// Sources with Windows line ends build the same files; text files are copied unchanged.
TEST(ShippedDataTool, BuildsTheInstalledFilesAgainByteForByte) {
    DataCopy copy;
    for (const char* name : {"weapons.tsv", "bvdata.tsv", "pilots.tsv"}) {
        copy.setLines(name, copy.lines(name), "\r\n");
    }
    const ToolRun run = runDataTool({"build", copy.data(), copy.out()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* name : kBuiltFiles) {
        const auto rebuilt = app::readWholeFile(app::joinPath(copy.out(), name));
        ASSERT_TRUE(rebuilt.has_value()) << name;
        // Compared as a whole: a byte dump of a binary file would drown the report.
        EXPECT_TRUE(*rebuilt == app::readWholeFile(programFilePath(name)).value_or(""))
            << name << " differs from the installed one";
        const std::string_view n(name);
        if (n.ends_with(".dat") || n.ends_with(".txt")) {
            EXPECT_TRUE(*rebuilt == app::readWholeFile(dataSourcePath(name))) << name;
        }
    }
}

using Lines = std::vector<std::string>;

// Replaces the cell `column` (0-based, tab-separated) of line `line` (1-based).
void setCell(Lines& lines, std::size_t line, std::size_t column, const std::string& value) {
    std::string& text = lines.at(line - 1);
    std::size_t start = 0;
    for (std::size_t c = 0; c < column; ++c) {
        start = text.find('\t', start) + 1;
    }
    const std::size_t end = text.find('\t', start);
    text.replace(start, end == std::string::npos ? std::string::npos : end - start, value);
}

void dropLastCell(std::string& line) {
    line.resize(line.rfind('\t'));
}

TEST(ShippedDataTool, RefusesABadSourceWithFileAndLineAndWritesNothing) {
    // The file, its change (none: the file is removed) and what follows "<path>:" in the error.
    const std::tuple<const char*, std::function<void(Lines&)>, const char*> cases[] = {
        {"weapons.tsv", [](Lines& l) { setCell(l, 3, 7, "three"); },
         "3: column Heat: \"three\" is not a whole number"},
        {"weapons.tsv", [](Lines& l) { dropLastCell(l[4]); },
         "5: expected 40 tab-separated columns, found 39"},
        {"weapons.tsv", [](Lines& l) { l.insert(l.begin() + 2, l[1]); },
         "3: \"Small Laser\" with tech base 0 is already on line 2"},
        {"weapons.tsv", [](Lines& l) { l.insert(l.begin() + 5, ""); }, "6: empty line"},
        {"weapons.tsv", [](Lines& l) { setCell(l, 2, 29, "False"); }, "2: column HasManufacturers"},
        {"weapons.tsv", [](Lines& l) { setCell(l, 2, 6, "00"); }, "2: column Unnamed7"},
        {"weapons.tsv", [](Lines& l) { setCell(l, 3, 4, "1.0"); },
         "3: not written in the canonical form"},
        {"bvdata.tsv", [](Lines& l) { dropLastCell(l[2]); },
         "3: OffensiveSpeedFactor needs 26 values, found 25"},
        {"pilots.tsv", [](Lines& l) { setCell(l, 3, 0, ""); },
         "3: column Name: a pilot needs a name"},
        {"plotlayout.txt", [](Lines& l) { setCell(l, 9, 9, "10"); },
         "9: the area holds only 9 points, 10 wanted"},
        {"plotlayout.txt",
         [](Lines& l) { l.back() = "Internal\t3\tRight Leg\t60\t240\t80\t270\t5\t2\t21"; },
         "27: the area overlaps the one on line 26"},
        {"plotlayout.txt",
         [](Lines& l) { l.back() = "Internal\t3\tRight Leg\t93\t233\t113\t263\t4\t2\t21"; },
         "27: Spacing must be more than twice PointSize"},
        {"credits.dat", [](Lines& l) { l[0] = "Credits"; },
         "1: the first line must be \"Forgeplanwork Credits File\""},
        {"jumpjet.dat", nullptr, " cannot be read"},
    };
    for (const auto& [file, edit, expected] : cases) {
        SCOPED_TRACE(expected);
        DataCopy copy;
        if (edit) {
            Lines lines = copy.lines(file);
            edit(lines);
            copy.setLines(file, lines);
        } else {
            fs::remove(copy.source(file));
        }
        // An old file in the output folder must survive a refused build untouched.
        ASSERT_TRUE(app::writeFileAtomically(app::joinPath(copy.out(), "wpndata.bin"), "old"));
        const ToolRun run = runDataTool({"build", copy.data(), copy.out()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(copy.source(file) + ":" + expected), std::string::npos) << run.err;
        std::vector<std::string> written;
        for (const fs::directory_entry& e : fs::directory_iterator(copy.out())) {
            written.push_back(e.path().filename().string());
        }
        EXPECT_EQ(written, std::vector<std::string>{"wpndata.bin"});
        EXPECT_EQ(app::readWholeFile(app::joinPath(copy.out(), "wpndata.bin")), "old");
    }
}

TEST(ShippedDataTool, DumpRefusesDamagedAndForeignFiles) {
    TempDir dir;
    const std::string database = app::readWholeFile(programFilePath("wpndata.bin")).value_or("");
    ASSERT_GT(database.size(), 200u);
    const std::string foreign = dir.write("other.bin", "Some other file entirely, not ours");
    std::string wrongVersion = database;
    wrongVersion[30] = 16;
    const std::string old = dir.write("old.bin", wrongVersion);
    for (const auto& [path, expected] :
         {std::pair{foreign, "not a weapon database, BV data, pilot or plot file"},
          std::pair{old, "but this database is version 16"}}) {
        const ToolRun run = runDataTool({"dump", path});
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_TRUE(run.out.empty()) << path;
        EXPECT_NE(run.err.find(path + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
    }
    const ToolRun usage = runDataTool({"dump"});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.err.find("usage:"), std::string::npos);
}

} // namespace
} // namespace fpw::testing
