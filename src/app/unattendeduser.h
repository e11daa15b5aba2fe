// The person nobody is at the keyboard for: batch runs, benchmarks, fuzzing and tools that
// drive the program without a person. Shows nothing, declines every question, enters and
// chooses nothing, so a run never waits. Derive to keep or print the messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/userinteraction.h"

namespace fpw::app {

class UnattendedUser : public UserInteraction {
public:
    void message(std::string_view, std::string_view, MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    Answer askYesNoCancel(std::string_view, std::string_view) override { return Answer::Cancel; }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<int> chooseFromList(std::string_view, std::string_view,
                                      const std::vector<std::string>&) override {
        return std::nullopt;
    }
    void setBusyPointer() override {}
    void setNormalPointer() override {}
    void processEvents() override {}
    void beep() override {}
};

} // namespace fpw::app
