// Where printed pages go: the system printer, or a PDF file the person chooses. Print never
// fails silently: without a printer it says so and offers the PDF instead.
#pragma once

#include <functional>
#include <string>

#include "recordsheet/drawingsurface.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::ui {

// Draws every page of a job on the surface (calling newPage between pages); false when the
// drawing failed (already reported).
using PageDrawer = std::function<bool(recordsheet::DrawingSurface&)>;

inline constexpr const char* kNoPrinterTitle = "No printer";
inline constexpr const char* kNoPrinterText =
    "No printer was found. Would you like to save the pages as a PDF file instead?";
inline constexpr const char* kPdfFilter = "PDF Files (*.pdf)|*.pdf";

// True when the system knows at least one printer.
bool printerAvailable();

// Prints the pages on the default printer. Without a printer the person is told and asked
// whether to save a PDF instead (then as savePdfAs). Returns whether the pages went anywhere.
bool printPages(app::ProgramContext& ctx, const PageDrawer& draw, const std::string& suggestedName);

// Asks for a PDF file name (suggesting `suggestedName`.pdf) and writes the pages there; the
// person may cancel. A file that cannot be written is reported in a message box.
bool savePdfAs(app::ProgramContext& ctx, const PageDrawer& draw, const std::string& suggestedName);

// Writes the pages as a PDF file at `path`; false with the message shown when it fails.
bool writePdf(app::ProgramContext& ctx, const PageDrawer& draw, const std::string& path);

} // namespace fpw::ui
