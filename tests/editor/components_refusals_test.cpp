// Every refusal of the component and system rules: its exact message, and no trace of the
// change in the design, the lists or the undo history.
#include <functional>
#include <string>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "componentskit.h"
#include "editor/components.h"
#include "editor/systems.h"

namespace fpw::editor {
namespace {

using namespace catalog;

struct Refusal {
    const char* name;
    int tonnage;
    int techBase;
    std::function<void(Editor&)> setup; // accepted changes that lead up to the refusal
    std::function<bool(Editor&)> change;
    const char* title;
    const char* text;
};

const Refusal kRefusals[] = {
    {"LamOver55", 55, 0, [](Editor& e) { ChangeMechType(e, kLAM); },
     [](Editor& e) { return ChangeTonnage(e, 60); }, "Unable to change tonnage",
     "LAMs cannot be over 55 tons."},
    {"HeavyLam", 60, 0, nullptr, [](Editor& e) { return ChangeMechType(e, kLAM); },
     "Unable to create LAM", "LAMs cannot be bigger than 55 tons."},
    {"ConsoleOnMedium", 55, 0, nullptr,
     [](Editor& e) { return ChangeCockpit(e, cockpit::kCommandConsole); },
     "Unable to change cockpit", "Command Consoles can only be mounted on heavy or assault mechs."},
    {"ConsoleWithFullHead", 60, 0,
     [](Editor& e) { ChangeTargetingSystem(e, targeting::kVariableRange); },
     [](Editor& e) { return ChangeCockpit(e, cockpit::kCommandConsole); },
     "Unable to change cockpit",
     "Unable to switch to a Command Console since there are no free slots in the head to mount "
     "it."},
    // The null-signature system's entry takes the left torso's first slot.
    {"EngineBlockedInSideTorso", 50, 0, [](Editor& e) { SetNullSignature(e, true); },
     [](Editor& e) { return ChangeEngine(e, engine::kXL); }, "Unable to install system",
     "There was not enough room to allocate a Fusion XL engine, reverting back to a Fusion "
     "engine."},
    // CASE sits in the center torso's last slot, where the extra-light gyro pushes the engine.
    {"GyroBlockedByCase", 50, 0, [](Editor& e) { SetCASE(e, kCenterTorso, kStandardCase); },
     [](Editor& e) { return ChangeGyro(e, gyro::kExtraLight); }, "Unable to install system",
     "There are not enough free crits in the center torso to mount a XL Gyro gyro, reverting "
     "back to a Gyro gyro."},
    {"HardenedOmni", 50, 0, [](Editor& e) { ChangeMechType(e, kOmniMech); },
     [](Editor& e) { return ChangeArmorType(e, armor::kHardened); }, "Unable to mount armor",
     "Hardened armor can not be mounted on omni mechs."},
    {"QuadWithHatchet", 20, 0,
     [](Editor& e) {
         ChangePhysicalType(e, physical::kHatchet);
         SetPhysicalArm(e, false, true);
     },
     [](Editor& e) { return ChangeMechType(e, kQuad); }, "Unable to create quad",
     "Unable to switch to a QUAD design because there are physical weapons mounted on this mech."},
    {"QuadWithoutHand", 50, 0, [](Editor& e) { SetArmActuator(e, true, 3, false); },
     [](Editor& e) { return ChangeMechType(e, kQuad); }, "Unable to create quad",
     "Unable to switch to a QUAD design because there are actuators that are not mounted on this "
     "mech."},
    {"QuadWithLockedArmEnd", 50, 0, [](Editor& e) { SetCASE(e, kLeftArm, kCaseII); },
     [](Editor& e) { return ChangeMechType(e, kQuad); }, "Unable to create quad",
     "Unable to switch to a QUAD design because the last 6 critical slots in each arm must be "
     "either empty or unlocked."},
    {"MascWithMyomer", 50, 0, [](Editor& e) { SetTSM(e, true); },
     [](Editor& e) { return SetMASC(e, true); }, "Unable to install system",
     "Triple Strength Myomer and MASC are not compatible."},
    {"MyomerWithMasc", 50, 0, [](Editor& e) { SetMASC(e, true); },
     [](Editor& e) { return SetTSM(e, true); }, "Unable to install system",
     "Triple Strength Myomer and MASC are not compatible."},
    {"NullSignatureWithTargeting", 50, 0,
     [](Editor& e) { ChangeTargetingSystem(e, targeting::kLongRange); },
     [](Editor& e) { return SetNullSignature(e, true); }, "Unable to use system",
     "The Null Signature System is incompatible with the specialty target and tracking systems."},
    {"TargetingWithNullSignature", 50, 0, [](Editor& e) { SetNullSignature(e, true); },
     [](Editor& e) { return ChangeTargetingSystem(e, targeting::kMultiTrac); },
     "Unable to install system",
     "This mech has a Null Signature System installed which is incompatible with specialty target "
     "and tracking systems."},
    {"TargetingWithFullHead", 60, 0, [](Editor& e) { ChangeCockpit(e, cockpit::kCommandConsole); },
     [](Editor& e) { return ChangeTargetingSystem(e, targeting::kMultiTracII); },
     "Unable to change system",
     "Unable to switch to Multi-Trac II because there are no free critical slots in the head."},
    {"SecondQuadTurret", 50, 0,
     [](Editor& e) {
         ChangeMechType(e, kQuad);
         SetTurret(e, false, true);
     },
     [](Editor& e) { return SetTurret(e, true, true); }, "Unable to mount turret",
     "Quad mechs may only mount one turret."},
    {"PhysicalWithoutHand", 50, 0,
     [](Editor& e) {
         SetArmActuator(e, false, 3, false);
         ChangePhysicalType(e, physical::kSword);
     },
     [](Editor& e) { return SetPhysicalArm(e, false, true); }, "Unable to mount weapon",
     "You must have a hand actuator in the left arm to mount a physical weapon."},
    // The null-signature system's entry takes the freed lower arm slot.
    {"ActuatorBlocked", 50, 0,
     [](Editor& e) {
         SetArmActuator(e, false, 2, false);
         SetNullSignature(e, true);
     },
     [](Editor& e) { return SetArmActuator(e, false, 2, true); }, "Unable to restore actuator",
     "Unable to restore the lower arm actuator due to a locked item being in the way."},
    // An extra-light gyro fills the center torso with the standard engine.
    {"CaseInFullCenterTorso", 50, 0, [](Editor& e) { ChangeGyro(e, gyro::kExtraLight); },
     [](Editor& e) { return SetCASE(e, kCenterTorso, kStandardCase); }, "Unable to add case",
     "You cannot add CASE to this location because there are no free slots."},
    {"TorsoCockpitInFullCenterTorso", 50, 0, [](Editor& e) { ChangeGyro(e, gyro::kExtraLight); },
     [](Editor& e) { return ChangeCockpit(e, cockpit::kTorsoMounted); }, "Unable to change cockpit",
     "Unable to switch to a torso-mounted cockpit since there are not enough free slots in the "
     "center torso to mount the cockpit and the extra sensors crit."},
    {"TorsoCockpitInFullRightTorso", 50, 0,
     [](Editor& e) {
         ChangeEngine(e, engine::kLargeXXL); // eight slots in each side torso
         SetTurret(e, true, true);
         SetCASE(e, kRightTorso, kCaseII);
         SetSupercharger(e, true);
         MoveSupercharger(e, kRightTorso);
         testkit::placeWeapon(e, "Medium Laser", kRightTorso, 10);
     },
     [](Editor& e) { return ChangeCockpit(e, cockpit::kTorsoMounted); }, "Unable to change cockpit",
     "Unable to switch to a torso-mounted cockpit since there are not enough free slots in the "
     "right torso to mount the extra life support crit."},
    {"LimitCritsOverLockedSlot", 10, 0, [](Editor& e) { SetCASE(e, kLeftArm, kCaseII); },
     [](Editor& e) { return SetLimitCrits(e, true); }, "Unable to limit crits",
     "Unable to limit the critical slots for this mech."},
    {"TonnageUnderLimitCrits", 80, 0,
     [](Editor& e) {
         SetLimitCrits(e, true);
         SetCASE(e, kLeftArm, kCaseII);
     },
     [](Editor& e) { return ChangeTonnage(e, 10); }, "Unable to change tonnage",
     "Unable to limit the critical slots for this mech."},
    // A locked omni base chassis fills the left arm.
    {"NullSignatureWithoutRoom", 50, 0,
     [](Editor& e) {
         ChangeMechType(e, kOmniMech);
         for (int slot = 4; slot < 12; ++slot) {
             testkit::placeWeapon(e, "Medium Laser", kLeftArm, slot);
         }
         e.mech().LockBaseOmni();
     },
     [](Editor& e) { return SetNullSignature(e, true); }, "Unable to use system",
     "Unable to allocate all the slots of the Null Signature System. The system has been "
     "removed."},
};

class ComponentRefusal : public testkit::RulesFixture,
                         public ::testing::WithParamInterface<Refusal> {};

TEST_P(ComponentRefusal, ShowsItsMessageAndLeavesNoTrace) {
    const Refusal& r = GetParam();
    build(r.tonnage, 400 / r.tonnage >= 4 ? 4 : 1, r.techBase);
    if (r.setup) {
        r.setup(editor);
    }
    for (const testing::ShownMessage& m : shipped.user.messages) {
        ASSERT_NE(m.icon, app::MessageIcon::Critical) << "the setup was refused: " << m.text;
    }
    expectRefusal([&] { return r.change(editor); }, r.title, r.text);
}

INSTANTIATE_TEST_SUITE_P(Rules, ComponentRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace fpw::editor
