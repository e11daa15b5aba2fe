#include "catalog/weapondatabase.h"

#include <numeric>

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "app/recordcodec.h"
#include "support/bytepatch.h"
#include "support/golden.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::catalog {
namespace {

using testing::ScriptedUser;
using testing::TempDir;

const std::string kContact = "Please contact Quennard at support@quennard.example for "
                             "information about obtaining a new database.";

// A record with every field away from its default, so a field read into the wrong place or
// skipped shows up as a difference.
WeaponRecord sampleWeapon(std::string name, std::int16_t techBase) {
    WeaponRecord r;
    r.name = std::move(name);
    r.weaponType = 2;
    r.techLevel = 2;
    r.techBase = techBase;
    r.tonnage = 10.5;
    r.unnamed6 = 77;
    r.unnamed7 = {1, 2, 3, 4, 5, 6, 7, 0xFF};
    r.heat = 6;
    r.damage = 1;
    r.minRange = 6;
    r.shortRange = 7;
    r.mediumRange = 14;
    r.longRange = 21;
    r.extremeRange = 28;
    r.rangeUnit = "Hex";
    r.critSlots = 5;
    r.unnamed17 = -300;
    r.unnamed18 = {9, 8, 7, 6, 5, 4, 3, 2};
    r.spreadable = true;
    r.cost = 250000;
    r.combatValue = 12;
    r.battleValue = 181.5;
    r.shotsPerTon = 6;
    r.damagePer = "Missile";
    r.maxDamage = 20;
    r.tcLinkable = -1;
    r.ammoWeaponType = 3;
    r.ammoCodes = {12, 13};
    r.defensiveItem = 1;
    r.hasManufacturers = true;
    r.manufacturers = {"Zeus Werke", "Doré Systems"};
    r.averageDamage = 12;
    r.toHitModifier = -1;
    r.explosive = 1;
    r.ammoTypeText = "Swarm I";
    r.ammoPrintName = "LRM-20";
    r.artemisCapable = 1;
    r.artemisClass = 1;
    r.omniArmActuatorsAllowed = 0;
    r.muxName = "LongRangeMissile-20";
    return r;
}

// A record whose six strings and two arrays are empty.
WeaponRecord bareWeapon() {
    WeaponRecord r;
    r.rangeUnit.clear();
    r.damagePer.clear();
    return r;
}

struct LoadFixture {
    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
    WeaponTable before{sampleWeapon("Before", 0)};

    LoadFixture() { ctx.weapons = before; }
    void writeDatabase(std::string_view bytes) { dir.write(kWeaponDatabaseFile, bytes); }
};

std::string headerBytes(std::string_view text, std::int16_t version) {
    app::RecordWriter out;
    out.fixedText(text, kWeaponDatabaseHeaderWidth);
    out.integer(version);
    return out.release();
}

TEST(WeaponDatabase, WrittenTableReadsBackEqual) {
    const WeaponTable table{sampleWeapon("LRM-20", 0), sampleWeapon("LRM-20", 1), bareWeapon()};
    const auto parsed = parseWeaponDatabase(writeWeaponDatabase(table));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.value, table);
}

TEST(WeaponDatabase, LayoutHasNoPadding) {
    const std::string bytes = writeWeaponDatabase({bareWeapon()});
    ASSERT_EQ(bytes.size(), 34u + 106u);
    EXPECT_EQ(bytes.substr(0, 30), "Forgeplanwork Weapon Database ");
    EXPECT_EQ(bytes.substr(30, 4), std::string("\x11\x00\x00\x00", 4)); // version 17, N = 0

    // Strings are a length and the bytes; text is Windows-1252 in the file.
    WeaponRecord named = bareWeapon();
    named.name = "Café";
    const std::string withName = writeWeaponDatabase({named});
    EXPECT_EQ(withName.size(), 34u + 106u + 4u);
    EXPECT_EQ(withName.substr(34, 6), std::string("\x04\x00"
                                                  "Caf\xE9",
                                                  6));
}

