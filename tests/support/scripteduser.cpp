#include "support/scripteduser.h"

#include <gtest/gtest.h>

namespace fpw::testing {
namespace {

template <typename T> T next(std::deque<T>& answers, std::string_view what, T fallback) {
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted " << what;
        return fallback;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void ScriptedUser::message(std::string_view text, std::string_view title, app::MessageIcon icon) {
    messages.push_back({std::string(text), std::string(title), icon});
}

bool ScriptedUser::askYesNo(std::string_view text, std::string_view title) {
    questions.emplace_back(text);
    questionTitles.emplace_back(title);
    return next(yesNoAnswers, "Yes/No question: " + std::string(text), false);
}

app::Answer ScriptedUser::askYesNoCancel(std::string_view text, std::string_view title) {
    questions.emplace_back(text);
    questionTitles.emplace_back(title);
    return next(yesNoCancelAnswers, "Yes/No/Cancel question: " + std::string(text),
                app::Answer::Cancel);
}

std::optional<std::string> ScriptedUser::inputBox(std::string_view prompt, std::string_view title,
                                                  std::string_view) {
    questions.emplace_back(prompt);
    questionTitles.emplace_back(title);
    return next<std::optional<std::string>>(inputAnswers, "input box", std::nullopt);
}

std::optional<std::string> ScriptedUser::openFileDialog(const app::FileDialogRequest& request) {
    dialogs.push_back(request);
    return next<std::optional<std::string>>(fileAnswers, "open dialog", std::nullopt);
}

std::optional<std::string> ScriptedUser::saveFileDialog(const app::FileDialogRequest& request) {
    dialogs.push_back(request);
    return next<std::optional<std::string>>(fileAnswers, "save dialog", std::nullopt);
}

std::optional<std::string> ScriptedUser::folderDialog(const app::FileDialogRequest&) {
    return next<std::optional<std::string>>(fileAnswers, "folder dialog", std::nullopt);
}

std::optional<int> ScriptedUser::chooseFromList(std::string_view, std::string_view prompt,
                                                const std::vector<std::string>&) {
    questions.emplace_back(prompt);
    return next<std::optional<int>>(choiceAnswers, "list choice", std::nullopt);
}

const ShownMessage& ScriptedUser::onlyMessage() const {
    static const ShownMessage none{};
    EXPECT_EQ(messages.size(), 1u);
    return messages.empty() ? none : messages.front();
}

} // namespace fpw::testing
