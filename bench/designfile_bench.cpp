// Opening a design file quietly with every figure recomputed (what unit, search and
// multi-print do per file), and saving a design.
#include <string>

#include <benchmark/benchmark.h>

#include "bench/benchdesigns.h"
#include "io/designfile.h"
#include "model/mech.h"

namespace {

using namespace fpw;
using bench::omniDesign;
using bench::typicalDesign;
using bench::Workbench;

void BM_OpenDesignQuietlyAndRecompute(benchmark::State& state, bool omni) {
    Workbench bench;
    model::Mech design = omni ? omniDesign(bench.ctx) : typicalDesign(bench.ctx);
    const std::string path = bench.file("design.fpm");
    io::SaveMech(design, path);
    std::string message;
    for (auto _ : state) {
        model::Mech mech(bench.ctx);
        const bool opened = io::TOpenMech(mech, path, true, message);
        mech.RecalcAll();
        benchmark::DoNotOptimize(opened);
        benchmark::DoNotOptimize(mech.totalTonnage());
    }
    state.SetLabel("per design");
}
BENCHMARK_CAPTURE(BM_OpenDesignQuietlyAndRecompute, Typical, false);
BENCHMARK_CAPTURE(BM_OpenDesignQuietlyAndRecompute, OmniThreeConfigurations, true);

// The same without the file system: reading the bytes into a design and recomputing.
void BM_ParseDesignAndRecompute(benchmark::State& state) {
    Workbench bench;
    const std::string bytes = io::writeDesignFile(typicalDesign(bench.ctx));
    for (auto _ : state) {
        io::DesignFileResult result = io::parseDesignFile(bytes, bench.ctx);
        result.mech->RecalcAll();
        benchmark::DoNotOptimize(result.mech->totalTonnage());
    }
}
BENCHMARK(BM_ParseDesignAndRecompute);

// The reader alone: the bytes into a design, the figures the file does not carry recomputed.
// Under callgrind this gives the reader's instructions per design.
void BM_ParseDesign(benchmark::State& state, bool omni) {
    Workbench bench;
    const std::string bytes =
        io::writeDesignFile(omni ? omniDesign(bench.ctx) : typicalDesign(bench.ctx));
    for (auto _ : state) {
        io::DesignFileResult result = io::parseDesignFile(bytes, bench.ctx);
        benchmark::DoNotOptimize(result.mech->totalTonnage());
    }
    state.SetLabel("per design");
}
BENCHMARK_CAPTURE(BM_ParseDesign, Typical, false);
BENCHMARK_CAPTURE(BM_ParseDesign, OmniThreeConfigurations, true);

void BM_SaveDesign(benchmark::State& state, bool omni) {
    Workbench bench;
    model::Mech design = omni ? omniDesign(bench.ctx) : typicalDesign(bench.ctx);
    const std::string path = bench.file("saved.fpm");
    for (auto _ : state) {
        benchmark::DoNotOptimize(io::SaveMech(design, path));
    }
    state.SetLabel("per design");
}
BENCHMARK_CAPTURE(BM_SaveDesign, Typical, false);
BENCHMARK_CAPTURE(BM_SaveDesign, OmniThreeConfigurations, true);

void BM_WriteDesignBytes(benchmark::State& state) {
    Workbench bench;
    const model::Mech design = typicalDesign(bench.ctx);
    for (auto _ : state) {
        benchmark::DoNotOptimize(io::writeDesignFile(design));
    }
}
BENCHMARK(BM_WriteDesignBytes);

} // namespace
