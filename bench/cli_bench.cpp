// `forgeplanwork-cli info` over a folder of a few thousand design files, side by side with
// merely reading the same files and with opening and recomputing them in process. Needs the
// tool and the reference files in the program directory beside this executable.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "bench/benchsupport.h"
#include "catalog/bvdatafile.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "valuation/bvcalc.h"
#include "valuation/costcalculation.h"

namespace {

using namespace fpw;
namespace fs = std::filesystem;

constexpr int kDesignFiles = 3000;

// The folder of design files, written once and removed at the end of the run.
struct DesignFolder {
    std::string programDir = fs::read_symlink("/proc/self/exe").parent_path().string();
    bench::BenchContext context{programDir};
    app::ProgramContext& ctx = context.ctx;
    fs::path folder;
    std::vector<std::string> files;
    std::string tool;
    std::string problem;

    DesignFolder() {
        tool = (fs::path(programDir) / "forgeplanwork-cli").string();
        if (!app::fileExists(tool)) {
            problem = "forgeplanwork-cli is not built beside the benchmarks";
            return;
        }
        if (!catalog::LoadWeapons(ctx)) {
            problem = "no weapon database in the program directory";
            return;
        }
        catalog::LoadBVData(ctx);
        folder = fs::temp_directory_path() / ("fpw-cli-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        const char* weapons[] = {"Medium Laser", "AC/20", "LRM-10", "PPC", "SRM-6", "Small Laser"};
        for (int i = 0; i < kDesignFiles; ++i) {
            model::Mech m(ctx);
            m.setMechName("Design " + std::to_string(i));
            m.setMechModel("BN-" + std::to_string(i % 97));
            m.setTonnage(static_cast<std::int16_t>(20 + 5 * (i % 17)));
            m.setWalking(static_cast<std::int16_t>(3 + i % 4));
            m.setHSCount(static_cast<std::int16_t>(10 + i % 6));
            for (int loc = 0; loc < catalog::kLocationCount; ++loc)
                m.SetArmor(loc, static_cast<std::int16_t>(6 + i % 9));
            for (int w = 0; w < 3 + i % 8; ++w) {
                const int ref =
                    catalog::findWeapon(ctx.weapons, weapons[(i + w) % 6], catalog::kInnerSphere);
                if (ref >= 0)
                    m.AddWeapon(static_cast<std::int16_t>(ref));
            }
            std::string name = "d";
            name += std::to_string(i);
            name += ".FPM";
            const std::string path = (folder / name).string();
            if (!io::SaveMech(m, path)) {
                problem = "could not write the design files";
                return;
            }
            files.push_back(path);
        }
    }
    ~DesignFolder() {
        std::error_code ec;
        if (!folder.empty())
            fs::remove_all(folder, ec);
    }
};

DesignFolder& designs() {
    static DesignFolder d;
    return d;
}

void BM_CliInfoOverFolder(benchmark::State& state) {
    DesignFolder& d = designs();
    if (!d.problem.empty()) {
        state.SkipWithError(d.problem.c_str());
        return;
    }
    std::string command = "'" + d.tool + "' info --json";
    for (const std::string& file : d.files)
        command += " '" + file + "'";
    command += " >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the tool reported a failure");
    }
    state.SetItemsProcessed(state.iterations() * kDesignFiles);
}
BENCHMARK(BM_CliInfoOverFolder)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_ReadFilesOnly(benchmark::State& state) {
    DesignFolder& d = designs();
    if (!d.problem.empty()) {
        state.SkipWithError(d.problem.c_str());
        return;
    }
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& file : d.files)
            bytes += app::readWholeFile(file).value_or(std::string()).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kDesignFiles);
}
BENCHMARK(BM_ReadFilesOnly)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// What the tool does per file, without starting a process or loading the reference files.
void BM_OpenAndRecomputeInProcess(benchmark::State& state) {
    DesignFolder& d = designs();
    if (!d.problem.empty()) {
        state.SkipWithError(d.problem.c_str());
        return;
    }
    for (auto _ : state) {
        for (const std::string& file : d.files) {
            model::Mech m(d.ctx);
            std::string message;
            if (!io::TOpenMech(m, file, true, message))
                continue;
            m.RecalcAll();
            valuation::CalcTotalCost(m);
            benchmark::DoNotOptimize(valuation::CalcBV(m));
        }
    }
    state.SetItemsProcessed(state.iterations() * kDesignFiles);
}
BENCHMARK(BM_OpenAndRecomputeInProcess)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

} // namespace
