// A corpus of varied designs over the loaded weapon database: every tech base and level, body
// type, engine, gyro, cockpit, heat sink, armour and structure type, weapons of each kind
// placed in slots with their ammunition, and locked OmniMechs with variants.
#pragma once

#include <string>

#include "model/mech.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::corpus {

// Design number `n`: the same number always gives the same design. The types cycle at
// different periods, so that a few hundred designs meet every combination of neighbours.
model::Mech design(app::ProgramContext& ctx, int n);

// Where design `n` goes below the corpus folder: "<weight class>/<tech base>/dNNNNNN.FPM", so
// that the corpus is a tree of folders.
std::string relativePath(const model::Mech& mech, int n);

} // namespace fpw::corpus
