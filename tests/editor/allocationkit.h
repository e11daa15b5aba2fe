// A new editor over the shipped reference data with the helpers the allocation tests share:
// adding weapons by database record, reading slots, and the check that a refusal left the
// whole editor state as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/allocation.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/weaponlistactions.h"
#include "model/critlocation.h"
#include "model/mech.h"
#include "support/editorstate.h"
#include "support/shippedcontext.h"

namespace fpw::editor {

using testing::EditorState;

struct AllocationTest : ::testing::Test {
    testing::ShippedContext shipped;
    Editor editor{shipped.ctx};

    // Database records used below (their positions in the shipped database).
    static constexpr std::int16_t kMediumLaser = 1;
    static constexpr std::int16_t kLargeLaser = 2;
    static constexpr std::int16_t kPPC = 3;
    static constexpr std::int16_t kAC10 = 9;
    static constexpr std::int16_t kLRM5 = 11;

    // Adds a weapon through the editor and returns its instance number.
    std::int16_t add(std::int16_t refID) {
        EXPECT_TRUE(AddWeapons(editor, {refID}));
        return editor.mech().weapons().back().weaponIndex;
    }
    // Adds a weapon and drops it from `slot` of `loc`, which must take it.
    std::int16_t drop(std::int16_t refID, int loc, int slot) {
        const std::int16_t weaponIndex = add(refID);
        EXPECT_EQ(DropWeapon(editor, loc, slot, weaponIndex).result, DropResult::Placed);
        return weaponIndex;
    }
    const model::CritLocation& list(int loc) const { return editor.mech().critLocation(loc); }
    // Sets up the document outside any action, as opening a design would.
    template <typename F> void setUp(F change) {
        change(editor.mech());
        RefreshWeapons(editor);
        RefreshSelectedWeapons(editor);
        UpdateAllTonnages(editor);
        editor.clearHistory();
    }
    // The state before the action under test, with no history and no message shown yet.
    EditorState snapshot() {
        editor.clearHistory();
        shipped.user.messages.clear();
        return testing::captureEditorState(editor);
    }
    void expectUnchanged(const EditorState& before) {
        EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(editor)))
            << "a refusal changed the editor";
    }
    void expectRefusedWith(const EditorState& before, const std::string& title,
                           const std::string& text) {
        const testing::ShownMessage& shown = shipped.user.onlyMessage();
        EXPECT_EQ(shown.title, title);
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.icon, app::MessageIcon::Critical);
        expectUnchanged(before);
    }
};

} // namespace fpw::editor
