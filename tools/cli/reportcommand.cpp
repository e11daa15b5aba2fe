#include "reportcommand.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "designfigures.h"
#include "infocommand.h"
#include "model/mech.h"
#include "reports/bvreport.h"
#include "reports/costbreakdown.h"
#include "valuation/bvcalc.h"
#include "valuation/refreshfigures.h"

namespace fpw::cli {
namespace {

// Beyond this a description no longer widens the value column for every other line.
constexpr std::size_t kWidestColumn = 60;

// Selects the configuration of a locked OmniMech; false when it has none of that name.
bool selectConfig(model::Mech& mech, const std::string& config) {
    if (config.empty())
        return true;
    if (!mech.omniBaseLocked())
        return false;
    for (int i = 0; i < mech.OmniConfigCount(); ++i)
        if (mech.GetOmniConfigName(i) == config)
            return mech.ChangeOmniConfig(config, false);
    return false;
}

} // namespace

std::string reportText(const reports::ReportLines& lines) {
    std::size_t column = 0;
    for (const reports::ReportLine& line : lines)
        if (!line.value.empty() && line.description.size() <= kWidestColumn)
            column = std::max(column, line.description.size());
    std::string text;
    for (const reports::ReportLine& line : lines) {
        text += line.description;
        if (!line.value.empty()) {
            const std::size_t width = std::max(column, line.description.size());
            text.append(width - line.description.size() + 2, ' ');
            text += line.value;
        }
        text += '\n';
    }
    return text;
}

int runReport(app::ProgramContext& ctx, Report report, const std::string& file,
              const std::string& config, std::ostream& out, std::ostream& err) {
    std::optional<model::Mech> opened = openOrReport(ctx, file, err);
    if (!opened)
        return 1;
    model::Mech& mech = *opened;
    if (!selectConfig(mech, config)) {
        err << failureLine(file, "The design has no configuration named \"" + config + "\".");
        return 1;
    }
    valuation::RefreshFigures(mech);
    if (report == Report::Cost) {
        out << reportText(reports::costBreakdownPrintout(mech));
        return out.flush() ? 0 : 1;
    }
    // Without BV data the start-up message has said that no Battle Value is computed.
    const std::optional<valuation::BVResult> bv = valuation::CalcBV(mech);
    if (!bv)
        return 1;
    out << reportText(reports::BVCalcsPrintLines(mech, bv->lines));
    return out.flush() ? 0 : 1;
}

} // namespace fpw::cli
