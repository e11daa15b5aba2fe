#include <gtest/gtest.h>

#include <optional>

#include "app/programcontext.h"
#include "app/recordcodec.h"
#include "catalog/bvdatafile.h"
#include "catalog/credits.h"
#include "catalog/namelists.h"
#include "catalog/pilotfile.h"
#include "catalog/plotfile.h"
#include "support/bytepatch.h"
#include "support/contextfixture.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::catalog {
namespace {

using testing::ScriptedUser;
using testing::TempDir;

const std::string kContact = "Please contact Quennard at support@quennard.example for "
                             "information about obtaining a new database.";

using Fixture = testing::ContextFixture;

// The file with its 30- or 50-byte header replaced and its version kept.
std::string withHeader(const std::string& bytes, std::string_view header, std::size_t width) {
    app::RecordWriter out;
    out.fixedText(header, width);
    return out.bytes() + bytes.substr(width);
}

std::string withVersion(const std::string& bytes, std::size_t at, std::int16_t version) {
    return testing::patchLittleEndian(bytes, at, static_cast<std::uint16_t>(version), 2);
}

// ---------------------------------------------------------------- BV data

BVTables sampleBVTables() {
    BVTables t;
    for (std::size_t i = 0; i < t.engineMultiplierIS.size(); ++i) {
        t.engineMultiplierIS[i] = 1.0 + 0.25 * static_cast<double>(i);
        t.engineMultiplierClan[i] = 2.0 - 0.125 * static_cast<double>(i);
    }
    for (std::size_t i = 0; i < t.offensiveSpeedFactor.size(); ++i) {
        t.offensiveSpeedFactor[i] = 0.44 + 0.1 * static_cast<double>(i);
    }
    for (std::size_t i = 0; i < t.defensiveMovementFactor.size(); ++i) {
        t.defensiveMovementFactor[i] = 1.0 + 0.1 * static_cast<double>(i);
    }
    for (std::size_t i = 0; i < t.skillMultiplier.size(); ++i) {
        t.skillMultiplier[i] = {static_cast<std::int16_t>(i / 8), static_cast<std::int16_t>(i % 8),
                                i == 63 ? -1.0 : 0.5 + 0.05 * static_cast<double>(i)};
    }
    return t;
}

TEST(BVDataFile, WrittenTablesReadBackEqualFromExactly1168Bytes) {
    const std::string bytes = writeBVData(sampleBVTables());
    ASSERT_EQ(bytes.size(), 1168u);
    EXPECT_EQ(bytes.substr(0, 32), std::string("Forgeplanwork BV Data File    \x02\x00", 32));
    const auto parsed = parseBVData(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.value, sampleBVTables());
    // The skill table starts at offset 400: gunnery, piloting, multiplier.
    app::RecordReader skill(std::string_view(bytes).substr(400 + 12 * 9));
    EXPECT_EQ(skill.integer(), 1);
    EXPECT_EQ(skill.integer(), 1);
    EXPECT_DOUBLE_EQ(skill.doubleValue(), 0.5 + 0.05 * 9);
    // Bytes after the tables are not the reader's business.
    EXPECT_TRUE(parseBVData(bytes + "extra").ok());
}

TEST(BVDataFile, LoadSwitchesBVOn) {
    Fixture f;
    f.dir.write(kBVDataFile, writeBVData(sampleBVTables()));
    LoadBVData(f.ctx);
    EXPECT_TRUE(f.ctx.bvDataLoaded);
    EXPECT_EQ(f.ctx.bvTables, sampleBVTables());
    EXPECT_TRUE(f.user.messages.empty());
}

struct BVFailureCase {
    const char* name;
    std::string bytes; // nothing written when empty
    const char* title;
    const char* text;
};

TEST(BVDataFile, EveryFailureShowsItsMessageAndLeavesBVOffAndTheTablesAlone) {
    const std::string good = writeBVData(sampleBVTables());
    const char* corrupt =
        "The Battle Value database is corrupt. No Battle Value calculations will be performed.";
    const char* version = "The Battle Value database is of the wrong version. No Battle Value "
                          "calculations will be performed.";
    const BVFailureCase cases[] = {
        {"missing", "", "BV Datafile Missing",
         "The Battle Value database is missing. No Battle Value calculations will be performed."},
        {"header", withHeader(good, "Forgeplanwork BV Data", 30), "BV Datafile Corrupt", corrupt},
        {"version 3", withVersion(good, 30, 3), "Invalid BV Datafile", version},
        {"short", good.substr(0, 1167), "BV Datafile Corrupt", corrupt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        if (!c.bytes.empty()) {
            f.dir.write(kBVDataFile, c.bytes);
        }
        f.ctx.bvDataLoaded = true;
        const BVTables before = f.ctx.bvTables;
        LoadBVData(f.ctx);
        EXPECT_FALSE(f.ctx.bvDataLoaded);
        EXPECT_EQ(f.ctx.bvTables, before);
        const auto& shown = f.user.onlyMessage();
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.text, c.text);
        EXPECT_EQ(shown.icon, app::MessageIcon::Critical);
    }
}

TEST(BVDataFile, TruncationAtAnyByteIsDamage) {
    const std::string good = writeBVData(sampleBVTables());
    for (std::size_t length = 0; length < good.size(); ++length) {
        const auto parsed = parseBVData(std::string_view(good).substr(0, length));
        ASSERT_EQ(parsed.status, ParseStatus::Damaged) << length;
        EXPECT_EQ(parsed.value, BVTables{});
    }
}

// ---------------------------------------------------------------- pilots

const PilotList kPilots{{"Natasha Kerenský", 2, 3}, {"", 4, 5}, {"Kai", 1, 2}, {"", 0, 0}};

TEST(PilotFile, LoadReadsEveryRecordAndAnEmptyOrMissingFileAsOneEmptyPilot) {
    const std::pair<std::optional<PilotList>, PilotList> cases[] = {
        {kPilots, kPilots}, {PilotList{}, PilotList{Pilot{}}}, {std::nullopt, PilotList{Pilot{}}}};
    for (const auto& [written, loaded] : cases) {
        Fixture f;
        if (written) {
            f.dir.write(kPilotFile, writePilotFile(*written));
        }
        f.ctx.pilots = {{"Old", 1, 1}};
        LoadPilotData(f.ctx);
        EXPECT_EQ(f.ctx.pilots, loaded);
        EXPECT_TRUE(f.user.messages.empty());
    }
}

TEST(PilotFile, DamagedFilesShowTheirMessageAndLeaveAnEmptyList) {
    const std::string good = writePilotFile(kPilots);
    const char* corrupt = "The Pilot Data database is corrupt. Pilot data will not be read.";
    const struct {
        const char* name;
        std::string bytes;
        const char* title;
        const char* text;
    } cases[] = {
        {"header", withHeader(good, "Forgeplanwork Pilots", 30), "Pilot Datafile Corrupt", corrupt},
        {"version", withVersion(good, 30, 3), "Invalid Pilot Datafile",
         "The Pilot Data database is of the wrong version. Pilot data will not be read."},
        {"count -2", withVersion(good, 32, -2), "Pilot Datafile Corrupt", corrupt},
        {"count -32768", withVersion(good, 32, -32768), "Pilot Datafile Corrupt", corrupt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.dir.write(kPilotFile, c.bytes);
        f.ctx.pilots = kPilots;
        LoadPilotData(f.ctx);
        EXPECT_EQ(f.ctx.pilots, PilotList{Pilot{}});
        const auto& shown = f.user.onlyMessage();
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.text, c.text);
        EXPECT_EQ(shown.icon, app::MessageIcon::Critical);
    }
}

TEST(PilotFile, TruncationAtAnyByteLeavesAnEmptyListAndOneMessage) {
    const std::string good = writePilotFile(kPilots);
    for (std::size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        Fixture f;
        f.dir.write(kPilotFile, good.substr(0, length));
        f.ctx.pilots = kPilots;
        LoadPilotData(f.ctx);
        EXPECT_EQ(f.ctx.pilots, PilotList{Pilot{}});
        ASSERT_EQ(f.user.messages.size(), 1u);
        const auto& shown = f.user.messages.front();
        if (shown.title == "Error") {
            EXPECT_NE(shown.text.find("Function: LoadPilotData"), std::string::npos);
            EXPECT_NE(shown.text.find("Error Number: 62"), std::string::npos);
        } else {
            EXPECT_EQ(shown.title, "Pilot Datafile Corrupt");
        }
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
    EXPECT_EQ(f.dir.read("kelmor.log"), "Starting pilot data compact compact...\n"
                                        "Finished pilot data compact compact...\n"
                                        "Killed existing file...\n"
                                        "Opening pilot file...\n"
                                        "Closing pilot file...\n");
}

TEST(PilotFile, WritingAnEmptyListWritesOneNamelessPilot) {
    Fixture f;
    f.ctx.pilots = {{"", 3, 4}, {"", 5, 6}};
    ASSERT_TRUE(WritePilotData(f.ctx));
    const std::string bytes = f.dir.read(kPilotFile);
    ASSERT_EQ(bytes.size(), 34u + 6u);
    EXPECT_EQ(bytes.substr(30), std::string("\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00", 10));
    // Verbose logging is off: no lines.
    EXPECT_EQ(f.dir.read("kelmor.log"), "");
}

TEST(PilotFile, AFailedWriteIsReportedAndKeepsNoHalfFile) {
    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx{dir.file("no such folder"), user};
    ctx.pilots = kPilots;
    EXPECT_FALSE(WritePilotData(ctx));
    const auto& shown = user.onlyMessage();
    EXPECT_EQ(shown.title, "Error");
    EXPECT_NE(shown.text.find("Function: WritePilotData"), std::string::npos);
}

// ---------------------------------------------------------------- plots

PlotTable samplePlot(std::size_t locations, std::int32_t lowerBound) {
    PlotTable table;
    for (std::size_t i = 0; i < locations; ++i) {
        PlotRecord r;
        r.pointSize = static_cast<std::int16_t>(3 + i);
        r.lowerBound = lowerBound;
        for (std::size_t p = 0; p < i % 4; ++p) {
            r.x.push_back(static_cast<std::int16_t>(100 * i + p));
            r.y.push_back(static_cast<std::int16_t>(-5 - static_cast<int>(p)));
        }
        if (r.x.empty()) {
            r.lowerBound = 0;
        }
        table.push_back(r);
    }
    return table;
}

TEST(PlotFile, WrittenPlotsReadBackEqual) {
    for (const PlotFileKind* kind : {&kArmorPlotFile, &kInternalPlotFile}) {
        for (const std::int32_t lowerBound : {0, 1}) {
            const PlotTable table = samplePlot(kind->recordCount, lowerBound);
            const std::string bytes = writePlotFile(table, *kind);
            EXPECT_EQ(bytes.substr(0, 50).find_last_not_of(' ') + 1, kind->header.size());
            const auto parsed = parsePlotFile(bytes, *kind);
            ASSERT_TRUE(parsed.ok());
            EXPECT_EQ(parsed.value, table);
        }
    }
    EXPECT_THROW(writePlotFile(samplePlot(8, 0), kArmorPlotFile), std::invalid_argument);
}

TEST(PlotFile, PointLookupStopsAfterTheLastPoint) {
    Fixture f;
    f.dir.write(kArmorPlotFile.fileName, writePlotFile(samplePlot(11, 1), kArmorPlotFile));
    f.dir.write(kInternalPlotFile.fileName, writePlotFile(samplePlot(8, 0), kInternalPlotFile));
    ASSERT_TRUE(LoadArmorPlot(f.ctx));
    ASSERT_TRUE(LoadInternalPlot(f.ctx));

    PlotPoint point;
    // Location 6 has two points, numbered from the arrays' lower bound 1.
    ASSERT_TRUE(gGetArmorPlotPoint(f.ctx.armorPlot, 6, 2, point));
    EXPECT_EQ(point.x, 601);
    EXPECT_EQ(point.y, -6);
    EXPECT_EQ(point.size, 9);
    EXPECT_FALSE(gGetArmorPlotPoint(f.ctx.armorPlot, 6, 3, point));
    EXPECT_FALSE(gGetArmorPlotPoint(f.ctx.armorPlot, 6, 0, point));
    // Location 4 has none.
    EXPECT_FALSE(gGetArmorPlotPoint(f.ctx.armorPlot, 4, 0, point));

    // Location 9 (rear right torso) exists only on the armour diagram.
    EXPECT_TRUE(gGetArmorPlotPoint(f.ctx.armorPlot, 9, 1, point));
    EXPECT_EQ(point.size, 12);
    EXPECT_FALSE(gGetInternalPlotPoint(f.ctx.internalPlot, 9, 0, point));
    EXPECT_FALSE(gGetInternalPlotPoint(f.ctx.armorPlot, 9, 1, point));
    EXPECT_TRUE(gGetInternalPlotPoint(f.ctx.internalPlot, 7, 0, point));
    EXPECT_EQ(point.x, 700);
    EXPECT_FALSE(gGetArmorPlotPoint(f.ctx.armorPlot, 11, 1, point));
    EXPECT_FALSE(gGetArmorPlotPoint(f.ctx.armorPlot, -1, 1, point));
    EXPECT_FALSE(gGetArmorPlotPoint(PlotTable{}, 0, 0, point));
}

struct PlotFailureCase {
    const char* name;
    std::string bytes; // nothing written when empty
    const char* title;
    std::string text;
};

std::vector<PlotFailureCase> plotFailures(const PlotFileKind& kind, const char* what) {
    const std::string good = writePlotFile(samplePlot(kind.recordCount, 0), kind);
    const std::string other = &kind == &kArmorPlotFile ? std::string(kInternalPlotFile.header)
                                                       : std::string(kArmorPlotFile.header);
    const std::string corrupt = std::string("The ") + what + " database is corrupt. " + kContact;
    // Location 1 has one point; give its Y array a lower bound of its own. Before it: header
    // and version, location 0 (size and two empty arrays), location 1's size, its X array
    // (dimensions, count, bound, one point), the Y array's dimensions and count.
    std::string otherBound = good;
    const std::size_t yBound = 52 + 6 + 2 + 12 + 2 + 4;
    otherBound[yBound] = 1;
    return {
        {"missing", "", "", std::string("The ") + what + " database is missing."},
        {"header", withHeader(good, other, 50), "Database corrupt", corrupt},
        {"30-byte header",
         withHeader(good, std::string(kind.header), 30).substr(0, 30) + good.substr(50),
         "Database corrupt", corrupt},
        {"version", withVersion(good, 50, 2), "Database corrupt",
         std::string("The ") + what +
             " database is the wrong version. The program is looking for a database of "
             "version 1 but this database is version 2. " +
             kContact},
        {"uneven arrays", otherBound, "Database corrupt", corrupt},
    };
}

TEST(PlotFile, FailuresShowTheirMessagesAndLeaveTheTableAlone) {
    for (const PlotFileKind* kind : {&kArmorPlotFile, &kInternalPlotFile}) {
        const bool armor = kind == &kArmorPlotFile;
        for (const auto& c :
             plotFailures(*kind, armor ? "armor plot" : "internal structure plot")) {
            SCOPED_TRACE(std::string(kind->fileName) + " " + c.name);
            Fixture f;
            if (!c.bytes.empty()) {
                f.dir.write(kind->fileName, c.bytes);
            }
            const PlotTable before = samplePlot(3, 0);
            f.ctx.armorPlot = before;
            f.ctx.internalPlot = before;
            EXPECT_FALSE(armor ? LoadArmorPlot(f.ctx) : LoadInternalPlot(f.ctx));
            EXPECT_EQ(f.ctx.armorPlot, before);
            EXPECT_EQ(f.ctx.internalPlot, before);
            const auto& shown = f.user.onlyMessage();
            EXPECT_EQ(shown.title, c.title);
            EXPECT_EQ(shown.text, c.text);
            EXPECT_EQ(shown.icon, *c.title ? app::MessageIcon::Critical : app::MessageIcon::None);
        }
    }
}

TEST(PlotFile, TruncationAtAnyByteFailsCleanly) {
    const std::string good = writePlotFile(samplePlot(8, 1), kInternalPlotFile);
    for (std::size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        Fixture f;
        f.dir.write(kInternalPlotFile.fileName, good.substr(0, length));
        EXPECT_FALSE(LoadInternalPlot(f.ctx));
        EXPECT_TRUE(f.ctx.internalPlot.empty());
        ASSERT_EQ(f.user.messages.size(), 1u);
        const auto& shown = f.user.messages.front();
        if (length < 52) {
            EXPECT_EQ(shown.title, "Database corrupt");
        } else {
            EXPECT_EQ(shown.title, "Error");
            EXPECT_NE(shown.text.find("Function: LoadInternalPlot"), std::string::npos);
        }
    }
}

TEST(PlotFile, AbsurdArrayCountsAreReadErrors) {
    std::string bytes = writePlotFile(samplePlot(11, 0), kArmorPlotFile);
    // Location 1's X array: point size, dimension count, then the element count.
    const std::size_t count = 50 + 2 + (2 + 2 + 2) + 2 + 2;
    for (const std::uint32_t value : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
        const auto parsed =
            parsePlotFile(testing::patchLittleEndian(bytes, count, value, 4), kArmorPlotFile);
        EXPECT_EQ(parsed.status, ParseStatus::ReadFailure);
        EXPECT_TRUE(parsed.value.empty());
    }
}

// ---------------------------------------------------------------- name lists

TEST(NameLists, FileNamesByIndexAndOneEntryPerLineWhateverTheLineEnd) {
    EXPECT_EQ(gGetListFileName(0), "manufact.dat");
    EXPECT_EQ(gGetListFileName(7), "targsys.dat");
    EXPECT_EQ(nameListTitle(7), "Targ/Track System");
    EXPECT_EQ(gGetListFileName(8), "");
    EXPECT_EQ(nameListTitle(-1), "");
    using Lines = std::vector<std::string>;
    const struct {
        std::string bytes;
        Lines entries;
    } cases[] = {
        {"", {}},
        {"Defiance\r\nStarCorps\r\n", {"Defiance", "StarCorps"}},
        {"Defiance\r\n\r\nStarCorps\r\n", {"Defiance", "", "StarCorps"}},
        {"\n", {""}},
        {"A\rB\r\n", {"A", "B"}},
        {"Kallon \xC9tats\r\n", {"Kallon États"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseNameList(c.bytes), c.entries) << c.bytes;
    }
}

TEST(NameLists, WrittenListReadsBackEqual) {
    TempDir dir;
    const std::vector<std::string> entries{"Defiance Industries", "", "Kallon États"};
    const std::string path = dir.file("manufact.dat");
    ASSERT_TRUE(writeNameListFile(path, entries));
    EXPECT_EQ(dir.read("manufact.dat"), "Defiance Industries\r\n\r\nKallon \xC9tats\r\n");
    EXPECT_EQ(readNameListFile(path), entries);
    EXPECT_TRUE(readNameListFile(dir.file("armor.dat")).empty());
    ASSERT_TRUE(writeNameListFile(path, {}));
    EXPECT_TRUE(readNameListFile(path).empty());
}

// ---------------------------------------------------------------- credits

TEST(Credits, PagesAreClosedByTheirMarker) {
    using Pages = std::vector<std::string>;
    const struct {
        const char* name;
        std::string text;
        Pages pages;
    } cases[] = {
        {"each page closed",
         "Forgeplanwork Credits File\r\nA\r\nB\r\n[NEW PAGE]\r\nC\r\n[NEW PAGE]\r\n",
         {"A\r\nB", "C"}},
        {"text after the last marker",
         "Forgeplanwork Credits File\r\nA\r\n[NEW PAGE]\r\nlost\r\n",
         {"A"}},
        {"no marker", "Forgeplanwork Credits File\nlost\n", {""}},
        {"two markers in a row",
         "Forgeplanwork Credits File\nA\n[NEW PAGE]\n[NEW PAGE]\nB\n[NEW PAGE]\n",
         {"A", "", "B"}},
        {"blank lines kept", "Forgeplanwork Credits File\n\nA\n\n[NEW PAGE]\n", {"\r\nA\r\n"}},
        {"Windows-1252", "Forgeplanwork Credits File\r\nRen\xE9\r\n[NEW PAGE]\r\n", {"René"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pages = parseCredits(c.text);
        ASSERT_TRUE(pages.has_value());
        EXPECT_EQ(*pages, c.pages);
    }
    EXPECT_FALSE(parseCredits("").has_value());
    EXPECT_FALSE(parseCredits("Forgeplanwork Credits\r\nA\r\n[NEW PAGE]\r\n").has_value());
}

TEST(Credits, WrittenPagesReadBackEqual) {
    const std::vector<std::string> pages{"Design\r\n\r\nJ. Quennard", "", "Thanks to René",
                                         "\r\nlast\r\n"};
    const auto parsed = parseCredits(writeCredits(pages));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, pages);
}

TEST(Credits, LoadSetsTheFlag) {
    Fixture f;
    EXPECT_FALSE(TLoadCredits(f.ctx));
    EXPECT_FALSE(f.ctx.creditsLoaded);

    f.dir.write(kCreditsFile, "Not the credits\r\nA\r\n[NEW PAGE]\r\n");
    f.ctx.credits = {"kept"};
    EXPECT_FALSE(TLoadCredits(f.ctx));
    EXPECT_FALSE(f.ctx.creditsLoaded);
    EXPECT_EQ(f.ctx.credits, std::vector<std::string>{"kept"});

    f.dir.write(kCreditsFile, writeCredits({"One", "Two"}));
    EXPECT_TRUE(TLoadCredits(f.ctx));
    EXPECT_TRUE(f.ctx.creditsLoaded);
    EXPECT_EQ(f.ctx.credits, (std::vector<std::string>{"One", "Two"}));
    EXPECT_TRUE(f.user.messages.empty());
}

} // namespace
} // namespace fpw::catalog
