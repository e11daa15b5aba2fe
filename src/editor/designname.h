// The design's name and model as the player types them.
#pragma once

#include <string>

namespace fpw::editor {

class Editor;

// Each is one user action (ignored while the editor is loading or when the text did not
// change) that stores the text and runs the central refresh, which marks the design unsaved.
bool ChangeMechName(Editor& editor, const std::string& name);
bool ChangeMechModel(Editor& editor, const std::string& model);

} // namespace fpw::editor
