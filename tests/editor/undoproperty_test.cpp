// Undo and redo over random sequences of player actions: undoing every accepted step returns
// the exact state before it, redo replays each exactly, an action that is refused (or changes
// nothing) leaves no step and no trace, and the editor's invariants hold after every step.
// The actions are editor script lines, so the sequences use every rule that has a verb.
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/invariants.h"
#include "editor/script.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "support/editorstate.h"
#include "support/shippedcontext.h"
#include "support/tempdir.h"

namespace fpw::editor {
namespace {

using Rng = std::mt19937;

std::string pick(Rng& rng, const std::vector<std::string>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(rng)];
}

int between(Rng& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

std::string location(Rng& rng) {
    return pick(rng, {"LA", "LT", "LL", "RL", "RT", "RA", "CT", "H"});
}

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

struct LineMaker {
    const char* verb;
    std::function<std::string(Rng&)> make;
    int weight = 1; // how often it is drawn, against the others
};

// Lines a player might write, with random arguments. Verbs that are not (yet) in the editor
// are left out; lines that name something absent fail as a player's would, changing nothing.
const std::vector<LineMaker>& lineMakers() {
    static const std::vector<LineMaker> makers{
        {"answer",
         [](Rng& r) {
             return "answer " + pick(r, {"yes", "no", "cancel", "2"});
         }},
        {"name",
         [](Rng& r) {
             return "name " + pick(r, {"Atlas", "\"Hunch Back\"", "X"});
         }},
        {"model",
         [](Rng& r) {
             return "model " + pick(r, {"AS7-D", "HBK-4G"});
         }},
        {"tonnage", [](Rng& r) { return "tonnage " + std::to_string(between(r, 2, 20) * 5); }},
        {"walking", [](Rng& r) { return "walking " + std::to_string(between(r, 1, 8)); }},
        {"jumping", [](Rng& r) { return "jumping " + std::to_string(between(r, 0, 5)); }},
        {"jumpjets",
         [](Rng& r) {
             return "jumpjets " + pick(r, {"Standard", "Improved"});
         }},
        {"heatsinks",
         [](Rng& r) {
             return "heatsinks " + pick(r, {"Single", "Double"}) + " " +
                    std::to_string(between(r, 10, 18));
         }},
        {"level",
         [](Rng& r) {
             return "level " + pick(r, {"1", "2", "3"});
         },
         2},
        {"techbase",
         [](Rng& r) {
             return "techbase " + pick(r, {"\"Inner Sphere\"", "Clan"});
         }},
        {"body",
         [](Rng& r) {
             return "body " + pick(r, {"Biped", "Quad", "Omni-Mech"});
         }},
        {"engine",
         [](Rng& r) {
             return "engine " + pick(r, {"Fusion", "\"Fusion XL\""});
         }},
        {"gyro",
         [](Rng& r) {
             return "gyro " + pick(r, {"Standard", "Compact"});
         }},
        {"structure",
         [](Rng& r) {
             return "structure " + pick(r, {"Standard", "EndoSteel"});
         }},
        {"armor-type",
         [](Rng& r) {
             return "armor-type " + pick(r, {"Standard", "Ferro-Fibrous"});
         }},
        {"targeting",
         [](Rng& r) {
             return "targeting " + pick(r, {"Standard", "\"Targeting Computer\""});
         }},
        {"masc",
         [](Rng& r) {
             return "masc " + pick(r, {"on", "off"});
         }},
        {"case",
         [](Rng& r) {
             return "case " + pick(r, {"LT", "RT"}) + " " + pick(r, {"on", "off"});
         }},
        {"tsm",
         [](Rng& r) {
             return "tsm " + pick(r, {"on", "off"});
         }},
        {"nss",
         [](Rng& r) {
             return "nss " + pick(r, {"on", "off"});
         }},
        {"limit-crits",
         [](Rng& r) {
             return "limit-crits " + pick(r, {"on", "off"});
         }},
        {"fractional",
         [](Rng& r) {
             return "fractional " + pick(r, {"on", "off"});
         }},
        {"supercharger",
         [](Rng& r) {
             return "supercharger " + pick(r, {"CT", "LT", "off"});
         }},
        {"case2",
         [](Rng& r) {
             return "case2 " + location(r) + " " + pick(r, {"on", "off"});
         }},
        {"artemis-lrm",
         [](Rng& r) {
             return "artemis-lrm " + pick(r, {"IV", "V", "off"});
         }},
        {"physical",
         [](Rng& r) {
             return "physical " + pick(r, {"Hatchet", "Sword"}) + " " +
                    pick(r, {"LA", "RA", "both", "off"});
         }},
        {"actuator",
         [](Rng& r) {
             return "actuator " + pick(r, {"LA", "RA"}) + " " + pick(r, {"lower", "hand"}) + " " +
                    pick(r, {"on", "off"});
         }},
        {"turret",
         [](Rng& r) {
             return "turret " + pick(r, {"LT", "RT"}) + " " + pick(r, {"on", "off"});
         }},
        {"cockpit",
         [](Rng& r) {
             return "cockpit " + pick(r, {"Standard", "Small", "\"Torso-Mounted\""});
         }},
        {"clear-equipment", [](Rng&) { return std::string("clear-equipment"); }},
        {"balance",
         [](Rng& r) {
             return "balance " + pick(r, {"on", "off"});
         }},
        {"variant-delete",
         [](Rng& r) {
             return "variant-delete " + pick(r, {"Prime", "A"});
         }},
        {"add",
         [](Rng& r) { return "add " + pick(r, kWeapons) + (between(r, 0, 3) == 0 ? " 2" : ""); },
         4},
        {"remove", [](Rng& r) { return "remove " + pick(r, kWeapons); }},
        {"drop",
         [](Rng& r) {
             return "drop " + pick(r, between(r, 0, 1) ? kWeapons : kItems) + " " + location(r) +
                    " " + std::to_string(between(r, 1, 12));
         },
         4},
        {"autoallocate", [](Rng& r) { return "autoallocate " + pick(r, kItems); }, 2},
        {"unallocate",
         [](Rng& r) {
             return "unallocate " + location(r) + " " + std::to_string(between(r, 1, 12));
         }},
        {"compact", [](Rng&) { return std::string("compact"); }},
        {"clear-all", [](Rng&) { return std::string("clear-all"); }},
        {"armor",
         [](Rng& r) { return "armor " + location(r) + " " + std::to_string(between(r, 0, 30)); }},
        {"armor-max", [](Rng&) { return std::string("armor-max"); }},
        {"armor-points",
         [](Rng& r) { return "armor-points " + std::to_string(between(r, 0, 250)); }},
        {"armor-tons", [](Rng& r) { return "armor-tons " + std::to_string(between(r, 1, 12)); }},
        {"lock-chassis", [](Rng&) { return std::string("lock-chassis"); }},
        {"variant-add",
         [](Rng& r) {
             return "variant-add " + pick(r, {"Prime", "A", "B"});
         }},
        {"variant",
         [](Rng& r) {
             return "variant " + pick(r, {"Prime", "A", "B"});
         }},
    };
    return makers;
}

std::vector<const LineMaker*> availableMakers() {
    std::vector<const LineMaker*> available;
    for (const LineMaker& maker : lineMakers()) {
        if (script::editorVerbs().find(maker.verb) != nullptr) {
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
    constexpr int kSequences = 60;
    constexpr int kLines = 80;
    for (unsigned seed = 1; seed <= kSequences; ++seed) {
        Rng rng(seed);
        Player s;
        Editor& editor = *s.editor;
        std::string trail = "seed " + std::to_string(seed) + ":";
        ASSERT_EQ(invariantReport(editor), "") << trail << " the new design";
        std::vector<Boundary> boundaries{
            {editor.undoDepth(), testing::captureEditorState(editor), "(the new design)"}};
        for (int n = 0; n < kLines; ++n) {
            const std::string line = makers[between(rng, 0, std::ssize(makers) - 1)]->make(rng);
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

TEST(UndoProperty, NewAndOpenClearTheHistoryAndAFailedOpenKeepsIt) {
    for (const char* verb : {"name", "new", "open"}) {
        if (script::editorVerbs().find(verb) == nullptr) {
            GTEST_SKIP() << "no verb " << verb;
        }
    }
    testing::TempDir dir;
    Player s;
    {
        model::Mech design(*s.ctx);
        design.setMechName("Filed");
        ASSERT_TRUE(io::SaveMech(design, dir.file("filed.FPM")));
    }
    Editor& editor = *s.editor;
    const auto renamed = [&] {
        s.run("name Renamed");
        return editor.canUndo();
    };

    ASSERT_TRUE(renamed());
    s.run("answer no\nopen \"" + dir.file("missing.FPM") + "\"");
    EXPECT_TRUE(editor.canUndo()) << s.printed.str();
    EXPECT_EQ(editor.mech().mechName(), "Renamed");

    s.run("answer no\nopen \"" + dir.file("filed.FPM") + "\"");
    EXPECT_EQ(editor.mech().mechName(), "Filed") << s.printed.str();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.canRedo());

    ASSERT_TRUE(renamed());
    ASSERT_TRUE(editor.undo());
    s.run("answer no\nnew");
    EXPECT_FALSE(editor.canUndo()) << s.printed.str();
    EXPECT_FALSE(editor.canRedo());
    EXPECT_EQ(editor.mech().mechName(), "");
}

} // namespace
} // namespace fpw::editor
