// The designs the window pictures show, built through the editor's own actions.
#pragma once

namespace fpw::editor {
class Editor;
}

namespace fpw::screenshots {

class NobodyAtTheKeyboard;

// A medium design with a few systems; some weapons placed, one weapon and the heat sinks and
// jump jets still waiting in the unallocated lists.
void buildSampleDesign(editor::Editor& editor);
// Places everything the sample left over and mounts one laser in the rear: a design ready to
// save.
void completeSampleDesign(editor::Editor& editor);

// A medium OmniMech with its base chassis locked and two variants, "Prime" and "A", each
// with its own weapons placed; "A" is the current one. False when the rules refused a step.
bool buildOmniDesign(editor::Editor& editor, NobodyAtTheKeyboard& person);

} // namespace fpw::screenshots
