// `sheet FILE... -o OUT.pdf | --each DIR`: record sheets of design files as PDF documents,
// one page per design and per configuration of a locked OmniMech.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "recordsheet/pageddocument.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

struct SheetOptions {
    std::vector<std::string> files;
    std::string output;        // one document with every sheet
    std::string eachDirectory; // or one document per design file in this folder
    std::string pilotName;
    std::string gunnery;
    std::string piloting;
};

// Makes a new, empty document (a PDF in the desktop layer).
using DocumentFactory = std::function<std::unique_ptr<recordsheet::PagedDocument>()>;

// The document a design file gets with --each: its name with the extension ".pdf".
std::string eachDocumentPath(const std::string& directory, const std::string& designPath);

// Draws the sheets with the standard armour diagram and the pilot-adjusted BV and writes the
// documents. A file that cannot be read is reported to `err` and skipped; a document without
// any page is not written. Returns 0 when every file was printed and every document written,
// else 1.
int runSheet(app::ProgramContext& ctx, const SheetOptions& options,
             const DocumentFactory& newDocument, std::ostream& err);

} // namespace fpw::cli
