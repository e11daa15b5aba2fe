// What the print window asks of one record sheet: the pilots and the layout options.
#pragma once

#include <string>

#include "recordsheet/drawingsurface.h"

namespace fpw::model {
class Mech;
}

namespace fpw::ui {

struct SheetPilot {
    std::string name;
    std::string gunnery;
    std::string piloting;
};

struct SheetRequest {
    SheetPilot pilot;
    SheetPilot consolePilot;
    bool adjustBV = true;
    bool standardDiagram = true;
};

// PrintMech with the request's arguments; `preview` reports failures as the preview does.
bool drawSheet(model::Mech& mech, const SheetRequest& request, recordsheet::DrawingSurface& surface,
               bool preview = false);

} // namespace fpw::ui
