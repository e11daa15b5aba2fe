// A design built through the editor's own rules, and the whole editor state to compare after a
// refusal, for the component and system rule tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "support/shippedcontext.h"

namespace fpw::editor::testkit {

// Adds a weapon of the loaded database and writes it over the slots from `slot` in `loc` as
// a drop does; returns its instance number.
std::int16_t placeWeapon(Editor& editor, const std::string& name, int loc, int slot,
                         std::int16_t techBase = 0);

// Places one item of the unallocated row at the first run of free slots in `loc`, as a drop
// does (jump jets never in a biped's arms or head); false when there is no room.
bool placeItem(Editor& editor, std::string_view code, int loc);
// Places every unallocated item where it fits, location by location.
void placeAllItems(Editor& editor);

// What the construction rules forbid and the design shows, one text per fault: the editor's
// shared invariants, and beyond them myomer items not in the count the design asks for, a
// system's entries (CASE, Artemis, cockpit, engine, gyro, turret, physical weapon...) where
// the design lacks the system or not where it has it.
std::vector<std::string> checkDesign(const Editor& editor);

struct RulesFixture : ::testing::Test {
    testing::ShippedContext shipped;
    Editor editor{shipped.ctx};

    // A design of the given tonnage and walking MP at the tech base and level, through the
    // handlers; fails the test when one of them refuses.
    void build(int tonnage, int walking, int techBase = 0, int techLevel = 3);
    // Runs a change that must be refused with exactly this message and leave no trace.
    void expectRefusal(const std::function<bool()>& change, const std::string& title,
                       const std::string& text);
    // The slot texts of a location, for short comparisons.
    std::vector<std::string> texts(int loc) const;
};

} // namespace fpw::editor::testkit
