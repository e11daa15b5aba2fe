// Undo and redo over random sequences of player actions: undoing every accepted step returns
// the exact state before it, redo replays each exactly, an action that is refused (or changes
// nothing) leaves no step and no trace, and the editor's invariants hold after every step.
// The actions are editor script lines, so the sequences use every rule that has a verb.
#include <cctype>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/invariants.h"
#include "editor/script.h"
#include "support/editorstate.h"
#include "support/shippedcontext.h"

namespace fpw::editor {
namespace {

using Rng = std::mt19937;

int between(Rng& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

std::string pick(Rng& rng, const std::vector<std::string>& choices) {
    return choices[static_cast<std::size_t>(between(rng, 0, std::ssize(choices) - 1))];
}

// A line a player might write: its pattern with every "{A|B|C}" replaced by one of the
// alternatives, "{LOW-HIGH}" by a number in that range (":STEP" after it: in such steps), "{LOC}"
// by a location, "{WEAPON}" by a weapon or ammunition and "{ITEM}" by an item of the unallocated
// items list.
struct LineMaker {
    const char* pattern;
    int weight = 1; // how often it is drawn, against the others
    std::string verb() const {
        return std::string(pattern).substr(0, std::string(pattern).find(' '));
    }
};

const std::vector<std::string> kWeapons{
    "\"Medium Laser\"",   "\"Large Laser\"", "PPC",       "\"AC/20\"",       "\"AC/20 Ammo\"",
    "\"LRM-10\"",         "\"LRM-10 Ammo\"", "\"SRM-6\"", "\"Small Laser\"", "\"Gauss Rifle\"",
    "\"ER Large Laser\"", "\"Machine Gun\""};
const std::vector<std::string> kItems{"\"Heat Sink\"",
                                      "\"Double Heat Sink\"",
                                      "\"Jump Jet\"",
                                      "EndoSteel",
                                      "\"Ferro-Fibrous Armor\"",
                                      "MASC",
                                      "\"Targeting Computer\""};

std::string expand(const std::string& pattern, Rng& rng) {
    std::string line;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '{') {
            line += pattern[i];
            continue;
        }
        const std::size_t end = pattern.find('}', i);
        const std::string field = pattern.substr(i + 1, end - i - 1);
        i = end;
        if (field == "LOC") {
            line += pick(rng, {"LA", "LT", "LL", "RL", "RT", "RA", "CT", "H"});
        } else if (field == "WEAPON" || field == "ITEM") {
            line += pick(rng, field == "WEAPON" ? kWeapons : kItems);
        } else if (const std::size_t dash = field.find('-');
                   dash != std::string::npos && std::isdigit(field[0])) {
            const std::size_t colon = field.find(':');
            const int step = colon == std::string::npos ? 1 : std::stoi(field.substr(colon + 1));
            const int low = std::stoi(field.substr(0, dash));
            const int high = std::stoi(field.substr(dash + 1, colon - dash - 1));
            line += std::to_string(low + step * between(rng, 0, (high - low) / step));
        } else {
            std::vector<std::string> choices;
            std::istringstream alternatives(field);
            for (std::string choice; std::getline(alternatives, choice, '|');) {
                choices.push_back(choice);
            }
            line += pick(rng, choices);
        }
    }
    return line;
}

// Lines a player might write. Verbs that are not (yet) in the editor are left out; lines that
// name something absent fail as a player's would, changing nothing.
const std::vector<LineMaker> kLineMakers{
    {"answer {yes|no|cancel|2}"},
    {"answer \"{LOC} {1-10}\""}, // a spread's split
    {"name {Atlas|\"Hunch Back\"|X}"},
    {"model {AS7-D|HBK-4G}"},
    {"tonnage {10-100:5}"},
    {"walking {1-8}"},
    {"jumping {0-8}"},
    {"jumpjets {Standard|Improved}"},
    {"heatsinks {Single|Double|Laser|\"Compact (2)\"|\"Double (C)\"} {10-21}"},
    {"level {1|2|3}", 2},
    {"techbase {\"Inner Sphere\"|Clan|\"Inner Sphere 'C'\"}"},
    {"body {Biped|Quad|LAM|Omni-Mech}"},
    {"engine {Fusion|\"Fusion XL\"|\"Fusion XXL\"|\"Large Fusion\"|\"Large Fusion XL\"|\"Large "
     "Fusion XXL\"|Compact}"},
    {"gyro {Standard|Compact|Heavy-Duty|Extra-Light}"},
    {"structure {Standard|EndoSteel|Composite|Reinforced}"},
    {"armor-type {Standard|Ferro-Fibrous|\"Light Ferro-Fibrous\"|\"Heavy "
     "Ferro-Fibrous\"|Reactive|\"Laser Reflective\"|Hardened}"},
    {"targeting {Standard|\"Long-Range Targeting\"|\"Short-Range Targeting\"|\"Variable-Range "
     "Targeting\"|\"Anti-Aircraft Targeting\"|\"Multi-Trac Targeting\"|\"Multi-Trac "
     "II\"|\"Targeting Computer\"}"},
    {"masc {on|off}"},
    {"case {LOC} {on|off}"},
    {"tsm {on|off}"},
    {"nss {on|off}"},
    {"armless {on|off}"},
    {"limit-crits {on|off}"},
    {"fractional {on|off}"},
    {"supercharger {CT|LT|RT|off}"},
    {"case2 {LOC} {on|off}"},
    {"artemis-lrm {IV|V|off}"},
    {"artemis-srm {IV|V|off}"},
    {"physical {None|Hatchet|Sword|Mace|Claw} {LA|RA|both|off}"},
    {"actuator {LA|RA} {lower|hand} {on|off}"},
    {"turret {LT|RT} {on|off}"},
    {"cockpit {Standard|Small|\"Torso-Mounted\"|\"Command Console\"|\"Enhanced Imaging\"}"},
    {"clear-equipment"},
    {"balance {on|off}"},
    {"variant-delete {Prime|A}"},
    {"add {WEAPON}", 3},
    {"add {WEAPON} 2"},
    {"remove {WEAPON}"},
    {"drop {WEAPON} {LOC} {1-12}", 2},
    {"drop {ITEM} {LOC} {1-12}", 2},
    {"autoallocate {ITEM}", 2},
    {"unallocate {LOC} {1-12}"},
    {"compact"},
    {"clear-all"},
    {"armor {LOC} {0-30}"},
    {"armor-max"},
    {"armor-points {0-250}"},
    {"armor-tons {1-12}"},
    {"lock-chassis"},
    {"variant-add {Prime|A|B}"},
    {"variant {Prime|A|B}"},
};

std::vector<const LineMaker*> availableMakers() {
    std::vector<const LineMaker*> available;
    for (const LineMaker& maker : kLineMakers) {
        if (script::editorVerbs().find(maker.verb()) != nullptr) {
            available.insert(available.end(), maker.weight, &maker);
        }
    }
    return available;
}

// What undo and redo must give back: the state after an accepted line, with the history's
// depth at that point. The armour controls' selection is the window's, not the design's.
struct Boundary {
    std::size_t depth;
    testing::EditorState state;
    std::string line; // the line that led there
};

testing::EditorState comparable(testing::EditorState state, const testing::EditorState& now) {
    state.undoDepth = now.undoDepth;
    state.redoDepth = now.redoDepth;
    state.armorControls = now.armorControls;
    return state;
}

// A new editor whose person is the script's.
struct Player {
    std::ostringstream printed;
    script::ScriptUser user{printed};
    std::unique_ptr<app::ProgramContext> ctx;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<script::Session> session;

