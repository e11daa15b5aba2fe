#include "editor/componentchoices.h"

#include "editor/editor.h"

namespace fpw::editor {

void UpdateAvailableTech(Editor& editor) {
    // Filled by the component rules.
    (void)editor;
}

} // namespace fpw::editor
