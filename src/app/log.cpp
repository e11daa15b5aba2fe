#include "app/log.h"

#include <array>
#include <cstdio>
#include <fstream>

#include "app/identity.h"
#include "app/userinteraction.h"

namespace fpw::app {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

std::string formatLogDate(const std::tm& when) {
    const int month = (when.tm_mon >= 0 && when.tm_mon < 12) ? when.tm_mon : 0;
    return std::string(kMonthNames[static_cast<std::size_t>(month)]) + " " +
           twoDigits(when.tm_mday) + "," + std::to_string(when.tm_year + 1900);
}

std::string formatLogTime(const std::tm& when) {
    return twoDigits(when.tm_hour) + ":" + twoDigits(when.tm_min) + ":" + twoDigits(when.tm_sec);
}

std::tm localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void Log::start(const std::tm& now) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out << "Logging initialized for " << kCompanyName << "'s " << kProgramTitle << " on "
        << formatLogDate(now) << " at " << formatLogTime(now) << "\n";
}

void Log::write(std::string_view text) {
    {
        std::ofstream out(path_, std::ios::binary | std::ios::app);
        out << text << "\n";
    }
    if (echo_) {
        echo_(text);
    }
    if (user_ != nullptr) {
        user_->processEvents();
    }
}

void Log::verbose(std::string_view text) {
    if (verbose_) {
        write(text);
    }
}

void Log::close(const std::tm& now) {
    write("Logging closed on " + formatLogDate(now) + " at " + formatLogTime(now));
}

} // namespace fpw::app
