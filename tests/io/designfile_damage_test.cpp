// Damaged design files fail cleanly with their message, and the open design stays as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <limits>
#include <tuple>
#include <utility>

#include "catalog/equipment.h"
#include "io/designfile.h"
#include "io/designkit.h"
#include "support/bytepatch.h"

namespace fpw::io {
namespace {

using Status = DesignFileResult::Status;
using testing::designkit::Kit;
namespace dk = testing::designkit;

constexpr std::size_t kScalarBytes = 44 * 2 + 21 * 8 + 4;
constexpr std::size_t kActuatorBytes = 16;

void patch16(std::string& bytes, std::size_t at, std::int16_t value) {
    bytes = testing::patchLittleEndian(bytes, at, static_cast<std::uint16_t>(value), 2);
}

// Where the weapon list of a design's file starts: after header, version, names and scalars.
std::size_t weaponListOffset(const model::Mech& mech) {
    const model::MechFields& f = mech.fields();
    const std::size_t names =
        8 + f.mechName.size() + f.mechModel.size() + f.historyFile.size() + f.currentConfig.size();
    return 27 + names + kScalarBytes + kActuatorBytes;
}

std::size_t slotListOffset(const model::Mech& mech) {
    std::size_t at = weaponListOffset(mech) + 2;
    for (const model::WeaponEntry& w : mech.weapons()) {
        if (!w.isFree()) {
            at += 26 + 2 * w.locations.size();
        }
    }
    return at + 22;
}

// Opening over a design that is already open, so that a change to it would show.
class DamagedFile : public ::testing::Test {
protected:
    DamagedFile() : open(dk::plainDesign(kit.ctx)) {
        SaveMech(open, kit.dir.file("plain.fpm"));
        plain = before = kit.dir.read("plain.fpm");
        beforeFields = open.fields();
        beforeSlots = open.critLocations();
    }

    // Opens `bytes` and checks that it fails and leaves the open design alone.
    std::string openFails(const std::string& bytes, bool quiet = true) {
        const std::string path = kit.dir.write("damaged.fpm", bytes);
        std::string message;
        EXPECT_FALSE(TOpenMech(open, path, quiet, message));
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(writeDesignFile(open), before);
        EXPECT_EQ(open.fields(), beforeFields);
        EXPECT_EQ(open.critLocations(), beforeSlots);
        if (quiet) {
            EXPECT_TRUE(kit.user.messages.empty());
        }
        return message;
    }

