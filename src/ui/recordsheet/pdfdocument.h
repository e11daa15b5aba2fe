// Record sheets as a PDF file: vector text with the fonts embedded, one sheet per page. The
// header needs no Qt, so the command-line tool can use it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "recordsheet/pageddocument.h"

namespace fpw::ui {

class PdfDocument : public recordsheet::PagedDocument {
public:
    // An empty document in memory; the first page is open.
    PdfDocument();
    ~PdfDocument() override;
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    recordsheet::DrawingSurface& surface() override;
    // Ends the document and writes it atomically; a second call writes the same bytes again.
    bool save(const std::string& path, std::string& error) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Runs `work` where Qt's fonts and painting are available: inside the running application
// when there is one, else inside an application object of its own on the offscreen platform.
int withGuiApplication(int argc, char** argv, const std::function<int()>& work);

} // namespace fpw::ui
