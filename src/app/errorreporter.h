// The one place every failing procedure reports to: a critical "Error" box and a log line.
#pragma once

#include <string>
#include <string_view>

namespace fpw::app {

class Log;
class UserInteraction;

// What went wrong, in the numbered form the report shows.
struct Failure {
    int number = 0;
    std::string description;
};

// The error numbers the program reports; kept together so the same fault always carries the
// same number.
namespace failure {
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFileNotFound = 53;
inline constexpr int kInputPastEndOfFile = 62;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kBadFileFormat = 321;
} // namespace failure

// The report's full text for `procedure` ("Mech.OpenMech", "ReadINI").
std::string errorReportText(std::string_view procedure, const Failure& failure);

class ErrorReporter {
public:
    ErrorReporter(UserInteraction& user, Log& log) : user_(user), log_(log) {}

    // Shows and/or logs the report; returns its text.
    std::string report(std::string_view procedure, const Failure& failure, bool show = true,
                       bool log = true);

private:
    UserInteraction& user_;
    Log& log_;
};

} // namespace fpw::app
