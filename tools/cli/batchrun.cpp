#include "batchrun.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>

#include "app/programcontext.h"
#include "clicontext.h"
#include "infocommand.h"
#include "progressbar.h"

namespace fpw::cli {
namespace {

ItemOutput process(app::ProgramContext& ctx, const WalkItem& item, const ItemWork& work) {
    if (item.error) {
        ItemOutput failed;
        failed.failed = true;
        failed.err = failureLine(item.path, *item.error);
        return failed;
    }
    try {
        return work(ctx, item.path);
    } catch (const std::exception& e) {
        // Whatever one file does, the run goes on with the next.
        ItemOutput failed;
        failed.failed = true;
        failed.err = failureLine(item.path, e.what());
        return failed;
    }
}

// Results land in their item's place; the writer waits for each place in turn.
class OrderedResults {
public:
    explicit OrderedResults(std::size_t count) : results_(count) {}

    void put(std::size_t index, ItemOutput output) {
        {
            std::lock_guard lock(mutex_);
            results_[index] = std::move(output);
        }
        ready_.notify_all();
    }

    ItemOutput take(std::size_t index) {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return results_[index].has_value(); });
        ItemOutput output = std::move(*results_[index]);
        results_[index].reset();
        return output;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<std::optional<ItemOutput>> results_;
};

} // namespace

int hardwareThreads() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int runBatch(app::ProgramContext& ctx, const std::vector<WalkItem>& items, const ItemWork& work,
             const BatchOptions& options, std::ostream& out, std::ostream& err) {
    ProgressBar bar(err, items.size(), options.progress);
    int status = 0;
    const auto write = [&](const ItemOutput& output, std::size_t done) {
        if (!output.err.empty()) {
            bar.clear();
            err << output.err << std::flush;
        }
        if (!output.out.empty()) {
            if (options.outputOnTerminal)
                bar.clear();
            out << output.out;
        }
        if (output.failed)
            status = 1;
        bar.update(done);
    };

    const std::size_t jobs =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(1, options.jobs)), items.size());
    if (jobs <= 1) {
        for (std::size_t i = 0; i < items.size(); ++i)
            write(process(ctx, items[i], work), i + 1);
        out.flush();
        return status;
    }

    OrderedResults results(items.size());
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> workers;
    workers.reserve(jobs);
    for (std::size_t t = 0; t < jobs; ++t) {
        workers.emplace_back([&] {
            app::ProgramContext own(ctx.programDirectory, ctx.user);
            copyReferenceData(ctx, own);
            for (std::size_t i; (i = next.fetch_add(1)) < items.size();)
                results.put(i, process(own, items[i], work));
        });
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        write(results.take(i), i + 1);
    for (std::thread& worker : workers)
        worker.join();
    out.flush();
    return status;
}

} // namespace fpw::cli
