// Long random runs of component and system changes (with weapons and items placed and taken
// out between them) never leave the design in a state the construction rules forbid: the
// editor's shared invariants and the systems' entries (componentskit's checkDesign).
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/slottables.h"
#include "catalog/weapondatabase.h"
#include "componentskit.h"
#include "editor/artemis.h"
#include "editor/components.h"
#include "editor/omnirules.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "editor/systems.h"
#include "model/enginetable.h"

namespace fpw::editor {
namespace {

using namespace catalog;

// One random action: a component or system change with a random value, or a weapon or item
// placed or taken out as the allocation rules would. `user` agrees to what the editor asks.
int randomAction(Editor& editor, testing::ScriptedUser& user, std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto coin = [&] { return pick(2) == 1; };
    model::Mech& mech = editor.mech();
    const int action = pick(32);
    switch (action) {
    case 0:
        ChangeTonnage(editor, 10 + 5 * pick(19));
        break;
    case 1:
        ChangeMechType(editor, pick(4));
        break;
    case 2:
        ChangeTechBase(editor, pick(3));
        break;
    case 3:
        ChangeTechLevel(editor, 1 + pick(3));
        break;
    case 4:
        ChangeEngine(editor, pick(7));
        break;
    case 5:
        ChangeGyro(editor, pick(4));
        break;
    case 6:
        ChangeCockpit(editor, pick(5));
        break;
    case 7:
        ChangeHeatSinkType(editor, pick(5));
        break;
    case 8:
        ChangeHeatSinkCount(editor, 10 + pick(12));
        break;
    case 9:
        ChangeImprovedJumpJets(editor, coin());
        break;
    case 10:
        ChangeJumping(editor, pick(7));
        break;
    case 11:
        ChangeWalking(editor, 1 + pick(8));
        break;
    case 12:
        ChangeStructure(editor, pick(4));
        break;
    case 13:
        ChangeArmorType(editor, pick(7));
        break;
    case 14:
        pick(2) ? SetMASC(editor, coin()) : SetTSM(editor, coin());
        break;
    case 15:
        coin() ? SetSupercharger(editor, coin()) : MoveSupercharger(editor, pick(8));
        break;
    case 16:
        SetNullSignature(editor, coin());
        break;
    case 17:
        SetCASE(editor, pick(7), pick(3));
        break;
    case 18:
        SetArtemis(editor, coin(), pick(3));
        break;
    case 19:
        ChangeTargetingSystem(editor, pick(8));
        break;
    case 20:
        coin() ? ChangePhysicalType(editor, pick(5)) : SetPhysicalArm(editor, coin(), coin());
        break;
    case 21:
        SetArmActuator(editor, coin(), 2 + pick(2), coin());
        break;
    case 22:
        SetTurret(editor, coin(), coin());
        break;
    case 23:
        SetArmless(editor, pick(4) == 0);
        break;
    case 24:
        SetLimitCrits(editor, coin());
        break;
    case 25:
        SetFractionalAccounting(editor, coin());
        break;
    case 26: {
        // A weapon dropped on the first run long enough, its launcher's Artemis laid beside it.
        static const char* kWeapons[] = {"Medium Laser", "LRM-10", "SRM-4", "PPC", "AC/10"};
        const int refID = findWeapon(editor.context().weapons, kWeapons[pick(5)], mech.techBase());
        if (refID < 0 || mech.techBase() == kClan) {
            break;
        }
        editor.perform("Drop", [&] {
            const int loc = pick(8);
            const int need = std::max<int>(1, editor.context().weapons[refID].critSlots);
            const int slot = pick(12);
            if (roomFrom(mech.critLocation(loc), slot, need) < need) {
                return Outcome::Refused;
            }
            clearRun(editor, loc, slot, need);
            testkit::placeWeapon(editor, editor.context().weapons[refID].name, loc, slot);
            CheckArtemisLoc(editor, loc);
            RefreshSelectedWeapons(editor);
            UpdateAllTonnages(editor);
            return Outcome::Accepted;
        });
        break;
    }
    case 27: {
        // An unallocated item dropped on the first free run of a random location.
        if (editor.items().empty()) {
            break;
        }
        const std::string code =
            editor.items().rows()[pick(int(editor.items().rows().size()))].code;
        const int loc = pick(8);
        editor.perform("DropItem", [&] {
            if (!testkit::placeItem(editor, code, loc)) {
                return Outcome::Refused;
            }
            UpdateAllTonnages(editor);
            return Outcome::Accepted;
        });
        break;
    }
    case 28: {
        const int loc = pick(8);
        const int slot = pick(12);
        editor.perform("Unallocate", [&] {
            if (mech.critLocation(loc).IsLockedSlot(slot)) {
                return Outcome::Refused;
            }
            UnallocateSlot(editor, loc, slot);
            RefreshSelectedWeapons(editor);
            UpdateAllTonnages(editor);
            return Outcome::Accepted;
        });
        break;
    }
    case 29:
        // The base chassis locked with one variant, by the editor's own lock with its refusals.
        user.yesNoAnswers = {true};
        user.inputAnswers = {"Prime"};
        LockChassis(editor);
        user.yesNoAnswers.clear();
        user.inputAnswers.clear();
        break;
    default:
        if (coin()) {
            editor.undo();
        } else {
            editor.redo();
        }
        break;
    }
    return action;
}

class RandomChanges : public testkit::RulesFixture,
                      public ::testing::WithParamInterface<unsigned> {};

TEST_P(RandomChanges, NeverBreakTheConstructionRules) {
    build(50, 4);
    std::mt19937 rng(GetParam());
    for (int step = 0; step < 3000; ++step) {
        const int action = randomAction(editor, shipped.user, rng);
        const std::vector<std::string> problems = testkit::checkDesign(editor);
        if (!problems.empty()) {
            const model::Mech& m = editor.mech();
            std::string where =
                "\nengine " + std::to_string(m.engineType()) + " gyro " +
                std::to_string(m.gyroType()) + " level " + std::to_string(m.techLevel()) +
                " base " + std::to_string(m.techBase()) + " type " + std::to_string(m.mechType());
            for (int loc = 0; loc < model::kSlotLocations; ++loc) {
                where += "\n" + std::to_string(loc) + ":";
                for (const std::string& text : texts(loc)) {
                    where += " [" + text + "]";
                }
            }
            ADD_FAILURE() << "step " << step << " (action " << action << "): " << problems.front()
                          << where;
            return;
        }
        shipped.user.messages.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomChanges, ::testing::Values(1u, 2u, 3u, 2026u));

} // namespace
} // namespace fpw::editor
