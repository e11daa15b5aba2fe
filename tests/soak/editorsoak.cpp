#include "soak/editorsoak.h"

#include <exception>
#include <optional>
#include <random>
#include <sstream>

#include "app/files.h"
#include "app/programcontext.h"
#include "app/textutil.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/invariants.h"
#include "editor/script.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "support/editorstate.h"
#include "support/shippedcontext.h"

namespace fpw::soak {
namespace {

using editor::script::ScriptError;

// The words a line may use, by the kind its verb's usage names.
const std::vector<std::string> kLocations{"LA", "RA", "LT",    "RT",    "CT",    "LL",
                                          "RL", "HD", "LT(r)", "RT(r)", "CT(r)", "XX"};
const std::vector<std::string> kTexts{"", "Atlas", "AS7-D", "Nova Cat", "\"two words\"", "é"};

class LineMaker {
public:
    explicit LineMaker(std::uint32_t seed) : random_(seed) {}

    std::string next(const editor::Editor& editor) {
        const auto& verbs = editor::script::editorVerbs().verbs();
        const editor::script::Verb& verb = verbs[pick(verbs.size())];
        std::vector<std::string> kinds = editor::script::splitWords(verb.usage);
        kinds.erase(kinds.begin());
        const int count =
            verb.minArgs +
            static_cast<int>(pick(static_cast<std::size_t>(verb.maxArgs - verb.minArgs + 1)));
        std::string line = verb.name;
        for (int i = 0; i < count; ++i) {
            const std::string kind = i < static_cast<int>(kinds.size()) ? kinds[i] : "N";
            line += ' ';
            line += word(kind, editor);
        }
        return line;
    }

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    std::string word(const std::string& kind, const editor::Editor& editor) {
        if (kind.find('|') != std::string::npos) {
            std::vector<std::string> choices{""};
            for (const char c : kind) {
                if (c == '|') {
                    choices.emplace_back();
                } else {
                    choices.back().push_back(c);
                }
            }
            const std::string& choice = choices[pick(choices.size())];
            return choice == "LOC" ? word(choice, editor) : choice;
        }
        if (kind == "LOC") {
            return kLocations[pick(kLocations.size())];
        }
        if (kind == "FILE") {
            return "$TMP/soak" + std::to_string(pick(2)) + ".fpm";
        }
        if (kind == "TEXT" || (kind == "NAME" && pick(2) == 0)) {
            return kTexts[pick(kTexts.size())];
        }
        if (kind == "NAME" && !editor.availableWeapons().empty() && pick(8) != 0) {
            return "\"" + editor.availableWeapons()[pick(editor.availableWeapons().size())].text +
                   "\"";
        }
        if (kind == "T") {
            return std::to_string(pick(9)) + ".5";
        }
        // Mostly small numbers, now and then one out of every range.
        const std::size_t roll = pick(20);
        return roll == 0 ? "-1" : roll == 1 ? "100000" : std::to_string(pick(25));
    }

    std::mt19937 random_;
};

// One replayable run: a new editor, lines run one at a time, the checks after each.
class Replay {
public:
    Replay(const std::string& programDirectory, const std::string& folder)
        : folder_(folder), user_(out_), ctx_(programDirectory, user_), editor_(ctx_) {
        testing::loadShippedData(ctx_);
        editor::ResetAllData(editor_); // the new design again, now with the weapons loaded
    }

    const editor::Editor& editor() const { return editor_; }