    Player() {
        ctx = std::make_unique<app::ProgramContext>(testing::builtProgramDirectory(), user);
        testing::loadShippedData(*ctx);
        editor = std::make_unique<Editor>(*ctx);
        session = std::make_unique<script::Session>(script::Session{*editor, user, printed});
    }

    // Runs one line; a line that fails is a player's mistake here, not the test's.
    void run(const std::string& line) {
        std::ostringstream errors;
        script::runScript(line, *session, errors);
    }
};

std::string invariantReport(const Editor& editor) {
    std::string report;
    for (const std::string& problem : checkInvariants(editor)) {
        report += "\n  " + problem;
    }
    return report;
}

TEST(UndoProperty, RandomSequencesUndoAndRedoExactly) {
    const std::vector<const LineMaker*> makers = availableMakers();
    if (makers.size() < 3) {
        GTEST_SKIP() << "too few editor verbs to drive";
    }
    constexpr int kSequences = 100;
    constexpr int kLines = 120;
    for (unsigned seed = 1; seed <= kSequences; ++seed) {
        Rng rng(seed);
        Player s;
        Editor& editor = *s.editor;
        std::string trail = "seed " + std::to_string(seed) + ":";
        ASSERT_EQ(invariantReport(editor), "") << trail << " the new design";
        std::vector<Boundary> boundaries{
            {editor.undoDepth(), testing::captureEditorState(editor), "(the new design)"}};
        for (int n = 0; n < kLines; ++n) {
            const std::string line =
                expand(makers[between(rng, 0, std::ssize(makers) - 1)]->pattern, rng);
            trail += "\n  " + line;
            const testing::EditorState before = testing::captureEditorState(editor);
            s.run(line);
            const testing::EditorState after = testing::captureEditorState(editor);
            ASSERT_EQ(invariantReport(editor), "") << trail;
            if (editor.undoDepth() == before.undoDepth) {
                // Refused, failed or no change at all: no trace.
                ASSERT_TRUE(testing::sameEditorState(before, comparable(after, before))) << trail;
            } else {
                ASSERT_GT(editor.undoDepth(), before.undoDepth) << trail;
                ASSERT_EQ(editor.redoDepth(), 0u) << trail;
                boundaries.push_back({editor.undoDepth(), after, line});
            }
        }
        // Back to the start, meeting every accepted line's state on the way.
        for (std::size_t i = boundaries.size(); i-- > 0;) {
            while (editor.undoDepth() > boundaries[i].depth) {
                ASSERT_TRUE(editor.undo()) << trail;
                ASSERT_EQ(invariantReport(editor), "") << trail << "\n(undoing)";
            }
            const testing::EditorState now = testing::captureEditorState(editor);
            ASSERT_TRUE(testing::sameEditorState(comparable(boundaries[i].state, now), now))
                << trail << "\n(undone back to the state after " << boundaries[i].line << ")";
        }
        EXPECT_FALSE(editor.canUndo()) << trail;
        for (std::size_t i = 1; i < boundaries.size(); ++i) {
            while (editor.undoDepth() < boundaries[i].depth) {
                ASSERT_TRUE(editor.redo()) << trail;
                ASSERT_EQ(invariantReport(editor), "") << trail << "\n(redoing)";
            }
            const testing::EditorState now = testing::captureEditorState(editor);
            ASSERT_TRUE(testing::sameEditorState(comparable(boundaries[i].state, now), now))
                << trail << "\n(redone up to " << boundaries[i].line << ")";
        }
        EXPECT_FALSE(editor.canRedo()) << trail;
    }
}

} // namespace
} // namespace fpw::editor
