// The designs and the scratch folder the design file and editor benchmarks share: a loaded
// 100-ton assault over a small weapon table, plain and as an OmniMech with three
// configurations.
#pragma once

#include <filesystem>
#include <string>

#include "app/programcontext.h"
#include "bench/benchsupport.h"
#include "model/mech.h"

namespace fpw::bench {

// A scratch folder and a program context over a small weapon table.
struct Workbench {
    Workbench();
    ~Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;
    std::string file(const char* name) const { return (folder / name).string(); }
    // The typical design, or its OmniMech, saved as `name` in the folder; returns the path.
    std::string savedDesign(bool omni, const char* name);

    std::filesystem::path folder;
    BenchContext context;
    app::ProgramContext& ctx;
};

// A 100-ton assault: AC/20, LRM-20, SRM-6, four medium lasers, ammunition, heat sinks.
model::Mech typicalDesign(app::ProgramContext& ctx);
// The assault as an OmniMech with three configurations.
model::Mech omniDesign(app::ProgramContext& ctx);

} // namespace fpw::bench
