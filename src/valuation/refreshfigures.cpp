#include "valuation/refreshfigures.h"

#include "model/mech.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace fpw::valuation {

bool RefreshFigures(model::Mech& mech) {
    mech.RecalcAll();
    int armored = 0;
    for (const model::CritLocation& list : mech.critLocations())
        for (const model::CriticalSlot& slot : list.slots())
            armored += slot.isArmored ? 1 : 0;
    mech.ArmoredSlotData(armored, armored);
    mech.CalcTotalTonnage();
    mech.MaxHeat();
    CalcTotalCost(mech);
    // Nobody reads the lines here: the number is the same without them.
    return CalcBV(mech, BVLines::Skip).has_value();
}

} // namespace fpw::valuation
