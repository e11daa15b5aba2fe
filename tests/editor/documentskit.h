// An editor over the design kit's small weapon table, for the document, armour, omni and
// write-BVs tests, with the one comparison of the whole editor state a refusal must leave.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "editor/editor.h"
#include "io/designkit.h"

namespace fpw::testing::documents {

struct EditorKit : designkit::Kit {
    editor::Editor editor{ctx};
    // Puts a design into the editor as opening it would, unsaved.
    void load(model::Mech mech);
    // Runs an action that must be refused with exactly this one message and leave the whole
    // editor as it was.
    void expectRefused(const std::function<bool()>& action, std::string_view title,
                       std::string_view text);
};

// Everything the editor holds and shows.
struct EditorState {
    editor::EditorDocument document;
    std::vector<editor::WeaponRow> unallocated;
    std::vector<editor::WeaponRow> selected;
    editor::EditorDisplay display;
    editor::ArmorControls armor;
    editor::ComponentChoices choices;
    std::size_t undoDepth = 0;
    bool operator==(const EditorState&) const = default;
};
EditorState stateOf(const editor::Editor& editor);

// The design kit's 55-ton biped with every weapon placed and a slower engine: it passes
// every save check.
model::Mech saveableDesign(app::ProgramContext& ctx);

} // namespace fpw::testing::documents
