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

// A context over a fresh program folder holding copies of the shipped weapon database, BV data,
// plot files and diagram outline, all loaded.
struct SheetKit {
    SheetKit();
    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx;

    // The shipped Inner Sphere record of that name (fails the test when missing).
    std::int16_t weapon(const char* name, std::int16_t techBase = 0) const;
    // Adds the weapon and places it from slot `first` of `location`.
    std::int16_t place(model::Mech& mech, const char* name, int location, int first,
                       bool rear = false) const;
    // Places a heat sink item in a free slot.
    void placeHeatSink(model::Mech& mech, int location, int slot) const;

    // The canonical design of the sheet tests: a 50-ton level-1 brawler (Hunchback HBK-4G) with
    // an AC/20 and its two tons of ammunition, two medium lasers, a small laser in the head
    // and thirteen heat sinks, fully armoured and every figure refreshed.
    model::Mech hunchback() const;
    // A locked OmniMech with the configurations "Prime" (current) and "B".
    model::Mech omni() const;
};

// The figures the editor's refresh keeps current: construction, cost and Battle Value.
void refresh(model::Mech& mech);

} // namespace fpw::testing
