// CASE and CASE II per location. A Clan design has CASE built in wherever explosive
// ammunition sits: it is offered no standard CASE and gets no slot for one, but keeps a
// standard setting its file holds. CASE II always takes one slot.
#include <string>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/componentchoices.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "editor/slotops.h"
#include "editor/systems.h"

namespace fpw::editor {

namespace {

bool takesSlot(const model::Mech& mech, int setting) {
    return setting == catalog::kCaseII ||
           (setting == catalog::kStandardCase && mech.techBase() != catalog::kClan);
}

// The setting's item into the last free slot of the location (else the last slot holding an
// item the rule may move); false when every slot is locked.
bool placeCase(Editor& editor, int loc, int setting) {
    const int slot = rules::slotForEntry(editor.mech().critLocation(loc), true);
    if (slot < 0) {
        return false;
    }
    rules::placeFixedEntry(editor, loc, slot, catalog::cCASE,
                           setting == catalog::kCaseII ? "CASE II" : "CASE");
    return true;
}

std::string noRoomText(int setting) {
    return std::string("You cannot add ") + (setting == catalog::kCaseII ? "CASE II" : "CASE") +
           " to this location because there are no free slots.";
}

} // namespace

void CheckCASELoc(Editor& editor, int location) {
    model::Mech& mech = editor.mech();
    const int setting = mech.GetCASE(location);
    const ComponentChoices choices = offeredChoices(editor);
    const ChoiceList& offered = choices.caseLocations[static_cast<std::size_t>(location)];
    const bool builtIn = mech.techBase() == catalog::kClan && setting == catalog::kStandardCase;
    model::CritLocation& list = mech.critLocation(location);
    if (setting != catalog::kNoCase && !builtIn &&
        !rules::offers(offered, catalog::caseName(setting))) {
        list.RemoveAllOf(catalog::cCASE);
        mech.SetCase(location, catalog::kNoCase);
        return;
    }
    if (!takesSlot(mech, setting)) {
        list.RemoveAllOf(catalog::cCASE);
    } else if (!list.HasItem(catalog::cCASE) && !placeCase(editor, location, setting)) {
        mech.SetCase(location, catalog::kNoCase);
    }
}

void CheckCASE(Editor& editor) {
    for (int loc = 0; loc < model::kCaseLocations; ++loc) {
        CheckCASELoc(editor, loc);
    }
}

void ResetCASE(Editor& editor) {
    rules::removePlaced(editor, catalog::cCASE, true);
    for (int loc = 0; loc < model::kCaseLocations; ++loc) {
        editor.mech().SetCase(loc, catalog::kNoCase);
    }
}

bool SetCASE(Editor& editor, int location, int setting) {
    model::Mech& mech = editor.mech();
    if (location < 0 || location >= model::kCaseLocations) {
        return false;
    }
    return rules::change(
        editor, "SetCASE", [&] { return mech.GetCASE(location) == setting; },
        setting >= catalog::kNoCase && setting <= catalog::kCaseII &&
            rules::offers(editor.choices().caseLocations[static_cast<std::size_t>(location)],
                          catalog::caseName(setting)),
        [&] {
            mech.critLocation(location).RemoveAllOf(catalog::cCASE);
            mech.SetCase(location, static_cast<std::int16_t>(setting));
            if (takesSlot(mech, setting) && !placeCase(editor, location, setting)) {
                return rules::refuse(editor, "Unable to add case", noRoomText(setting));
            }
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
