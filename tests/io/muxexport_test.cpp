#include "io/muxexport.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
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

class Mux : public ::testing::Test {
protected:
    Mux() { ctx.weapons = muxWeapons(); }

    // Adds a weapon and writes it into consecutive slots of a location.
    std::int16_t place(Mech& m, std::int16_t refID, int loc, int first, int slots,
                       bool rear = false) {
        const std::int16_t wi = m.AddWeapon(refID);
        const std::string id = std::to_string(wi);
        const std::string text = (rear ? "(R) " : "") + ctx.weapons[refID].name;
        for (int s = first; s < first + slots; ++s)
            m.critLocation(loc).PlaceItem(text, s, true, id);
        m.AlterWeapon(wi, static_cast<std::int16_t>(loc), static_cast<std::int16_t>(first), true);
        if (rear) {
            m.TSetWeaponIdxGlobal(wi);
            m.currentWeapon().rearMounted = true;
            m.UpdateGlobalWeaponIdx(wi);
            m.critLocation(loc).SetRear(true, id);
        }
        return wi;
    }

    static void item(Mech& m, int loc, int first, int slots, const std::string& text,
                     const std::string& id) {
        for (int s = first; s < first + slots; ++s)
            m.critLocation(loc).PlaceItem(text, s, false, id);
    }

    // A 55-ton design that exercises every kind of slot line: an arm without its hand, a
    // three-slot weapon, two lasers of one type side by side, a rear laser, ammunition with one,
    // two and three blanks in its MUX name, neighbouring heat sinks and armour slots that merge,
    // jump jets, CASE, and the fixed head and engine entries.
    void canonical(Mech& m) {
        m.setMechName("Griffin");
        m.setMechModel("GRF-1N");
        m.setTonnage(55);
        m.setWalking(5);
        m.setJumping(3);
        m.setHSCount(12);
        m.setArmorType(catalog::armor::kFerroFibrous);
        m.SetLAActuator(3, false);
        m.LayDefaultSlots();
        const std::int16_t armor[] = {16, 18, 20, 20, 18, 16, 24, 9, 6, 5, 8};
        for (int loc = 0; loc < catalog::kLocationCount; ++loc)
            m.SetArmor(loc, armor[loc]);

        place(m, kPPC, catalog::kRightArm, 4, 3);
        place(m, kMediumLaser, catalog::kLeftArm, 3, 1);
        place(m, kLRM10, catalog::kLeftTorso, 0, 2);
        place(m, kAmmoOneBlank, catalog::kLeftTorso, 2, 1);
        item(m, catalog::kLeftTorso, 3, 1, "Heat Sink", "cHS1");
        item(m, catalog::kLeftTorso, 4, 1, "Heat Sink", "cHS2");
        item(m, catalog::kLeftTorso, 5, 1, "Ferro-Fibrous Armor", "cArm1");
        item(m, catalog::kLeftTorso, 6, 1, "CASE", "cCASE1");
        m.SetCase(catalog::kLeftTorso, catalog::kStandardCase);
        place(m, kECM, catalog::kRightTorso, 0, 2);
        place(m, kMediumLaser, catalog::kRightTorso, 2, 1, true);
        place(m, kMediumLaser, catalog::kRightTorso, 3, 1);
        place(m, kAmmoTwoBlanks, catalog::kRightTorso, 4, 1);
        place(m, kThreeBlanks, catalog::kRightTorso, 5, 1);
        item(m, catalog::kRightTorso, 6, 1, "Ferro-Fibrous Armor", "cArm2");
        item(m, catalog::kRightTorso, 7, 1, "Ferro-Fibrous Armor", "cArm3");
        place(m, kC3Slave, catalog::kCenterTorso, 10, 1);
        item(m, catalog::kLeftLeg, 4, 1, "Jump Jet", "cJJ1");
        item(m, catalog::kLeftLeg, 5, 1, "Jump Jet", "cJJ2");
        item(m, catalog::kRightLeg, 4, 1, "Jump Jet", "cJJ3");
        item(m, catalog::kRightLeg, 6, 1, "Heat Sink", "cHS3");
    }

