// A document of pages being drawn (a PDF file, a print job): its surface, and where it goes
// once every page is drawn. The desktop layer provides the real ones.
#pragma once

#include <string>

#include "recordsheet/drawingsurface.h"

namespace fpw::recordsheet {

class PagedDocument {
public:
    virtual ~PagedDocument() = default;
    // The surface of the current page; DrawingSurface::newPage starts the next one.
    virtual DrawingSurface& surface() = 0;
    // Ends the document and writes it to `path` as a whole (a failed write keeps any old
    // file). False with the reason in `error` when it could not be written.
    virtual bool save(const std::string& path, std::string& error) = 0;
};

} // namespace fpw::recordsheet
