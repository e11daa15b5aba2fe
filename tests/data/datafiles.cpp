#include "datafiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

#include "app/files.h"
#include "catalog/weapondatabase.h"
#include "support/shippedcontext.h"
#include "support/tempdir.h"

namespace fpw::testing {
namespace {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace

std::string programDirectory() {
    const char* dir = std::getenv("FPW_PROGRAM_DIR");
    return dir != nullptr && *dir != '\0' ? std::string(dir) : builtProgramDirectory();
}

std::string dataSourceDirectory() {
    // The build compiles the source tree's data/ folder in (__FILE__ may be relative under a
    // compiler cache); FPW_DATA_SOURCE_DIR in the environment overrides it.
    if (const char* directory = std::getenv("FPW_DATA_SOURCE_DIR")) {
        return directory;
    }
    return FPW_DATA_SOURCE_DIR;
}

std::string programFilePath(std::string_view name) {
    return app::joinPath(programDirectory(), name);
}

std::string dataSourcePath(std::string_view name) {
    return app::joinPath(dataSourceDirectory(), name);
}

const catalog::WeaponTable& builtWeapons() {
    static const catalog::WeaponTable table = [] {
        auto result = catalog::parseWeaponDatabase(
            app::readWholeFile(programFilePath("wpndata.bin")).value_or(""));
        return result.ok() ? std::move(result.value) : catalog::WeaponTable{};
    }();
    EXPECT_FALSE(table.empty()) << "wpndata.bin is missing or does not load from "
                                << programDirectory();
    return table;
}

ToolRun runDataTool(std::initializer_list<std::string> arguments) {
    TempDir scratch;
    std::string command = shellQuoted(programFilePath("fpw-data"));
    for (const std::string& argument : arguments) {
        command += ' ';
        command += shellQuoted(argument);
    }
    command += " >" + shellQuoted(scratch.file("out")) + " 2>" + shellQuoted(scratch.file("err"));
    ToolRun run;
    const int status = std::system(command.c_str());
    run.exitCode = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = scratch.read("out");
    run.err = scratch.read("err");
    return run;
}

} // namespace fpw::testing
