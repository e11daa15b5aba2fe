#include "designfigures.h"

#include <ostream>

#include "app/programcontext.h"
#include "infocommand.h"
#include "io/designfile.h"

namespace fpw::cli {

std::optional<model::Mech> openQuietly(app::ProgramContext& ctx, const std::string& path,
                                       std::string& error) {
    std::optional<model::Mech> mech = io::OpenMechQuietly(ctx, path, error);
    if (!mech && error.empty())
        error = "The design file could not be read.";
    return mech;
}

std::optional<model::Mech> openOrReport(app::ProgramContext& ctx, const std::string& path,
                                        std::ostream& err) {
    std::string error;
    std::optional<model::Mech> mech = openQuietly(ctx, path, error);
    if (!mech)
        err << failureLine(path, error);
    return mech;
}

} // namespace fpw::cli
