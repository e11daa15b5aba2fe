// `forgeplanwork-cli info` and `write-bvs` over a corpus of 10,000 generated designs in a folder
// tree, side by side with merely reading the same files (the floor), and the tool's work on
// one file in process (the single-file path). The tool runs as a whole process, from start-up
// and the reference files to the last row; `info` once on one thread and once on every
// hardware thread.
// bench/cli_batch.sh runs these together and prints the per-design times and the ratios.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/files.h"
#include "app/programcontext.h"
#include "app/readbuffer.h"
#include "batchrun.h"
#include "bench/benchsupport.h"
#include "clicontext.h"
#include "corpus.h"
#include "designwalk.h"
#include "infocommand.h"
#include "io/designfile.h"

namespace {

using namespace fpw;
namespace fs = std::filesystem;

constexpr int kDesignFiles = 10000;

// The corpus, written once and removed at the end of the run.
struct Corpus {
    std::string programDir = fs::read_symlink("/proc/self/exe").parent_path().string();
    bench::BenchContext context{programDir};
    app::ProgramContext& ctx = context.ctx;
    fs::path folder;
    std::vector<std::string> files;
    std::string tool;
    std::string problem;

    Corpus() {
        tool = (fs::path(programDir) / "forgeplanwork-cli").string();
        if (!app::fileExists(tool)) {
            problem = "forgeplanwork-cli is not built beside the benchmarks";
            return;
        }
        if (!cli::loadReferenceData(ctx)) {
            problem = "no weapon database in the program directory";
            return;
        }
        folder = fs::temp_directory_path() / ("fpw-cli-bench-" + std::to_string(::getpid()));
        corpus::Generator generator(ctx);
        for (int n = 0; n < kDesignFiles; ++n) {
            if (!generator.write(n, folder)) {
                problem = "could not write the design files";
                return;
            }
        }
        // The order in which the tool visits them.
        for (const cli::WalkItem& item : cli::walkDesigns(ctx, {folder.string()}))
            files.push_back(item.path);
    }
    ~Corpus() {
        std::error_code ec;
        if (!folder.empty())
            fs::remove_all(folder, ec);
    }
};

Corpus& corpusFolder() {
    static Corpus c;
    return c;
}

bool ready(benchmark::State& state, const Corpus& c) {
    if (c.problem.empty())
        return true;
    state.SkipWithError(c.problem.c_str());
    return false;
}

// Runs `bytesOf` on every file of the corpus in turn, once per iteration.
template <typename BytesOf> void overEveryFile(benchmark::State& state, BytesOf bytesOf) {
    Corpus& c = corpusFolder();
    if (!ready(state, c))
        return;
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& file : c.files)
            bytes += bytesOf(c, file);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kDesignFiles);
}

// The floor: every file opened and read whole, one after the other.
void BM_BatchReadFilesOnly(benchmark::State& state) {
    // Through the same kept buffer as the tool's reading of designs.
    app::ReadBuffer buffer;
    overEveryFile(state, [&](Corpus&, const std::string& file) {
        return buffer.readWholeFile(file).value_or(std::string_view()).size();
    });
}
BENCHMARK(BM_BatchReadFilesOnly)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// Runs the whole tool with `arguments` before the corpus folder, once per iteration.
void overTheFolder(benchmark::State& state, const std::string& arguments) {
    Corpus& c = corpusFolder();
    if (!ready(state, c))
        return;
    const std::string command =
        "'" + c.tool + "' " + arguments + " '" + c.folder.string() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the tool reported a failure");
    }
    state.SetItemsProcessed(state.iterations() * kDesignFiles);
}

// `info` over the folder; argument: worker threads, 0 for the default (all).
void BM_BatchInfoProcess(benchmark::State& state) {
    std::string arguments = "info --json";
    if (state.range(0) > 0)
        arguments += " -j " + std::to_string(state.range(0));
    overTheFolder(state, arguments);
}
BENCHMARK(BM_BatchInfoProcess)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

// `write-bvs` over the folder: every design opened one after the other, each line also
// written to the log of the benchmark's program directory.
void BM_BatchWriteBVsProcess(benchmark::State& state) {
    overTheFolder(state, "write-bvs");
}
BENCHMARK(BM_BatchWriteBVsProcess)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The single-file path in process: open, parse, recompute, BV, cost and the JSON line.
void BM_BatchInfoInProcess(benchmark::State& state) {
    overEveryFile(state, [](Corpus& c, const std::string& file) {
        return cli::infoOutput(c.ctx, file, true).out.size();
    });
}
BENCHMARK(BM_BatchInfoInProcess)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