TEST(WeaponDatabase, ProgressAdvancesAndEventsRunAfterEveryRecord) {
    for (const WeaponTable& table :
         {WeaponTable{sampleWeapon("AC/20", 0)},
          WeaponTable{sampleWeapon("A", 0), sampleWeapon("B", 0), sampleWeapon("C", 1)}}) {
        LoadFixture f;
        f.writeDatabase(writeWeaponDatabase(table));
        std::vector<std::pair<int, int>> ranges;
        std::vector<int> advanced;
        LoadProgress progress{[&](int lo, int hi) { ranges.emplace_back(lo, hi); },
                              [&](int value) { advanced.push_back(value); }};
        ASSERT_TRUE(LoadWeapons(f.ctx, progress));
        EXPECT_EQ(f.ctx.weapons, table);
        const int last = static_cast<int>(table.size()) - 1;
        EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{0, last}}));
        std::vector<int> each(table.size());
        std::iota(each.begin(), each.end(), 0);
        EXPECT_EQ(advanced, each);
        EXPECT_EQ(f.user.eventPumps, last + 1);
        EXPECT_TRUE(f.user.messages.empty());
    }
}

TEST(WeaponDatabase, MissingFileShowsAPlainMessage) {
    LoadFixture f;
    EXPECT_FALSE(LoadWeapons(f.ctx));
    const auto& shown = f.user.onlyMessage();
    EXPECT_EQ(shown.text, "The weapon database is missing.");
    EXPECT_EQ(shown.title, "");
    EXPECT_EQ(shown.icon, app::MessageIcon::None);
    EXPECT_EQ(f.ctx.weapons, f.before);
}

struct HeaderCase {
    const char* header; // exactly 30 bytes go to the file
    bool accepted;
};

class WeaponDatabaseHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(WeaponDatabaseHeader, OnlyTheTitleBetweenBlanksIsAccepted) {
    LoadFixture f;
    const std::string header = std::string(GetParam().header).substr(0, 30);
    ASSERT_EQ(header.size(), 30u);
    const std::string body = writeWeaponDatabase({sampleWeapon("X", 0)}).substr(30);
    f.writeDatabase(header + body);
    EXPECT_EQ(LoadWeapons(f.ctx), GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_TRUE(f.user.messages.empty());
        EXPECT_EQ(f.ctx.weapons.at(0).name, "X");
    } else {
        const auto& shown = f.user.onlyMessage();
        EXPECT_EQ(shown.text, "The weapons database is corrupt. " + kContact);
        EXPECT_EQ(shown.title, "Database corrupt");
        EXPECT_EQ(shown.icon, app::MessageIcon::Critical);
        EXPECT_EQ(f.ctx.weapons, f.before);
    }
}

INSTANTIATE_TEST_SUITE_P(Headers, WeaponDatabaseHeader,
                         ::testing::Values(HeaderCase{"Forgeplanwork Weapon Database ", true},
                                           HeaderCase{" Forgeplanwork Weapon Database", true},
                                           HeaderCase{"Forgeplanwork Weapon Databas  ", false},
                                           HeaderCase{"Forgeplanwork  Weapon Database", false},
                                           HeaderCase{"Forgeplanwork Weapon Database\t", false}));

TEST(WeaponDatabase, OtherVersionsNameBothNumbers) {
    for (const std::int16_t version : {16, 18, -1}) {
        LoadFixture f;
        f.writeDatabase(headerBytes(kWeaponDatabaseHeader, version) +
                        writeWeaponDatabase({sampleWeapon("X", 0)}).substr(32));
        EXPECT_FALSE(LoadWeapons(f.ctx));
        const auto& shown = f.user.onlyMessage();
        EXPECT_EQ(shown.text, "The weapons database is the wrong version. The program is "
                              "looking for a database of version 17 but this database is "
                              "version " +
                                  std::to_string(version) + ". " + kContact);
        EXPECT_EQ(shown.title, "Database corrupt");
        EXPECT_EQ(shown.icon, app::MessageIcon::Critical);
        EXPECT_EQ(f.ctx.weapons, f.before);
    }
}

