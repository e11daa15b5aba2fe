// The design generator builds through the editor: what it writes opens in a new editor and
// passes the save checks there in every configuration, and a small corpus already meets every
// kind of design it is meant to cover.
#include <optional>
#include <set>
#include <string>

#include "cli/clitool.h"
#include "corpus.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/omnirules.h"

namespace fpw::cli {
namespace {

using namespace clitest;

TEST_F(CliTool, GeneratedDesignsOpenAndPassTheSaveChecksAndCoverEveryKind) {
    const fs::path root = fs::path(work.path()) / "corpus";
    corpus::Generator generator(*ctx);
    std::set<std::string> seen;
    const auto saw = [&](const char* kind, int value) {
        seen.insert(std::string(kind) + " " + std::to_string(value));
    };
    for (int n = 0; n < 160; ++n) {
        const std::optional<std::string> path = generator.write(n, root);
        ASSERT_TRUE(path) << "design " << n << " was not saved";
        editor::Editor opened(*ctx);
        ASSERT_TRUE(editor::OpenMech(opened, *path)) << *path;
        const model::Mech& mech = opened.mech();
        std::vector<std::string> configs{""};
        if (mech.omniBaseLocked()) {
            configs = editor::omniControls(opened).variants;
            saw("variants", static_cast<int>(configs.size()));
        }
        for (const std::string& config : configs) {
            if (!config.empty()) {
                ASSERT_TRUE(editor::ChooseVariant(opened, config)) << *path << " " << config;
            }
            EXPECT_TRUE(editor::PassesSaveChecks(opened)) << *path << " " << config;
            for (const model::WeaponEntry& weapon : mech.weapons()) {
                if (!weapon.isFree())
                    saw("weapon type", ctx->weapons.at(weapon.refID).weaponType);
            }
        }
        saw("base and level", mech.techBase() * 10 + mech.techLevel());
        saw("body", mech.mechType());
        saw("engine", mech.engineType());
        saw("armour", mech.armorType());
        saw("structure", mech.isType());
    }
    const std::set<std::string> every = {// Clan and mixed designs start at level 2.
                                         "base and level 1",
                                         "base and level 2",
                                         "base and level 3",
                                         "base and level 12",
                                         "base and level 13",
                                         "base and level 22",
                                         "base and level 23",
                                         "body 0",
                                         "body 1",
                                         "body 2",
                                         "body 3",
                                         "engine 0",
                                         "engine 1",
                                         "engine 2",
                                         "engine 3",
                                         "engine 4",
                                         "engine 5",
                                         "engine 6",
                                         "armour 0",
                                         "armour 1",
                                         "armour 2",
                                         "armour 3",
                                         "armour 4",
                                         "armour 5",
                                         "armour 6",
                                         "structure 0",
                                         "structure 1",
                                         "structure 2",
                                         "structure 3",
                                         "variants 3",
                                         "weapon type 0",
                                         "weapon type 1",
                                         "weapon type 2",
                                         "weapon type 3",
                                         "weapon type 4",
                                         "weapon type 5"};
    std::set<std::string> missing;
    for (const std::string& kind : every)
        if (!seen.count(kind))
            missing.insert(kind);
    EXPECT_TRUE(missing.empty()) << "never generated: " << ::testing::PrintToString(missing);
}

} // namespace
} // namespace fpw::cli