    testing::TempDir dir;
    testing::ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
};

// ---- a straightforward reader of the format

struct MuxCrit {
    int first = 0;
    int last = 0;
    std::string value;
};

struct MuxLocation {
    std::string name;
    std::map<std::string, std::string> values; // Armor, Internals, Rear
    std::vector<MuxCrit> crits;
};

struct MuxFile {
    std::map<std::string, std::string> header;
    std::vector<MuxLocation> locations;
};

// "key<blanks>{ value }" with "{" in column 17; nothing when the line is not one.
std::optional<std::pair<std::string, std::string>> statement(const std::string& line) {
    if (line.size() < kMUXKeyWidth + 4 || line.compare(kMUXKeyWidth, 2, "{ ") != 0 ||
        line.compare(line.size() - 2, 2, " }") != 0)
        return std::nullopt;
    std::string key = line.substr(0, kMUXKeyWidth);
    key.erase(key.find_last_not_of(' ') + 1);
    key.erase(0, key.find_first_not_of(' '));
    return std::make_pair(key, line.substr(kMUXKeyWidth + 2, line.size() - kMUXKeyWidth - 4));
}

// Reads the whole export; every line must end in CR LF and be of a known form.
std::optional<MuxFile> readMux(const std::string& text) {
    MuxFile file;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos)
            return std::nullopt;
        const std::string line = text.substr(at, end - at);
        at = end + 2;
        if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos)
            return std::nullopt;
        if (line.rfind("    CRIT_", 0) == 0) {
            const auto s = statement(line);
            if (!s || file.locations.empty())
                return std::nullopt;
            const std::string range = s->first.substr(5);
            const std::size_t dash = range.find('-');
            MuxCrit crit;
            crit.first = std::stoi(range.substr(0, dash));
            crit.last = dash == std::string::npos ? crit.first : std::stoi(range.substr(dash + 1));
            crit.value = s->second;
            file.locations.back().crits.push_back(crit);
        } else if (line.rfind("  ", 0) == 0) {
            const auto s = statement(line);
            if (!s || file.locations.empty())
                return std::nullopt;
            file.locations.back().values[s->first] = s->second;
        } else if (line.find('{') != std::string::npos) {
            const auto s = statement(line);
            if (!s || !file.locations.empty())
                return std::nullopt;
            file.header[s->first] = s->second;
        } else {
            if (line.empty() || line.find(' ') != std::string::npos)
                return std::nullopt;
            file.locations.push_back({line, {}, {}});
        }
    }
    return file;
}

std::string exportText(const Mech& m) {
    std::string text;
    for (const std::string& line : muxExportLines(m))
        text += line + "\r\n";
    return text;
}

TEST(MuxFormat, StatementsAndSpeeds) {
    EXPECT_EQ(muxStatement("Name", "Griffin"), "Name             { Griffin }");
    EXPECT_EQ(muxStatement("  Armor", "16"), "  Armor          { 16 }");
    EXPECT_EQ(muxStatement("    CRIT_10-12", "PPC - -"), "    CRIT_10-12   { PPC - - }");
    // A key that fills the width still gets a blank before the brace.
    EXPECT_EQ(muxStatement("ABCDEFGHIJKLMNOPQ", "x"), "ABCDEFGHIJKLMNOPQ { x }");
    const std::pair<int, const char*> speeds[] = {{6, "64.50"}, {8, "86.00"},   {1, "10.75"},
                                                  {3, "32.25"}, {12, "129.00"}, {0, ".00"}};
    for (const auto& [mp, text] : speeds)
        EXPECT_EQ(muxSpeed(mp), text) << mp;
}

