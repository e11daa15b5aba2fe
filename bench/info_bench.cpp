// What `info --json` does for one design file, in process: open it, refresh the figures of
// every configuration and write their JSON lines.
#include <string>

#include <benchmark/benchmark.h>

#include "bench/benchdesigns.h"
#include "infocommand.h"

namespace {

using namespace fpw;

void BM_InfoOneDesign(benchmark::State& state, bool omni) {
    bench::Workbench bench;
    const std::string path = bench.savedDesign(omni, "info.fpm");
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::infoOutput(bench.ctx, path, true).out.size());
    }
    state.SetLabel("per design");
}
BENCHMARK_CAPTURE(BM_InfoOneDesign, Typical, false);
BENCHMARK_CAPTURE(BM_InfoOneDesign, OmniThreeConfigurations, true);

} // namespace
