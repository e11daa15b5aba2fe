#include "editor/script.h"

#include <ostream>

#include "app/numbers.h"
#include "app/textutil.h"
#include "catalog/conversionerror.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/scriptverbs.h"

namespace fpw::editor::script {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::vector<std::string> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                throw ScriptError("unclosed quote");
            }
            words.emplace_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t' &&
                   line[end] != '\r') {
                ++end;
            }
            words.emplace_back(line.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

// ---- the scripted person

std::string ScriptUser::next(std::string_view kind, std::string_view title, std::string_view text) {
    out_ << kind << ": " << title << ": " << text << "\n";
    if (answers.empty()) {
        throw ScriptError("no answer queued for the " + std::string(kind) + " " + quoted(title) +
                          ": " + quoted(text));
    }
    std::string answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

void ScriptUser::message(std::string_view text, std::string_view title, app::MessageIcon) {
    out_ << "message: " << title << ": " << text << "\n";
}

bool ScriptUser::askYesNo(std::string_view text, std::string_view title) {
    const app::Answer answer = parseAnswer(next("question", title, text));
    if (answer == app::Answer::Cancel) {
        throw ScriptError("the question " + quoted(title) + " takes yes or no");
    }
    return answer == app::Answer::Yes;
}

app::Answer ScriptUser::askYesNoCancel(std::string_view text, std::string_view title) {
    return parseAnswer(next("question", title, text));
}

std::optional<std::string> ScriptUser::inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view) {
    std::string answer = next("input", title, prompt);
    if (answer == "cancel") {
        return std::nullopt;
    }
    return answer;
}

std::optional<std::string> ScriptUser::openFileDialog(const app::FileDialogRequest& request) {
    std::string answer = next("open", request.title, request.filter);
    if (answer == "cancel") {
        return std::nullopt;
    }
    return answer;
}

std::optional<std::string> ScriptUser::saveFileDialog(const app::FileDialogRequest& request) {
    std::string answer = next("save", request.title, request.fileName);
    if (answer == "cancel") {
        return std::nullopt;
    }
    return answer;
}

std::optional<int> ScriptUser::chooseFromList(std::string_view title, std::string_view prompt,
                                              const std::vector<std::string>& items) {
    const std::string answer = next("choose", title, prompt);
    if (answer == "cancel") {
        return std::nullopt;
    }
    return findChoice(items, answer, title);
}

// ---- verbs

void VerbTable::add(Verb verb) {
    verbs_.push_back(std::move(verb));
}

const Verb* VerbTable::find(std::string_view name) const {
    for (const Verb& verb : verbs_) {
        if (verb.name == name) {
            return &verb;
        }
    }
    return nullptr;
}

const VerbTable& editorVerbs() {
    static const VerbTable table = [] {
        VerbTable t;
        registerGeneralVerbs(t);
        registerDocumentVerbs(t);
        registerAllocationVerbs(t);
        registerArmorVerbs(t);
        registerOmniVerbs(t);
        registerComponentVerbs(t);
        registerSystemVerbs(t);
        return t;
    }();
    return table;
}

bool runScript(std::string_view text, Session& session, std::ostream& errors) {
    const std::vector<std::string_view> lines = app::splitLines(text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        try {
            std::vector<std::string> words = splitWords(lines[n]);
            if (words.empty()) {
                continue;
            }
            const Verb* verb = editorVerbs().find(words.front());
            if (verb == nullptr) {
                throw ScriptError("unknown verb " + quoted(words.front()));
            }
            words.erase(words.begin());
            const int count = static_cast<int>(words.size());
            if (count < verb->minArgs || count > verb->maxArgs) {
                throw ScriptError("usage: " + verb->usage);
            }
            verb->run(session, words);
        } catch (const ScriptError& error) {
            errors << "line " << (n + 1) << ": " << error.what() << "\n";
            return false;
        }
    }
    return true;
}

// ---- helpers

int parseInteger(std::string_view word, std::string_view what) {
    const std::optional<double> number = app::parseNumber(word);
    if (!number || *number != static_cast<double>(static_cast<long long>(*number)) ||
        *number < -2147483648.0 || *number > 2147483647.0) {
        throw ScriptError(std::string(what) + " must be a whole number, not " + quoted(word));
    }
    return static_cast<int>(*number);
}

double parseDecimal(std::string_view word, std::string_view what) {
    const std::optional<double> number = app::parseNumber(word);
    if (!number) {
        throw ScriptError(std::string(what) + " must be a number, not " + quoted(word));
    }
    return *number;
}

bool parseOnOff(std::string_view word) {
    if (word == "on") {
        return true;
    }
    if (word == "off") {
        return false;
    }
    throw ScriptError("expected on or off, not " + quoted(word));
}

app::Answer parseAnswer(std::string_view word) {
    if (word == "yes") {
        return app::Answer::Yes;
    }
    if (word == "no") {
        return app::Answer::No;
    }
    if (word == "cancel") {
        return app::Answer::Cancel;
    }
    throw ScriptError("expected yes, no or cancel, not " + quoted(word));
}

int parseLocation(std::string_view word, bool rear) {
    if (rear) {
        for (int loc = catalog::kLeftTorsoRear; loc <= catalog::kCenterTorsoRear; ++loc) {
            if (word == catalog::locationAbbreviation(loc) ||
                word == catalog::locationName(loc, false)) {
                return loc;
            }
        }
    }
    try {
        return catalog::locationIndex(word);
    } catch (const catalog::ConversionError&) {
        throw ScriptError("unknown location " + quoted(word));
    }
}

void withBoxAnswer(Session& session, const std::string& word, const std::function<void()>& action) {
    std::deque<std::string>& answers = session.user.answers;
    const std::size_t queued = answers.size();
    answers.push_front(word);
    action();
    if (answers.size() > queued) {
        answers.pop_front();
    }
}

int parseSlot(std::string_view word) {
    const int slot = parseInteger(word, "a slot");
    if (slot < 1) {
        throw ScriptError("slots are numbered from 1, not " + quoted(word));
    }
    return slot - 1;
}

std::int16_t findAvailableWeapon(const Editor& editor, std::string_view name) {
    for (const AvailableWeapon& row : editor.availableWeapons()) {
        if (row.text == name) {
            return row.refID;
        }
    }
    throw ScriptError("no weapon " + quoted(name) + " in the available weapons list");
}

int findChoice(const std::vector<std::string>& items, std::string_view word,
               std::string_view listName) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == word) {
            return static_cast<int>(i);
        }
    }
    throw ScriptError("no entry " + quoted(word) + " in the list " + quoted(listName));
}

} // namespace fpw::editor::script