TEST_F(Mux, CanonicalDesignLineByLine) {
    Mech m(ctx);
    canonical(m);
    const std::vector<std::string> expected{
        "Name             { Griffin }",
        "Reference        { GRF-1N }",
        "Type             { Mech }",
        "Move_Type        { Biped }",
        "Tons             { 55 }",
        "Heat_Sinks       { 12 }",
        "Max_Speed        { 86.00 }",
        "Jump_Speed       { 32.25 }",
        "Specials         { FerroFibrous_Tech ECM C3SlaveTech }",
        "Left_Arm",
        "  Armor          { 16 }",
        "  Internals      { 9 }",
        "    CRIT_1       { ShoulderOrHip - - }",
        "    CRIT_2       { UpperActuator - - }",
        "    CRIT_3       { LowerActuator - - }",
        "    CRIT_4       { MediumLaser - - }",
        "Right_Arm",
        "  Armor          { 16 }",
        "  Internals      { 9 }",
        "    CRIT_1       { ShoulderOrHip - - }",
        "    CRIT_2       { UpperActuator - - }",
        "    CRIT_3       { LowerActuator - - }",
        "    CRIT_4       { HandOrFootActuator - - }",
        "    CRIT_5-7     { PPC - - }",
        "Left_Torso",
        "  Armor          { 18 }",
        "  Internals      { 13 }",
        "  Rear           { 6 }",
        "    CRIT_1-2     { LRM-10 - - }",
        "    CRIT_3       { Ammo_LRM-10 Normal - }",
        "    CRIT_4-5     { HeatSink - - }",
        "    CRIT_6       { FerroFibrous - - }",
        "    CRIT_7       { Case - - }",
        "Right_Torso",
        "  Armor          { 18 }",
        "  Internals      { 13 }",
        "  Rear           { 5 }",
        "    CRIT_1-2     { GuardianECM - - }",
        "    CRIT_3       { MediumLaser - RearMount }",
        "    CRIT_4       { MediumLaser - - }",
        "    CRIT_5       { Ammo_SRM-4 Inferno 12 }",
        "    CRIT_7-8     { FerroFibrous - - }",
        "Center_Torso",
        "  Armor          { 24 }",
        "  Internals      { 18 }",
        "  Rear           { 8 }",
        "    CRIT_1-3     { Engine - - }",
        "    CRIT_4-7     { Gyro - - }",
        "    CRIT_8-10    { Engine - - }",
        "    CRIT_11      { C3Slave - - }",
        "Left_Leg",
        "  Armor          { 20 }",
        "  Internals      { 13 }",
        "    CRIT_1       { ShoulderOrHip - - }",
        "    CRIT_2       { UpperActuator - - }",
        "    CRIT_3       { LowerActuator - - }",
        "    CRIT_4       { HandOrFootActuator - - }",
        "    CRIT_5-6     { JumpJet - - }",
        "Right_Leg",
        "  Armor          { 20 }",
        "  Internals      { 13 }",
        "    CRIT_1       { ShoulderOrHip - - }",
        "    CRIT_2       { UpperActuator - - }",
        "    CRIT_3       { LowerActuator - - }",
        "    CRIT_4       { HandOrFootActuator - - }",
        "    CRIT_5       { JumpJet - - }",
        "    CRIT_7       { HeatSink - - }",
        "Head",
        "  Armor          { 9 }",
        "  Internals      { 3 }",
        "    CRIT_1       { LifeSupport - - }",
        "    CRIT_2       { Sensors - - }",
        "    CRIT_3       { Cockpit - - }",
        "    CRIT_5       { Sensors - - }",
        "    CRIT_6       { LifeSupport - - }",
    };
    const std::vector<std::string> lines = muxExportLines(m);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    EXPECT_TRUE(user.messages.empty());

    // The file holds the same lines, each ended by CR LF.
    const std::string path = dir.file("griffin.mux");
    ASSERT_TRUE(SaveMUXFile(m, path));
    std::string text;
    for (const std::string& line : expected)
        text += line + "\r\n";
    EXPECT_EQ(dir.read("griffin.mux"), text);
}

