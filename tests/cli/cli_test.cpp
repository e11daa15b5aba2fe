// Runs the built forgeplanwork-cli from a program directory of its own (a copy of the
// executable beside the shipped reference files) on design files written here, and compares
// what it prints with the library's figures.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/files.h"
#include "app/programcontext.h"
#include "catalog/bvdatafile.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "io/designfile.h"
#include "io/muxexport.h"
#include "model/mech.h"
#include "recordsheet/sheetdesigns.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace fpw::cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result;
    std::size_t at = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', at);
        result.push_back(line.substr(at, tab - at));
        if (tab == std::string::npos)
            return result;
        at = tab + 1;
    }
}

// The figures the library gives a design, in the tool's JSON form.
json libraryFigures(model::Mech& mech, const std::string& file) {
    int armored = 0;
    for (const model::CritLocation& list : mech.critLocations())
        for (const model::CriticalSlot& slot : list.slots())
            armored += slot.isArmored;
    mech.ArmoredSlotData(armored, armored);
    const std::int32_t cost = valuation::CalcTotalCost(mech);
    const auto bv = valuation::CalcBV(mech);
    int freeSlots = 0;
    for (const model::CritLocation& list : mech.critLocations())
        freeSlots += list.FreeSlotCount();
    json j;
    j["file"] = file;
    j["name"] = mech.mechName();
    j["model"] = mech.mechModel();
    j["config"] = mech.omniBaseLocked() ? json(mech.currentConfig()) : json(nullptr);
    j["tonnage"] = mech.tonnage();
    j["total_tonnage"] = mech.totalTonnage();
    j["free_tonnage"] = mech.freeTonnage();
    j["walking"] = mech.walking();
    j["running"] = mech.running();
    j["jumping"] = mech.jumping();
    j["max_heat"] = mech.MaxHeat();
    j["heat_dissipation"] = mech.hsType() == 0 ? mech.hsCount() : 2 * mech.hsCount();
    j["free_slots"] = freeSlots;
    j["cost"] = cost;
    j["bv"] = bv ? json(bv->battleValue) : json(nullptr);
    j["error"] = nullptr;
    return j;
}

class CliTool : public ::testing::Test {
protected:
    void SetUp() override {
        exe = fs::path(program.path()) / "forgeplanwork-cli";
        fs::copy_file(FPW_CLI_EXECUTABLE, exe);
        for (const char* name : {"wpndata.bin", "bvdata.bin"})
            fs::copy_file(fs::path(FPW_SHIPPED_DATA_DIR) / name, fs::path(program.path()) / name);
        ctx = std::make_unique<app::ProgramContext>(program.path(), user);
        ASSERT_TRUE(catalog::LoadWeapons(*ctx));
        catalog::LoadBVData(*ctx);
        ASSERT_TRUE(ctx->bvDataLoaded);
    }

    std::int16_t weapon(const char* name) const {
        const int index = catalog::findWeapon(ctx->weapons, name, catalog::kInnerSphere);
        EXPECT_GE(index, 0) << name;
        return static_cast<std::int16_t>(index);
    }

    void placeWeapon(model::Mech& m, const char* name, int loc, int first) {
        testing::placeWeapon(m, name, loc, first);
    }

    // A 50-ton brawler: an AC/20 with ammunition in the right torso, two medium lasers.
    model::Mech brawler() {
        model::Mech m(*ctx);
        m.setMechName("Hunchback");
        m.setMechModel("HBK-4G");
        m.setTechLevel(1);
        m.setTonnage(50);
        m.setWalking(4);
        m.setHSCount(13);
        const std::int16_t armor[] = {16, 20, 20, 20, 20, 16, 26, 9, 5, 5, 8};
        for (int loc = 0; loc < catalog::kLocationCount; ++loc)
            m.SetArmor(loc, armor[loc]);
        placeWeapon(m, "AC/20", catalog::kRightTorso, 0);
        placeWeapon(m, "AC/20 Ammo", catalog::kRightTorso, 10);
        placeWeapon(m, "Medium Laser", catalog::kLeftArm, 4);
        placeWeapon(m, "Medium Laser", catalog::kRightArm, 4);
        m.critLocation(catalog::kLeftTorso).PlaceItem("Heat Sink", 0, false, "cHS1");
        m.critLocation(catalog::kLeftTorso).PlaceItem("Heat Sink", 1, false, "cHS2");
        m.critLocation(catalog::kLeftTorso).PlaceItem("Heat Sink", 2, false, "cHS3");
        return m;
    }

