// The person at a terminal: messages go to standard error, questions are answered "No" or
// cancelled, so a batch run never waits for input.
#pragma once

#include <iosfwd>

#include "app/userinteraction.h"

namespace fpw::cli {

class ConsoleUser : public app::UserInteraction {
public:
    explicit ConsoleUser(std::ostream& out);

    // "<title>: <text>", or the text alone without a title; one line per message.
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
    std::ostream& out_;
};

} // namespace fpw::cli
