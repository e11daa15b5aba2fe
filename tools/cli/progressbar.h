// A progress bar on one terminal line, redrawn in place; switched off it draws nothing.
#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>

namespace fpw::cli {

class ProgressBar {
public:
    // Draws on `out` only when `enabled` (the caller knows whether `out` is a terminal).
    ProgressBar(std::ostream& out, std::size_t total, bool enabled);
    ~ProgressBar();

    // While a walk still finds work the total grows: until it is `complete` it is shown as
    // "at least".
    void setTotal(std::size_t total, bool complete);
    // `done` of the total are finished; redrawn at most every 100 ms and at the end.
    void update(std::size_t done);
    // Takes the bar off the line, so that other output starts at the line's beginning; the
    // next update draws it again.
    void clear();

    // Whether standard error, and standard output, are terminals.
    static bool standardErrorIsTerminal();
    static bool standardOutputIsTerminal();

private:
    void draw(std::size_t done);

    std::ostream& out_;
    std::size_t total_;
    bool complete_ = true;
    bool enabled_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

} // namespace fpw::cli
