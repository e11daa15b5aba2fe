#include "catalog/slottables.h"

#include <algorithm>
#include <span>

#include "catalog/equipment.h"

namespace fpw::catalog {
namespace {

template <class Row> const Row* rowOf(std::span<const Row> rows, int code) {
    auto it =
        std::find_if(rows.begin(), rows.end(), [code](const Row& r) { return r.code == code; });
    return it == rows.end() ? nullptr : &*it;
}

// The mixed tech base builds with Inner Sphere components, so only 1 picks the Clan column.
bool isClan(int techBase) {
    return techBase == kClan;
}

template <class Row> std::int16_t slotsOf(std::span<const Row> rows, int code, int techBase) {
    const Row* row = rowOf(rows, code);
    if (!row)
        return 0;
    return isClan(techBase) ? row->slotsClan : row->slotsOther;
}

} // namespace

std::int16_t heatSinkSlots(int hsType, int techBase) {
    return slotsOf(heatSinkTypeTable(), hsType, techBase);
}

std::int16_t armorSlots(int armorType, int techBase) {
    return slotsOf(armorTypeTable(), armorType, techBase);
}

std::int16_t structureSlots(int isType, int techBase) {
    return slotsOf(structureTypeTable(), isType, techBase);
}

double armorPointsFactor(int armorType, int techBase) {
    const ArmorTypeRow* row = rowOf(armorTypeTable(), armorType);
    if (!row)
        return 0.0;
    return isClan(techBase) ? row->pointsFactorClan : row->pointsFactorOther;
}

} // namespace fpw::catalog