TEST(WeaponDatabase, TruncationAtAnyByteLeavesTheTableAlone) {
    const std::string full = writeWeaponDatabase({sampleWeapon("LRM-5", 0), bareWeapon()});
    for (std::size_t length = 0; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        LoadFixture f;
        f.writeDatabase(full.substr(0, length));
        EXPECT_FALSE(LoadWeapons(f.ctx));
        EXPECT_EQ(f.ctx.weapons, f.before);
        ASSERT_EQ(f.user.messages.size(), 1u);
        const auto& shown = f.user.messages.front();
        if (length < 34) {
            // Nothing but the header and version: not this database.
            EXPECT_EQ(shown.title, "Database corrupt");
        } else if (shown.title == "Error") {
            EXPECT_NE(shown.text.find("Function: LoadWeapons"), std::string::npos);
            EXPECT_NE(shown.text.find("Error Number: 62"), std::string::npos);
            EXPECT_NE(shown.text.find("Input past end of file"), std::string::npos);
        } else {
            EXPECT_EQ(shown.title, "Database corrupt");
        }
    }
}

TEST(WeaponDatabase, AbsurdCountsAreRefusedWithoutAllocating) {
    const std::string one = writeWeaponDatabase({bareWeapon()});
    for (const std::int16_t lastIndex : {std::int16_t{-1}, std::int16_t{1}, std::int16_t{32767}}) {
        SCOPED_TRACE(lastIndex);
        const auto parsed = parseWeaponDatabase(
            testing::patchLittleEndian(one, 32, static_cast<std::uint16_t>(lastIndex), 2));
        EXPECT_EQ(parsed.status, ParseStatus::Damaged);
        EXPECT_TRUE(parsed.value.empty());
    }

    // The ammunition codes' element count sits right after the field 27 Integer.
    WeaponRecord coded = bareWeapon();
    coded.ammoCodes = {5};
    const std::string withCodes = writeWeaponDatabase({coded});
    // Header, the fixed fields 1 to 27, their three empty strings, the dimension count.
    const std::size_t countAt = 34 + 74 + 3 * 2 + 2;
    for (const std::uint32_t count : {0x80000000u, 0x10000u}) {
        SCOPED_TRACE(count);
        const auto parsed =
            parseWeaponDatabase(testing::patchLittleEndian(withCodes, countAt, count, 4));
        EXPECT_EQ(parsed.status, ParseStatus::ReadFailure);
        EXPECT_EQ(parsed.failure.number, 62);
    }
    // The unmodified file does read, so the offset above is the count's.
    EXPECT_TRUE(parseWeaponDatabase(withCodes).ok());
}

TEST(WeaponLookup, FindsTheFirstExactNameOfTheTechBase) {
    const WeaponTable table{sampleWeapon("LRM-20", 1), sampleWeapon("LRM-20", 0),
                            sampleWeapon("LRM-20", 0), sampleWeapon("Medium Laser", 0)};
    EXPECT_EQ(findWeapon(table, "LRM-20", 0), 1);
    EXPECT_EQ(findWeapon(table, "LRM-20", 1), 0);
    EXPECT_EQ(findWeapon(table, "Medium Laser", 0), 3);
    EXPECT_EQ(findWeapon(table, "Medium Laser", 1), -1);
    EXPECT_EQ(findWeapon(table, "lrm-20", 0), -1);
    EXPECT_EQ(findWeapon(table, "LRM-20 ", 0), -1);
    EXPECT_EQ(findWeapon({}, "LRM-20", 0), -1);
}

struct AmmoCase {
    std::int16_t weaponType;
    std::vector<std::int16_t> weaponCodes;
    std::vector<std::int16_t> ammoCodes;
    bool uses;
    bool takes;
};

