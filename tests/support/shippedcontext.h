// A program context over the reference files the build ships, as the program loads them.
#pragma once

#include <string>

#include "app/programcontext.h"
#include "support/scripteduser.h"

namespace fpw::testing {

// The build's program directory: the folder of the running test executable.
std::string builtProgramDirectory();

// Loads the shipped weapon database, BV tables and default prices into `ctx`; fails the
// calling test when the weapon database does not load.
void loadShippedData(app::ProgramContext& ctx);

// A context with the shipped data and a scripted user.
struct ShippedContext {
    ShippedContext();
    ScriptedUser user;
    app::ProgramContext ctx;
};

} // namespace fpw::testing