    Kit kit;
    model::Mech open;
    std::string plain;
    std::string before;
    model::MechFields beforeFields;
    std::array<model::CritLocation, 8> beforeSlots;
};

TEST_F(DamagedFile, EveryTruncationFailsWithTheRightKindOfMessage) {
    const std::string omni = writeDesignFile(dk::lockedOmniDesign(kit.ctx));
    for (const std::string* file : {&std::as_const(plain), &omni}) {
        for (std::size_t n = 0; n < file->size(); ++n) {
            const DesignFileResult result = parseDesignFile(file->substr(0, n), kit.ctx);
            ASSERT_FALSE(result.ok()) << "cut at " << n;
            EXPECT_FALSE(result.mech.has_value());
            EXPECT_EQ(result.status,
                      n < kDesignFileHeaderWidth ? Status::IncorrectHeader : Status::Damaged)
                << "cut at " << n;
            EXPECT_TRUE(n < kDesignFileHeaderWidth ||
                        result.failure.number == app::failure::kInputPastEndOfFile ||
                        result.failure.number == app::failure::kBadFileFormat);
        }
    }
    // Through the file procedure as well, at points spread over the whole file.
    for (std::size_t n = 30; n < plain.size(); n += 97) {
        const std::string message = openFails(plain.substr(0, n));
        EXPECT_NE(message.find(kOpenMechProcedure), std::string::npos);
    }
    const std::string message = openFails(plain.substr(0, plain.size() - 1));
    EXPECT_NE(message.find("Error Number: 62"), std::string::npos);
    EXPECT_NE(message.find("Input past end of file"), std::string::npos);
    // Not quiet, the error report is shown.
    openFails(plain.substr(0, 300), false);
    EXPECT_EQ(kit.user.onlyMessage().title, "Error");
    EXPECT_NE(kit.user.onlyMessage().text.find("Function: Mech.OpenMech"), std::string::npos);
}

TEST_F(DamagedFile, WrongHeadersAndOtherVersionsAreRefusedWithTheirMessage) {
    const std::string rest = plain.substr(kDesignFileHeaderWidth);
    for (const std::string& header : std::vector<std::string>{
             "", "Forgeplanwork Mec", "forgeplanwork Mech       ", "  Forgeplanwork Mech     ",
             "Forgeplanwork Weapon Data", std::string(25, '\0')}) {
        kit.user.messages.clear();
        EXPECT_EQ(openFails(header.empty() ? header : header + rest, false),
                  incorrectHeaderMessage())
            << header;
        EXPECT_EQ(kit.user.onlyMessage().title, "Incorrect header");
        EXPECT_EQ(kit.user.onlyMessage().text, incorrectHeaderMessage());
    }
    for (std::int16_t version : {0, 2, -1, 300}) {
        kit.user.messages.clear();
        std::string bytes = plain;
        patch16(bytes, kDesignFileHeaderWidth, version);
        const std::string expected =
            "This mech file does not have the correct version number. This executable can only "
            "open mechs with a version of 1 but this mech has a version of " +
            std::to_string(version) + ". This mech will not be opened.";
        EXPECT_EQ(openFails(bytes), expected);
        kit.user.messages.clear();
        EXPECT_EQ(openFails(bytes, false), expected);
        EXPECT_EQ(kit.user.onlyMessage().title, "Incorrect version");
        EXPECT_EQ(kit.user.onlyMessage().text, expected);
    }
}

TEST_F(DamagedFile, AbsurdCountsAndImpossibleValuesAreDamage) {
    const std::size_t weapons = weaponListOffset(open);
    const std::size_t slots = slotListOffset(open);
    const std::size_t scalars = weapons - kActuatorBytes - kScalarBytes;
    // The first slot record is the left arm's "Shoulder" with identifier "-1".
    const std::tuple<const char*, std::size_t, std::size_t, std::uint64_t> patches[] = {
        {"weapon count beyond the file", weapons, 2, 32767},
        {"weapon count below -1", weapons, 2, 0xFFFE},
        {"weapon outside the database", weapons + 2, 2, dk::kWeaponCount},
        {"negative weapon record", weapons + 2, 2, 0xFFFF},
        {"location list longer than the file", weapons + 8, 4, 0x7fffffff},
        {"location list of two dimensions", weapons + 6, 2, 2},
        {"weapon location 9", weapons + 16, 2, 9},
        {"start slot 40", weapons + 18, 2, 40},
        {"slot count beyond the file", slots, 2, 32000},
        {"slot location 8", slots + 14, 2, 8},
        {"slot index 12", slots + 12, 2, 12},
        {"unknown save code", slots + 38, 2, 1005},
        {"name longer than the file", 27, 2, 0xFFFF},
        {"total tonnage not a number", scalars + 2, 8,
         std::bit_cast<std::uint64_t>(std::numeric_limits<double>::quiet_NaN())},
        {"right torso turret tonnage infinite", scalars + kScalarBytes - 12, 8,
         std::bit_cast<std::uint64_t>(-std::numeric_limits<double>::infinity())},
        {"a byte after the end", plain.size(), 0, 0},
    };
    for (const auto& [what, at, width, value] : patches) {
        std::string bytes = plain;
        bytes.resize(std::max(bytes.size(), at + 1), 'x');
        bytes = testing::patchLittleEndian(bytes, at, value, width);
        EXPECT_EQ(parseDesignFile(bytes, kit.ctx).status, Status::Damaged) << what;
        EXPECT_NE(openFails(bytes).find("Function: Mech.OpenMech"), std::string::npos) << what;
    }
}

TEST_F(DamagedFile, AbsurdCountsInTheOmniSectionAreDamage) {
    model::Mech omni = dk::lockedOmniDesign(kit.ctx);
    omni.SaveCurrentConfig();
    const std::string file = writeDesignFile(omni);
    // The part before the section is as long as the same design's file without it.
    model::MechFields unlocked = omni.fields();
    unlocked.omniBaseLocked = false;
    model::Mech plainCopy = omni;
    plainCopy.restoreFields(unlocked);
    const std::size_t section = writeDesignFile(plainCopy).size();
    const std::size_t baseSlots = section + 2 + 28 + 16 + 14 + 16;
    const std::size_t names = file.find("Prime" + std::string(20, ' '));
    ASSERT_NE(names, std::string::npos);

    const std::pair<const char*, std::pair<std::size_t, std::int16_t>> patches[] = {
        {"base weapon count", {section, 20000}},
        {"base slots beyond the location", {baseSlots, 12}},
        {"base slots beyond the file", {baseSlots, 11000}},
        {"configuration count beyond the file", {names - 2, 30000}},
        {"configuration count below -1", {names - 2, -7}},
    };
    for (const auto& [what, change] : patches) {
        std::string bytes = file;
        patch16(bytes, change.first, change.second);
        const DesignFileResult result = parseDesignFile(bytes, kit.ctx);
        EXPECT_EQ(result.status, Status::Damaged) << what;
    }
    // The first base chassis slot record (the left arm's first slot) said to lie in the left
    // torso: damage. The same file with the left arm's next record running past the end (its
    // text longer than the file) ends early, and says so rather than naming the bad value
    // read before it.
    const std::size_t record = baseSlots + 2;
    const std::size_t textLength = static_cast<unsigned char>(file[record]) +
                                   256 * static_cast<unsigned char>(file[record + 1]);
    std::string elsewhere = file;
    patch16(elsewhere, record + 2 + textLength + 2, 1);
    DesignFileResult result = parseDesignFile(elsewhere, kit.ctx);
    EXPECT_EQ(result.status, Status::Damaged);
    EXPECT_EQ(result.failure.number, app::failure::kBadFileFormat);
    const std::size_t next = record + 2 + textLength + 22;
    patch16(elsewhere, next + 2 + static_cast<unsigned char>(file[next]) + 2, -1);
    result = parseDesignFile(elsewhere, kit.ctx);
    EXPECT_EQ(result.status, Status::Damaged);
    EXPECT_EQ(result.failure.number, app::failure::kInputPastEndOfFile);

    // Two configurations of one name (letter case aside) cannot be told apart.
    std::string twice = file;
    twice.replace(names + 25, 5, "PRIME");
    EXPECT_EQ(parseDesignFile(twice, kit.ctx).status, Status::Damaged);
}

// A configuration writes exactly the slots the base chassis does not fix; a file where the two
// disagree would write its configurations' slots differently at every save.
TEST_F(DamagedFile, ConfigurationSlotsTheBaseChassisDisownsAreDamage) {
    model::Mech omni = dk::lockedOmniDesign(kit.ctx);
    omni.SaveCurrentConfig();
    const std::string file = writeDesignFile(omni);
    constexpr int kLoc = 6;
    constexpr int kGyroSlot = 3;
    ASSERT_TRUE(omni.omniState().base.slots.TIsBaseItem(kLoc, kGyroSlot));
    const auto withBaseSlot = [&](auto change) {
        model::OmniState state = omni.omniState();
        model::CriticalLocation location = state.base.slots.GetLoc(kLoc);
        model::CriticalSlot slot = *location.GetSlot(kGyroSlot);
        change(slot);
        location.Add(slot);
        state.base.slots.Add(location);
        model::Mech changed = omni;
        changed.restoreOmniState(std::move(state));
        return writeDesignFile(changed);
    };

    // Armoured after the lock: each configuration that takes the slot over would keep it.
    const std::string armored = withBaseSlot([](model::CriticalSlot& s) { s.isArmored = true; });
    EXPECT_EQ(parseDesignFile(armored, kit.ctx).status, Status::Damaged);
    // Written while the base slot was free, so every configuration keeps it; the base slot's
    // locked flag (the first byte that differs) then set again.
    std::string kept = withBaseSlot([](model::CriticalSlot& s) { s.isLocked = false; });
    const auto at = static_cast<std::size_t>(
        std::mismatch(kept.begin(), kept.end(), file.begin()).first - kept.begin());
    patch16(kept, at, -1);
    EXPECT_EQ(parseDesignFile(kept, kit.ctx).status, Status::Damaged);
}

TEST_F(DamagedFile, AMissingFileIsReportedAndChangesNothing) {
    std::string message;
    EXPECT_FALSE(TOpenMech(open, kit.dir.file("absent.fpm"), true, message));
    EXPECT_NE(message.find("File not found"), std::string::npos);
    EXPECT_TRUE(kit.user.messages.empty());
    EXPECT_EQ(writeDesignFile(open), before);

    EXPECT_FALSE(TOpenMech(open, kit.dir.file("absent.fpm"), false, message));
    EXPECT_EQ(kit.user.onlyMessage().title, "Error");
    EXPECT_EQ(kit.user.onlyMessage().text, message);
}

TEST(DesignFileSave, AFailedSaveKeepsTheOldFileAndTheDesignsName) {
    Kit kit;
    model::Mech mech = dk::plainDesign(kit.ctx);
    const std::string path = kit.dir.write("kept.fpm", "the old design");
    mech.setSaveFilename("earlier.fpm");
    // More weapons than the file's 16-bit count can hold.
    std::vector<model::WeaponEntry> many(40000);
    for (std::size_t i = 0; i < many.size(); ++i) {
        many[i].refID = dk::kMediumLaser;
        many[i].weaponIndex = static_cast<std::int16_t>(i % 30000);
    }
    mech.setWeapons(many);
    EXPECT_FALSE(SaveMech(mech, path));
    EXPECT_EQ(kit.dir.read("kept.fpm"), "the old design");
    EXPECT_EQ(mech.saveFilename(), "earlier.fpm");
    EXPECT_EQ(kit.user.onlyMessage().title, "Error");
    EXPECT_NE(kit.user.onlyMessage().text.find("Mech.SaveMech"), std::string::npos);
    EXPECT_EQ(kit.user.busyCount, kit.user.normalCount);
}

} // namespace
} // namespace fpw::io
