#include "io/muxexport.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "data/datafiles.h"
#include "io/designkit.h"
#include "model/mech.h"
#include "support/golden.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::io {
namespace {

using model::Mech;
namespace dk = testing::designkit;

// The shipped small laser, its MUX name given three blanks: such a weapon gets no line.
constexpr std::int16_t kThreeBlanks = 0;

// A shipped record by name (Inner Sphere).
std::int16_t id(const Mech& m, const char* name) {
    const int index = catalog::findWeapon(m.context().weapons, name, catalog::kInnerSphere);
    EXPECT_GE(index, 0) << name;
    return static_cast<std::int16_t>(index);
}

void place(Mech& m, const char* name, int loc, int slot, bool rear = false) {
    dk::placeWeapon(m, id(m, name), loc, slot, rear);
}

void item(Mech& m, int loc, int slot, std::string_view code, std::string_view text) {
    dk::placeItem(m, code, text, loc, slot);
}

void small(Mech& m, std::int16_t tons, std::int16_t walking) {
    m.setTonnage(tons);
    m.setWalking(walking);
}

void components(Mech& m, std::int16_t structure, std::int16_t engine, std::int16_t heatSinks) {
    small(m, 50, 4);
    m.setISType(structure);
    m.setEngineType(engine);
    m.setHSType(heatSinks);
}

// Arms without lower arm actuators and hands.
void flipArms(Mech& m) {
    small(m, 20, 6);
    for (int i : {2, 3}) {
        m.SetLAActuator(i, false);
        m.SetRAActuator(i, false);
    }
    m.LayDefaultSlots();
}

using Build = void (*)(Mech&);

// One design per kind of line the export writes. The Griffin exercises every kind of slot
// line: an arm without its hand, a three-slot weapon, two lasers of one type side by side, a
// rear laser, ammunition with one, two and three blanks in its MUX name (the last gets no
// line), neighbouring heat sinks and armour slots that merge, jump jets, CASE, and the fixed
// head and engine entries.
const std::pair<const char*, Build> kDesigns[] = {
    {"griffin",
     [](Mech& m) {
         m.setMechName("Griffin");
         m.setMechModel("GRF-1N");
         small(m, 55, 5);
         m.setJumping(3);
         m.setHSCount(12);
         m.setArmorType(catalog::armor::kFerroFibrous);
         m.SetLAActuator(3, false);
         m.LayDefaultSlots();
         const std::int16_t armor[] = {16, 18, 20, 20, 18, 16, 24, 9, 6, 5, 8};
         for (int loc = 0; loc < catalog::kLocationCount; ++loc)
             m.SetArmor(loc, armor[loc]);
         place(m, "PPC", catalog::kRightArm, 4);
         place(m, "Medium Laser", catalog::kLeftArm, 3);
         place(m, "LRM-10", catalog::kLeftTorso, 0);
         place(m, "LRM-10 Ammo", catalog::kLeftTorso, 2);
         item(m, catalog::kLeftTorso, 3, catalog::cHS, "Heat Sink");
         item(m, catalog::kLeftTorso, 4, catalog::cHS, "Heat Sink");
         item(m, catalog::kLeftTorso, 5, catalog::cArm, "Ferro-Fibrous Armor");
         item(m, catalog::kLeftTorso, 6, catalog::cCASE, "CASE");
         m.SetCase(catalog::kLeftTorso, catalog::kStandardCase);
         place(m, "Guardian ECM Suite", catalog::kRightTorso, 0);
         place(m, "Medium Laser", catalog::kRightTorso, 2, true);
         place(m, "Medium Laser", catalog::kRightTorso, 3);
         place(m, "SRM-4 Ammo (Inferno)", catalog::kRightTorso, 4);
         dk::placeWeapon(m, kThreeBlanks, catalog::kRightTorso, 5);
         item(m, catalog::kRightTorso, 6, catalog::cArm, "Ferro-Fibrous Armor");
         item(m, catalog::kRightTorso, 7, catalog::cArm, "Ferro-Fibrous Armor");
         place(m, "C3 Slave Unit", catalog::kCenterTorso, 10);
         item(m, catalog::kLeftLeg, 4, catalog::cJJ, "Jump Jet");
         item(m, catalog::kLeftLeg, 5, catalog::cJJ, "Jump Jet");
         item(m, catalog::kRightLeg, 4, catalog::cJJ, "Jump Jet");
         item(m, catalog::kRightLeg, 6, catalog::cHS, "Heat Sink");
     }},
    // Ten double heat sinks count twenty; running 8 without jump jets.
    {"double heat sinks",
     [](Mech& m) {
         small(m, 40, 5);
         m.setHSType(catalog::heatsink::kDouble);
     }},
    // Every special in its order, each weapon's own once per weapon.
    {"specials",
     [](Mech& m) {
         small(m, 50, 4);
         m.setTechBase(catalog::kClan);
         m.setMASC(1);
         m.setTSM(true);
         m.setArtemisLRM(catalog::kArtemisV);
         m.setArmorType(catalog::armor::kHardened);
         m.setISType(catalog::structure::kComposite);
         m.setEngineType(catalog::engine::kXXL);
         m.setHSType(catalog::heatsink::kClanDouble);
         // The shipped positions of the server's specials, and a medium laser.
         for (std::int16_t refID : {44, 208, 64, 76, 207, 281, 77, 78, 185, 1, 44})
             m.AddWeapon(refID);
     }},
    {"endo steel, XL, compact heat sinks",
     [](Mech& m) {
         components(m, catalog::structure::kEndoSteel, catalog::engine::kXL,
                    catalog::heatsink::kCompact);
     }},
    {"reinforced, compact engine, laser heat sinks",
     [](Mech& m) {
         components(m, catalog::structure::kReinforced, catalog::engine::kCompact,
                    catalog::heatsink::kLaser);
     }},
    // No specials line at all.
    {"large XXL",
     [](Mech& m) {
         components(m, catalog::structure::kStandard, catalog::engine::kLargeXXL,
                    catalog::heatsink::kSingle);
     }},
    {"ferro-fibrous, Artemis SRM",
     [](Mech& m) {
         m.setArmorType(catalog::armor::kFerroFibrous);
         m.setArtemisSRM(catalog::kArtemisIV);
     }},
    // Left arm without lower arm and hand, its weapon lines right after the upper actuator; a
    // right hand without a lower arm is exported under its actuator name.
    {"arm slots after the actuators",
     [](Mech& m) {
         small(m, 20, 6);
         m.SetLAActuator(2, false);
         m.SetLAActuator(3, false);
         m.SetRAActuator(2, false);
         m.LayDefaultSlots();
         place(m, "Medium Laser", catalog::kLeftArm, 2);
         item(m, catalog::kLeftArm, 3, catalog::cHS, "Heat Sink");
     }},
    {"flip arms", [](Mech& m) { flipArms(m); }},
    {"armless",
     [](Mech& m) {
         flipArms(m);
         m.setArmless(true);
     }},
    // Items of one code with different texts are separate groups; a gap splits a group.
    {"groups",
     [](Mech& m) {
         item(m, catalog::kLeftTorso, 0, catalog::cHS, "Heat Sink");
         item(m, catalog::kLeftTorso, 1, catalog::cHS, "Heat Sink");
         item(m, catalog::kLeftTorso, 2, catalog::cCASE, "CASE");
         item(m, catalog::kLeftTorso, 3, catalog::cCASE, "CASE II");
         item(m, catalog::kLeftTorso, 5, catalog::cHS, "Heat Sink");
     }},
    {"quad",
     [](Mech& m) {
         m.setTonnage(25);
         m.setMechType(catalog::kQuad);
         m.LayDefaultSlots();
     }},
    {"LAM", [](Mech& m) { m.setMechType(catalog::kLAM); }},
    {"OmniMech", [](Mech& m) { m.setMechType(catalog::kOmniMech); }},
};

class Mux : public ::testing::Test {
protected:
    Mux() {
        ctx.weapons = testing::builtWeapons();
        ctx.weapons[kThreeBlanks].muxName = "A B C D";
    }

