// The reference files' readers and writers: what a good file loads to, and that every damaged,
// truncated, missing or foreign file shows its message and leaves what was loaded before.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <optional>

#include "app/filelayer.h"
#include "app/programcontext.h"
#include "app/recordcodec.h"
#include "catalog/bvdatafile.h"
#include "catalog/credits.h"
#include "catalog/namelists.h"
#include "catalog/pilotfile.h"
#include "catalog/plotfile.h"
#include "catalog/weapondatabase.h"
#include "data/datafiles.h"
#include "support/bytepatch.h"
#include "support/contextfixture.h"
#include "support/tempdir.h"

namespace fpw::catalog {
namespace {

using testing::patchLittleEndian;
using Fixture = testing::ContextFixture;

const std::string kContact = "Please contact Quennard at support@quennard.example for "
                             "information about obtaining a new database.";

// The file with its 30- or 50-byte header replaced and the rest kept.
std::string withHeader(const std::string& bytes, std::string_view header, std::size_t width) {
    app::RecordWriter out;
    out.fixedText(header, width);
    return out.bytes() + bytes.substr(width);
}

std::string withInteger(const std::string& bytes, std::size_t at, std::int16_t value) {
    return patchLittleEndian(bytes, at, static_cast<std::uint16_t>(value), 2);
}

// Every value distinct, so a value read into the wrong place shows up.
BVTables sampleBVTables() {
    BVTables t;
    double next = 0.5;
    const auto fill = [&next](auto& column) {
        for (double& value : column)
            value = next += 0.125;
    };
    fill(t.engineMultiplierIS);
    fill(t.engineMultiplierClan);
    fill(t.offensiveSpeedFactor);
    fill(t.defensiveMovementFactor);
    for (std::size_t i = 0; i < t.skillMultiplier.size(); ++i)
        t.skillMultiplier[i] = {static_cast<std::int16_t>(i / 8), static_cast<std::int16_t>(i % 8),
                                next += 0.125};
    return t;
}

// Location i has i % 4 points; an empty location's arrays have the lower bound 0.
PlotTable samplePlot(std::size_t locations, std::int32_t lowerBound) {
    PlotTable table;
    for (std::size_t i = 0; i < locations; ++i) {
        PlotRecord r;
        r.pointSize = static_cast<std::int16_t>(3 + i);
        r.lowerBound = i % 4 == 0 ? 0 : lowerBound;
        for (std::size_t p = 0; p < i % 4; ++p) {
            r.x.push_back(static_cast<std::int16_t>(100 * i + p));
            r.y.push_back(static_cast<std::int16_t>(-5 - static_cast<int>(p)));
        }
        table.push_back(r);
    }
    return table;
}

// A record whose strings and arrays are all empty.
WeaponRecord bareWeapon() {
    WeaponRecord r;
    r.rangeUnit.clear();
    r.damagePer.clear();
    return r;
}

// Records of the shipped database, every field as the game has it, and an empty one.
const WeaponTable& someWeapons() {
    static const WeaponTable few = [] {
        const WeaponTable& all = testing::builtWeapons();
        return all.size() < 2 ? WeaponTable{} : WeaponTable{all[0], all.back(), bareWeapon()};
    }();
    return few;
}

const WeaponTable kEarlierWeapons{WeaponTable(1)};
const PilotList kPilots{{"Natasha Kerenský", 2, 3}, {"", 4, 5}, {"Kai", 1, 2}, {"", 0, 0}};
const std::vector<std::string> kPages{"Design\r\n\r\nJ. Quennard", "", "Thanks to René",
                                      "\r\nlast\r\n"};
const PlotTable kEarlierPlot = samplePlot(3, 0);

// What the program held before a load: a refusal must leave it (the pilot list excepted,
// which a refusal empties to one nameless pilot).
void holdEarlier(app::ProgramContext& ctx) {
    ctx.weapons = kEarlierWeapons;
    ctx.bvTables = {};
    ctx.bvDataLoaded = true;
    ctx.pilots = kPilots;
    ctx.armorPlot = ctx.internalPlot = kEarlierPlot;
}

struct Reader {
    const char* name;
    std::string_view file;
    std::string good; // a file the loader takes
    std::function<bool(app::ProgramContext&)> load;
    std::function<bool(const app::ProgramContext&)> holdsGood;
    std::function<bool(const app::ProgramContext&)> refused; // the state a refusal leaves
    std::string corruptTitle;
    std::string function;  // named by a read error's report
    std::size_t errorFrom; // shorter files are refused as foreign, never as read errors
};

enum { kWeaponReader, kBVReader, kPilotReader, kArmorReader, kInternalReader };

std::vector<Reader> readers() {
    const auto plotsEarlier = [](const app::ProgramContext& c) {
        return c.armorPlot == kEarlierPlot && c.internalPlot == kEarlierPlot;
    };
    return {
        {"weapons", kWeaponDatabaseFile, writeWeaponDatabase(someWeapons()),
         [](app::ProgramContext& c) { return LoadWeapons(c); },
         [](const app::ProgramContext& c) { return c.weapons == someWeapons(); },
         [](const app::ProgramContext& c) { return c.weapons == kEarlierWeapons; },
         "Database corrupt", "LoadWeapons", 34},
        {"BV data", kBVDataFile, writeBVData(sampleBVTables()),
         [](app::ProgramContext& c) {
             LoadBVData(c);
             return c.bvDataLoaded;
         },
         [](const app::ProgramContext& c) { return c.bvTables == sampleBVTables(); },
         [](const app::ProgramContext& c) { return !c.bvDataLoaded && c.bvTables == BVTables{}; },
         "BV Datafile Corrupt", "", kBVDataFileSize},
        {"pilots", kPilotFile, writePilotFile(kPilots),
         [](app::ProgramContext& c) {
             LoadPilotData(c);
             return c.pilots != PilotList{Pilot{}};
         },
         [](const app::ProgramContext& c) { return c.pilots == kPilots; },
         [](const app::ProgramContext& c) { return c.pilots == PilotList{Pilot{}}; },
         "Pilot Datafile Corrupt", "LoadPilotData", 32},
        {"armour plot", kArmorPlotFile.fileName, writePlotFile(samplePlot(11, 1), kArmorPlotFile),
         LoadArmorPlot,
         [](const app::ProgramContext& c) { return c.armorPlot == samplePlot(11, 1); },
         plotsEarlier, "Database corrupt", "LoadArmorPlot", 52},
        {"internal plot", kInternalPlotFile.fileName,
         writePlotFile(samplePlot(8, 1), kInternalPlotFile), LoadInternalPlot,
         [](const app::ProgramContext& c) { return c.internalPlot == samplePlot(8, 1); },
         plotsEarlier, "Database corrupt", "LoadInternalPlot", 52},
    };
}

TEST(ReferenceFiles, WhatIsWrittenLoadsBackEqualWithoutAWord) {
    for (const Reader& r : readers()) {
        SCOPED_TRACE(r.name);
        Fixture f;
        holdEarlier(f.ctx);
        f.dir.write(r.file, r.good);
        EXPECT_TRUE(r.load(f.ctx));
        EXPECT_TRUE(r.holdsGood(f.ctx));
        EXPECT_TRUE(f.user.messages.empty());
    }
}

// Serves one file from memory: thousands of loads run without touching the disk.
class ServedFile : public app::FileLayer {
public:
    std::string path;
    std::string bytes;
    std::unique_ptr<app::OutputFile> create(const std::string&) override { return nullptr; }
    bool rename(const std::string&, const std::string&, std::string&) override { return false; }
    void remove(const std::string&) override {}
    std::optional<std::string> read(const std::string&) override { return bytes; }
    bool exists(const std::string& p) override { return p == path; }
};

TEST(ReferenceFiles, ATruncatedFileIsRefusedWithOneMessageAndChangesNothing) {
    for (const Reader& r : readers()) {
        Fixture f;
        ServedFile served;
        served.path = f.ctx.programFile(r.file);
        f.ctx.files = &served;
        for (std::size_t length = 0; length < r.good.size(); ++length) {
            SCOPED_TRACE(::testing::Message() << r.name << " cut to " << length);
            holdEarlier(f.ctx);
            f.user.messages.clear();
            served.bytes = r.good.substr(0, length);
            EXPECT_FALSE(r.load(f.ctx));
            ASSERT_TRUE(r.refused(f.ctx));
            ASSERT_EQ(f.user.messages.size(), 1u);
            const auto& shown = f.user.messages.front();
            if (length < r.errorFrom || shown.title != "Error") {
                EXPECT_EQ(shown.title, r.corruptTitle);
            } else {
                EXPECT_NE(shown.text.find("Function: " + r.function), std::string::npos);
                EXPECT_NE(shown.text.find("Error Number: 62"), std::string::npos);
            }
        }
    }
}

struct Refusal {
    int reader;
    const char* name;
    std::optional<std::string> bytes; // no file when empty
    std::string title;
    std::string text; // spot-checked on a few rows only
};

std::vector<Refusal> refusals(const std::vector<Reader>& all) {
    const std::string& weapons = all[kWeaponReader].good;
    const std::string& bv = all[kBVReader].good;
    const std::string& pilots = all[kPilotReader].good;
    const std::string& armor = all[kArmorReader].good;
    // Location 1 has one point; its Y array gets a lower bound of its own. Before it: header
    // and version, location 0 (size and two empty arrays), location 1's size, its X array
    // (dimensions, count, bound, one point), the Y array's dimensions and count.
    std::string unevenArrays = all[kInternalReader].good;
    unevenArrays[52 + 6 + 2 + 12 + 2 + 4] = 2;
    const char* corrupt = "Database corrupt";
    return {
        {kWeaponReader, "missing", std::nullopt, "", "The weapon database is missing."},
        {kWeaponReader, "two blanks inside",
         withHeader(weapons, "Forgeplanwork  Weapon Database", 30), corrupt,
         "The weapons database is corrupt. " + kContact},
        {kWeaponReader, "a tab after the title",
         withHeader(weapons, "Forgeplanwork Weapon Database\t", 30), corrupt, ""},
        {kWeaponReader, "version -1", withInteger(weapons, 30, -1), corrupt,
         "The weapons database is the wrong version. The program is looking for a database of "
         "version 17 but this database is version -1. " +
             kContact},
        {kBVReader, "missing", std::nullopt, "BV Datafile Missing",
         "The Battle Value database is missing. No Battle Value calculations will be performed."},
        {kBVReader, "header", withHeader(bv, "Forgeplanwork BV Data", 30), "BV Datafile Corrupt",
         ""},
        {kBVReader, "version 3", withInteger(bv, 30, 3), "Invalid BV Datafile", ""},
        {kPilotReader, "header", withHeader(pilots, "Forgeplanwork Pilots", 30),
         "Pilot Datafile Corrupt", ""},
        {kPilotReader, "version", withInteger(pilots, 30, 3), "Invalid Pilot Datafile", ""},
        {kPilotReader, "count -2", withInteger(pilots, 32, -2), "Pilot Datafile Corrupt", ""},
        {kPilotReader, "count -32768", withInteger(pilots, 32, -32768), "Pilot Datafile Corrupt",
         ""},
        {kArmorReader, "missing", std::nullopt, "", "The armor plot database is missing."},
        {kArmorReader, "the other plot's header", withHeader(armor, kInternalPlotFile.header, 50),
         corrupt, ""},
        {kArmorReader, "30-byte header",
         withHeader(armor, kArmorPlotFile.header, 30).substr(0, 30) + armor.substr(50), corrupt,
         ""},
        {kArmorReader, "version 2", withInteger(armor, 50, 2), corrupt,
         "The armor plot database is the wrong version. The program is looking for a database "
         "of version 1 but this database is version 2. " +
             kContact},
        {kInternalReader, "missing", std::nullopt, "",
         "The internal structure plot database is missing."},
        {kInternalReader, "uneven arrays", unevenArrays, corrupt,
         "The internal structure plot database is corrupt. " + kContact},
    };
}

TEST(ReferenceFiles, EveryRefusalShowsItsMessageAndChangesNothing) {
    const std::vector<Reader> all = readers();
    for (const Refusal& c : refusals(all)) {
        const Reader& r = all[c.reader];
        SCOPED_TRACE(std::string(r.name) + ": " + c.name);
        Fixture f;
        holdEarlier(f.ctx);
        if (c.bytes) {
            f.dir.write(r.file, *c.bytes);
        }
        EXPECT_FALSE(r.load(f.ctx));
        EXPECT_TRUE(r.refused(f.ctx));
        const auto& shown = f.user.onlyMessage();
        EXPECT_EQ(shown.title, c.title);
        if (!c.text.empty()) {
            EXPECT_EQ(shown.text, c.text);
        }
        EXPECT_EQ(shown.icon,
                  c.title.empty() ? app::MessageIcon::None : app::MessageIcon::Critical);
    }
}

// ---------------------------------------------------------------- weapon database

TEST(WeaponDatabase, LayoutHasNoPaddingAndTextIsWindows1252) {
    WeaponRecord named = bareWeapon();
    named.name = "Café";
    const std::string bytes = writeWeaponDatabase({named});
    ASSERT_EQ(bytes.size(), 34u + 106u + 4u);
    EXPECT_EQ(bytes.substr(0, 40), std::string("Forgeplanwork Weapon Database \x11\x00\x00\x00"
                                               "\x04\x00"
                                               "Caf\xE9",
                                               40));
    // The title may stand anywhere between blanks; what follows the table is not read.
    Fixture f;
    f.dir.write(kWeaponDatabaseFile,
                withHeader(bytes, " Forgeplanwork Weapon Database", 30) + "extra");
    ASSERT_TRUE(LoadWeapons(f.ctx));
    EXPECT_EQ(f.ctx.weapons, WeaponTable{named});
}

TEST(WeaponDatabase, AbsurdCountsAreRefusedWithoutAllocating) {
    const std::string one = writeWeaponDatabase({bareWeapon()});
    for (const std::int16_t lastIndex : {-1, 1, 32767}) {
        const auto parsed = parseWeaponDatabase(withInteger(one, 32, lastIndex));
        EXPECT_EQ(parsed.status, ParseStatus::Damaged) << lastIndex;
        EXPECT_TRUE(parsed.value.empty());
    }
    // The ammunition codes' element count: after the header, the fixed fields 1 to 27, their
    // three empty strings and the dimension count.
    WeaponRecord coded = bareWeapon();
    coded.ammoCodes = {5};
    const std::string withCodes = writeWeaponDatabase({coded});
    ASSERT_TRUE(parseWeaponDatabase(withCodes).ok());
    for (const std::uint32_t count : {0x80000000u, 0x10000u}) {
        const auto parsed =
            parseWeaponDatabase(patchLittleEndian(withCodes, 34 + 74 + 3 * 2 + 2, count, 4));
        EXPECT_EQ(parsed.status, ParseStatus::ReadFailure) << count;
        EXPECT_EQ(parsed.failure.number, 62);
    }
}

// ---------------------------------------------------------------- BV data, pilots, plots

TEST(BVDataFile, TheSkillTableStartsAtOffset400) {
    const std::string bytes = writeBVData(sampleBVTables());
    ASSERT_EQ(bytes.size(), 1168u);
    EXPECT_EQ(bytes.substr(0, 32), std::string("Forgeplanwork BV Data File    \x02\x00", 32));
    // Gunnery, piloting and multiplier of the tenth pair.
    app::RecordReader skill(std::string_view(bytes).substr(400 + 12 * 9));
    EXPECT_EQ(skill.integer(), 1);
    EXPECT_EQ(skill.integer(), 1);
    EXPECT_DOUBLE_EQ(skill.doubleValue(), sampleBVTables().skillMultiplier[9].multiplier);
    // Bytes after the tables are not the reader's business.
    EXPECT_TRUE(parseBVData(bytes + "extra").ok());
}

TEST(PilotFile, AnEmptyOrMissingFileIsOneNamelessPilotWithoutAWord) {
    for (const bool written : {true, false}) {
        Fixture f;
        if (written) {
            f.dir.write(kPilotFile, writePilotFile({}));
        }
        f.ctx.pilots = kPilots;
        LoadPilotData(f.ctx);
        EXPECT_EQ(f.ctx.pilots, PilotList{Pilot{}});
        EXPECT_TRUE(f.user.messages.empty());
    }
}

TEST(PilotFile, WriteCompactsAndLogsWhenVerbose) {
    Fixture f;
    f.ctx.log.setVerbose(true);
    f.dir.write(kPilotFile, "old");
    f.ctx.pilots = kPilots;
    ASSERT_TRUE(WritePilotData(f.ctx));
    const PilotList compacted{kPilots[0], kPilots[2]};
    EXPECT_EQ(f.ctx.pilots, compacted);
    EXPECT_EQ(f.dir.read(kPilotFile), writePilotFile(compacted));
    const std::string logged = f.dir.read("kelmor.log");
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 5) << logged;
    // A list of nameless pilots is written as one nameless pilot, and nothing is logged.
    f.ctx.log.setVerbose(false);
    f.ctx.pilots = {{"", 3, 4}, {"", 5, 6}};
    ASSERT_TRUE(WritePilotData(f.ctx));
    EXPECT_EQ(f.dir.read(kPilotFile).substr(30),
              std::string("\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10));
    EXPECT_EQ(f.dir.read("kelmor.log"), logged);
}

TEST(PlotFile, PointLookupStopsAfterTheLastPoint) {
    const PlotTable armor = samplePlot(11, 1);
    const PlotTable internal = samplePlot(8, 0);
    const auto text = [](const PlotPoint& p) {
        return std::to_string(p.x) + "," + std::to_string(p.y) + " size " + std::to_string(p.size);
    };
    const auto onArmor = [&](int location, int point) {
        PlotPoint p{};
        return gGetArmorPlotPoint(armor, location, point, p) ? text(p) : "none";
    };
    const auto onInternal = [&](const PlotTable& table, int location, int point) {
        PlotPoint p{};
        return gGetInternalPlotPoint(table, location, point, p) ? text(p) : "none";
    };
    // Location 6 has two points, numbered from the arrays' lower bound 1; location 4 none.
    EXPECT_EQ(onArmor(6, 2), "601,-6 size 9");
    EXPECT_EQ(onArmor(6, 3) + onArmor(6, 0) + onArmor(4, 0), "nonenonenone");
    // Location 9 (rear right torso) exists only on the armour diagram.
    EXPECT_EQ(onArmor(9, 1), "900,-5 size 12");
    EXPECT_EQ(onInternal(internal, 9, 0) + onInternal(armor, 9, 1), "nonenone");
    EXPECT_EQ(onInternal(internal, 7, 0), "700,-5 size 10");
    EXPECT_EQ(onArmor(11, 1) + onArmor(-1, 1), "nonenone");
    EXPECT_THROW(writePlotFile(samplePlot(8, 0), kArmorPlotFile), std::invalid_argument);
}

TEST(PlotFile, AbsurdArrayCountsAreReadErrors) {
    const std::string bytes = writePlotFile(samplePlot(11, 0), kArmorPlotFile);
    // Location 1's X array: point size, dimension count, then the element count.
    for (const std::uint32_t value : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
        const auto parsed =
            parsePlotFile(patchLittleEndian(bytes, 50 + 2 + 6 + 2 + 2, value, 4), kArmorPlotFile);
        EXPECT_EQ(parsed.status, ParseStatus::ReadFailure);
        EXPECT_TRUE(parsed.value.empty());
    }
}

// ---------------------------------------------------------------- name lists and credits

TEST(NameLists, OneEntryPerLineWhateverTheLineEnd) {
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"Defiance\r\n\r\nStarCorps\r\n", {"Defiance", "", "StarCorps"}},
        {"\n", {""}},
        {"A\rB\r\n", {"A", "B"}},
        {"Kallon \xC9tats\r\n", {"Kallon États"}},
    };
    for (const auto& [bytes, entries] : cases)
        EXPECT_EQ(parseNameList(bytes), entries) << bytes;
    testing::TempDir dir;
    const std::string path = dir.file("manufact.dat");
    ASSERT_TRUE(writeNameListFile(path, {"Defiance Industries", "", "Kallon États"}));
    EXPECT_EQ(dir.read("manufact.dat"), "Defiance Industries\r\n\r\nKallon \xC9tats\r\n");
    EXPECT_TRUE(readNameListFile(dir.file("armor.dat")).empty());
}

TEST(Credits, PagesAreClosedByTheirMarker) {
    using Pages = std::vector<std::string>;
    const std::pair<std::string, std::optional<Pages>> cases[] = {
        {"Forgeplanwork Credits File\r\nA\r\nB\r\n[NEW PAGE]\r\nC\r\n[NEW PAGE]\r\n",
         Pages{"A\r\nB", "C"}},
        {"Forgeplanwork Credits File\r\nA\r\n[NEW PAGE]\r\nlost\r\n", Pages{"A"}},
        {"Forgeplanwork Credits File\nlost\n", Pages{""}},
        {"Forgeplanwork Credits File\nA\n[NEW PAGE]\n[NEW PAGE]\nB\n[NEW PAGE]\n",
         Pages{"A", "", "B"}},
        {"Forgeplanwork Credits File\n\nA\n\n[NEW PAGE]\n", Pages{"\r\nA\r\n"}},
        {"Forgeplanwork Credits File\r\nRen\xE9\r\n[NEW PAGE]\r\n", Pages{"René"}},
        {"", std::nullopt},
        {"Forgeplanwork Credits\r\nA\r\n[NEW PAGE]\r\n", std::nullopt},
    };
    for (const auto& [text, pages] : cases)
        EXPECT_EQ(parseCredits(text), pages) << text;
}

TEST(Credits, WrittenPagesLoadBackAndAFailedLoadKeepsTheEarlierPages) {
    Fixture f;
    f.ctx.credits = {"kept"};
    EXPECT_FALSE(TLoadCredits(f.ctx) || f.ctx.creditsLoaded); // no file
    f.dir.write(kCreditsFile, "Not the credits\r\nA\r\n[NEW PAGE]\r\n");
    EXPECT_FALSE(TLoadCredits(f.ctx) || f.ctx.creditsLoaded);
    EXPECT_EQ(f.ctx.credits, std::vector<std::string>{"kept"});
    f.dir.write(kCreditsFile, writeCredits(kPages));
    EXPECT_TRUE(TLoadCredits(f.ctx));
    EXPECT_TRUE(f.ctx.creditsLoaded);
    EXPECT_EQ(f.ctx.credits, kPages);
    EXPECT_TRUE(f.user.messages.empty());
}

} // namespace
} // namespace fpw::catalog
