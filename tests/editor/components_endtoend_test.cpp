// One design per tech base, level and body type that uses the advanced systems, built through
// the component and system rules (weapons and items placed as drops place them), written to a
// design file and read back: the design that comes back is the design that was built, and it
// keeps the construction rules.
#include <functional>
#include <string>

#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "componentskit.h"
#include "editor/artemis.h"
#include "editor/components.h"
#include "editor/invariants.h"
#include "editor/refresh.h"
#include "editor/systems.h"
#include "io/designfile.h"

namespace fpw::editor {
namespace {

using namespace catalog;

struct Design {
    const char* name;
    std::function<void(testkit::RulesFixture&)> build;
};

void clanStriker(testkit::RulesFixture& f) {
    Editor& e = f.editor;
    f.build(60, 5, kClan);
    ASSERT_TRUE(ChangeEngine(e, engine::kXL));
    ASSERT_TRUE(ChangeHeatSinkType(e, heatsink::kDouble));
    ASSERT_TRUE(ChangeHeatSinkCount(e, 15));
    ASSERT_TRUE(SetArtemis(e, true, kArtemisIV));
    ASSERT_TRUE(ChangeTargetingSystem(e, targeting::kTargetingComputer));
    testkit::placeWeapon(e, "LRM-10", kLeftTorso, 4, kClan);
    CheckArtemisLoc(e, kLeftTorso);
    testkit::placeWeapon(e, "ER Large Laser", kRightArm, 4, kClan);
    testkit::placeWeapon(e, "ER Medium Laser", kLeftArm, 4, kClan);
}

void innerSphereLevel3(testkit::RulesFixture& f) {
    Editor& e = f.editor;
    f.build(55, 5);
    ASSERT_TRUE(SetMASC(e, true));
    ASSERT_TRUE(SetSupercharger(e, true));
    ASSERT_TRUE(SetCASE(e, kLeftTorso, kCaseII));
    ASSERT_TRUE(SetTurret(e, true, true));
    ASSERT_TRUE(ChangeJumping(e, 3));
    ASSERT_TRUE(ChangeStructure(e, structure::kEndoSteel));
    testkit::placeWeapon(e, "Large Laser", kRightTorso, 4);
    testkit::placeWeapon(e, "SRM-4", kLeftTorso, 4);
    testkit::placeWeapon(e, "SRM-4 Ammo", kLeftTorso, 6);
}

void quad(testkit::RulesFixture& f) {
    Editor& e = f.editor;
    f.build(40, 4, kInnerSphere, 2);
    ASSERT_TRUE(ChangeMechType(e, kQuad));
    ASSERT_TRUE(ChangeJumping(e, 4));
    ASSERT_TRUE(ChangeArmorType(e, armor::kFerroFibrous));
    testkit::placeWeapon(e, "PPC", kRightTorso, 0);
}

void lam(testkit::RulesFixture& f) {
    Editor& e = f.editor;
    f.build(50, 6, kInnerSphere, 2);
    ASSERT_TRUE(ChangeMechType(e, kLAM));
    ASSERT_TRUE(ChangeEngine(e, engine::kXL));
    testkit::placeWeapon(e, "Medium Laser", kRightArm, 4);
}

void omni(testkit::RulesFixture& f) {
    Editor& e = f.editor;
    f.build(75, 4, kClan);
    ASSERT_TRUE(ChangeMechType(e, kOmniMech));
    ASSERT_TRUE(ChangeEngine(e, engine::kXL));
    ASSERT_TRUE(ChangeStructure(e, structure::kEndoSteel));
    testkit::placeAllItems(e);
    ASSERT_TRUE(e.mech().LockBaseOmni());
    for (const char* variant : {"Prime", "A"}) {
        ASSERT_TRUE(e.mech().AddNewVariant(variant));
        ASSERT_TRUE(e.mech().ChangeOmniConfig(variant, true));
        testkit::placeWeapon(e, variant[0] == 'P' ? "ER PPC" : "LRM-20", kRightTorso, 4, kClan);
        ASSERT_TRUE(ChangeJumping(e, variant[0] == 'P' ? 0 : 2));
        testkit::placeAllItems(e);
        ASSERT_TRUE(e.mech().SaveCurrentConfig());
    }
}

const Design kDesigns[] = {{"ClanXLDoubleHeatSinksArtemisTargetingComputer", clanStriker},
                           {"InnerSphereLevel3MascSuperchargerCaseIITurret", innerSphereLevel3},
                           {"Quad", quad},
                           {"Lam", lam},
                           {"OmniWithTwoVariants", omni}};

class EndToEnd : public testkit::RulesFixture, public ::testing::WithParamInterface<Design> {};

TEST_P(EndToEnd, TheDesignReadsBackAsBuilt) {
    GetParam().build(*this);
    RefreshSelectedWeapons(editor);
    UpdateAllTonnages(editor); // the targeting computer's item follows the weapons
    testkit::placeAllItems(editor);
    UpdateAllTonnages(editor);
    ASSERT_EQ(checkInvariants(editor), std::vector<std::string>{});
    ASSERT_TRUE(editor.items().empty());
    for (const testing::ShownMessage& m : shipped.user.messages) {
        ASSERT_NE(m.icon, app::MessageIcon::Critical) << m.text;
    }

    io::DesignFileResult read =
        io::parseDesignFile(io::writeDesignFile(editor.mech()), shipped.ctx);
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_TRUE(*read.mech == editor.mech());
    editor.replaceDocument(EditorDocument{std::move(*read.mech), {}, true});
    EXPECT_EQ(checkInvariants(editor), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Designs, EndToEnd, ::testing::ValuesIn(kDesigns),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace fpw::editor
