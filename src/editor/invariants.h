// What must hold of the editor's state after every user action, undo and redo: every item
// of the design sits either in slots or in an unallocated list, exactly once, and the
// number of items of each kind is the number the design's figures demand. Tests run it
// after every step; a fault in a rule shows up as a message naming what is wrong and where.
#pragma once

#include <string>
#include <vector>

namespace fpw::editor {

class Editor;

// Every broken invariant of the editor's present state as one readable line; empty when the
// state is sound. Reads only.
std::vector<std::string> checkInvariants(const Editor& editor);

} // namespace fpw::editor
