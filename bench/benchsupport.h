// What every benchmark needs around the code it measures: a person who is never asked anything
// and a program context over them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/programcontext.h"
#include "app/userinteraction.h"

namespace fpw::bench {

// Shows nothing, declines every question and chooses nothing, so a measured run never waits.
class NobodyAsked : public app::UserInteraction {
public:
    void message(std::string_view, std::string_view, app::MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    app::Answer askYesNoCancel(std::string_view, std::string_view) override;
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override;
    std::optional<std::string> openFileDialog(const app::FileDialogRequest&) override;
    std::optional<std::string> saveFileDialog(const app::FileDialogRequest&) override;
    std::optional<int> chooseFromList(std::string_view, std::string_view,
                                      const std::vector<std::string>&) override;
    void setBusyPointer() override {}
    void setNormalPointer() override {}
    void processEvents() override {}
    void beep() override {}
};

// A program context whose person is never asked; the program directory holds no reference
// files unless the benchmark names one that does. Neither copied nor moved: the context keeps
// a reference to the person.
struct BenchContext {
    explicit BenchContext(std::string programDir = "/nonexistent");
    BenchContext(const BenchContext&) = delete;
    BenchContext& operator=(const BenchContext&) = delete;

    NobodyAsked user;
    app::ProgramContext ctx;
};

} // namespace fpw::bench
