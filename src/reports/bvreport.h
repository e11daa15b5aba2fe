// The Battle Value half of the summary: the BV panel's lines and the text of the printed BV
// calculation, as line lists that a window or a printer only has to place.
#pragma once

#include "reports/reportlines.h"

namespace fpw::model {
class Mech;
}
namespace fpw::valuation {
class BVDataStore;
}

namespace fpw::reports {

// The BV panel: the bold heading "Defensive BattleValue", every defensive line, the bold
// heading "Offensive BattleValue" and every offensive line, each with its value at the right.
// Empty lines of the calculation stay as blank lines.
ReportLines BVPanelLines(const valuation::BVDataStore& lines);

// What PrintBVCalcs prints: the title "Battle Value calculations for " + name + " " + model +
// " - Level " + tech level, then the panel's lines.
ReportLines BVCalcsPrintLines(const model::Mech& mech, const valuation::BVDataStore& lines);

} // namespace fpw::reports