// The export read back gives the design's armour, structure, rear armour, and a slot group
// for every item: each occupied slot after the actuators lies in exactly one group that begins
// at its item's first slot, and no free slot lies in any.
TEST_F(Mux, ExportReadsBackWithAStraightforwardReader) {
    Mech m(ctx);
    canonical(m);
    const std::optional<MuxFile> file = readMux(exportText(m));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->header.at("Name"), "Griffin");
    EXPECT_EQ(file->header.at("Tons"), "55");
    const std::pair<const char*, int> order[] = {
        {"Left_Arm", 0},     {"Right_Arm", 5}, {"Left_Torso", 1}, {"Right_Torso", 4},
        {"Center_Torso", 6}, {"Left_Leg", 2},  {"Right_Leg", 3},  {"Head", 7}};
    ASSERT_EQ(file->locations.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        const MuxLocation& l = file->locations[i];
        const int loc = order[i].second;
        EXPECT_EQ(l.name, order[i].first);
        EXPECT_EQ(l.values.at("Armor"), std::to_string(m.GetArmor(loc)));
        EXPECT_EQ(l.values.at("Internals"),
                  std::to_string(catalog::gGetISPoints(loc, m.tonnage(), m.mechType())));
        const int rear = loc == 1 ? 8 : loc == 4 ? 9 : loc == 6 ? 10 : -1;
        if (rear >= 0)
            EXPECT_EQ(l.values.at("Rear"), std::to_string(m.GetArmor(rear))) << l.name;
        else
            EXPECT_EQ(l.values.count("Rear"), 0u) << l.name;

        const model::CritLocation& slots = m.critLocation(loc);
        std::vector<int> coveredBy(slots.slotCount(), -1);
        for (std::size_t c = 0; c < l.crits.size(); ++c) {
            const MuxCrit& crit = l.crits[c];
            ASSERT_LE(crit.first, crit.last);
            ASSERT_LE(crit.last, slots.slotCount());
            for (int s = crit.first - 1; s < crit.last; ++s) {
                EXPECT_EQ(coveredBy[s], -1) << l.name << " slot " << s << " in two groups";
                EXPECT_TRUE(slots.IsOccupied(s)) << l.name << " free slot " << s << " listed";
                coveredBy[s] = static_cast<int>(c);
            }
            // A group starts where its item starts.
            const int first = crit.first - 1;
            if (first > 0 && slots.IsOccupied(first - 1) && coveredBy[first - 1] >= 0) {
                EXPECT_TRUE(slots.SlotItemId(first - 1) != slots.SlotItemId(first) ||
                            slots.SlotText(first - 1) != slots.SlotText(first))
                    << l.name;
            }
        }
        for (int s = 0; s < slots.slotCount(); ++s) {
            // The one item without a line: three blanks in its MUX name.
            const bool silent = slots.SlotText(s) == "Odd Pod";
            if (slots.IsOccupied(s) && !silent) {
                EXPECT_GE(coveredBy[s], 0) << l.name << " slot " << s << " not exported";
            }
        }
    }
}

TEST_F(Mux, DoubleHeatSinksCountTwiceAndAreSpecial) {
    Mech m(ctx);
    m.setHSType(catalog::heatsink::kDouble);
    m.setHSCount(10);
    const std::vector<std::string> lines = muxExportLines(m);
    EXPECT_EQ(lines[5], "Heat_Sinks       { 20 }");
    EXPECT_EQ(lines[7], "Specials         { DoubleHS }");
    for (std::int16_t type :
         {catalog::heatsink::kCompact, catalog::heatsink::kLaser, catalog::heatsink::kClanDouble}) {
        m.setHSType(type);
        EXPECT_EQ(muxExportLines(m)[7], "Specials         { DoubleHS }") << type;
    }
}

TEST_F(Mux, RunningEightWithoutJumpJets) {
    Mech m(ctx);
    m.setTonnage(40);
    m.setWalking(5);
    const std::vector<std::string> lines = muxExportLines(m);
    EXPECT_EQ(lines[6], "Max_Speed        { 86.00 }");
    for (const std::string& line : lines)
        EXPECT_EQ(line.rfind("Jump_Speed", 0), std::string::npos);
}

