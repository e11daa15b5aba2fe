#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/editor.h"
#include "editor/script.h"
#include "editor/scriptverbs.h"
#include "editor/slotmenu.h"
#include "editor/weaponlistactions.h"
#include "model/mech.h"

namespace fpw::editor::script {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A row of the unallocated weapons list without its " [N crits]" ending.
std::string_view rowName(std::string_view text) {
    const std::size_t bracket = text.rfind(" [");
    return bracket == std::string_view::npos ? text : text.substr(0, bracket);
}

const WeaponRow* findUnallocatedWeapon(const Editor& editor, std::string_view name) {
    for (const WeaponRow& row : editor.unallocatedWeapons()) {
        if (rowName(row.text) == name) {
            return &row;
        }
    }
    return nullptr;
}

const UnallocatedItem* findItem(const Editor& editor, std::string_view name) {
    for (const UnallocatedItem& row : editor.items().rows()) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

std::string itemCode(const Editor& editor, std::string_view name) {
    const UnallocatedItem* row = findItem(editor, name);
    if (row == nullptr) {
        throw ScriptError("no item " + quoted(name) + " in the unallocated items list");
    }
    return row->code;
}

std::string slotList(const SpreadRequest& request) {
    std::string text;
    for (const SpreadLocation& s : request.secondaries) {
        text += (text.empty() ? "" : ", ") + catalog::locationAbbreviation(s.location) + " up to " +
                std::to_string(s.maximum);
    }
    return text;
}

// The spread dialog answered from the queue: "LOC COUNT" (the rest in the primary location),
// "PRIMARY LOC COUNT", or "cancel".
void answerSpread(Session& session, const SpreadRequest& request) {
    session.out << "spread: " << request.weaponName << ": " << request.need << " slots; "
                << catalog::locationAbbreviation(request.primaryLocation) << " up to "
                << request.primaryMaximum << "; into " << slotList(request) << "\n";
    if (session.user.answers.empty()) {
        throw ScriptError("no answer queued for the spread dialog of " +
                          quoted(request.weaponName));
    }
    const std::string answer = std::move(session.user.answers.front());
    session.user.answers.pop_front();
    if (answer == "cancel") {
        return;
    }
    const std::vector<std::string> words = splitWords(answer);
    if (words.size() != 2 && words.size() != 3) {
        throw ScriptError("the spread dialog takes \"LOC COUNT\", \"PRIMARY LOC COUNT\" or "
                          "cancel, not " +
                          quoted(answer));
    }
    const bool withPrimary = words.size() == 3;
    SpreadChoice choice;
    choice.secondaryLocation = parseLocation(words[withPrimary ? 1 : 0]);
    choice.secondaryCount = parseInteger(words[withPrimary ? 2 : 1], "the secondary slots");
    choice.primaryCount = withPrimary ? parseInteger(words[0], "the primary slots")
                                      : request.need - choice.secondaryCount;
    if (!ApplySpread(session.editor, request, choice)) {
        session.out << "spread refused: " << answer << "\n";
    }
}

void drop(Session& session, const std::vector<std::string>& args) {
    const int loc = parseLocation(args[1]);
    const int slot = parseSlot(args[2]);
    if (const WeaponRow* row = findUnallocatedWeapon(session.editor, args[0])) {
        const WeaponDrop result = DropWeapon(session.editor, loc, slot, row->weaponIndex);
        if (result.result == DropResult::NeedsSpread) {
            answerSpread(session, *result.spread);
        }
        return;
    }
    if (findItem(session.editor, args[0]) == nullptr) {
        throw ScriptError("no unallocated weapon or item " + quoted(args[0]));
    }
    DropItem(session.editor, loc, slot, itemCode(session.editor, args[0]));
}

void dropSeveral(Session& session, const std::vector<std::string>& args) {
    std::vector<std::int16_t> weaponIndexes;
    for (std::size_t i = 2; i < args.size(); ++i) {
        // The same name twice selects two rows of that weapon.
        const std::vector<WeaponRow>& rows = session.editor.unallocatedWeapons();
        auto row = std::find_if(rows.begin(), rows.end(), [&](const WeaponRow& r) {
            return rowName(r.text) == args[i] &&
                   std::find(weaponIndexes.begin(), weaponIndexes.end(), r.weaponIndex) ==
                       weaponIndexes.end();
        });
        if (row == rows.end()) {
            throw ScriptError("no unallocated weapon " + quoted(args[i]) + " left to select");
        }
        weaponIndexes.push_back(row->weaponIndex);
    }
    DropWeapons(session.editor, parseLocation(args[0]), parseSlot(args[1]), weaponIndexes);
}

void multiallocate(Session& session, const std::vector<std::string>& args) {
    const std::optional<MultiAllocateRequest> request =
        multiAllocateRequest(session.editor, itemCode(session.editor, args[0]));
    if (!request) {
        throw ScriptError("the item " + quoted(args[0]) + " cannot be multi-allocated");
    }
    std::vector<int> counts(request->locations.size(), 0);
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::size_t equals = args[i].find('=');
        if (equals == std::string::npos) {
            throw ScriptError("expected LOC=COUNT, not " + quoted(args[i]));
        }
        const int loc = parseLocation(args[i].substr(0, equals));
        auto offered =
            std::find_if(request->locations.begin(), request->locations.end(),
                         [&](const MultiAllocateLocation& l) { return l.location == loc; });
        if (offered == request->locations.end()) {
            throw ScriptError("the location " + quoted(args[i].substr(0, equals)) + " takes no " +
                              quoted(args[0]));
        }
        counts[static_cast<std::size_t>(offered - request->locations.begin())] =
            parseInteger(args[i].substr(equals + 1), "a count");
    }
    int total = 0;
    for (const int count : counts) {
        total += count;
    }
    session.out << "multiallocate: " << request->itemName << ": "
                << multiAllocateTotal(*request, total) << "\n";
    if (!ApplyMultiAllocate(session.editor, *request, counts)) {
        session.out << "multiallocate refused\n";
    }
}

void popup(Session& session, const std::vector<std::string>& args) {
    const int loc = parseLocation(args[0]);
    const int slot = parseSlot(args[1]);
    for (const SlotMenuEntry& entry : slotMenu(session.editor, loc, slot)) {
        if (!entry.visible || entry.caption != args[2]) {
            continue;
        }
        if (!entry.enabled) {
            throw ScriptError("the entry " + quoted(args[2]) + " is disabled");
        }
        int target = -1;
        if (entry.command == SlotCommand::MoveTo) {
            if (args.size() < 4) {
                throw ScriptError("usage: popup LOC SLOT \"Move To\" LOCATION");
            }
            for (const SlotMenuEntry& place : entry.submenu) {
                target = place.caption == args[3] ? place.location : target;
            }
            if (target < 0) {
                throw ScriptError("no location " + quoted(args[3]) + " in the sub-menu");
            }
        }
        runSlotCommand(session.editor, loc, slot, entry.command, target);
        return;
    }
    throw ScriptError("no entry " + quoted(args[2]) + " in the pop-up menu of that slot");
}

// The pop-up menu of a slot as the window shows it: its visible entries in order, disabled
// ones marked, the move-to locations indented below their entry.
void menu(Session& session, const std::vector<std::string>& args) {
    const int loc = parseLocation(args[0]);
    const int slot = parseSlot(args[1]);
    const model::CritLocation& list = session.editor.mech().critLocation(loc);
    if (slot >= list.slotCount()) {
        throw ScriptError("no slot " + args[1] + " in " + args[0]);
    }
    session.out << "menu " << args[0] << " " << args[1] << ": " << list.SlotText(slot) << "\n";
    for (const SlotMenuEntry& entry : slotMenu(session.editor, loc, slot)) {
        if (!entry.visible) {
            continue;
        }
        session.out << "  " << entry.caption << (entry.enabled ? "" : " (disabled)") << "\n";
        for (const SlotMenuEntry& place : entry.submenu) {
            session.out << "    > " << place.caption << (place.enabled ? "" : " (disabled)")
                        << "\n";
        }
    }
}

} // namespace

