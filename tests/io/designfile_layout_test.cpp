// Designs assembled byte by byte from the file layout, without the program's writer or codec:
// a writer and a reader that agree with each other but not with the format fail here.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "catalog/equipment.h"
#include "io/designfile.h"
#include "io/designkit.h"

namespace fpw::io {
namespace {

using testing::designkit::Kit;
namespace dk = testing::designkit;

// Every number written is also kept in `values` (a flag as 1 or 0), in file order.
class Bytes {
public:
    Bytes& integer(int v) { return raw(static_cast<std::int16_t>(v), v); }
    Bytes& flag(bool v) { return raw(static_cast<std::int16_t>(v ? -1 : 0), v); }
    Bytes& longValue(std::int32_t v) { return raw(v, v); }
    Bytes& doubleValue(double v) { return raw(v, v); }
    Bytes& integers(std::initializer_list<int> vs) {
        for (int v : vs) {
            integer(v);
        }
        return *this;
    }
    Bytes& text(std::string_view s) {
        integer(static_cast<int>(s.size()));
        bytes.append(s);
        return *this;
    }
    Bytes& fixed(std::string_view s, std::size_t width) {
        std::string padded(s);
        padded.resize(width, ' ');
        bytes += padded;
        return *this;
    }
    std::string bytes;
    std::vector<double> values;

private:
    template <typename T> Bytes& raw(T v, double value) {
        char buffer[sizeof(T)];
        std::memcpy(buffer, &v, sizeof(T));
        bytes.append(buffer, sizeof(T));
        values.push_back(value);
        return *this;
    }
};

void weapon(Bytes& b, const model::WeaponEntry& w) {
    b.integer(w.refID).integer(w.weaponIndex);
    b.integer(1).longValue(static_cast<std::int32_t>(w.locations.size())).longValue(0);
    for (int loc : w.locations) {
        b.integer(loc);
    }
    b.integer(w.startCrit).flag(w.rearMounted).flag(w.baseOmni).flag(w.allocated);
    b.flag(w.turretMounted).flag(w.spread);
}

template <typename... T> std::vector<double> numbers(T... v) {
    return {static_cast<double>(v)...};
}

// A placed small laser and an unplaced PPC.
const model::WeaponEntry kSmallLaser{dk::kSmallLaser, 3, {7}, 3, false, false, true, false, false};
const model::WeaponEntry kUnplacedPPC{dk::kPPC, 4, {-1}, -1, false, false, false, false, false};

struct SlotBytes {
    std::string_view text;
    int index;
    int location;
    bool weapon, special, locked, active, armored, baseArmored, rear, spread, turret;
    std::string_view itemID;
    int saveCode;
};

void slot(Bytes& b, const SlotBytes& s) {
    b.text(s.text).integer(s.index).integer(s.location);
    b.flag(s.weapon).flag(s.special).flag(s.locked).flag(s.active).flag(s.armored);
    b.flag(s.baseArmored).flag(s.rear).flag(s.spread).flag(s.turret);
    b.text(s.itemID).integer(s.saveCode);
}

// Steps 1 to 9 of a 30-ton design; every scalar has a value of its own, so a swap shows.
// `scalars` receives the numbers from the tonnage to the right arm's last actuator.
Bytes smallDesign(bool omni, std::size_t* slotSection = nullptr,
                  std::vector<double>* scalars = nullptr) {
    Bytes b;
    b.fixed("Forgeplanwork Mech", 25).integer(1);
    b.text("Tiny").text("TN-1").text("tiny.hst").text(omni ? "beta" : "");
    const std::size_t firstScalar = b.values.size();
    b.integer(30).doubleValue(29.5).doubleValue(0.5);                    // tonnage, total, free
    b.integer(5).integer(8).integer(10).integer(3);                      // walk, run, sprint, jump
    b.integer(0).integer(2).integer(omni ? catalog::kOmniMech : 0);      // tech base, level, type
    b.integer(1).integer(2).integer(3).integer(1).integer(1).integer(1); // engine..heat sinks
    b.integer(2).integer(1);                                             // gyro, jump jets
    b.integer(41).integer(42);                                           // reserved
    b.flag(true).integer(1).flag(false).flag(true);                      // TSM, MASC, SC, NSS
    b.integer(4).integer(2).integer(7).integer(11);                      // TC, MASC, in engine, HS
    b.flag(false).integer(6).integer(2).flag(true).flag(false);          // limit, SC loc, phys
    b.integer(96).integer(11).integer(23).integer(9);                    // armour, heat
    b.longValue(2345678).integer(765).integer(150);                      // cost, BV, rating
    for (double tons : {5.5, 3.0, 1.25, 2.0, 6.0, 1.5, 1.75, 2.25, 1.0, 0.25, 0.5, 0.75, 0.125, 2.5,
                        0.375, 4.625}) {
        b.doubleValue(tons); // engine .. supercharger, base free tonnage
    }
    b.flag(omni).integer(1).integer(2).doubleValue(1.5); // locked, Artemis SRM/LRM, tons
    b.flag(true).flag(false).doubleValue(0.875).doubleValue(0.0625); // turrets
    b.flag(false).flag(true);                                        // armless, fractional
    for (bool a : {true, true, false, false, true, false, true, false}) {
        b.flag(a); // left arm 0-3, right arm 0-3
    }
    if (scalars != nullptr) {
        scalars->assign(b.values.begin() + static_cast<std::ptrdiff_t>(firstScalar),
                        b.values.end());
    }
    b.integer(1);
    weapon(b, kSmallLaser);
    weapon(b, kUnplacedPPC);
    b.integers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}); // armour
    if (slotSection != nullptr) {
        *slotSection = b.bytes.size();
    }
    b.integer(3);
    slot(b, {"", 4, 2, false, false, false, true, true, false, false, false, false, "cHS1", 1004});
    slot(b, {"", 3, 7, true, false, false, true, false, false, false, false, false, "3",
             dk::kSmallLaser});
    slot(b,
         {"Sensors", 4, 7, false, true, true, true, false, false, false, false, false, "-1", -1});
    slot(b, {"", 5, 7, false, false, false, false, false, false, false, false, false, "", -1});
    b.integers({0, 1, 2, 0, 1, 0, 0});
    return b;
}

