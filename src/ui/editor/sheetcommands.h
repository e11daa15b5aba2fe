// The editor's record-sheet and summary commands: each opens its window on the current design
// after the editor's own checks. The windows work on a copy of the design, so that nothing
// they compute reaches the editor's design behind its back.
#pragma once

class QWidget;

namespace fpw::editor {
class Editor;
}

namespace fpw::ui {

// File > Print...: the print window, when the design may be printed; its pilot editor button
// opens the pilot window.
void openPrintWindow(editor::Editor& editor, QWidget* parent);
// File > Print Preview...: the preview of the sheet without pilots, when it may be previewed.
void openPrintPreview(editor::Editor& editor, QWidget* parent);
// Tools > Summary...
void openSummary(editor::Editor& editor, QWidget* parent);
// Tools > Multi-Print...: the list starts with the design's file once it has one.
void openMultiPrint(editor::Editor& editor, QWidget* parent);
// Tools > Pilots...
void openPilots(editor::Editor& editor, QWidget* parent);

} // namespace fpw::ui