void registerAllocationVerbs(VerbTable& table) {
    table.add({"add", 1, 2, "add NAME [COUNT]", [](Session& s, const std::vector<std::string>& a) {
                   const std::int16_t refID = findAvailableWeapon(s.editor, a[0]);
                   const int count = a.size() > 1 ? parseInteger(a[1], "the count") : 1;
                   if (count < 1 || count > 100) {
                       throw ScriptError("the count must be from 1 to 100");
                   }
                   AddWeapons(s.editor, std::vector<std::int16_t>(count, refID));
               }});
    table.add({"remove", 1, 1, "remove NAME", [](Session& s, const std::vector<std::string>& a) {
                   for (const WeaponRow& row : s.editor.selectedEquipment()) {
                       if (row.text.starts_with(a[0] + " (")) {
                           RemoveWeapon(s.editor, row.weaponIndex);
                           return;
                       }
                   }
                   throw ScriptError("no weapon " + quoted(a[0]) + " in the equipment list");
               }});
    table.add({"clear-equipment", 0, 0, "clear-equipment",
               [](Session& s, const std::vector<std::string>&) { ClearEquipment(s.editor); }});
    table.add({"drop", 3, 3,
               "drop NAME LOC SLOT (a spread dialog takes the next queued answer: \"LOC COUNT\" "
               "puts COUNT slots in LOC and the rest from the drop slot, \"PRIMARY LOC COUNT\" "
               "sets both counts, cancel closes it)",
               drop});
    table.add({"drop-several", 3, 99, "drop-several LOC SLOT NAME NAME...", dropSeveral});
    table.add({"autoallocate", 1, 1, "autoallocate NAME",
               [](Session& s, const std::vector<std::string>& a) {
                   AutoAllocate(s.editor, itemCode(s.editor, a[0]));
               }});
    table.add({"multiallocate", 2, 9, "multiallocate NAME LOC=COUNT...", multiallocate});
    table.add({"popup", 3, 4, "popup LOC SLOT \"ENTRY\" [LOCATION for \"Move To\"]", popup});
    table.add({"menu", 2, 2, "menu LOC SLOT", menu});
    table.add({"compact", 0, 0, "compact",
               [](Session& s, const std::vector<std::string>&) { CompactCrits(s.editor); }});
    table.add({"clear-all", 0, 0, "clear-all",
               [](Session& s, const std::vector<std::string>&) { ClearAllCrits(s.editor); }});
    table.add({"unallocate", 2, 2, "unallocate LOC SLOT",
               [](Session& s, const std::vector<std::string>& a) {
                   UnallocateByDoubleClick(s.editor, parseLocation(a[0]), parseSlot(a[1]));
               }});
}

} // namespace fpw::editor::script
