// Starting, opening and saving designs from the editor.
#pragma once

namespace fpw::editor {

class Editor;

// A new design with the default settings: every list, control and text reset.
void ResetAllData(Editor& editor);

} // namespace fpw::editor
