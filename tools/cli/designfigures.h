// The figures of a design as the editor's refresh computes them, never as a file stored them.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/mech.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// One row of `info`: a design, or one configuration of a locked OmniMech, or a file that could
// not be read (then only `file` and `error` are set).
struct DesignRow {
    std::string file;
    std::optional<std::string> error;
    std::string name;
    std::string model;
    std::optional<std::string> config;
    int tonnage = 0;
    double totalTonnage = 0;
    double freeTonnage = 0;
    int walking = 0;
    int running = 0;
    int jumping = 0;
    int maxHeat = 0;
    int heatDissipation = 0;
    int freeSlots = 0;
    std::int32_t cost = 0;
    // Nothing when no BV data is loaded.
    std::optional<int> bv;
};

// Heat sinks as the heat display counts them: single ones once, every other type twice.
int heatDissipation(const model::Mech& mech);

// Free slots over the eight slot lists.
int freeSlots(const model::Mech& mech);

// Opens the design file at `path` without showing anything; on failure gives nothing and
// the program's message for it in `error` (the reader's text, or a plain one when the reader
// gave none).
std::optional<model::Mech> openQuietly(app::ProgramContext& ctx, const std::string& path,
                                       std::string& error);

// openQuietly for a command on one file: a failure's message goes to `err` as the file's line.
std::optional<model::Mech> openOrReport(app::ProgramContext& ctx, const std::string& path,
                                        std::ostream& err);

// Opens the design file quietly and calls `visit` with the design and whether it has a BV,
// once for a plain design and once per configuration (made current) of a locked OmniMech, every
// figure refreshed first. Returns the message of a file that cannot be read, else nothing.
std::optional<std::string> visitDesign(app::ProgramContext& ctx, const std::string& path,
                                       const std::function<void(model::Mech&, bool)>& visit);

// Opens the design file quietly and gives its row, or one row per configuration of a locked
// OmniMech; a file that cannot be read gives one row with its message.
std::vector<DesignRow> designRows(app::ProgramContext& ctx, const std::string& path);

} // namespace fpw::cli
