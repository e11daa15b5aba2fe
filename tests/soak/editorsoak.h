// The editor soak: long runs of random editor-script lines (refused ones, undo and redo, saves
// and reopens among them) with the editor's consistency checked after every line. A violation
// comes back with the seed and the shortest script that still shows it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fpw::soak {

struct SoakResult {
    std::uint32_t seed = 0;
    long actions = 0; // lines run
    long refused = 0; // lines the script or the rules said no to
    // Empty when every check held; else the violation and the shrunk script that shows it,
    // with "$TMP" for the soak's file folder.
    std::string violation;
    std::vector<std::string> script;
};

// Runs `actions` random lines from `seed` against a new editor over the reference data of
// `programDirectory`, saving into `fileFolder`.
SoakResult soakEditor(std::uint32_t seed, long actions, const std::string& programDirectory,
                      const std::string& fileFolder);

// The report of a violation: the seed, what failed and the script that reproduces it.
std::string describe(const SoakResult& result);

} // namespace fpw::soak