TEST_F(Mux, ADesignWithoutSpecialsHasNoSpecialsLine) {
    Mech m(ctx);
    m.setTonnage(20);
    m.setWalking(6);
    for (const std::string& line : muxExportLines(m))
        EXPECT_EQ(line.rfind("Specials", 0), std::string::npos) << line;
}

TEST_F(Mux, ArmlessDesignHasNoArmsAndNoFlipArms) {
    Mech m(ctx);
    m.setTonnage(20);
    m.setWalking(6);
    for (int i : {2, 3}) {
        m.SetLAActuator(i, false);
        m.SetRAActuator(i, false);
    }
    m.LayDefaultSlots();
    EXPECT_EQ(muxExportLines(m)[7], "Specials         { FlipArms }");
    m.setArmless(true);
    const std::vector<std::string> lines = muxExportLines(m);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("_Arm"), std::string::npos) << line;
        EXPECT_EQ(line.rfind("Specials", 0), std::string::npos) << line;
    }
    EXPECT_EQ(lines[7], "Left_Torso");
}

TEST_F(Mux, SpecialsInOrderAndOncePerWeapon) {
    Mech m(ctx);
    m.setTonnage(50);
    m.setWalking(4);
    m.setTechBase(catalog::kClan);
    m.setMASC(1);
    m.setTSM(true);
    m.setArtemisLRM(catalog::kArtemisV);
    m.setArmorType(catalog::armor::kHardened);
    m.setISType(catalog::structure::kComposite);
    m.setEngineType(catalog::engine::kXXL);
    m.setHSType(catalog::heatsink::kDouble);
    for (std::int16_t refID : {kECM, kECM2, kAMS, kBeagle, kBeagle2, kBeagle3, kC3Slave, kC3Master,
                               kClanAMS, kMediumLaser, kECM})
        m.AddWeapon(refID);
    EXPECT_EQ(muxExportLines(m)[7],
              "Specials         { DoubleHS Masc TripleMyomerTech Clan ArtemisIV "
              "HardenedArmor_Tech CompositeInternal_Tech XXL_Tech ECM ECM IS_AMS BeagleProbe "
              "BeagleProbe BeagleProbe C3SlaveTech C3MasterTech CL_AMS ECM }");

    const struct {
        std::int16_t isType, engineType;
        const char* specials;
    } cases[] = {
        {catalog::structure::kEndoSteel, catalog::engine::kXL, "EndoSteel_Tech XLEngine_Tech"},
        {catalog::structure::kReinforced, catalog::engine::kCompact,
         "ReinforcedInternal_Tech CompactEngine_Tech"},
        {catalog::structure::kStandard, catalog::engine::kLargeXXL, ""},
    };
    for (const auto& c : cases) {
        Mech plain(ctx);
        plain.setTonnage(50);
        plain.setWalking(4);
        plain.setISType(c.isType);
        plain.setEngineType(c.engineType);
        const std::string line = muxExportLines(plain)[7];
        if (*c.specials)
            EXPECT_EQ(line, std::string("Specials         { ") + c.specials + " }");
        else
            EXPECT_EQ(line.rfind("Specials", 0), std::string::npos);
    }
    Mech ferro(ctx);
    ferro.setArmorType(catalog::armor::kFerroFibrous);
    ferro.setArtemisSRM(catalog::kArtemisIV);
    EXPECT_EQ(muxExportLines(ferro)[7], "Specials         { ArtemisIV FerroFibrous_Tech }");
}

