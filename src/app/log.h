// The program's log file: recreated at start, then one appended line per entry.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace fpw::app {

class UserInteraction;

class Log {
public:
    // `user` may be null; when given, pending interface events run after every line.
    Log(std::string path, UserInteraction* user) : path_(std::move(path)), user_(user) {}

    // Replaces any old log with the single start line.
    void start(const std::tm& now);
    // Appends one line. A log that cannot be written is silently skipped: the log must never
    // stop the program.
    void write(std::string_view text);
    // Writes only when verbose logging is switched on.
    void verbose(std::string_view text);
    // The closing line the editor writes when it closes.
    void close(const std::tm& now);

    // Every line written is also handed to `echo` (the command-line tool prints the lines
    // of its batch commands); an empty function hands them to nobody.
    void setEcho(std::function<void(std::string_view)> echo) { echo_ = std::move(echo); }

    void setVerbose(bool on) { verbose_ = on; }
    bool isVerbose() const { return verbose_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    UserInteraction* user_;
    bool verbose_ = false;
    std::function<void(std::string_view)> echo_;
};

// "mmmm dd,yyyy": "December 06,2026".
std::string formatLogDate(const std::tm& when);
// "hh:nn:ss" on the 24-hour clock.
std::string formatLogTime(const std::tm& when);
// The local time now, for the start and close lines.
std::tm localTimeNow();

} // namespace fpw::app
