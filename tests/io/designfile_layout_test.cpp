// Designs assembled byte by byte from the file layout, without the program's writer or codec:
// a writer and a reader that agree with each other but not with the format fail here.
//
// golden/handmade.fpm was assembled field by field from the layout and checked against it in a
// hex dump: a 30-ton design whose every scalar has a value of its own (so that a swap shows),
// a placed small laser and an unplaced PPC, three slot records (an armoured heat sink, the
// laser, the locked sensors) and a free slot record. golden/handmade_omni.fpm is the same
// design as a locked OmniMech (current configuration "beta") followed by its omni section: a
// base chassis with the PPC, and the configurations "Prime" and "  Beta" (a medium laser).
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/files.h"
#include "catalog/equipment.h"
#include "io/designfile.h"
#include "io/designkit.h"

namespace fpw::io {
namespace {

using testing::designkit::Kit;
namespace dk = testing::designkit;

std::string handmade(const std::string& name) {
    const auto bytes = app::readWholeFile(FPW_TESTS_SOURCE_DIR "/io/golden/" + name);
    EXPECT_TRUE(bytes.has_value()) << name;
    return bytes.value_or("");
}

// Where the slot records of handmade.fpm start (after the armour values); the CASE values
// after them are its last 14 bytes.
constexpr std::size_t kSlotSection = 407;

template <typename... T> std::vector<double> numbers(T... v) {
    return {static_cast<double>(v)...};
}

const model::WeaponEntry kSmallLaser{dk::kSmallLaser, 3, {7}, 3, false, false, true, false, false};
const model::WeaponEntry kUnplacedPPC{dk::kPPC, 4, {-1}, -1, false, false, false, false, false};

model::Mech parse(Kit& kit, const std::string& bytes) {
    DesignFileResult result = parseDesignFile(bytes, kit.ctx);
    EXPECT_EQ(result.status, DesignFileResult::Status::Ok) << result.failure.description;
    return result.ok() ? std::move(*result.mech) : model::Mech(kit.ctx);
}

TEST(DesignFileLayout, HandAssembledDesignOpensToItsFields) {
    Kit kit;
    const model::Mech mech = parse(kit, handmade("handmade.fpm"));
    const model::MechFields& f = mech.fields();

    EXPECT_EQ((std::array<std::string, 4>{f.mechName, f.mechModel, f.historyFile, f.currentConfig}),
              (std::array<std::string, 4>{"Tiny", "TN-1", "tiny.hst", ""}));
    // The fields in the order of the layout.
    std::vector<double> read = numbers(
        f.tonnage, f.totalTonnage, f.freeTonnage, f.walking, f.running, f.sprinting, f.jumping,
        f.techBase, f.techLevel, f.mechType, f.engineType, f.cockpitType, f.targSysType,
        f.armorType, f.isType, f.hsType, f.gyroType, f.jumpJetType, f.reserved1, f.reserved2, f.tsm,
        f.masc, f.supercharger, f.nullSigSys, f.tcSize, f.mascSize, f.hsInEngine, f.hsCount,
        f.limitCrits, f.superchargerLoc, f.physicalType, f.laPhysical, f.raPhysical, f.armorPoints,
        f.armorFree, f.maxHeat, f.weaponHeat, f.totalCost, f.battleValue, f.engineRating,
        f.engineTonnage, f.cockpitTonnage, f.targSysTonnage, f.weaponTonnage, f.armorTonnage,
        f.isTonnage, f.jumpJetTonnage, f.gyroTonnage, f.hsTonnage, f.mascTonnage,
        f.armoredSlotTonnage, f.caseTonnage, f.lamTonnage, f.physicalTonnage, f.superchargerTonnage,
        f.baseFreeTonnage, f.omniBaseLocked, f.artemisSRM, f.artemisLRM, f.artemisTonnage,
        f.ltTurret, f.rtTurret, f.ltTurretTonnage, f.rtTurretTonnage, f.armless,
        f.fractionalAccounting);
    read.insert(read.end(), f.laActuators.begin(), f.laActuators.end());
    read.insert(read.end(), f.raActuators.begin(), f.raActuators.end());
    EXPECT_EQ(read, (std::vector<double>{
                        30,    29.5, 0.5,   5,     8, 10, 3,   0,    2,    0,  1,     2,       3,
                        1,     1,    1,     2,     1, 41, 42,  1,    1,    0,  1,     4,       2,
                        7,     11,   0,     6,     2, 1,  0,   96,   11,   23, 9,     2345678, 765,
                        150,   5.5,  3,     1.25,  2, 6,  1.5, 1.75, 2.25, 1,  0.25,  0.5,     0.75,
                        0.125, 2.5,  0.375, 4.625, 0, 1,  2,   1.5,  1,    0,  0.875, 0.0625,  0,
                        1,     1,    1,     0,     0, 1,  0,   1,    0}));
    EXPECT_EQ(f.armor, (std::array<std::int16_t, 11>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(f.caseSettings, (std::array<std::int16_t, 7>{0, 1, 2, 0, 1, 0, 0}));
    // Not in the file: counted from the slots, and the per-arm size of the mace.
    EXPECT_EQ(f.armoredSlots, 1);
    EXPECT_EQ(f.physicalSize, 2);
    EXPECT_EQ(mech.weapons(), (std::vector{kSmallLaser, kUnplacedPPC}));

    // The head's records; slots before the first record are free, not a new design's defaults.
    const model::CritLocation& head = mech.critLocation(7);
    EXPECT_EQ(
        (std::vector{head.SlotText(0), head.SlotText(3), head.SlotItemId(3), head.SlotText(4),
                     head.SlotText(5)}),
        (std::vector<std::string>{"Roll Again", "Small Laser", "3", "Sensors", "Roll Again"}));
    EXPECT_TRUE(head.IsWeaponSlot(3) && head.IsLockedSlot(4) && !head.IsOccupied(5));
    EXPECT_FALSE(mech.critLocation(0).IsOccupied(0));
    const model::CritLocation& leftLeg = mech.critLocation(2);
    EXPECT_EQ(leftLeg.SlotText(4), catalog::heatSinkLongName(1));
    EXPECT_TRUE(leftLeg.IsArmoredSlot(4));
    EXPECT_EQ(leftLeg.SlotItemId(4), "cHS1");
}

TEST(DesignFileLayout, WriterPutsEveryValueWhereTheLayoutHasIt) {
    Kit kit;
    const std::string hand = handmade("handmade.fpm");
    const std::string written = writeDesignFile(parse(kit, hand));
    // Everything before the slot records, and the CASE values after them, byte for byte.
    ASSERT_GT(written.size(), kSlotSection + 14);
    EXPECT_EQ(written.substr(0, kSlotSection), hand.substr(0, kSlotSection));
    EXPECT_EQ(written.substr(written.size() - 14), hand.substr(hand.size() - 14));
    // The slot records start at the first slot with an item: the left leg's heat sink, with
    // its text left out because the save code names it.
    EXPECT_EQ(written.substr(kSlotSection + 2, 6), std::string("\0\0\x04\0\x02\0", 6));
}

// One slot record as the layout has it: text, index, location, nine flags, identifier, code.
std::string slotRecordBytes(std::string_view text, std::int16_t index, std::int16_t location,
                            const std::array<std::int16_t, 9>& flags, std::string_view id) {
    std::string bytes;
    const auto integer = [&](std::int16_t v) {
        bytes.push_back(static_cast<char>(v & 0xFF));
        bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    integer(static_cast<std::int16_t>(text.size()));
    bytes.append(text);
    integer(index);
    integer(location);
    for (std::int16_t flag : flags) {
        integer(flag);
    }
    integer(static_cast<std::int16_t>(id.size()));
    bytes.append(id);
    integer(-1); // no save code
    return bytes;
}

TEST(DesignFileLayout, ALaterRecordForTheSamePlaceReplacesTheEarlierOne) {
    // Two more records after handmade.fpm's four: the head's sensors (slot 4) again with
    // another text, then the head's slot 2, which lies before the last place filled.
    std::string bytes = handmade("handmade.fpm");
    constexpr std::array<std::int16_t, 9> kSpecial{0, -1, 0, -1, 0, 0, 0, 0, 0};
    bytes.insert(bytes.size() - 14, slotRecordBytes("Sensors Mk II", 4, 7, kSpecial, "-1") +
                                        slotRecordBytes("Comms", 2, 7, kSpecial, "-1"));
    bytes[kSlotSection] = 5; // the highest record index, from 3
    Kit kit;
    const model::CritLocation head = parse(kit, bytes).critLocation(7);
    EXPECT_EQ((std::vector{head.SlotText(1), head.SlotText(2), head.SlotText(3), head.SlotText(4),
                           head.SlotText(5)}),
              (std::vector<std::string>{"Roll Again", "Comms", "Small Laser", "Sensors Mk II",
                                        "Roll Again"}));
    EXPECT_FALSE(head.IsLockedSlot(4)); // the whole slot replaced, flags too
    EXPECT_EQ(head.slot(2).index, 2);
}

TEST(DesignFileLayout, OneMoreSlotRecordFillsItsPlaceOrDamagesTheFile) {
    // One record more after handmade.fpm's four: for the left arm's first slot (its list has
    // no slot yet), for the head's slot 3 (the laser's), or for a place that is none. A record
    // with every flag false and no identifier is a free slot, whatever its text; a single flag
    // or an identifier makes it another.
    struct Case {
        std::string what;
        std::string record;
        std::optional<model::CriticalSlot> slot; // nothing: the file is damaged
        int location = 0;
    };
    constexpr std::array<std::int16_t, 9> kNoFlag{};
    std::vector<Case> cases = {
        {"free", slotRecordBytes("", 0, 0, kNoFlag, ""), model::freeSlotAt(0)},
        {"free with a text", slotRecordBytes("Spare", 0, 0, kNoFlag, ""), model::freeSlotAt(0)},
        {"free over the laser", slotRecordBytes("", 3, 7, kNoFlag, ""), model::freeSlotAt(3), 7},
        {"free in location 8", slotRecordBytes("", 0, 8, kNoFlag, ""), std::nullopt},
        {"free in location -1", slotRecordBytes("", 0, -1, kNoFlag, ""), std::nullopt},
        {"free past the head's last slot", slotRecordBytes("", 6, 7, kNoFlag, ""), std::nullopt},
        {"free before the first slot", slotRecordBytes("", -1, 0, kNoFlag, ""), std::nullopt},
    };
    model::CriticalSlot identified = model::freeSlotAt(0);
    identified.itemID = "x";
    cases.push_back({"an identifier alone", slotRecordBytes("", 0, 0, kNoFlag, "x"), identified});
    // Its two bytes where a free slot's save code would stand read as -1.
    identified.itemID = "\u00FF\u00FF";
    cases.push_back({"an identifier like a save code",
                     slotRecordBytes("", 0, 0, kNoFlag, "\xFF\xFF"), identified});
    // The flags in the order of the file.
    const std::array kFlags = {&model::SlotFlags::isWeapon,       &model::SlotFlags::isSpecial,
                               &model::SlotFlags::isLocked,       &model::SlotFlags::isActive,
                               &model::SlotFlags::isArmored,      &model::SlotFlags::isBaseArmored,
                               &model::SlotFlags::isRearMounted,  &model::SlotFlags::isSpread,
                               &model::SlotFlags::isTurretMounted};
    for (std::size_t i = 0; i < kFlags.size(); ++i) {
        std::array<std::int16_t, 9> flags{};
        flags[i] = -1;
        model::CriticalSlot slot = model::freeSlotAt(0);
        slot.*kFlags[i] = true;
        slot.text = slot.isActive ? "Spare" : slot.text; // an occupied slot keeps its text
        cases.push_back({"flag " + std::to_string(i) + " alone",
                         slotRecordBytes("Spare", 0, 0, flags, ""), slot});
    }
    for (const Case& c : cases) {
        std::string bytes = handmade("handmade.fpm");
        bytes.insert(bytes.size() - 14, c.record);
        bytes[kSlotSection] = 4; // the highest record index, from 3
        Kit kit;
        const DesignFileResult result = parseDesignFile(bytes, kit.ctx);
        if (!c.slot) {
            EXPECT_EQ(result.status, DesignFileResult::Status::Damaged) << c.what;
            continue;
        }
        ASSERT_TRUE(result.ok()) << c.what;
        const model::CritLocation& list = result.mech->critLocation(c.location);
        EXPECT_EQ(list.slot(c.slot->index), *c.slot) << c.what;
        EXPECT_EQ(list.slotCount(), list.normalSlotCount()) << c.what;
        EXPECT_EQ(result.mech->critLocation(7).SlotText(4), "Sensors") << c.what;
    }
}

// Prime keeps no slot of its own in handmade_omni.fpm; here it keeps records for the right
// torso (whose base chassis location has slots 0 to 3, the PPC in 3): a later record for a
// place replaces the earlier one, a place before the last one filled is filled all the same,
// the places without a record hold the base chassis slots, and a place past the base chassis
// location damages the file.
TEST(DesignFileLayout, ConfigurationRecordsFillTheirPlacesOverTheBaseChassis) {
    constexpr std::array<std::int16_t, 9> kActive{0, 0, 0, -1, 0, 0, 0, 0, 0};
    struct Case {
        std::string what;
        std::vector<std::string> records;
        std::optional<std::array<std::string, 2>> firstTwo; // nothing: the file is damaged
    };
    const std::vector<Case> cases = {
        {"replaced, then an earlier place",
         {slotRecordBytes("Spare", 1, 4, kActive, ""),
          slotRecordBytes("Ammo Bin", 1, 4, kActive, ""),
          slotRecordBytes("Rack", 0, 4, kActive, "")},
         std::array<std::string, 2>{"Rack", "Ammo Bin"}},
        {"past the base chassis location", {slotRecordBytes("Spare", 4, 4, kActive, "")}, {}},
    };
    const std::string file = handmade("handmade_omni.fpm");
    const std::size_t primeSlots = file.find("Prime") + 2 * model::kConfigNameWidth;
    for (const Case& c : cases) {
        std::string bytes = file;
        std::string records(1, static_cast<char>(c.records.size() - 1));
        records.push_back('\0');
        for (const std::string& record : c.records) {
            records += record;
        }
        bytes.replace(primeSlots, 2, records); // the count -1 (none) and no record
        Kit kit;
        const DesignFileResult result = parseDesignFile(bytes, kit.ctx);
        if (!c.firstTwo) {
            EXPECT_EQ(result.status, DesignFileResult::Status::Damaged) << c.what;
            continue;
        }
        ASSERT_TRUE(result.ok()) << c.what;
        const model::OmniState& omni = result.mech->omniState();
        const model::CriticalLocation& torso = omni.configs[0].slots.GetLoc(4);
        const model::CriticalLocation& base = omni.base.slots.GetLoc(4);
        ASSERT_EQ(torso.Slots(), 3) << c.what;
        EXPECT_EQ((std::array{torso.GetSlot(0)->text, torso.GetSlot(1)->text}), *c.firstTwo)
            << c.what;
        EXPECT_EQ(*torso.GetSlot(2), *base.GetSlot(2)) << c.what;
        EXPECT_EQ(*torso.GetSlot(3), *base.GetSlot(3)) << c.what;
        EXPECT_EQ(torso.GetSlot(1)->index, 1) << c.what;
    }
}

TEST(DesignFileLayout, HandAssembledOmniSectionOpensToItsConfigurations) {
    const model::WeaponEntry kBasePPC{dk::kPPC, 0, {4}, 3, false, true, true, false, false};
    const model::WeaponEntry kBetaLaser{
        dk::kMediumLaser, 1, {4}, 1, false, false, true, false, false};
    Kit kit;
    const model::Mech mech = parse(kit, handmade("handmade_omni.fpm"));
    const model::OmniState& omni = mech.omniState();
    EXPECT_TRUE(mech.omniBaseLocked());
    EXPECT_EQ(mech.currentConfig(), "Beta");

    EXPECT_EQ(omni.base.weapons, std::vector{kBasePPC});
    EXPECT_EQ(omni.base.values, (model::OmniPodValues{12, 2, 1, true, false, 3, 1, 2}));
    EXPECT_EQ(mech.OmniBaseGetCase(4), 1);
    EXPECT_EQ(omni.base.laActuators, (std::array{true, true, false, false}));
    EXPECT_EQ(omni.base.raActuators, (std::array{true, false, false, false}));
    EXPECT_EQ(omni.base.slots.GetLoc(4).Slots(), 3);
    EXPECT_EQ(omni.base.slots.GetLoc(4).GetSlot(3)->text, "PPC");
    EXPECT_EQ(omni.base.slots.GetLoc(0).Slots(), -1);

    ASSERT_EQ(mech.OmniConfigCount(), 2);
    const model::OmniConfig& prime = omni.configs[0];
    const model::OmniConfig& beta = omni.configs[1];
    EXPECT_EQ(prime.name, "Prime");
    EXPECT_EQ(beta.name, "Beta");
    EXPECT_EQ(prime.values, (model::OmniPodValues{12, 2, 1, true, false, 3, 1, 2}));
    EXPECT_EQ(beta.values, (model::OmniPodValues{15, 0, 0, false, true, 0, 0, 0}));
    EXPECT_EQ(prime.caseSettings.GetCASE(0), 1);
    EXPECT_EQ(beta.caseSettings.GetCASE(4), 2);
    EXPECT_TRUE(prime.actuators.GetActuator(1, 1));
    EXPECT_FALSE(prime.actuators.GetActuator(0, 2));
    EXPECT_TRUE(beta.actuators.GetActuator(0, 2));
    EXPECT_FALSE(beta.actuators.GetActuator(1, 2));
    EXPECT_EQ(prime.weapons.weapons(), std::vector{kBasePPC});
    EXPECT_EQ(beta.weapons.weapons(), (std::vector{kBasePPC, kBetaLaser}));

    // Beta's own slot, and the base chassis slot both configurations take over.
    EXPECT_EQ(beta.slots.GetLoc(4).GetSlot(1)->text, "Medium Laser");
    EXPECT_EQ(prime.slots.GetLoc(4).GetSlot(1)->text, "Roll Again");
    EXPECT_EQ(beta.slots.GetLoc(4).GetSlot(3)->text, "PPC");
    EXPECT_TRUE(prime.slots.TIsBaseItem(4, 3));
}

} // namespace
} // namespace fpw::io
