// Runs a control's handler and makes sure the window shows the design afterwards.
#pragma once

#include <functional>

namespace fpw::ui {

// The editor tells its observers after every action it performs, but a handler may also
// decline without performing one (an ignored event, a rule that refuses before it starts):
// the window must then still put the control back to the stored value.
class ActionRunner {
public:
    explicit ActionRunner(std::function<void()> showDesign) : showDesign_(std::move(showDesign)) {}

    // The editor's observer: the design changed (or was put back) and is shown anew.
    void editorChanged() {
        ++notifications_;
        showDesign_();
    }

    void run(const std::function<void()>& handler) {
        const long before = notifications_;
        handler();
        if (notifications_ == before) {
            showDesign_();
        }
    }

private:
    std::function<void()> showDesign_;
    long notifications_ = 0;
};

} // namespace fpw::ui
