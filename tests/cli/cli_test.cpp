// `info`, `bv`, `cost`, `mux` and `sheet` of the built tool (clitool.h) against the library.
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/files.h"
#include "catalog/weapondatabase.h"
#include "cli/clitool.h"
#include "io/muxexport.h"
#include "support/golden.h"

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

// A plain design, one with double heat sinks, jump jets and an armoured slot, and a locked
// OmniMech, which gets a row for each configuration, in JSON and as tab-separated text.
TEST_F(CliTool, InfoRowsCarryTheLibraryFigures) {
    model::Mech b = scout();
    // The OmniMech's file carries a stored figure altered by hand as well: the row of its first
    // configuration, after which the figures are only kept current, computes it afresh too.
    model::Mech o = kit.omni();
    model::MechFields stale = o.fields();
    stale.engineTonnage = 88;
    o.restoreFields(stale);
    const std::vector<std::string> files{hunchbackFile, work.file("scout.FPM"),
                                         save(o, "omni.FPM")};
    std::vector<json> expected{libraryFigures(hunchback, files[0]), libraryFigures(b, files[1])};
    for (const char* config : {"Prime", "Alpha"}) {
        model::Mech variant = kit.omni();
        variant.ChangeOmniConfig(config, false);
        variant.RecalcAll();
        expected.push_back(libraryFigures(variant, files[2]));
    }
    // Sanity of the comparison itself: figures that matter are there and plausible.
    EXPECT_EQ(expected[0]["running"], 6);
    EXPECT_EQ(expected[1]["heat_dissipation"], 20);
    EXPECT_NE(expected[2]["cost"], expected[3]["cost"]);
    // The scout's file carries stored figures altered by hand: they are computed afresh.
    model::MechFields f = b.fields();
    f.totalCost = 0x01020304;
    f.battleValue = 0x0506;
    f.totalTonnage = 1234.5;
    f.freeTonnage = -999.25;
    f.running = 77;
    f.maxHeat = 99;
    f.engineTonnage = 88;
    b.restoreFields(f);
    ASSERT_TRUE(app::writeFileAtomically(files[1], io::writeDesignFile(b)));
    model::Mech opened(ctx);
    std::string message;
    ASSERT_TRUE(io::TOpenMech(opened, files[1], true, message)) << message;
    ASSERT_EQ(opened.totalCost(), 0x01020304);

    const RunResult r = run({"info", "--json", files[0], files[1], files[2]});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), expected.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        EXPECT_EQ(keysOf(out[i]), kKeys);
        EXPECT_EQ(json::parse(out[i]), expected[i]) << i;
    }

    const std::vector<std::string> text = lines(run({"info", files[0], files[1], files[2]}).out);
    ASSERT_EQ(text.size(), expected.size() + 1);
    EXPECT_EQ(fields(text[0]), std::vector<std::string>(kKeys.begin(), kKeys.end() - 1));
    for (std::size_t row = 0; row < expected.size(); ++row) {
        const std::vector<std::string> got = fields(text[row + 1]);
        ASSERT_EQ(got.size(), kKeys.size() - 1) << text[row + 1];
        for (std::size_t k = 0; k < got.size(); ++k) {
            const json& want = expected[row][kKeys[k]];
            if (want.is_number_float())
                EXPECT_DOUBLE_EQ(std::stod(got[k]), want.get<double>()) << row << kKeys[k];
            else
                EXPECT_EQ(got[k], want.is_string() ? want.get<std::string>()
                                                   : (want.is_null() ? "" : want.dump()))
                    << row << " " << kKeys[k];
        }
    }
}

