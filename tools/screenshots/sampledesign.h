// The designs the window pictures show, built through the editor's own actions.
#pragma once

namespace fpw::editor {
class Editor;
}

namespace fpw::screenshots {

// A medium design with a few systems; some weapons placed, one weapon and the heat sinks and
// jump jets still waiting in the unallocated lists.
void buildSampleDesign(editor::Editor& editor);
// Places everything the sample left over and mounts one laser in the rear: a design ready to
// save.
void completeSampleDesign(editor::Editor& editor);

} // namespace fpw::screenshots
