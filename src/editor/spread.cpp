#include "editor/spread.h"

#include <algorithm>

#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/weaponrecord.h"
#include "editor/artemis.h"
#include "editor/editor.h"
#include "editor/placement.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "model/critlocation.h"
#include "model/mech.h"

namespace fpw::editor {

namespace {

struct Run {
    int first = 0;
    int length = 0;
};

// A secondary location fills from the top: the run of free or unlocked slots that starts
// below the fixed entries at its top (an arm's actuators, the center torso's engine).
Run secondaryRun(const model::CritLocation& list) {
    int first = 0;
    while (first < list.slotCount() && list.IsLockedSlot(first)) {
        ++first;
    }
    return Run{first, roomFrom(list, first, list.slotCount())};
}

std::string spreadText(int need) {
    return "This weapon can be spread across several locations. You have a total of " +
           std::to_string(need) +
           " slots to allocate. Below is the list of possible locations. Next to each location "
           "is the maximum slots that can be allocated there due to space limitations. These "
           "limitations are due to free/unlocked crits that are next to each other. Due to "
           "programming complexities, the slots allocated in the secondary location are "
           "filled from the top down. Also, the max-free slots within this location are "
           "determined in the same fashion.";
}

void writeSpreadSlot(model::CritLocation& list, int slot, const std::string& text,
                     const std::string& itemID) {
    list.PlaceItem(text, slot, true, itemID);
    list.MarkSpread(slot);
}

} // namespace

std::optional<SpreadRequest> spreadRequest(const Editor& editor, int loc, int slot,
                                           std::int16_t weaponIndex) {
    const model::WeaponEntry* weapon = liveWeapon(editor.mech(), weaponIndex);
    const catalog::WeaponRecord* record = weaponRecord(editor, weapon);
    if (record == nullptr || !record->spreadable || loc < 0 || loc >= model::kSlotLocations) {
        return std::nullopt;
    }
    const model::Mech& mech = editor.mech();
    SpreadRequest request;
    request.weaponIndex = weaponIndex;
    request.weaponName = record->name;
    request.need = std::max<int>(record->critSlots, 1);
    request.primaryLocation = loc;
    request.startSlot = slot;
    request.primaryMaximum = roomFrom(mech.critLocation(loc), slot, request.need);
    request.text = spreadText(request.need);
    const auto neighbours = catalog::gGetSpreadLocations(loc);
    // A quad's front legs are legs: a weapon spreads neither from them nor into them.
    const bool quad = mech.mechType() == catalog::kQuad;
    const auto isFrontLeg = [&](int l) {
        return quad && (l == catalog::kLeftArm || l == catalog::kRightArm);
    };
    for (int other = 0; other < model::kSlotLocations && !isFrontLeg(loc); ++other) {
        if (other == loc || !neighbours[static_cast<std::size_t>(other)] || isFrontLeg(other) ||
            !locationInUse(editor, other) || weaponMountRefusal(editor, other, weapon->refID)) {
            continue;
        }
        const int maximum = secondaryRun(mech.critLocation(other)).length;
        if (maximum > 0 && request.primaryMaximum + maximum >= request.need) {
            request.secondaries.push_back(
                SpreadLocation{other, catalog::locationName(other, quad), maximum});
        }
    }
    return request;
}

bool ApplySpread(Editor& editor, const SpreadRequest& request, const SpreadChoice& choice) {
    return editor.perform("ApplySpread", [&] {
        const auto secondary = std::find_if(
            request.secondaries.begin(), request.secondaries.end(),
            [&](const SpreadLocation& s) { return s.location == choice.secondaryLocation; });
        const model::WeaponEntry* weapon = liveWeapon(editor.mech(), request.weaponIndex);
        const bool valid = secondary != request.secondaries.end() && weapon != nullptr &&
                           weapon->LocCount() == 0 && choice.primaryCount >= 1 &&
                           choice.primaryCount <= request.primaryMaximum &&
                           choice.secondaryCount >= 1 &&
                           choice.secondaryCount <= secondary->maximum &&
                           choice.primaryCount + choice.secondaryCount == request.need;
        if (!valid) {
            editor.user().beep();
            return Outcome::Refused;
        }
        // The request may be older than the design: its room must still be there.
        model::Mech& mech = editor.mech();
        const Run run = secondaryRun(mech.critLocation(choice.secondaryLocation));
        if (roomFrom(mech.critLocation(request.primaryLocation), request.startSlot,
                     choice.primaryCount) < choice.primaryCount ||
            run.length < choice.secondaryCount) {
            editor.user().beep();
            return Outcome::Refused;
        }
        const std::string text = weaponSlotText(editor, *weapon);
        const std::string itemID = std::to_string(request.weaponIndex);
        clearRun(editor, request.primaryLocation, request.startSlot, choice.primaryCount);
        clearRun(editor, choice.secondaryLocation, run.first, choice.secondaryCount);
        for (int i = 0; i < choice.primaryCount; ++i) {
            writeSpreadSlot(mech.critLocation(request.primaryLocation), request.startSlot + i, text,
                            itemID);
        }
        for (int i = 0; i < choice.secondaryCount; ++i) {
            writeSpreadSlot(mech.critLocation(choice.secondaryLocation), run.first + i, text,
                            itemID);
        }
        mech.AlterWeapon(request.weaponIndex, static_cast<std::int16_t>(request.primaryLocation),
                         static_cast<std::int16_t>(request.startSlot), true);
        mech.TSetWeaponIdxGlobal(request.weaponIndex);
        mech.currentWeapon().AddLoc(static_cast<std::int16_t>(choice.secondaryLocation));
        mech.currentWeapon().spread = true;
        mech.UpdateGlobalWeaponIdx(request.weaponIndex);
        CheckArtemisLoc(editor, request.primaryLocation);
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

} // namespace fpw::editor
