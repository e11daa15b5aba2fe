// Editor scripts: the editor's actions as plain text, one action per line, for players who
// change many designs the same way, for reproducible bug reports and for end-to-end tests.
//
// A line is a verb and its words, separated by blanks; "double quotes" hold a word with blanks;
// "#" starts a comment. Names are the texts the window shows: weapons as the available-weapons
// list shows them, components as their selection lists show them, locations by abbreviation
// ("LA", "LT(r)") or full name, slots numbered from 1.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/userinteraction.h"

namespace fpw::editor {
class Editor;
}

namespace fpw::editor::script {

// A line that cannot run: an unknown verb or name, a bad number, a question nobody answered.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The words of one line. Throws ScriptError for an unclosed quote.
std::vector<std::string> splitWords(std::string_view line);

// The person a script plays. Every message is printed as "message: TITLE: TEXT"; questions,
// input boxes, file dialogs and list choices take the answers queued by the `answer` verb,
// front first ("yes", "no", "cancel", or a text). A question with no answer queued throws
// ScriptError naming it.
class ScriptUser : public app::UserInteraction {
public:
    explicit ScriptUser(std::ostream& out) : out_(out) {}

    std::deque<std::string> answers;

    void message(std::string_view text, std::string_view title, app::MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    app::Answer askYesNoCancel(std::string_view text, std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override;
    std::optional<std::string> openFileDialog(const app::FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const app::FileDialogRequest& request) override;
    std::optional<int> chooseFromList(std::string_view title, std::string_view prompt,
                                      const std::vector<std::string>& items) override;
    void setBusyPointer() override {}
    void setNormalPointer() override {}
    void processEvents() override {}
    void beep() override {}

private:
    // The next queued answer; throws when there is none.
    std::string next(std::string_view kind, std::string_view title, std::string_view text);
    std::ostream& out_;
};

// What a verb works on.
struct Session {
    Editor& editor;
    ScriptUser& user;
    std::ostream& out;
};

using VerbFunction = std::function<void(Session&, const std::vector<std::string>& args)>;

struct Verb {
    std::string name;
    int minArgs = 0;
    int maxArgs = 0;
    std::string usage; // "drop NAME LOC SLOT"
    VerbFunction run;
};

class VerbTable {
public:
    void add(Verb verb);
    const Verb* find(std::string_view name) const;
    const std::vector<Verb>& verbs() const { return verbs_; }

private:
    std::vector<Verb> verbs_;
};

// Every verb of the editor.
const VerbTable& editorVerbs();

// Runs a whole script. Stops at the first line that fails and writes "line N: " and the reason
// to `errors`. True when the script ran to its end.
bool runScript(std::string_view text, Session& session, std::ostream& errors);

// ---- helpers for verbs; each throws ScriptError with a clear text
// Runs an action whose input box takes `word` as its answer. When the box is never shown (the
// action refuses first), the word is taken back so that no later question gets it.
void withBoxAnswer(Session& session, const std::string& word, const std::function<void()>& action);
int parseInteger(std::string_view word, std::string_view what);
double parseDecimal(std::string_view word, std::string_view what);
// "on" or "off".
bool parseOnOff(std::string_view word);
// "yes", "no" or "cancel".
app::Answer parseAnswer(std::string_view word);
// A location 0 to 7 by abbreviation or name; with `rear`, also "LT(r)", "RT(r)", "CT(r)" and
// the rear names (8 to 10).
int parseLocation(std::string_view word, bool rear = false);
// A slot number from 1, returned from 0.
int parseSlot(std::string_view word);
// The database index of the available-weapons row that shows this text.
std::int16_t findAvailableWeapon(const Editor& editor, std::string_view name);
// The position of `word` among the entries of a selection list; throws naming the list.
int findChoice(const std::vector<std::string>& items, std::string_view word,
               std::string_view listName);

} // namespace fpw::editor::script
