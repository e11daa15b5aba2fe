#include "valuation/refreshfigures.h"

#include "model/mech.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace fpw::valuation {

bool RefreshFigures(model::Mech& mech) {
    mech.RecalcAll();
    return RefreshValuation(mech);
}

bool RefreshValuation(model::Mech& mech) {
    int armored = 0;
    for (const model::CritLocation& list : mech.critLocations()) {
        // Runs for every slot of every row: unrolled, the loop's own steps no longer cost more
        // than the count.
#pragma GCC unroll 4
        for (const model::CriticalSlot& slot : list.slots())
            armored += slot.isArmored ? 1 : 0;
    }
    // Also sums the total tonnage and the heat.
    mech.ArmoredSlotData(armored, armored);
    CalcTotalCost(mech);
    // Nobody reads the lines here: the number is the same without them.
    return CalcBV(mech, BVLines::Skip).has_value();
}

} // namespace fpw::valuation