    // Runs one line; true when it went through without a refusal or a script error. The
    // editor's invariants are checked after every line, undo and redo after a line that made a
    // step, a saved design's reopening after a save; the first broken one is left in `violation`.
    bool run(const std::string& line) {
        const testing::EditorState before = testing::captureEditorState(editor_);
        std::ostringstream errors;
        const std::string text = app::zReplace(line, "$TMP", folder_);
        editor::script::Session session{editor_, user_, out_};
        bool ran = false;
        try {
            ran = editor::script::runScript(text, session, errors);
        } catch (const std::exception& e) {
            violation = std::string("an action threw ") + e.what();
            return false;
        }
        user_.answers.clear(); // answers queued for a question that never came
        // Every refusal of the rules shows a message.
        const bool refused = out_.str().find("message: ") != std::string::npos;
        out_.str({});
        const std::vector<std::string> problems = editor::checkInvariants(editor_);
        if (!problems.empty()) {
            violation = problems.front();
        } else if (editor_.undoDepth() > before.undoDepth) {
            checkUndoRedo(before);
        }
        if (violation.empty() && ran && !refused && line.rfind("save ", 0) == 0) {
            checkReopens(text.substr(5));
        }
        return ran && !refused;
    }

    std::string violation;

private:
    // A line that made a step is undone to the state before it and redone to the state after.
    void checkUndoRedo(const testing::EditorState& before) {
        const testing::EditorState after = testing::captureEditorState(editor_);
        editor_.undo();
        const testing::EditorState undone = testing::captureEditorState(editor_);
        editor_.redo();
        const testing::EditorState redone = testing::captureEditorState(editor_);
        if (const auto same =
                testing::sameEditorState(testing::withHistoryOf(before, undone), undone);
            !same) {
            violation =
                std::string("undo does not give back the state before the line: ") + same.message();
        } else if (const auto again =
                       testing::sameEditorState(testing::withHistoryOf(after, redone), redone);
                   !again) {
            violation =
                std::string("redo does not give back the state after the line: ") + again.message();
        }
    }

    // A design the editor saved opens as the design the editor holds.
    void checkReopens(const std::string& path) {
        model::Mech reopened(ctx_);
        std::string message;
        if (!io::TOpenMech(reopened, editor::script::splitWords(path).front(), true, message)) {
            violation = "a saved design does not open: " + message;
        } else if (!(reopened == editor_.mech())) {
            violation = "a saved design opens different from the one in the editor";
        }
    }

    std::string folder_;
    std::ostringstream out_;
    editor::script::ScriptUser user_;
    app::ProgramContext ctx_;
    editor::Editor editor_;
};

// The violation the lines show from a new editor, if any.
std::optional<std::string> violationOf(const std::vector<std::string>& lines,
                                       const std::string& programDirectory,
                                       const std::string& folder) {
    Replay replay(programDirectory, folder);
    for (const std::string& line : lines) {
        replay.run(line);
        if (!replay.violation.empty()) {
            return replay.violation;
        }
    }
    return std::nullopt;
}

// Removes ever smaller runs of lines while the same violation still shows.
std::vector<std::string> shrink(std::vector<std::string> lines, const std::string& violation,
                                const std::string& programDirectory, const std::string& folder) {
    for (std::size_t chunk = lines.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at + chunk <= lines.size();) {
            std::vector<std::string> fewer(lines.begin(), lines.begin() + at);
            fewer.insert(fewer.end(), lines.begin() + at + chunk, lines.end());
            if (violationOf(fewer, programDirectory, folder) == violation) {
                lines = std::move(fewer);
            } else {
                at += chunk;
            }
        }
    }
    return lines;
}

} // namespace

SoakResult soakEditor(std::uint32_t seed, long actions, const std::string& programDirectory,
                      const std::string& fileFolder) {
    SoakResult result;
    result.seed = seed;
    LineMaker maker(seed);
    Replay replay(programDirectory, fileFolder);
    std::vector<std::string> lines;
    for (; result.actions < actions; ++result.actions) {
        lines.push_back(maker.next(replay.editor()));
        if (!replay.run(lines.back())) {
            ++result.refused;
        }
        if (!replay.violation.empty()) {
            result.violation = replay.violation;
            result.script = shrink(lines, replay.violation, programDirectory, fileFolder);
            break;
        }
    }
    return result;
}

std::string describe(const SoakResult& result) {
    std::string text =
        "seed " + std::to_string(result.seed) + ": " + result.violation + "\nshortest script:\n";
    for (const std::string& line : result.script) {
        text += line + "\n";
    }
    return text;
}

} // namespace fpw::soak
