#include "io/muxexport.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "support/golden.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::io {
namespace {

using model::Mech;

// Weapon-database positions; the specials are recognised by the shipped positions.
enum : std::int16_t {
    kPPC = 1,
    kMediumLaser = 2,
    kLRM10 = 3,
    kAmmoOneBlank = 4,
    kAmmoTwoBlanks = 5,
    kThreeBlanks = 6,
    kECM = 44,
    kAMS = 64,
    kBeagle = 76,
    kC3Slave = 77,
    kC3Master = 78,
    kClanAMS = 185,
    kBeagle2 = 207,
    kECM2 = 208,
    kBeagle3 = 281,
    kTableSize = 300
};

catalog::WeaponTable muxWeapons() {
    catalog::WeaponTable table(kTableSize);
    const auto set = [&](std::int16_t i, const char* name, const char* mux) {
        table[i].name = name;
        table[i].muxName = mux;
    };
    set(kPPC, "PPC", "PPC");
    set(kMediumLaser, "Medium Laser", "MediumLaser");
    set(kLRM10, "LRM-10", "LRM-10");
    set(kAmmoOneBlank, "LRM-10 Ammo", "Ammo_LRM-10 Normal");
    set(kAmmoTwoBlanks, "SRM-4 Inferno Ammo", "Ammo_SRM-4 Inferno 12");
    set(kThreeBlanks, "Odd Pod", "A B C D");
    set(kECM, "Guardian ECM Suite", "GuardianECM");
    set(kAMS, "Anti-Missile System", "AntiMissileSystem");
    set(kBeagle, "Beagle Active Probe", "BeagleActiveProbe");
    set(kC3Slave, "C3 Slave Unit", "C3Slave");
    set(kC3Master, "C3 Computer", "C3Master");
    set(kClanAMS, "Anti-Missile System", "CLAntiMissileSystem");
    set(kBeagle2, "Active Probe", "CLActiveProbe");
    set(kECM2, "ECM Suite", "CLECMSuite");
    set(kBeagle3, "Light Active Probe", "LightActiveProbe");
    return table;
}

// Adds a weapon and writes it into consecutive slots of a location.
void place(Mech& m, const catalog::WeaponTable& weapons, std::int16_t refID, int loc, int first,
           int slots, bool rear = false) {
    const std::int16_t wi = m.AddWeapon(refID);
    const std::string id = std::to_string(wi);
    const std::string text = (rear ? "(R) " : "") + weapons[refID].name;
    for (int s = first; s < first + slots; ++s)
        m.critLocation(loc).PlaceItem(text, s, true, id);
    m.AlterWeapon(wi, static_cast<std::int16_t>(loc), static_cast<std::int16_t>(first), true);
    if (rear) {
        m.TSetWeaponIdxGlobal(wi);
        m.currentWeapon().rearMounted = true;
        m.UpdateGlobalWeaponIdx(wi);
        m.critLocation(loc).SetRear(true, id);
    }
}

void item(Mech& m, int loc, int first, int slots, const std::string& text, const std::string& id) {
    for (int s = first; s < first + slots; ++s)
        m.critLocation(loc).PlaceItem(text, s, false, id);
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

using Build = void (*)(Mech&, const catalog::WeaponTable&);

// One design per kind of line the export writes. The Griffin exercises every kind of slot
// line: an arm without its hand, a three-slot weapon, two lasers of one type side by side, a
// rear laser, ammunition with one, two and three blanks in its MUX name (the last gets no
// line), neighbouring heat sinks and armour slots that merge, jump jets, CASE, and the fixed
// head and engine entries.
const std::pair<const char*, Build> kDesigns[] = {
    {"griffin",
     [](Mech& m, const catalog::WeaponTable& w) {
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
         place(m, w, kPPC, catalog::kRightArm, 4, 3);
         place(m, w, kMediumLaser, catalog::kLeftArm, 3, 1);
         place(m, w, kLRM10, catalog::kLeftTorso, 0, 2);
         place(m, w, kAmmoOneBlank, catalog::kLeftTorso, 2, 1);
         item(m, catalog::kLeftTorso, 3, 1, "Heat Sink", "cHS1");
         item(m, catalog::kLeftTorso, 4, 1, "Heat Sink", "cHS2");
         item(m, catalog::kLeftTorso, 5, 1, "Ferro-Fibrous Armor", "cArm1");
         item(m, catalog::kLeftTorso, 6, 1, "CASE", "cCASE1");
         m.SetCase(catalog::kLeftTorso, catalog::kStandardCase);
         place(m, w, kECM, catalog::kRightTorso, 0, 2);
         place(m, w, kMediumLaser, catalog::kRightTorso, 2, 1, true);
         place(m, w, kMediumLaser, catalog::kRightTorso, 3, 1);
         place(m, w, kAmmoTwoBlanks, catalog::kRightTorso, 4, 1);
         place(m, w, kThreeBlanks, catalog::kRightTorso, 5, 1);
         item(m, catalog::kRightTorso, 6, 1, "Ferro-Fibrous Armor", "cArm2");
         item(m, catalog::kRightTorso, 7, 1, "Ferro-Fibrous Armor", "cArm3");
         place(m, w, kC3Slave, catalog::kCenterTorso, 10, 1);
         item(m, catalog::kLeftLeg, 4, 1, "Jump Jet", "cJJ1");
         item(m, catalog::kLeftLeg, 5, 1, "Jump Jet", "cJJ2");
         item(m, catalog::kRightLeg, 4, 1, "Jump Jet", "cJJ3");
         item(m, catalog::kRightLeg, 6, 1, "Heat Sink", "cHS3");
     }},
    // Ten double heat sinks count twenty; running 8 without jump jets.
    {"double heat sinks",
     [](Mech& m, const catalog::WeaponTable&) {
         small(m, 40, 5);
         m.setHSType(catalog::heatsink::kDouble);
     }},
    // Every special in its order, each weapon's own once per weapon.
    {"specials",
     [](Mech& m, const catalog::WeaponTable&) {
         small(m, 50, 4);
         m.setTechBase(catalog::kClan);
         m.setMASC(1);
         m.setTSM(true);
         m.setArtemisLRM(catalog::kArtemisV);
         m.setArmorType(catalog::armor::kHardened);
         m.setISType(catalog::structure::kComposite);
         m.setEngineType(catalog::engine::kXXL);
         m.setHSType(catalog::heatsink::kClanDouble);
         for (std::int16_t refID : {kECM, kECM2, kAMS, kBeagle, kBeagle2, kBeagle3, kC3Slave,
                                    kC3Master, kClanAMS, kMediumLaser, kECM})
             m.AddWeapon(refID);
     }},
    {"endo steel, XL, compact heat sinks",
     [](Mech& m, const catalog::WeaponTable&) {
         components(m, catalog::structure::kEndoSteel, catalog::engine::kXL,
                    catalog::heatsink::kCompact);
     }},
    {"reinforced, compact engine, laser heat sinks",
     [](Mech& m, const catalog::WeaponTable&) {
         components(m, catalog::structure::kReinforced, catalog::engine::kCompact,
                    catalog::heatsink::kLaser);
     }},
    // No specials line at all.
    {"large XXL",
     [](Mech& m, const catalog::WeaponTable&) {
         components(m, catalog::structure::kStandard, catalog::engine::kLargeXXL,
                    catalog::heatsink::kSingle);
     }},
    {"ferro-fibrous, Artemis SRM",
     [](Mech& m, const catalog::WeaponTable&) {
         m.setArmorType(catalog::armor::kFerroFibrous);
         m.setArtemisSRM(catalog::kArtemisIV);
     }},
    // Left arm without lower arm and hand, its weapon lines right after the upper actuator; a
    // right hand without a lower arm is exported under its actuator name.
    {"arm slots after the actuators",
     [](Mech& m, const catalog::WeaponTable& w) {
         small(m, 20, 6);
         m.SetLAActuator(2, false);
         m.SetLAActuator(3, false);
         m.SetRAActuator(2, false);
         m.LayDefaultSlots();
         place(m, w, kMediumLaser, catalog::kLeftArm, 2, 1);
         item(m, catalog::kLeftArm, 3, 1, "Heat Sink", "cHS1");
     }},
    {"flip arms", [](Mech& m, const catalog::WeaponTable&) { flipArms(m); }},
    {"armless",
     [](Mech& m, const catalog::WeaponTable&) {
         flipArms(m);
         m.setArmless(true);
     }},
    // Items of one code with different texts are separate groups; a gap splits a group.
    {"groups",
     [](Mech& m, const catalog::WeaponTable&) {
         item(m, catalog::kLeftTorso, 0, 1, "Heat Sink", "cHS1");
         item(m, catalog::kLeftTorso, 1, 1, "Heat Sink", "cHS2");
         item(m, catalog::kLeftTorso, 2, 1, "CASE", "cCASE1");
         item(m, catalog::kLeftTorso, 3, 1, "CASE II", "cCASE2");
         item(m, catalog::kLeftTorso, 5, 1, "Heat Sink", "cHS3");
     }},
    {"quad",
     [](Mech& m, const catalog::WeaponTable&) {
         m.setTonnage(25);
         m.setMechType(catalog::kQuad);
         m.LayDefaultSlots();
     }},
    {"LAM", [](Mech& m, const catalog::WeaponTable&) { m.setMechType(catalog::kLAM); }},
    {"OmniMech", [](Mech& m, const catalog::WeaponTable&) { m.setMechType(catalog::kOmniMech); }},
};

class Mux : public ::testing::Test {
protected:
    Mux() { ctx.weapons = muxWeapons(); }

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
TEST_F(Mux, ExportsOfEveryKindOfDesign) {
    std::string all;
    for (const auto& [name, build] : kDesigns) {
        Mech m(ctx);
        build(m, ctx.weapons);
        all += std::string("=== ") + name + "\n";
        for (const std::string& line : muxExportLines(m))
            all += line + "\n";
    }
    EXPECT_TRUE(user.messages.empty());
    testing::expectMatchesGolden(all, FPW_TESTS_SOURCE_DIR "/io/golden/mux_exports.txt");

    // The file holds the same lines, each ended by CR LF.
    Mech m(ctx);
    kDesigns[0].second(m, ctx.weapons);
    ASSERT_TRUE(SaveMUXFile(m, dir.file("griffin.mux")));
    EXPECT_EQ(dir.read("griffin.mux"), exportText(m));
}

TEST_F(Mux, UnknownSlotTextIsReportedAndGetsNoLine) {
    Mech m(ctx);
    const std::string plain = exportText(m);
    item(m, catalog::kLeftTorso, 0, 1, "Mystery Box", "cXX1");
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

TEST_F(Mux, AFailedWriteIsReportedAndKeepsTheOldFile) {
    Mech m(ctx);
    EXPECT_FALSE(SaveMUXFile(m, dir.file("missing-folder/x.mux")));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "Error");
    EXPECT_NE(user.messages[0].text.find("Function: Mech.SaveMUXFile"), std::string::npos);

    // An existing file is replaced whole.
    const std::string path = dir.write("old.mux", std::string(5000, '#'));
    ASSERT_TRUE(SaveMUXFile(m, path));
    EXPECT_EQ(dir.read("old.mux"), exportText(m));
}

} // namespace
} // namespace fpw::io
