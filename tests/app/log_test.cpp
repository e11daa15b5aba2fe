#include "app/log.h"

#include <gtest/gtest.h>

#include "app/errorreporter.h"
#include "app/files.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::app {
namespace {

std::tm when(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

// The start and close lines show the date and time in the log's format.
TEST(Log, StartReplacesTheOldLogAndLinesAreAppended) {
    testing::TempDir dir;
    testing::ScriptedUser user;
    dir.write("kelmor.log", "old\n");
    Log log(dir.file("kelmor.log"), &user);
    log.start(when(2026, 3, 4, 9, 8, 7));
    log.write("one");
    log.verbose("not written");
    log.setVerbose(true);
    log.verbose("two");
    log.close(when(2026, 3, 4, 17, 0, 1));
    EXPECT_EQ(dir.read("kelmor.log"),
              "Logging initialized for Quennard's Forgeplanwork on March 04,2026 at 09:08:07\n"
              "one\ntwo\nLogging closed on March 04,2026 at 17:00:01\n");
    EXPECT_EQ(user.eventPumps, 3) << "pending events run after every appended line";

    // A log that cannot be written does not stop the program.
    Log lost(dir.file("no-such-folder/kelmor.log"), nullptr);
    lost.start(when(2026, 1, 1, 0, 0, 0));
    lost.write("lost");
    EXPECT_FALSE(fileExists(dir.file("no-such-folder/kelmor.log")));
}

TEST(ErrorReporter, TheReportsExactTextIsShownAndLogged) {
    testing::TempDir dir;
    testing::ScriptedUser user;
    Log log(dir.file("kelmor.log"), nullptr);
    ErrorReporter errors(user, log);
    const std::string text = errors.report("Mech.OpenMech", Failure{62, "Input past end of file"});
    const std::string expected =
        "A problem has occurred. Your application may now be unstable. Please contact Quennard "
        "by sending email to: support@quennard.example. Please include the following "
        "information:\r\n\r\n\tFunction: Mech.OpenMech\r\n\tError Number: 62\r\n\tError "
        "Description: Input past end of file";
    EXPECT_EQ(text, expected);
    const auto& shown = user.onlyMessage();
    EXPECT_EQ(shown.text, expected);
    EXPECT_EQ(shown.title, "Error");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(dir.read("kelmor.log"), expected + "\n");

    errors.report("Quiet", Failure{5, "x"}, /*show=*/false, /*log=*/false);
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(dir.read("kelmor.log"), expected + "\n");
}

} // namespace
} // namespace fpw::app
