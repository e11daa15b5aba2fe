// A user who answers from a script and remembers every message, for tests of the rules.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/userinteraction.h"

namespace fpw::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    app::MessageIcon icon = app::MessageIcon::None;
};

class ScriptedUser : public app::UserInteraction {
public:
    // Answers, taken front first. A question asked with an empty queue fails the test.
    std::deque<bool> yesNoAnswers;
    std::deque<app::Answer> yesNoCancelAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<int>> choiceAnswers;

    // What happened.
    std::vector<ShownMessage> messages;
    std::vector<std::string> questions;
    std::vector<std::string> questionTitles; // beside `questions`
    std::vector<app::FileDialogRequest> dialogs;
    int busyCount = 0;
    int normalCount = 0;
    int eventPumps = 0;
    int beeps = 0;

    void message(std::string_view text, std::string_view title, app::MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    app::Answer askYesNoCancel(std::string_view text, std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override;
    std::optional<std::string> openFileDialog(const app::FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const app::FileDialogRequest& request) override;
    // Answered from `fileAnswers` as well.
    std::optional<std::string> folderDialog(const app::FileDialogRequest& request) override;
    std::optional<int> chooseFromList(std::string_view title, std::string_view prompt,
                                      const std::vector<std::string>& items) override;
    void setBusyPointer() override { ++busyCount; }
    void setNormalPointer() override { ++normalCount; }
    void processEvents() override { ++eventPumps; }
    void beep() override { ++beeps; }

    // The only message shown so far; fails the test when there is not exactly one.
    const ShownMessage& onlyMessage() const;
};

} // namespace fpw::testing