    // A 20-ton jumper with double heat sinks and an armoured engine slot.
    model::Mech scout() {
        model::Mech m(*ctx);
        m.setMechName("Jenner");
        m.setMechModel("JR7-D");
        m.setTechLevel(2);
        m.setTonnage(35);
        m.setWalking(7);
        m.setJumping(5);
        m.setHSType(catalog::heatsink::kDouble);
        m.setHSCount(10);
        for (int loc = 0; loc < catalog::kLocationCount; ++loc)
            m.SetArmor(loc, 6);
        placeWeapon(m, "Medium Laser", catalog::kLeftArm, 4);
        placeWeapon(m, "LRM-10", catalog::kCenterTorso, 10);
        m.critLocation(catalog::kCenterTorso).SetArmored(true, "cEng1");
        return m;
    }

    model::Mech omni() { return testing::omniDesign(*ctx); }

    std::string save(model::Mech& m, const std::string& name) {
        const std::string path = work.file(name);
        EXPECT_TRUE(io::SaveMech(m, path));
        return path;
    }

    RunResult run(const std::vector<std::string>& args) const {
        std::vector<std::string> command{exe.string()};
        command.insert(command.end(), args.begin(), args.end());
        return runCommand(command);
    }

    // Runs any program with its arguments quoted; stderr is kept apart from stdout.
    RunResult runCommand(const std::vector<std::string>& args) const {
        std::string command;
        for (const std::string& arg : args) {
            command += quoted(arg);
            command += ' ';
        }
        command += "2>";
        command += quoted(work.file("stderr.txt"));
        RunResult result;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr)
            return result;
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            result.out.append(buffer, n);
        const int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = work.read("stderr.txt");
        return result;
    }

    // The "Pages:" line of pdfinfo; -1 when there is none.
    int pageCount(const std::string& pdf) const {
        const RunResult info = runCommand({"pdfinfo", pdf});
        for (const std::string& line : lines(info.out))
            if (line.rfind("Pages:", 0) == 0)
                return std::stoi(line.substr(6));
        ADD_FAILURE() << info.out << info.err;
        return -1;
    }

    testing::TempDir program;
    testing::TempDir work;
    testing::ScriptedUser user;
    std::unique_ptr<app::ProgramContext> ctx;
    fs::path exe;
};

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

#ifdef FPW_CLI_SHEET
// The sheets as PDF: one page per design (per configuration of a locked OmniMech), text that
// pdftotext reads back, and one document per design with --each.
TEST_F(CliTool, SheetWritesOnePdfPagePerDesignAndConfiguration) {
    for (const char* name : {"ArmrPlt.Bin", "IntrnPlt.Bin", "plotlayout.txt"})
        fs::copy_file(fs::path(FPW_SHIPPED_DATA_DIR) / name, fs::path(program.path()) / name);
    model::Mech first = brawler();
    model::Mech second = scout();
    model::Mech variants = omni();
    const std::vector<std::string> files{save(first, "hunchback.FPM"), save(second, "jenner.FPM")};
    const std::string pdf = work.file("sheets.pdf");
    const RunResult made = run({"sheet", files[0], files[1], "-o", pdf, "--pilot", "Aiko Tanner",
                                "--gunnery", "4", "--piloting", "5"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(pageCount(pdf), 2);
    // Vector text in Liberation Sans (what "Arial" resolves to), every font embedded.
    const std::vector<std::string> fonts = lines(runCommand({"pdffonts", pdf}).out);
    ASSERT_GT(fonts.size(), 2u);
    for (std::size_t i = 2; i < fonts.size(); ++i) {
        EXPECT_NE(fonts[i].find("LiberationSans"), std::string::npos) << fonts[i];
        EXPECT_NE(fonts[i].find(" yes "), std::string::npos) << fonts[i];
    }
    const std::string text = runCommand({"pdftotext", "-layout", pdf, "-"}).out;
    for (const char* expected : {"Hunchback HBK-4G", "Jenner JR7-D",
                                 "Battle Value: ", "Adjusted BV: ", "Pilot Name: Aiko Tanner"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;

    const std::string omniFile = save(variants, "vantor.FPM");
    const RunResult each =
        run({"sheet", omniFile, files[0], work.file("missing.FPM"), "--each", work.path()});
    EXPECT_EQ(each.status, 1); // the missing file
    EXPECT_NE(each.err.find("missing.FPM"), std::string::npos);
    EXPECT_EQ(pageCount(work.file("vantor.pdf")), 2);
    EXPECT_EQ(pageCount(work.file("hunchback.pdf")), 1);
    EXPECT_FALSE(fs::exists(work.file("missing.pdf")));
}
#endif

} // namespace
} // namespace fpw::cli
