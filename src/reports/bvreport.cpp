#include "reports/bvreport.h"

#include <string>

#include "model/mech.h"
#include "valuation/bvdatastore.h"

namespace fpw::reports {
namespace {

void appendItems(ReportLines& out, const std::vector<valuation::BVDataStore::Item>& items) {
    for (const valuation::BVDataStore::Item& item : items) {
        out.push_back(ReportLine{item.desc, item.value, false});
    }
}

} // namespace

ReportLines BVPanelLines(const valuation::BVDataStore& lines) {
    ReportLines out;
    out.reserve(lines.defensiveItems().size() + lines.offensiveItems().size() + 2);
    out.push_back(ReportLine{"Defensive BattleValue", "", true});
    appendItems(out, lines.defensiveItems());
    out.push_back(ReportLine{"Offensive BattleValue", "", true});
    appendItems(out, lines.offensiveItems());
    return out;
}

ReportLines BVCalcsPrintLines(const model::Mech& mech, const valuation::BVDataStore& lines) {
    ReportLines out;
    out.push_back(ReportLine{"Battle Value calculations for " + mech.mechName() + " " +
                                 mech.mechModel() + " - Level " + std::to_string(mech.techLevel()),
                             "", true});
    ReportLines panel = BVPanelLines(lines);
    out.insert(out.end(), std::make_move_iterator(panel.begin()),
               std::make_move_iterator(panel.end()));
    return out;
}

} // namespace fpw::reports
