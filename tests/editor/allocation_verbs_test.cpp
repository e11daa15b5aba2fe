// The allocation verbs of editor scripts: names as the window shows them, the spread dialog
// answered from the queue, and clear errors for what the lists do not hold.
#include <sstream>

#include <gtest/gtest.h>

#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/allocationkit.h"
#include "editor/script.h"

namespace fpw::editor {
namespace {

using namespace catalog;

struct AllocationVerbs : AllocationTest {
    std::ostringstream out;
    script::ScriptUser user{out};
    script::Session session{editor, user, out};
    std::ostringstream errors;

    bool run(std::string_view text) { return script::runScript(text, session, errors); }
};

TEST_F(AllocationVerbs, DropSpreadAndPopUpByTheirShownNames) {
    user.answers = {"CT 2"};
    ASSERT_TRUE(run("add \"Medium Laser\" 2\n"
                    "add AC/20\n"
                    "drop \"Medium Laser\" LT 1\n"
                    "drop AC/20 RT 5\n"
                    "drop \"Heat Sink\" H 4\n"
                    "multiallocate \"Heat Sink\" LA=2\n"
                    "popup LT 1 \"Move To\" \"Left Leg\"\n"
                    "unallocate RT 12\n"))
        << errors.str();
    EXPECT_EQ(out.str(), "spread: AC/20: 10 slots; RT up to 8; into RA up to 8, CT up to 2\n"
                         "multiallocate: Heat Sink: 2 of 9\n");
    EXPECT_EQ(ids(kHead)[3], "cHS1");
    EXPECT_EQ(ids(kLeftArm)[5], "cHS2");
    EXPECT_EQ(list(kLeftLeg).SlotText(4), "Medium Laser");
    // The spread weapon left both locations on the double click.
    EXPECT_EQ(ids(kCenterTorso)[10], "");
    EXPECT_EQ(editor.unallocatedWeapons().size(), 2u);

    shipped.user.yesNoAnswers = {true};
    ASSERT_TRUE(run("clear-all\n"));
    EXPECT_EQ(editor.unallocatedWeapons().size(), 3u);
    // The same name twice selects both rows of that weapon.
    ASSERT_TRUE(run("drop-several RT 1 \"Medium Laser\" \"Medium Laser\"\n"));
    EXPECT_EQ(editor.unallocatedWeapons().size(), 1u);
}

TEST_F(AllocationVerbs, UnknownNamesAndEntriesStopTheScriptOnTheirLine) {
    for (const auto& [text, error] : std::vector<std::pair<std::string, std::string>>{
             {"drop Lance LT 1", "line 1: no unallocated weapon or item \"Lance\"\n"},
             {"add \"Medium Laser\"\ndrop \"Medium Laser\" XX 1",
              "line 2: unknown location \"XX\"\n"},
             {"popup LA 1 \"Remove Shoulder\"",
              "line 1: the entry \"Remove Shoulder\" is disabled\n"},
             {"popup LA 1 Fly", "line 1: no entry \"Fly\" in the pop-up menu of that slot\n"},
             {"autoallocate \"Jump Jet\"",
              "line 1: no item \"Jump Jet\" in the unallocated items list\n"},
         }) {
        errors.str("");
        EXPECT_FALSE(run(text));
        EXPECT_EQ(errors.str(), error);
    }
    add(kAC20);
    errors.str("");
    EXPECT_FALSE(run("drop AC/20 RT 5"));
    EXPECT_EQ(errors.str(), "line 1: no answer queued for the spread dialog of \"AC/20\"\n");
}

} // namespace
} // namespace fpw::editor
