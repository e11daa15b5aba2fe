// A program context over the shipped reference files and the designs the record sheet tests
// draw, shared by the core, window, image and command-line tests.
#pragma once

#include <cstdint>
#include <string>

#include "app/programcontext.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::testing {

// Adds the Inner Sphere weapon of that name from the design's weapon table (failing the test
// when there is none) and places it from slot `first` of `location`, rear-mounted if asked.
std::int16_t placeWeapon(model::Mech& mech, const char* name, int location, int first,
                         bool rear = false);

// A locked 60-ton OmniMech "Vantor" "Prime" with two configurations that differ in weapons and
// heat sinks: "Prime" (current: a medium laser) and "Alpha" (an LRM-10 with a ton of
// ammunition, 12 heat sinks).
model::Mech omniDesign(app::ProgramContext& ctx);

// A context over a fresh program folder holding copies of the shipped weapon database, BV data,
// plot files and diagram outline, all loaded.
struct SheetKit {
    SheetKit();
    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx;

    // The canonical design of the sheet tests: a 50-ton level-1 brawler (Hunchback HBK-4G) with
    // an AC/20 and its two tons of ammunition, two medium lasers, a small laser in the head
    // and thirteen heat sinks, fully armoured and every figure refreshed.
    model::Mech hunchback();
    model::Mech omni() { return omniDesign(ctx); }
};

// The figures the editor's refresh keeps current: construction, cost and Battle Value.
void refresh(model::Mech& mech);

} // namespace fpw::testing
