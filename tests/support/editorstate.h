// The whole state of an editor as a value: the document (design, slot lists, unallocated
// items, saved flag), every list and text derived from it, the choices its controls offer and
// the undo history's depth. Tests take one before an action and compare it after; a mismatch
// prints only the entries that differ, each by name.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "editor/editor.h"

namespace fpw::testing {

struct EditorState {
    editor::EditorDocument document;
    std::vector<editor::WeaponRow> unallocatedWeapons;
    std::vector<editor::WeaponRow> selectedEquipment;
    std::vector<editor::AvailableWeapon> availableWeapons;
    int weaponTypeFilter = -1;
    bool ammoForCurrentWeapons = false;
    editor::EditorDisplay display;
    editor::ComponentChoices choices;
    editor::ArmorControls armorControls;
    std::size_t undoDepth = 0;
    std::size_t redoDepth = 0;

    bool operator==(const EditorState&) const = default;
};

EditorState captureEditorState(const editor::Editor& editor);

// `state` with what undo and redo do not give back taken over from `now`: the history depths and
// the armour panel's selection (the window's, no step).
EditorState withHistoryOf(EditorState state, const EditorState& now);

// A slot as `"text" "item id" flags`, one letter per flag that is set (W S L O A B R T P).
std::string describeSlot(const model::CriticalSlot& slot);

// Success when equal; otherwise one line per entry of the document or the display that
// differs (its name, the expected and the actual value), then the omni configurations and the
// derived lists and choices that differ, by part.
::testing::AssertionResult sameEditorState(const EditorState& expected, const EditorState& actual);

} // namespace fpw::testing
