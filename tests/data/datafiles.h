// Where the data tests find the built reference files, their sources and the data tool.
#pragma once

#include <string>
#include <string_view>

#include "catalog/weaponrecord.h"

namespace fpw::testing {

// The program directory of the build: FPW_PROGRAM_DIR when set (CTest sets it), else the
// folder of the running test executable, which the build puts there too.
std::string programDirectory();
// The data/ folder of the source tree.
std::string dataSourceDirectory();
// Full paths.
std::string programFilePath(std::string_view name);
std::string dataSourcePath(std::string_view name);

// The weapon database as built, read once; fails the calling test when it does not load.
const catalog::WeaponTable& builtWeapons();

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs the data tool from the program directory with the given arguments (each quoted).
ToolRun runDataTool(std::initializer_list<std::string> arguments);

} // namespace fpw::testing
