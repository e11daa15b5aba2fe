// Starting, opening and saving designs from the editor, the questions asked before an unsaved
// design is replaced or the program closes, and what printing and histories require.
#pragma once

#include <string>

namespace fpw::editor {

class Editor;

// A new design with the default settings: every list, control and text reset.
void ResetAllData(Editor& editor);
// Fills every list and control from the design as it stands.
void RefreshAllData(Editor& editor);
// Reads the design file at `path` into a fresh design and, only when the whole file read,
// makes it the editor's (saved, history cleared). A file that cannot be read shows its
// message and leaves the editor as it was. Asks nothing about the design it replaces.
bool OpenMech(Editor& editor, const std::string& path);

// The menu commands. New and Open first ask whether an unsaved design should be saved; Open
// then asks for the file. Each returns whether it went through.
bool NewMech(Editor& editor);
bool OpenMechCommand(Editor& editor);
// Opens a known file (a recent file, a file dropped on the window) after the same question.
bool OpenMechFile(Editor& editor, const std::string& path);

// Save asks for a file only when the design has none yet; Save As always does. Both run the
// save checks and the ammunition warning first, and mark the design saved only when the file
// was written.
bool SaveMechCommand(Editor& editor);
bool SaveMechAsCommand(Editor& editor);
// Saves to `path` through the same checks and warning, replacing the file without asking
// (editor scripts and the command-line tool).
bool SaveMechTo(Editor& editor, const std::string& path);
// The save checks alone, as Save runs them: the first refusal ("Unable to save") or, when
// none applies, the ammunition warning is shown. True when the design would be saved.
bool PassesSaveChecks(Editor& editor);
// The MUX export through the same checks and warning.
bool SaveMUXCommand(Editor& editor);

// The name and model boxes: the design takes the text as typed.
bool SetMechName(Editor& editor, const std::string& name);
bool SetMechModel(Editor& editor, const std::string& model);

// Before the program closes: asks whether an unsaved design should be saved, and saves on
// Yes. False when the person cancelled or the save did not happen: the program stays open.
bool ConfirmClose(Editor& editor);
// The log's closing line, written as the program closes.
void WriteClosingLog(Editor& editor);

// What the window title shows: the program's name, and " - " and the design's file name
// once it has one.
std::string windowTitle(const Editor& editor);
// The location titles of the slot lists: "Left Arm" ... or a quad's leg names.
std::string locationTitle(const Editor& editor, int loc);

// Printing needs a locked chassis on an OmniMech and, unlike the preview, a saved design; a
// history needs a named design. Each shows its message when it says no.
bool CanPrint(Editor& editor);
bool CanPreview(Editor& editor);
bool CanCreateHistory(Editor& editor);

} // namespace fpw::editor
