// The person the pictures are taken for: nobody at the keyboard. Messages go to the console;
// questions and input boxes take the answers queued in `answers` ("yes" or "no", or a text),
// and without one a question gets "No" and an input box nothing. Lists and input boxes open
// the real dialogs while `dialogs` is set, so that their pictures can be taken.
#pragma once

#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/unattendeduser.h"

namespace fpw::screenshots {

class NobodyAtTheKeyboard : public app::UnattendedUser {
public:
    std::deque<std::string> answers;
    app::UserInteraction* dialogs = nullptr;

    void message(std::string_view text, std::string_view title, app::MessageIcon) override {
        std::fprintf(stderr, "message: %.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                     static_cast<int>(text.size()), text.data());
    }
    bool askYesNo(std::string_view, std::string_view) override {
        return queued().value_or("no") == "yes";
    }
    app::Answer askYesNoCancel(std::string_view, std::string_view) override {
        return queued().value_or("no") == "yes" ? app::Answer::Yes : app::Answer::No;
    }
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                        std::string_view defaultText) override {
        if (dialogs != nullptr) {
            return dialogs->inputBox(prompt, title, defaultText);
        }
        return queued();
    }
    std::optional<int> chooseFromList(std::string_view title, std::string_view prompt,
                                      const std::vector<std::string>& items) override {
        return dialogs != nullptr ? dialogs->chooseFromList(title, prompt, items) : std::nullopt;
    }

private:
    std::optional<std::string> queued() {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace fpw::screenshots
