// The fixture of the command-line tool's tests: runs the built forgeplanwork-cli from a
// program directory of its own (a copy of the executables beside the shipped reference files)
// on design files written here, and gives the library's figures to compare with.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "recordsheet/sheetdesigns.h"
#include "support/tempdir.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace fpw::cli::clitest {

namespace fs = std::filesystem;
using nlohmann::json;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

inline std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result(1);
    for (char c : line) {
        if (c == '\t')
            result.emplace_back();
        else
            result.back() += c;
    }
    return result;
}

// The figures the library gives a design, in the tool's JSON form.
inline json libraryFigures(model::Mech& mech, const std::string& file) {
    int armored = 0;
    int freeSlots = 0;
    for (const model::CritLocation& list : mech.critLocations()) {
        freeSlots += list.FreeSlotCount();
        for (const model::CriticalSlot& slot : list.slots())
            armored += slot.isArmored;
    }
    mech.ArmoredSlotData(armored, armored);
    const std::int32_t cost = valuation::CalcTotalCost(mech);
    const auto bv = valuation::CalcBV(mech);
    return json{{"file", file},
                {"name", mech.mechName()},
                {"model", mech.mechModel()},
                {"config", mech.omniBaseLocked() ? json(mech.currentConfig()) : json(nullptr)},
                {"tonnage", mech.tonnage()},
                {"total_tonnage", mech.totalTonnage()},
                {"free_tonnage", mech.freeTonnage()},
                {"walking", mech.walking()},
                {"running", mech.running()},
                {"jumping", mech.jumping()},
                {"max_heat", mech.MaxHeat()},
                {"heat_dissipation", (mech.hsType() == 0 ? 1 : 2) * mech.hsCount()},
                {"free_slots", freeSlots},
                {"cost", cost},
                {"bv", bv ? json(bv->battleValue) : json(nullptr)},
                {"error", nullptr}};
}

class CliTool : public ::testing::Test {
protected:
    void SetUp() override {
        exe = fs::path(program.path()) / "forgeplanwork-cli";
        fs::copy_file(FPW_CLI_EXECUTABLE, exe);
#ifdef FPW_CLI_SHEETS_EXECUTABLE
        sheets = fs::path(program.path()) / fs::path(FPW_CLI_SHEETS_EXECUTABLE).filename();
        fs::copy_file(FPW_CLI_SHEETS_EXECUTABLE, sheets);
#endif
    }

    // A 50-ton brawler: an AC/20 with (or without) ammunition in the right torso, two medium
    // lasers.
    model::Mech brawler(bool ammunition = true) {
        model::Mech m(ctx);
        m.setMechName("Hunchback");
        m.setMechModel("HBK-4G");
        m.setTechLevel(1);
        m.setTonnage(50);
        m.setWalking(4);
        m.setHSCount(13);
        const std::int16_t armor[] = {16, 20, 20, 20, 20, 16, 26, 9, 5, 5, 8};
        for (int loc = 0; loc < catalog::kLocationCount; ++loc)
            m.SetArmor(loc, armor[loc]);
        testing::placeWeapon(m, "AC/20", catalog::kRightTorso, 0);
        if (ammunition)
            testing::placeWeapon(m, "AC/20 Ammo", catalog::kRightTorso, 10);
        testing::placeWeapon(m, "Medium Laser", catalog::kLeftArm, 4);
        testing::placeWeapon(m, "Medium Laser", catalog::kRightArm, 4);
        for (int hs = 0; hs < 3; ++hs)
            m.critLocation(catalog::kLeftTorso)
                .PlaceItem("Heat Sink", hs, false, "cHS" + std::to_string(hs + 1));
        return m;
    }

    // A 35-ton jumper with double heat sinks and an armoured engine slot.
    model::Mech scout() {
        model::Mech m(ctx);
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
        testing::placeWeapon(m, "Medium Laser", catalog::kLeftArm, 4);
        testing::placeWeapon(m, "LRM-10", catalog::kCenterTorso, 10);
        m.critLocation(catalog::kCenterTorso).SetArmored(true, "cEng1");
        return m;
    }

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

    // Runs any program with its arguments quoted, its output and errors kept apart in files.
    RunResult runCommand(const std::vector<std::string>& args) const {
        std::string command;
        for (const std::string& arg : args)
            command += quoted(arg) + ' ';
        command += ">" + quoted(work.file("stdout.txt")) + " 2>" + quoted(work.file("stderr.txt"));
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, work.read("stdout.txt"),
                work.read("stderr.txt")};
    }

    // The "Pages:" line of pdfinfo; -1 when there is none.
    int pageCount(const std::string& pdf) const {
        const std::string info = runCommand({"pdfinfo", pdf}).out;
        const std::size_t at = info.find("\nPages:");
        return at == std::string::npos ? -1 : std::stoi(info.substr(at + 7));
    }

    // The program folder: the executable beside the shipped reference files.
    testing::SheetKit kit;
    testing::TempDir& program = kit.dir;
    app::ProgramContext& ctx = kit.ctx;
    testing::TempDir work;
    fs::path exe;
    fs::path sheets; // the executable `sheet` hands over to, beside the tool
    model::Mech hunchback = brawler();
    const std::string hunchbackFile = save(hunchback, "brawler.FPM");
};

} // namespace fpw::cli::clitest
