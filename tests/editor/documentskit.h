// An editor over the design kit's small weapon table, for the document, armour, omni and
// write-BVs tests; a refusal must leave the whole editor state (support/editorstate.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "editor/editor.h"
#include "io/designkit.h"
#include "support/editorstate.h"

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

// The design kit's 55-ton biped with every weapon placed and a slower engine: it passes
// every save check.
model::Mech saveableDesign(app::ProgramContext& ctx);

} // namespace fpw::testing::documents
