#include "model/defaultslots.h"

#include <string>

#include "catalog/equipment.h"
#include "model/enginetable.h"

namespace fpw::model {

namespace {

constexpr std::array<const char*, 6> kHead{"Life Support", "Sensors", "Cockpit",
                                           nullptr,        "Sensors", "Life Support"};
constexpr std::array<const char*, 4> kArm{"Shoulder", "Upper Arm Actuator", "Lower Arm Actuator",
                                          "Hand Actuator"};
constexpr std::array<const char*, 4> kLeg{"Hip", "Upper Leg Actuator", "Lower Leg Actuator",
                                          "Foot Actuator"};

// A fixed entry that is no item: identifier "-1".
void fixedEntry(CritLocation& list, int slot, const char* text) {
    SlotFlags flags;
    flags.isActive = true;
    flags.isLocked = true;
    flags.isSpecial = true;
    list.SetSlot(text, slot, flags, "-1");
}

// A slot of a fixed item with a code (engine, gyro).
void fixedItem(CritLocation& list, int slot, const std::string& text, const std::string& id) {
    SlotFlags flags;
    flags.isActive = true;
    flags.isLocked = true;
    list.SetSlot(text, slot, flags, id);
}

} // namespace

void LayLimbActuators(CritLocation& list, bool leg, const std::array<bool, 4>& present) {
    for (int i = 0; i < 4; ++i) {
        if (leg || present[static_cast<std::size_t>(i)]) {
            fixedEntry(list, i,
                       leg ? kLeg[static_cast<std::size_t>(i)] : kArm[static_cast<std::size_t>(i)]);
        } else {
            list.ClearSlot(i);
        }
    }
}

void LayDefaultSlots(std::array<CritLocation, 8>& lists, const DefaultSlotSetup& setup) {
    for (int loc = 0; loc < 8; ++loc) {
        lists[loc] = CritLocation(loc, loc == 7 ? 6 : 12);
    }
    for (int i = 0; i < 6; ++i) {
        if (kHead[i] != nullptr) {
            fixedEntry(lists[7], i, kHead[i]);
        }
    }
    const bool quad = setup.mechType == catalog::kQuad;
    constexpr std::array<bool, 4> all{true, true, true, true};
    LayLimbActuators(lists[2], true, all);
    LayLimbActuators(lists[3], true, all);
    LayLimbActuators(lists[0], quad, quad ? all : setup.laActuators);
    LayLimbActuators(lists[5], quad, quad ? all : setup.raActuators);

    const EngineSlots engine = engineSlots(setup.engineType, setup.techBase);
    const std::string engineText = catalog::engineLongName(setup.engineType);
    const std::string gyroText = catalog::gyroLongName(setup.gyroType);
    const std::string engineId = "cEng1";
    const std::string gyroId = "cG1";
    CritLocation& ct = lists[6];
    int slot = 0;
    for (int i = 0; i < engine.aboveGyro && slot < ct.slotCount(); ++i) {
        fixedItem(ct, slot++, engineText, engineId);
    }
    slot = kGyroStartSlot;
    for (int i = 0; i < gyroSlots(setup.gyroType) && slot < ct.slotCount(); ++i) {
        fixedItem(ct, slot++, gyroText, gyroId);
    }
    for (int i = engine.aboveGyro; i < engine.centerTorso && slot < ct.slotCount(); ++i) {
        fixedItem(ct, slot++, engineText, engineId);
    }
    for (int side : {1, 4}) {
        for (int i = 0; i < engine.sideTorso && i < lists[side].slotCount(); ++i) {
            fixedItem(lists[side], i, engineText, engineId);
        }
    }
}

} // namespace fpw::model
