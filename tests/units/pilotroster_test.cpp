// The pilot rules: what each accepts and refuses, what reaches the pilot file, and that a
// refusal or a failed write leaves both the list and the file as they were.
#include "units/pilotroster.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "catalog/pilotfile.h"
#include "support/contextfixture.h"
#include "support/faultyfilelayer.h"

namespace fpw::units {
namespace {

using catalog::PilotList;

struct PilotRules : ::testing::Test {
    testing::ContextFixture f;
    // A nameless record in the middle, as an old file may hold one.
    const PilotList start{{"Aiko Tanner", 3, 4}, {"", 0, 0}, {"Ren Okafor", 2, 3}};
    PilotRules() { f.ctx.pilots = start; }
    std::string file() { return f.dir.read(catalog::kPilotFile); }
};

TEST_F(PilotRules, AcceptedChangesAreWrittenCompacted) {
    f.user.inputAnswers = {"  Mira Vos ", "Kai Ito"};
    ASSERT_TRUE(AddPilot(f.ctx));
    EXPECT_EQ(f.ctx.pilots, (PilotList{start[0], start[2], {"Mira Vos", 4, 5}}));
    EXPECT_EQ(file(), catalog::writePilotFile(f.ctx.pilots));

    ASSERT_TRUE(ChangePilot(f.ctx, 1));
    ASSERT_TRUE(SetPilotSkills(f.ctx, 1, 0, 7));
    EXPECT_EQ(f.ctx.pilots[1], (catalog::Pilot{"Kai Ito", 0, 7}));

    f.user.yesNoAnswers = {false, true};
    EXPECT_FALSE(RemovePilot(f.ctx, 1));
    ASSERT_TRUE(RemovePilot(f.ctx, 1));
    EXPECT_EQ(f.user.questions[0], "Please enter the name of the new pilot.");
    EXPECT_EQ(f.user.questionTitles[3] + " " + f.user.questions[3],
              "Remove pilot? Are you sure you want to remove the pilot named Kai Ito?");
    EXPECT_EQ(f.ctx.pilots, (PilotList{start[0], {"Mira Vos", 4, 5}}));
    EXPECT_EQ(file(), catalog::writePilotFile(f.ctx.pilots));
}

TEST_F(PilotRules, RefusalsAndAFailedWriteChangeNothing) {
    f.user.inputAnswers = {std::nullopt, "   ", " ren okafor", "AIKO TANNER", "Mira Vos"};
    EXPECT_FALSE(AddPilot(f.ctx));
    EXPECT_FALSE(AddPilot(f.ctx));
    EXPECT_FALSE(AddPilot(f.ctx));
    EXPECT_EQ(f.user.onlyMessage().title + ": " + f.user.onlyMessage().text,
              "Pilot exists: A pilot by this name already exists.");
    EXPECT_FALSE(ChangePilot(f.ctx, 2));
    EXPECT_EQ(f.user.messages.size(), 2u);
    EXPECT_FALSE(ChangePilot(f.ctx, 1)); // no pilot there: nothing asked
    EXPECT_FALSE(SetPilotSkills(f.ctx, 0, 8, 4) || SetPilotSkills(f.ctx, 0, 3, -1));
    EXPECT_FALSE(RemovePilot(f.ctx, 3));
    testing::FaultyFileLayer faulty;
    faulty.reset(2); // the first write
    f.ctx.files = &faulty;
    EXPECT_FALSE(AddPilot(f.ctx));
    EXPECT_NE(f.user.messages.back().text.find("Function: WritePilotData"), std::string::npos);
    EXPECT_EQ(f.ctx.pilots, start);
    EXPECT_FALSE(std::filesystem::exists(f.dir.file(catalog::kPilotFile)));
}

} // namespace
} // namespace fpw::units
