// Opening a design into the editor: reading the file into a fresh design, swapping it in, and
// every list and figure the editor shows rebuilt.
#include <string>

#include <benchmark/benchmark.h>

#include "bench/benchdesigns.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"

namespace {

using namespace fpw;

void BM_OpenDesignIntoEditor(benchmark::State& state, bool omni) {
    bench::Workbench bench;
    const std::string path = bench.savedDesign(omni, "open.fpm");
    editor::Editor editor(bench.ctx);
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor::OpenMech(editor, path));
    }
    state.SetLabel("per design");
}
BENCHMARK_CAPTURE(BM_OpenDesignIntoEditor, Typical, false);
BENCHMARK_CAPTURE(BM_OpenDesignIntoEditor, OmniThreeConfigurations, true);

} // namespace
