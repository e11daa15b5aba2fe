#include "sheetcommand.h"

#include <filesystem>
#include <ostream>

#include "designfigures.h"
#include "infocommand.h"
#include "model/mech.h"
#include "recordsheet/printmech.h"

namespace fpw::cli {
namespace {

// Prints every sheet of one design file onto `document`; `pages` counts the pages drawn so far.
bool printFile(app::ProgramContext& ctx, const SheetOptions& options, const std::string& file,
               recordsheet::PagedDocument& document, int& pages, std::ostream& err) {
    bool drawn = true;
    const auto failure =
        visitDesign(ctx, file, [&](model::Mech& mech, const valuation::Refreshed&) {
            recordsheet::DrawingSurface& surface = document.surface();
            if (pages > 0)
                surface.newPage();
            ++pages;
            drawn = recordsheet::PrintMech(mech, options.pilotName, options.gunnery,
                                           options.piloting, "", "", "", true, true, surface) &&
                    drawn;
        });
    if (failure) {
        err << file << ": " << withoutCR(*failure) << "\n";
        return false;
    }
    return drawn;
}

bool saveDocument(recordsheet::PagedDocument& document, const std::string& path, int pages,
                  std::ostream& err) {
    if (pages == 0) {
        err << path << ": no sheet to write\n";
        return false;
    }
    std::string error;
    if (!document.save(path, error)) {
        err << path << ": " << error << "\n";
        return false;
    }
    return true;
}

} // namespace

std::string eachDocumentPath(const std::string& directory, const std::string& designPath) {
    const std::filesystem::path name = std::filesystem::path(designPath).filename();
    return (std::filesystem::path(directory) / name).replace_extension(".pdf").string();
}

int runSheet(app::ProgramContext& ctx, const SheetOptions& options,
             const DocumentFactory& newDocument, std::ostream& err) {
    bool ok = true;
    if (options.eachDirectory.empty()) {
        const std::unique_ptr<recordsheet::PagedDocument> document = newDocument();
        int pages = 0;
        for (const std::string& file : options.files)
            ok = printFile(ctx, options, file, *document, pages, err) && ok;
        ok = saveDocument(*document, options.output, pages, err) && ok;
        return ok ? 0 : 1;
    }
    for (const std::string& file : options.files) {
        const std::unique_ptr<recordsheet::PagedDocument> document = newDocument();
        int pages = 0;
        ok = printFile(ctx, options, file, *document, pages, err) && ok;
        if (pages > 0)
            ok = saveDocument(*document, eachDocumentPath(options.eachDirectory, file), pages,
                              err) &&
                 ok;
    }
    return ok ? 0 : 1;
}

} // namespace fpw::cli
