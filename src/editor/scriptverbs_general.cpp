#include <ostream>

#include "app/programcontext.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/script.h"
#include "editor/scriptverbs.h"
#include "reports/designfigures.h"

namespace fpw::editor::script {

namespace {

void answer(Session& session, const std::vector<std::string>& args) {
    session.user.answers.push_back(args[0]);
}

void undo(Session& session, const std::vector<std::string>&) {
    if (!session.editor.undo()) {
        throw ScriptError("nothing to undo");
    }
}

void redo(Session& session, const std::vector<std::string>&) {
    if (!session.editor.redo()) {
        throw ScriptError("nothing to redo");
    }
}

// The figures of `info`, one "key: value" line each, then the unallocated lists one row a
// line; indented under "state" so that a script's output reads as a log.
void state(Session& session, const std::vector<std::string>&) {
    const Editor& editor = session.editor;
    std::ostream& out = session.out;
    out << "state\n";
    const reports::DesignFigures figures =
        reports::designFigures(editor.mech(), editor.context().bvDataLoaded);
    for (const auto& [key, text] : reports::figureTexts(figures)) {
        out << "  " << key << ":" << (text.empty() ? "" : " ") << text << "\n";
    }
    for (const WeaponRow& row : editor.unallocatedWeapons()) {
        out << "  unallocated weapon: " << row.text << "\n";
    }
    for (const UnallocatedItem& row : editor.items().rows()) {
        out << "  unallocated item: " << row.count << " x " << row.name << " (" << row.code << ", "
            << row.slotsPerItem << (row.slotsPerItem == 1 ? " slot" : " slots") << " each)\n";
    }
    if (editor.unallocatedWeapons().empty() && editor.items().empty()) {
        out << "  unallocated: none\n";
    }
}

// The slot lists of the named locations (all of them when none is named) as the window shows
// them, one location a line.
void slots(Session& session, const std::vector<std::string>& args) {
    std::vector<int> locations;
    for (const std::string& word : args) {
        locations.push_back(parseLocation(word));
    }
    if (locations.empty()) {
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            locations.push_back(loc);
        }
    }
    session.out << "slots\n";
    for (const int loc : locations) {
        session.out << "  " << catalog::locationAbbreviation(loc) << ":";
        const char* separator = " ";
        for (const model::CriticalSlot& slot : session.editor.mech().critLocation(loc).slots()) {
            session.out << separator << slot.text;
            separator = " | ";
        }
        session.out << "\n";
    }
}

} // namespace

void registerGeneralVerbs(VerbTable& table) {
    table.add({"answer", 1, 1, "answer yes|no|cancel|TEXT", answer});
    table.add({"undo", 0, 0, "undo", undo});
    table.add({"redo", 0, 0, "redo", redo});
    table.add({"state", 0, 0, "state", state});
    table.add({"slots", 0, model::kSlotLocations, "slots [LOC...]", slots});
}

} // namespace fpw::editor::script
