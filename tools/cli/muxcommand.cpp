#include "muxcommand.h"

#include <filesystem>
#include <ostream>

#include "designfigures.h"
#include "io/muxexport.h"
#include "model/mech.h"
#include "valuation/refreshfigures.h"

namespace fpw::cli {

std::string defaultMuxPath(const std::string& designPath) {
    std::filesystem::path path(designPath);
    path.replace_extension(".mux");
    return path.string();
}

int runMux(app::ProgramContext& ctx, const std::string& file, const std::string& out,
           std::ostream& err) {
    std::optional<model::Mech> opened = openOrReport(ctx, file, err);
    if (!opened)
        return 1;
    model::Mech& mech = *opened;
    valuation::RefreshFigures(mech);
    const std::string target = out.empty() ? defaultMuxPath(file) : out;
    // A failed write has been reported on the error stream by the error reporter.
    return io::SaveMUXFile(mech, target) ? 0 : 1;
}

} // namespace fpw::cli