TEST_F(Mux, BodyTypesAndQuadLocations) {
    const std::pair<std::int16_t, const char*> moves[] = {{catalog::kBiped, "Biped"},
                                                          {catalog::kQuad, "Quad"},
                                                          {catalog::kLAM, "LAM"},
                                                          {catalog::kOmniMech, "Biped"}};
    for (const auto& [type, text] : moves) {
        Mech m(ctx);
        m.setMechType(type);
        EXPECT_EQ(muxExportLines(m)[3], std::string("Move_Type        { ") + text + " }");
    }
    Mech quad(ctx);
    quad.setTonnage(25);
    quad.setMechType(catalog::kQuad);
    quad.LayDefaultSlots();
    const std::optional<MuxFile> file = readMux(exportText(quad));
    ASSERT_TRUE(file);
    std::vector<std::string> names;
    for (const MuxLocation& l : file->locations)
        names.push_back(l.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Front_Left_Leg", "Front_Right_Leg", "Left_Torso",
                                               "Right_Torso", "Center_Torso", "Rear_Left_Leg",
                                               "Rear_Right_Leg", "Head"}));
    // A 25-ton quad's legs have 6 structure points, front and rear.
    EXPECT_EQ(file->locations[0].values.at("Internals"), "6");
    EXPECT_EQ(file->locations[5].values.at("Internals"), "6");
    ASSERT_EQ(file->locations[5].crits.size(), 4u);
    EXPECT_EQ(file->locations[5].crits[3].value, "HandOrFootActuator - -");
}

TEST_F(Mux, ArmSlotLinesStartAfterTheLastActuatorLine) {
    Mech m(ctx);
    m.setTonnage(20);
    m.setWalking(6);
    // Left arm: no lower arm and no hand; right arm: a hand without a lower arm actuator.
    m.SetLAActuator(2, false);
    m.SetLAActuator(3, false);
    m.SetRAActuator(2, false);
    m.LayDefaultSlots();
    place(m, kMediumLaser, catalog::kLeftArm, 2, 1);
    item(m, catalog::kLeftArm, 3, 1, "Heat Sink", "cHS1");
    const std::optional<MuxFile> file = readMux(exportText(m));
    ASSERT_TRUE(file);
    const MuxLocation& left = file->locations[0];
    ASSERT_EQ(left.crits.size(), 4u);
    EXPECT_EQ(left.crits[1].value, "UpperActuator - -");
    EXPECT_EQ(left.crits[2].first, 3);
    EXPECT_EQ(left.crits[2].value, "MediumLaser - -");
    EXPECT_EQ(left.crits[3].first, 4);
    EXPECT_EQ(left.crits[3].value, "HeatSink - -");
    // The lone hand is no item of the catalogue; it is exported under its actuator name.
    const MuxLocation& right = file->locations[1];
    ASSERT_EQ(right.crits.size(), 3u);
    EXPECT_EQ(right.crits[2].first, 4);
    EXPECT_EQ(right.crits[2].value, "HandOrFootActuator - -");
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(Mux, ItemsOfOneCodeWithDifferentTextsAreSeparateGroups) {
    Mech m(ctx);
    item(m, catalog::kLeftTorso, 0, 1, "Heat Sink", "cHS1");
    item(m, catalog::kLeftTorso, 1, 1, "Heat Sink", "cHS2");
    item(m, catalog::kLeftTorso, 2, 1, "CASE", "cCASE1");
    item(m, catalog::kLeftTorso, 3, 1, "CASE II", "cCASE2");
    item(m, catalog::kLeftTorso, 5, 1, "Heat Sink", "cHS3");
    const std::optional<MuxFile> file = readMux(exportText(m));
    ASSERT_TRUE(file);
    const std::vector<MuxCrit>& crits = file->locations[2].crits;
    ASSERT_EQ(crits.size(), 4u);
    EXPECT_EQ(crits[0].first, 1);
    EXPECT_EQ(crits[0].last, 2);
    EXPECT_EQ(crits[1].value, "Case - -");
    EXPECT_EQ(crits[2].value, "Case II - -");
    EXPECT_EQ(crits[3].first, 6);
}

TEST_F(Mux, UnknownSlotTextIsReportedAndGetsNoLine) {
    Mech m(ctx);
    item(m, catalog::kLeftTorso, 0, 1, "Mystery Box", "cXX1");
    const std::optional<MuxFile> file = readMux(exportText(m));
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->locations[2].crits.empty());
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
