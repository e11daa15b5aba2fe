#include "valuation/refreshfigures.h"

#include "model/mech.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace fpw::valuation {

SlotTally tallySlots(const model::Mech& mech) {
    SlotTally tally;
    int slots = 0;
    int occupied = 0;
    for (const model::CritLocation& list : mech.critLocations()) {
        slots += static_cast<int>(list.slots().size());
        // Runs for every slot of every row: unrolled, the loop's own steps no longer cost more
        // than the counts, and the occupied ones are counted since a flag adds as it is.
#pragma GCC unroll 4
        for (const model::CriticalSlot& slot : list.slots()) {
            tally.armored += slot.isArmored ? 1 : 0;
            occupied += slot.isActive ? 1 : 0;
        }
    }
    tally.free = slots - occupied;
    return tally;
}

namespace {

// Cost and Battle Value of a design whose other figures are current.
Refreshed valuate(model::Mech& mech, int freeSlots) {
    CalcTotalCost(mech);
    // Nobody reads the lines here: the number is the same without them.
    return Refreshed{CalcBV(mech, BVLines::Skip).has_value(), freeSlots};
}

} // namespace

Refreshed RefreshFigures(model::Mech& mech) {
    const SlotTally slots = tallySlots(mech);
    mech.RecalcAll(slots.armored, slots.armored);
    return valuate(mech, slots.free);
}

Refreshed RefreshValuation(model::Mech& mech) {
    const SlotTally slots = tallySlots(mech);
    // Also sums the total tonnage and the heat.
    mech.ArmoredSlotData(slots.armored, slots.armored);
    return valuate(mech, slots.free);
}

} // namespace fpw::valuation
