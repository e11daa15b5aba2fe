// Runs the built forgeplanwork-cli from a program directory of its own (a copy of the
// executable beside the shipped reference files) on design files written here, and compares
// what it prints with the library's figures.
#include <map>
#include <string>
#include <vector>

#include "app/files.h"
#include "cli/clitool.h"
#include "io/muxexport.h"

namespace fpw::cli {
namespace {

using namespace clitest;

const std::vector<std::string> kKeys{
    "file",         "name",    "model",   "config",  "tonnage",  "total_tonnage",
    "free_tonnage", "walking", "running", "jumping", "max_heat", "heat_dissipation",
    "free_slots",   "cost",    "bv",      "error"};

// The keys of a JSON line in the order they were written.
std::vector<std::string> keysOf(const std::string& line) {
    std::vector<std::string> keys;
    const nlohmann::ordered_json parsed = nlohmann::ordered_json::parse(line);
    for (const auto& item : parsed.items())
        keys.push_back(item.key());
    return keys;
}

TEST_F(CliTool, JsonLinesCarryTheLibraryFigures) {
    model::Mech a = brawler();
    model::Mech b = scout();
    const std::string pathA = save(a, "brawler.FPM");
    const std::string pathB = save(b, "scout.FPM");
    const RunResult r = run({"info", "--json", pathA, pathB});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    const json rowA = json::parse(out[0]);
    const json rowB = json::parse(out[1]);
    EXPECT_EQ(keysOf(out[0]), kKeys);
    EXPECT_EQ(rowA, libraryFigures(a, pathA));
    EXPECT_EQ(rowB, libraryFigures(b, pathB));
    // Sanity of the comparison itself: figures that matter are there and plausible.
    EXPECT_EQ(rowA["tonnage"], 50);
    EXPECT_EQ(rowA["running"], 6);
    EXPECT_GT(rowA["cost"].get<int>(), 1000000);
    EXPECT_GT(rowA["bv"].get<int>(), 0);
    EXPECT_EQ(rowB["heat_dissipation"], 20);
    EXPECT_EQ(rowB["jumping"], 5);
}

TEST_F(CliTool, TextRowsCarryTheLibraryFigures) {
    model::Mech a = brawler();
    const std::string path = save(a, "brawler.FPM");
    const RunResult r = run({"info", path});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    const json expected = libraryFigures(a, path);
    const std::vector<std::string> header = fields(out[0]);
    const std::vector<std::string> row = fields(out[1]);
    ASSERT_EQ(header.size(), row.size());
    EXPECT_EQ(header, (std::vector<std::string>(kKeys.begin(), kKeys.end() - 1)));
    std::map<std::string, std::string> byKey;
    for (std::size_t i = 0; i < header.size(); ++i)
        byKey[header[i]] = row[i];
    EXPECT_EQ(byKey["file"], path);
    EXPECT_EQ(byKey["name"], "Hunchback");
    EXPECT_EQ(byKey["model"], "HBK-4G");
    EXPECT_EQ(byKey["config"], "");
    for (const char* key : {"tonnage", "walking", "running", "jumping", "max_heat",
                            "heat_dissipation", "free_slots", "cost", "bv"})
        EXPECT_EQ(byKey[key], std::to_string(expected[key].get<int>())) << key;
    EXPECT_DOUBLE_EQ(std::stod(byKey["total_tonnage"]), expected["total_tonnage"].get<double>());
    EXPECT_DOUBLE_EQ(std::stod(byKey["free_tonnage"]), expected["free_tonnage"].get<double>());
}

TEST_F(CliTool, ALockedOmniMechGivesOneRowPerConfiguration) {
    model::Mech m = omni();
    const std::string path = save(m, "omni.FPM");
    const RunResult r = run({"info", "--json", path});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    for (const std::string& name : {std::string("Prime"), std::string("Alpha")}) {
        const json row = json::parse(name == "Prime" ? out[0] : out[1]);
        EXPECT_EQ(row["config"], name);
        model::Mech expected = omni();
        expected.ChangeOmniConfig(name, false);
        expected.RecalcAll();
        EXPECT_EQ(row, libraryFigures(expected, path)) << name;
    }
    EXPECT_NE(json::parse(out[0])["cost"], json::parse(out[1])["cost"]);
}

// Where a field's bytes lie in the design file: the bytes that differ when only that stored
// figure differs.
std::vector<std::size_t> offsetsOf(const model::Mech& m, void (*change)(model::MechFields&)) {
    const std::string original = io::writeDesignFile(m);
    model::Mech changed = m;
    model::MechFields f = m.fields();
    change(f);
    changed.restoreFields(f);
    const std::string altered = io::writeDesignFile(changed);
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < original.size() && i < altered.size(); ++i)
        if (original[i] != altered[i])
            offsets.push_back(i);
    return offsets;
}

TEST_F(CliTool, StoredFiguresAlteredByHandAreRecomputed) {
    model::Mech m = brawler();
    const std::string path = save(m, "patched.FPM");
    const json expected = libraryFigures(m, path);
    std::string bytes = app::readWholeFile(path).value();
    void (*changes[])(model::MechFields&) = {
        [](model::MechFields& f) { f.totalCost = 0x01020304; },
        [](model::MechFields& f) { f.battleValue = 0x0506; },
        [](model::MechFields& f) { f.totalTonnage = 1234.5; },
        [](model::MechFields& f) { f.freeTonnage = -999.25; },
        [](model::MechFields& f) { f.running = 77; },
        [](model::MechFields& f) { f.maxHeat = 99; },
        [](model::MechFields& f) { f.engineTonnage = 88; },
    };
    int patched = 0;
    for (auto change : changes) {
        for (std::size_t at : offsetsOf(m, change)) {
            bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
            ++patched;
        }
    }
    ASSERT_GE(patched, 10) << "the stored figures were not found in the file";
    ASSERT_TRUE(app::writeFileAtomically(path, bytes));
    // The file as patched does carry wrong figures.
    model::Mech opened(*ctx);
    std::string message;
    ASSERT_TRUE(io::TOpenMech(opened, path, true, message)) << message;
    ASSERT_NE(opened.totalCost(), expected["cost"].get<int>());

    const RunResult r = run({"info", "--json", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(lines(r.out).at(0)), expected);
}

TEST_F(CliTool, DamagedAndMissingFilesAreReportedAndTheOthersProcessed) {
    model::Mech a = brawler();
    model::Mech b = scout();
    const std::string good1 = save(a, "good1.FPM");
    const std::string good2 = save(b, "good2.FPM");
    const std::string bytes = app::readWholeFile(good1).value();
    const std::string truncated = work.write("truncated.FPM", bytes.substr(0, bytes.size() / 2));
    const std::string header = work.write("header.FPM", "Not a mech at all, just text.\n");
    const std::string missing = work.file("missing.FPM");
    const std::vector<std::string> bad{truncated, header, missing};

    // The messages the library gives for each bad file when opened quietly.
    std::map<std::string, std::string> messages;
    for (const std::string& file : bad) {
        model::Mech m(*ctx);
        std::string message;
        ASSERT_FALSE(io::TOpenMech(m, file, true, message)) << file;
        ASSERT_FALSE(message.empty()) << file;
        messages[file] = message;
    }

    const std::vector<std::string> files{good1, truncated, header, good2, missing};
    RunResult r = run({"info", "--json", good1, truncated, header, good2, missing});
    EXPECT_NE(r.status, 0);
    std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const json row = json::parse(out[i]);
        EXPECT_EQ(keysOf(out[i]), kKeys);
        EXPECT_EQ(row["file"], files[i]);
        if (messages.count(files[i])) {
            EXPECT_EQ(row["error"], messages[files[i]]) << files[i];
            EXPECT_TRUE(row["cost"].is_null());
            EXPECT_TRUE(row["name"].is_null());
        } else {
            EXPECT_TRUE(row["error"].is_null());
        }
    }
    EXPECT_EQ(json::parse(out[0]), libraryFigures(a, good1));
    EXPECT_EQ(json::parse(out[3]), libraryFigures(b, good2));

    // Text mode: rows for the readable files, the messages on standard error.
    r = run({"info", good1, truncated, header, good2, missing});
    EXPECT_NE(r.status, 0);
    out = lines(r.out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(fields(out[1])[0], good1);
    EXPECT_EQ(fields(out[2])[0], good2);
    for (const std::string& file : bad) {
        std::string firstLine = messages[file].substr(0, messages[file].find('\r'));
        EXPECT_NE(r.err.find(file + ": " + firstLine), std::string::npos) << r.err;
    }
}

TEST_F(CliTool, CustomPricesApplyOnlyWithTheParameter) {
    model::Mech a = brawler();
    const std::string path = save(a, "brawler.FPM");
    const int medium = weapon("Medium Laser");
    app::writeFileAtomically(program.file("cus_data.dat"),
                             "ItemPrice;0;80000\r\nWeaponPrice;Medium Laser;IS;50000\r\n");
    const json plain = libraryFigures(a, path);
    RunResult r = run({"info", "--json", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(lines(r.out).at(0))["cost"], plain["cost"]);

    app::writeFileAtomically(program.file("parm.txt"), "VerboseLog\r\ncustom prices\r\n");
    ctx->prices.current[catalog::price::kLifeSupport] = 80000;
    ctx->weapons[static_cast<std::size_t>(medium)].cost = 50000;
    const json custom = libraryFigures(a, path);
    // 30,000 more life support, 2 x 10,000 more lasers, times 1.5.
    ASSERT_EQ(custom["cost"].get<int>(), plain["cost"].get<int>() + 75000);
    r = run({"info", "--json", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(lines(r.out).at(0)), custom);
}

TEST_F(CliTool, MuxWritesTheExport) {
    model::Mech a = brawler();
    const std::string path = save(a, "brawler.FPM");
    ASSERT_TRUE(io::SaveMUXFile(a, work.file("expected.mux")));
    const std::string expected = work.read("expected.mux");
    ASSERT_FALSE(expected.empty());

    RunResult r = run({"mux", path, "-o", work.file("out.mux")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(work.read("out.mux"), expected);

    r = run({"mux", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(work.read("brawler.mux"), expected);

    r = run({"mux", work.file("missing.FPM"), "-o", work.file("never.mux")});
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(app::fileExists(work.file("never.mux")));
}

TEST_F(CliTool, WithoutTheWeaponDatabaseNothingIsRead) {
    model::Mech a = brawler();
    const std::string path = save(a, "brawler.FPM");
    fs::remove(fs::path(program.path()) / "wpndata.bin");
    const RunResult r = run({"info", "--json", path});
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("The weapon database is missing."), std::string::npos) << r.err;
}

TEST_F(CliTool, WithoutBVDataTheBVIsNull) {
    model::Mech a = brawler();
    const std::string path = save(a, "brawler.FPM");
    fs::remove(fs::path(program.path()) / "bvdata.bin");
    const RunResult r = run({"info", "--json", path});
    ASSERT_EQ(r.status, 0) << r.err;
    const json row = json::parse(lines(r.out).at(0));
    EXPECT_TRUE(row["bv"].is_null());
    EXPECT_EQ(row["cost"], libraryFigures(a, path)["cost"]);
}

} // namespace
} // namespace fpw::cli
