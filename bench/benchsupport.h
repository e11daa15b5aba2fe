// What every benchmark needs around the code it measures: a person who is never asked anything
// and a program context over them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/programcontext.h"
#include "app/unattendeduser.h"

namespace fpw::bench {

// Shows nothing, declines every question and chooses nothing, so a measured run never waits.
using NobodyAsked = app::UnattendedUser;

// A program context whose person is never asked; the program directory holds no reference
// files unless the benchmark names one that does. Neither copied nor moved: the context keeps
// a reference to the person.
struct BenchContext {
    explicit BenchContext(std::string programDir = "/nonexistent");
    BenchContext(const BenchContext&) = delete;
    BenchContext& operator=(const BenchContext&) = delete;

    NobodyAsked user;
    app::ProgramContext ctx;
};

} // namespace fpw::bench
