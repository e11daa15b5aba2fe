#include "progressbar.h"

#include <unistd.h>

#include <ostream>
#include <string>

namespace fpw::cli {
namespace {

constexpr int kBarWidth = 40;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

} // namespace

ProgressBar::ProgressBar(std::ostream& out, std::size_t total, bool enabled)
    : out_(out), total_(total), enabled_(enabled) {}

ProgressBar::~ProgressBar() {
    clear();
}

bool ProgressBar::standardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

bool ProgressBar::standardOutputIsTerminal() {
    return ::isatty(STDOUT_FILENO) == 1;
}

void ProgressBar::setTotal(std::size_t total, bool complete) {
    total_ = total;
    complete_ = complete;
}

void ProgressBar::update(std::size_t done) {
    if (!enabled_ || total_ == 0)
        return;
    const auto now = std::chrono::steady_clock::now();
    const bool end = complete_ && done >= total_;
    if (!end && now - lastDraw_ < kRedrawInterval)
        return;
    lastDraw_ = now;
    draw(done);
}

void ProgressBar::clear() {
    if (!shown_)
        return;
    out_ << "\r\033[K" << std::flush;
    shown_ = false;
}

void ProgressBar::draw(std::size_t done) {
    const std::size_t filled = total_ == 0 ? 0 : done * kBarWidth / total_;
    std::string line = "\r[";
    line.append(filled, '#');
    line.append(kBarWidth - filled, ' ');
    line += "] ";
    line += std::to_string(done);
    line += '/';
    line += std::to_string(total_);
    if (!complete_)
        line += '+';
    out_ << line << std::flush;
    shown_ = true;
}

} // namespace fpw::cli