// Each unreadable file gets the library's own message, in the order the files were named
// also when several threads read them, and every readable file its figures.
TEST_F(CliTool, BadFilesAreReportedInOrderAndTheOthersProcessed) {
    model::Mech b = scout();
    const std::string good2 = save(b, "good2.FPM");
    const std::string bytes = app::readWholeFile(hunchbackFile).value();
    const std::vector<std::string> files{
        work.file("missing.FPM"), hunchbackFile,
        work.write("truncated.FPM", bytes.substr(0, bytes.size() / 2)), good2};
    std::map<std::string, json> rows{{hunchbackFile, libraryFigures(hunchback, hunchbackFile)},
                                     {good2, libraryFigures(b, good2)}};
    std::string err;
    std::map<std::string, std::string> errOf;
    for (const std::string& file : files) {
        if (rows.count(file))
            continue;
        model::Mech m(ctx);
        std::string message;
        ASSERT_FALSE(io::TOpenMech(m, file, true, message)) << file;
        ASSERT_FALSE(message.empty()) << file;
        for (const std::string& key : kKeys)
            rows[file][key] = nullptr;
        rows[file]["file"] = file;
        rows[file]["error"] = message;
        std::erase(message, '\r');
        errOf[file] = file + ": " + message + "\n";
        err += errOf[file];
    }
    for (const char* jobs : {"1", "2"}) {
        SCOPED_TRACE(jobs);
        std::vector<std::string> args{"info", "--json", "-j", jobs};
        args.insert(args.end(), files.begin(), files.end());
        RunResult r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, err);
        std::vector<std::string> out = lines(r.out);
        ASSERT_EQ(out.size(), files.size());
        std::string merged;
        for (std::size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(keysOf(out[i]), kKeys);
            EXPECT_EQ(json::parse(out[i]), rows[files[i]]);
            merged += errOf[files[i]] + out[i] + "\n";
        }
        // Both streams into one file: each file's message comes just before its row.
        std::string command = quoted(exe.string());
        for (const std::string& arg : args)
            command += ' ' + quoted(arg);
        command += " >" + quoted(work.file("both.txt")) + " 2>&1";
        EXPECT_NE(std::system(command.c_str()), 0);
        EXPECT_EQ(work.read("both.txt"), merged);
        // As text, rows for the readable files only.
        args.erase(args.begin() + 1);
        r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, err);
        out = lines(r.out);
        ASSERT_EQ(out.size(), 3u);
        EXPECT_EQ(fields(out[1])[0], hunchbackFile);
        EXPECT_EQ(fields(out[2])[0], good2);
    }
}

