#include "ui/recordsheet/sheetrequest.h"

#include "recordsheet/printmech.h"

namespace fpw::ui {

bool drawSheet(model::Mech& mech, const SheetRequest& request, recordsheet::DrawingSurface& surface,
               bool preview) {
    const SheetPilot& p = request.pilot;
    const SheetPilot& c = request.consolePilot;
    const auto print = preview ? recordsheet::PrintPreviewMech : recordsheet::PrintMech;
    return print(mech, p.name, p.gunnery, p.piloting, c.name, c.gunnery, c.piloting,
                 request.adjustBV, request.standardDiagram, surface, 0);
}

} // namespace fpw::ui
