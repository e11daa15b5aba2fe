// The figures of a design as the editor's refresh computes them, never as a file stored them.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "model/mech.h"
#include "reports/designfigures.h"
#include "valuation/refreshfigures.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::cli {

// One row of `info`: a design, or one configuration of a locked OmniMech, or a file that could
// not be read (then only `file` and `error` are set).
struct DesignRow : reports::DesignFigures {
    // The file as named; whoever fills the row keeps the name alive beside it.
    std::string_view file;
    std::optional<std::string> error;
};

// Opens the design file at `path` without showing anything; on failure gives nothing and
// the program's message for it in `error` (the reader's text, or a plain one when the reader
// gave none).
std::optional<model::Mech> openQuietly(app::ProgramContext& ctx, const std::string& path,
                                       std::string& error);

// openQuietly for a command on one file: a failure's message goes to `err` as the file's line.
std::optional<model::Mech> openOrReport(app::ProgramContext& ctx, const std::string& path,
                                        std::ostream& err);

// Calls `visit(mech, refreshed)` once for a plain design and once per configuration (made
// current) of a locked OmniMech, every figure refreshed first; `refreshed` tells whether it has
// a BV and how many slots are free.
template <typename Visit> void visitConfigurations(model::Mech& mech, Visit&& visit) {
    if (!mech.omniBaseLocked() || mech.OmniConfigCount() == 0) {
        visit(mech, valuation::RefreshFigures(mech));
        return;
    }
    for (int i = 0; i < mech.OmniConfigCount(); ++i) {
        mech.ChangeOmniConfig(mech.GetOmniConfigName(i), false);
        // The first refresh brings the figures the file stored up to date; from then on the
        // configuration switch keeps the construction figures current by itself.
        visit(mech, i == 0 ? valuation::RefreshFigures(mech) : valuation::RefreshValuation(mech));
    }
}

// Opens the design file quietly and visits it as visitConfigurations does. Returns the message
// of a file that cannot be read, else nothing. A template, since it runs once per design of a
// batch: the visitor is called directly.
template <typename Visit>
std::optional<std::string> visitDesign(app::ProgramContext& ctx, const std::string& path,
                                       Visit&& visit) {
    std::string error;
    std::optional<model::Mech> opened = openQuietly(ctx, path, error);
    if (!opened)
        return error;
    visitConfigurations(*opened, visit);
    return std::nullopt;
}

} // namespace fpw::cli