// A run that cannot give what it is asked for says why, prints nothing and fails.
TEST_F(CliTool, RefusedRunsPrintNothingAndSayWhy) {
    const std::string& file = hunchbackFile;
    const std::string missing = work.file("missing.FPM");
    const struct {
        const char* removed; // a reference file taken away for the run
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {"wpndata.bin", {"info", "--json", file}, "The weapon database is missing."},
        {"bvdata.bin", {"bv", file}, ""},
        {nullptr, {"bv", missing}, missing + ": "},
        {nullptr, {"cost", missing}, missing + ": "},
        {nullptr, {"bv", file, "--config", "Prime"}, "Prime"},
        {nullptr, {"cost", file, "-c", "Prime"}, "Prime"},
        {nullptr, {"mux", missing, "-o", work.file("never.mux")}, missing + ": "},
        {nullptr, {"info", "-j", "0", file}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const fs::path removed = fs::path(program.path()) / (c.removed ? c.removed : "");
        if (c.removed)
            fs::rename(removed, work.file("away"));
        const RunResult r = run(c.args);
        EXPECT_NE(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        if (c.removed)
            fs::rename(work.file("away"), removed);
    }
    EXPECT_FALSE(fs::exists(work.file("never.mux")));

    // Without BV data the BV is null and the cost is still there.
    fs::remove(fs::path(program.path()) / "bvdata.bin");
    const RunResult r = run({"info", "--json", file});
    ASSERT_EQ(r.status, 0) << r.err;
    const json row = json::parse(lines(r.out).at(0));
    EXPECT_TRUE(row["bv"].is_null());
    EXPECT_EQ(row["cost"], libraryFigures(hunchback, file)["cost"]);
    EXPECT_EQ(run({"cost", file}).status, 0);
}

TEST_F(CliTool, CustomPricesApplyOnlyWithTheParameter) {
    const int medium = catalog::findWeapon(ctx.weapons, "Medium Laser", catalog::kInnerSphere);
    app::writeFileAtomically(program.file("cus_data.dat"),
                             "ItemPrice;0;80000\r\nWeaponPrice;Medium Laser;IS;50000\r\n");
    const json plain = libraryFigures(hunchback, hunchbackFile);
    EXPECT_EQ(json::parse(lines(run({"info", "--json", hunchbackFile}).out).at(0)), plain);

    app::writeFileAtomically(program.file("parm.txt"), "VerboseLog\r\ncustom prices\r\n");
    ctx.prices.current[catalog::price::kLifeSupport] = 80000;
    ctx.weapons[static_cast<std::size_t>(medium)].cost = 50000;
    const json custom = libraryFigures(hunchback, hunchbackFile);
    // 30,000 more life support, 2 x 10,000 more lasers, times 1.5.
    ASSERT_EQ(custom["cost"].get<int>(), plain["cost"].get<int>() + 75000);
    EXPECT_EQ(json::parse(lines(run({"info", "--json", hunchbackFile}).out).at(0)), custom);
}

// The golden files were checked by hand against the fixture's designs. Hunchback BV: armour
// 165 x 2, structure 83 x 1.5 (fusion), 50 tons, 20 for the AC/20 ammunition in an un-CASEd
// side torso, heat 15 against 13 dissipated, so 474.5 x 1.2 = 569.4; weapons 178 + 22 + 92 =
// 292, heat-adjusted to 272.53, x 1.12 for running 6; 874.64 rounds to 875. Hunchback cost:
// the basic items add up to 1,774,667, with heat sinks, armour and structure to 1,905,667,
// with the 390,000 of weapons to 2,295,667, x 1.5 = 3,443,500. OmniMech "Alpha": 132 armour
// points on 60 tons with 12 heat sinks, the LRM-10 and its ammunition; the surcharge is a
// quarter of 2,902,600, and (2,902,600 + 725,650) x 1.6 = 5,805,200.
// The MUX export is the library's, beside the design or where asked.
TEST_F(CliTool, BVCostAndMuxPrintTheLibrarysPrintoutsAndExport) {
    model::Mech vantor = kit.omni();
    const std::string omniFile = save(vantor, "omni.FPM");
    const struct {
        std::vector<std::string> args;
        const char* goldenFile;
    } cases[] = {
        {{"bv", hunchbackFile}, "brawler_bv.txt"},
        {{"cost", hunchbackFile}, "brawler_cost.txt"},
        {{"bv", omniFile, "--config", "Alpha"}, "omni_alpha_bv.txt"},
        {{"cost", omniFile, "-c", "Alpha"}, "omni_alpha_cost.txt"},
    };
    for (const auto& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.goldenFile << r.err;
        EXPECT_EQ(r.err, "") << c.goldenFile;
        fpw::testing::expectMatchesGolden(r.out,
                                          std::string(FPW_CLI_GOLDEN_DIR) + "/" + c.goldenFile);
    }

    ASSERT_TRUE(io::SaveMUXFile(hunchback, work.file("expected.mux")));
    const std::string expected = work.read("expected.mux");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(run({"mux", hunchbackFile, "-o", work.file("out.mux")}).status, 0);
    EXPECT_EQ(work.read("out.mux"), expected);
    EXPECT_EQ(run({"mux", hunchbackFile}).status, 0);
    EXPECT_EQ(work.read("brawler.mux"), expected);
}

#ifdef FPW_CLI_SHEET
TEST_F(CliTool, SheetWritesOnePdfPagePerDesignAndConfiguration) {
    model::Mech second = scout();
    model::Mech variants = kit.omni();
    const std::vector<std::string> files{hunchbackFile, save(second, "jenner.FPM")};
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
    EXPECT_EQ(pageCount(work.file("brawler.pdf")), 1);
    EXPECT_FALSE(fs::exists(work.file("missing.pdf")));
}

// The tool itself never loads Qt: `sheet` goes whole to the executable beside it, whose help
// and status come back unchanged; without that executable, a message and the status 2.
TEST_F(CliTool, SheetIsHandedOverToTheExecutableBesideTheTool) {
    const std::string libraries = runCommand({"ldd", exe.string()}).out;
    ASSERT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("Qt"), std::string::npos) << libraries;
    EXPECT_NE(run({"--help"}).out.find("\n  sheet "), std::string::npos);
    const RunResult help = run({"sheet", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find(" sheet [OPTIONS] FILE..."), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--each"), std::string::npos) << help.out;

    fs::remove(sheets);
    const std::string pdf = work.file("none.pdf");
    const RunResult missing = run({"sheet", hunchbackFile, "-o", pdf});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "sheet needs " + sheets.string() +
                               ", which cannot be started: No such file or directory\n");
    EXPECT_FALSE(fs::exists(pdf));
}
#endif

} // namespace
} // namespace fpw::cli