    testing::TempDir dir;
    testing::ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
};

std::string exportText(const Mech& m) {
    std::string text;
    for (const std::string& line : muxExportLines(m))
        text += line + "\r\n";
    return text;
}

TEST(MuxFormat, StatementsAndSpeeds) {
    // A key that fills the width still gets a blank before the brace.
    EXPECT_EQ(muxStatement("ABCDEFGHIJKLMNOPQ", "x"), "ABCDEFGHIJKLMNOPQ { x }");
    const std::pair<int, const char*> speeds[] = {
        {1, "10.75"}, {3, "32.25"}, {12, "129.00"}, {0, ".00"}};
    for (const auto& [mp, text] : speeds)
        EXPECT_EQ(muxSpeed(mp), text) << mp;
}

// The exports of every design of kDesigns, compared whole. Checked by hand line by line: the
// Griffin against its design (the listing this test held before), and in each other block the
// lines its comment names (heat sinks, speeds, the specials and their order, the arm and group
// lines, the quad's location names and its 6-point legs), the rest equal to the plain default.
// Since the designs use the shipped database, the weapon lines carry its MUX names (each
// compared with data/weapons.tsv).
TEST_F(Mux, ExportsOfEveryKindOfDesign) {
    std::string all;
    for (const auto& [name, build] : kDesigns) {
        Mech m(ctx);
        build(m);
        all += std::string("=== ") + name + "\n";
        for (const std::string& line : muxExportLines(m))
            all += line + "\n";
    }
    EXPECT_TRUE(user.messages.empty());
    testing::expectMatchesGolden(all, FPW_TESTS_SOURCE_DIR "/io/golden/mux_exports.txt");

    // The file holds the same lines, each ended by CR LF.
    Mech m(ctx);
    kDesigns[0].second(m);
    ASSERT_TRUE(SaveMUXFile(m, dir.file("griffin.mux")));
    EXPECT_EQ(dir.read("griffin.mux"), exportText(m));
}

TEST_F(Mux, UnknownSlotTextIsReportedAndGetsNoLine) {
    Mech m(ctx);
    const std::string plain = exportText(m);
    item(m, catalog::kLeftTorso, 0, "cXX", "Mystery Box");
    EXPECT_EQ(exportText(m), plain);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "gGetMUXItemName could not find item: Mystery Box");
}

TEST_F(Mux, NamesAreWrittenAsAnsiText) {
    Mech m(ctx);
    m.setMechName("Kr\xC3\xA4he"); // "Krähe" in UTF-8
    const std::string path = dir.file("k.mux");
    ASSERT_TRUE(SaveMUXFile(m, path));
    EXPECT_EQ(dir.read("k.mux").substr(0, 28), "Name             { Kr\xE4he }\r\n");
}

} // namespace
} // namespace fpw::io