TEST(WeaponLookup, AmmunitionIsSharedByCodeForWeaponsThatFireIt) {
    const AmmoCase cases[] = {
        {1, {7}, {7}, true, true},       {2, {3, 4}, {9, 4}, true, true},
        {5, {11}, {11}, true, true},     {1, {7}, {8}, true, false},
        {1, {7}, {}, true, false},       {1, {-1}, {-1}, false, false},
        {2, {-1, 4}, {4}, false, false}, {1, {}, {7}, false, false},
        {0, {7}, {7}, false, false},     {3, {7}, {7}, false, false},
        {4, {7}, {7}, false, false},     {2, {4, -1}, {-1}, true, true},
    };
    for (const auto& c : cases) {
        WeaponRecord weapon = bareWeapon();
        weapon.weaponType = c.weaponType;
        weapon.ammoCodes = c.weaponCodes;
        WeaponRecord ammo = bareWeapon();
        ammo.weaponType = 4;
        ammo.ammoCodes = c.ammoCodes;
        EXPECT_EQ(usesAmmunition(weapon), c.uses) << c.weaponType;
        EXPECT_EQ(takesAmmunition(weapon, ammo), c.takes) << c.weaponType;
    }
}

TEST(WeaponLookup, AmmunitionHeaderFillsTheTemplateInOnePass) {
    WeaponRecord ammo = bareWeapon();
    ammo.ammoPrintName = "LRM-20";
    app::Settings settings;
    EXPECT_EQ(ammunitionHeader(ammo, 6, settings), "@LRM-20 (6)");
    ammo.ammoTypeText = "Swarm I";
    EXPECT_EQ(ammunitionHeader(ammo, 12, settings), "@LRM-20 [Swarm I] (12)");

    settings.ammoSpecialHeader = "%2 x %1 for %0, %0";
    EXPECT_EQ(ammunitionHeader(ammo, 12, settings), "12 x Swarm I for LRM-20, LRM-20");

    // Filled-in text is never searched again, whatever placeholders it holds.
    ammo.ammoPrintName = "Odd %1 %2 %0";
    ammo.ammoTypeText = "T%0";
    EXPECT_EQ(ammunitionHeader(ammo, 3, "@%0 [%1] (%2)", "@%0 (%2)"), "@Odd %1 %2 %0 [T%0] (3)");
    ammo.ammoTypeText.clear();
    EXPECT_EQ(ammunitionHeader(ammo, 3, "@%0 [%1] (%2)", "@%0 (%2) 100%"),
              "@Odd %1 %2 %0 (3) 100%");
}

// Three records: every value set, every value "not applicable", and zeroes that apply with a
// damage that has no unit. Checked by hand: each line against the record's field beside it
// (the texts were asserted line by line before this file held them).
TEST(WeaponInformation, ListsEveryValueWithItsLabelOrADash) {
    WeaponRecord notApplicable = bareWeapon();
    notApplicable.weaponType = 3;
    notApplicable.techBase = 2;
    notApplicable.tonnage = notApplicable.heat = notApplicable.critSlots = -1;
    notApplicable.minRange = notApplicable.shotsPerTon = -1;
    notApplicable.damage = notApplicable.combatValue = notApplicable.cost = 0;
    notApplicable.battleValue = 0;
    notApplicable.damagePer = "Missile";
    WeaponRecord zeroes = bareWeapon();
    zeroes.tonnage = zeroes.battleValue = 0;
    zeroes.heat = zeroes.critSlots = zeroes.minRange = zeroes.shotsPerTon = 0;
    zeroes.damage = 5;
    zeroes.damagePer = "-1";
    zeroes.battleValue = 0.25;
    zeroes.cost = 1;
    std::string all;
    for (const WeaponRecord& r : {sampleWeapon("LRM-20", 1), notApplicable, zeroes}) {
        all += weaponInformationText(r) + "\r\n=====\r\n";
    }
    testing::expectMatchesGolden(all,
                                 FPW_TESTS_SOURCE_DIR "/catalog/golden/weapon_information.txt");
}

} // namespace
} // namespace fpw::catalog