model::Mech parse(Kit& kit, const std::string& bytes) {
    DesignFileResult result = parseDesignFile(bytes, kit.ctx);
    EXPECT_EQ(result.status, DesignFileResult::Status::Ok) << result.failure.description;
    return result.ok() ? std::move(*result.mech) : model::Mech(kit.ctx);
}

TEST(DesignFileLayout, HandAssembledDesignOpensToItsFields) {
    Kit kit;
    std::vector<double> written;
    const model::Mech mech = parse(kit, smallDesign(false, nullptr, &written).bytes);
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
    EXPECT_EQ(read, written);
    EXPECT_EQ(f.armor, (std::array<std::int16_t, 11>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(f.caseSettings, (std::array<std::int16_t, 7>{0, 1, 2, 0, 1, 0, 0}));
    // Not in the file: counted from the slots, and the per-arm size of the mace.
    EXPECT_EQ(f.armoredSlots, 1);
    EXPECT_EQ(f.physicalSize, 2);
    EXPECT_EQ(mech.weapons(), (std::vector{kSmallLaser, kUnplacedPPC}));

    const model::CritLocation& head = mech.critLocation(7);
    EXPECT_EQ(head.SlotText(3), "Small Laser");
    EXPECT_TRUE(head.IsWeaponSlot(3));
    EXPECT_EQ(head.SlotItemId(3), "3");
    EXPECT_EQ(head.SlotText(4), "Sensors");
    EXPECT_TRUE(head.IsLockedSlot(4));
    EXPECT_EQ(head.SlotText(5), "Roll Again");
    EXPECT_FALSE(head.IsOccupied(5));
    // Slots before the first record are free, not the defaults of a new design.
    EXPECT_EQ(head.SlotText(0), "Roll Again");
    EXPECT_FALSE(mech.critLocation(0).IsOccupied(0));
    const model::CritLocation& leftLeg = mech.critLocation(2);
    EXPECT_EQ(leftLeg.SlotText(4), catalog::heatSinkLongName(1));
    EXPECT_TRUE(leftLeg.IsArmoredSlot(4));
    EXPECT_EQ(leftLeg.SlotItemId(4), "cHS1");
}

TEST(DesignFileLayout, WriterPutsEveryValueWhereTheLayoutHasIt) {
    Kit kit;
    std::size_t slotSection = 0;
    const std::string hand = smallDesign(false, &slotSection).bytes;
    const std::string written = writeDesignFile(parse(kit, hand));
    // Everything before the slot records, and the CASE values after them, byte for byte.
    ASSERT_GT(written.size(), slotSection + 14);
    EXPECT_EQ(written.substr(0, slotSection), hand.substr(0, slotSection));
    EXPECT_EQ(written.substr(written.size() - 14), hand.substr(hand.size() - 14));
    // The slot records start at the first slot with an item: the left leg's heat sink, with
    // its text left out because the save code names it.
    Bytes first;
    first.integer(0).integer(4).integer(2);
    EXPECT_EQ(written.substr(slotSection + 2, 6), first.bytes);
}

TEST(DesignFileLayout, HandAssembledOmniSectionOpensToItsConfigurations) {
    const model::WeaponEntry kBasePPC{dk::kPPC, 0, {4}, 3, false, true, true, false, false};
    const model::WeaponEntry kBetaLaser{
        dk::kMediumLaser, 1, {4}, 1, false, false, true, false, false};
    Bytes b = smallDesign(true);
    b.integer(0);
    weapon(b, kBasePPC);
    b.integers({12, 2, 1, -1, 0, 3, 1, 2});
    b.integers({0, 0, 0, 0, 1, 0, 0});
    b.integers({-1, -1, -1, 0, 0, 0, 0, 0}); // pairs: left i, right i
    for (int loc = 0; loc < 8; ++loc) {
        if (loc != 4) {
            b.integer(-1);
            continue;
        }
        b.integer(3);
        for (int i = 0; i < 3; ++i) {
            slot(b,
                 {"", i, 4, false, false, false, false, false, false, false, false, false, "", -1});
        }
        slot(b,
             {"", 3, 4, true, false, true, true, false, false, false, false, false, "0", dk::kPPC});
    }
    b.integer(1).fixed("Prime", 25).fixed("  Beta", 25);
    b.integer(-1); // Prime keeps no slot of its own
    b.integer(0);
    slot(b, {"", 1, 4, true, false, false, true, false, false, false, false, false, "1",
             dk::kMediumLaser});
    b.integer(1);
    weapon(b, kBasePPC);
    b.integer(2);
    weapon(b, kBasePPC);
    weapon(b, kBetaLaser);
    // Heat sinks, jump MP, physical weapon, targeting system, Artemis LRM and SRM (Prime, Beta).
    b.integers({12, 15, 2, 0, 1, -1, 0, 0, 0, -1, 3, 0, 1, 2, 0, 0});
    b.integers({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0});
    b.integers({-1, -1, -1, -1, 0, 0, 0, 0, -1, -1, -1, -1, -1, 0, 0, 0});

    Kit kit;
    const model::Mech mech = parse(kit, b.bytes);
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
