#include "editor/writebvs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/programcontext.h"
#include "app/textutil.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "valuation/bvcalc.h"

namespace fpw::editor {

namespace {

namespace fs = std::filesystem;

struct Listing {
    std::vector<fs::path> designs;
    std::vector<fs::path> directories;
};

// A folder that cannot be listed is treated as empty: the run goes on with the others.
Listing listDirectory(const fs::path& directory) {
    Listing listing;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const fs::path& path = it->path();
        if (it->is_directory(typeError) && !it->is_symlink(typeError)) {
            listing.directories.push_back(path);
        } else if (it->is_regular_file(typeError) &&
                   app::lowerCase(path.extension().string()) == ".fpm") {
            listing.designs.push_back(path);
        }
    }
    std::sort(listing.designs.begin(), listing.designs.end());
    std::sort(listing.directories.begin(), listing.directories.end());
    return listing;
}

std::string logLine(model::Mech& mech) {
    valuation::CalcBV(mech);
    std::string line = mech.mechName();
    if (!mech.mechModel().empty()) {
        line += " " + mech.mechModel();
    }
    return line + "\t" + std::to_string(mech.battleValue());
}

void visit(app::ProgramContext& ctx, const fs::path& directory, const WriteBVsCarryOn& carryOn,
           WriteBVsResult& result) {
    ctx.log.write("Dir: " + directory.string());
    const Listing listing = listDirectory(directory);
    for (const fs::path& file : listing.designs) {
        if (result.stopped || (carryOn && !carryOn(result.files))) {
            result.stopped = true;
            return;
        }
        ++result.files;
        ctx.user.processEvents();
        model::Mech mech(ctx);
        std::string message;
        if (io::TOpenMech(mech, file.string(), true, message)) {
            ctx.log.write(logLine(mech));
        } else {
            ctx.user.message("Unable to open file: " + file.string() + "\n\nReason: " + message);
        }
    }
    for (const fs::path& sub : listing.directories) {
        if (result.stopped) {
            return;
        }
        visit(ctx, sub, carryOn, result);
    }
}

} // namespace

WriteBVsResult WriteBVs(app::ProgramContext& ctx, const std::string& directory,
                        const WriteBVsCarryOn& carryOn) {
    WriteBVsResult result;
    {
        app::BusyPointer busy(ctx.user);
        visit(ctx, fs::path(directory), carryOn, result);
    }
    result.statusText = std::to_string(result.files) + " done...";
    if (!result.stopped) {
        ctx.user.message("Done");
    }
    return result;
}

} // namespace fpw::editor
