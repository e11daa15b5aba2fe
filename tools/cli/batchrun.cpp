#include "batchrun.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <utility>

#include "app/programcontext.h"
#include "clicontext.h"
#include "infocommand.h"
#include "progressbar.h"

namespace fpw::cli {
namespace {

// Items are handed over in runs of this many, so that the workers and the writer meet once per
// run rather than once per design.
constexpr std::size_t kRunLength = 32;

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

// Writes the items' outputs in their order, with the progress bar.
class Writer {
public:
    Writer(const BatchOptions& options, std::size_t total, std::ostream& out, std::ostream& err)
        : options_(options), out_(out), err_(err), bar_(err, total, options.progress) {}

    void write(const ItemOutput& output) {
        if (!output.err.empty()) {
            bar_.clear();
            err_ << output.err << std::flush;
        }
        if (!output.out.empty()) {
            if (options_.outputOnTerminal)
                bar_.clear();
            out_ << output.out;
        }
        if (output.failed)
            status_ = 1;
        ++written_;
    }

    ProgressBar& bar() { return bar_; }
    std::size_t written() const { return written_; }

    int finish() {
        out_.flush();
        return status_;
    }

private:
    const BatchOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    ProgressBar bar_;
    std::size_t written_ = 0;
    int status_ = 0;
};

void runHere(app::ProgramContext& ctx, const std::vector<WalkItem>& items, const ItemWork& work,
             Writer& writer) {
    for (const WalkItem& item : items) {
        writer.write(process(ctx, item, work));
        writer.bar().update(writer.written());
    }
}

// A run of items one worker has claimed, and then their outputs.
struct Run {
    std::vector<WalkItem> items;
    std::vector<ItemOutput> outputs;
    bool done = false;
};

// What the writer may write now: the finished runs at the front, in order; and how many items
// the walk has found so far.
struct Finished {
    std::vector<std::unique_ptr<Run>> runs;
    std::size_t found = 0;
    bool walkDone = false;
};

// The items between the walk, the workers and the writer. The walk adds items one by one;
// a worker claims them a run at a time and hands the run back whole; the writer takes the
// finished runs in the order of their items.
class Pipeline {
public:
    explicit Pipeline(std::size_t workers) : workers_(workers) {}

    // Returns how many items have been found.
    std::size_t add(WalkItem item) {
        std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(item));
        if (idle_ > 0 && waiting_.size() % kRunLength == 0)
            claimable_.notify_one();
        return ++found_;
    }

    void endWalk() {
        {
            std::lock_guard lock(mutex_);
            walkDone_ = true;
        }
        claimable_.notify_all();
    }

    // Every item nobody has claimed.
    std::vector<WalkItem> takeWaiting() {
        std::lock_guard lock(mutex_);
        std::vector<WalkItem> items(std::make_move_iterator(waiting_.begin()),
                                    std::make_move_iterator(waiting_.end()));
        waiting_.clear();
        return items;
    }

    // The next run to work on; null once the walk is over and every item is claimed.
    Run* claim() {
        std::unique_lock lock(mutex_);
        ++idle_;
        claimable_.wait(lock, [&] { return walkDone_ || waiting_.size() >= kRunLength; });
        --idle_;
        if (waiting_.empty())
            return nullptr;
        // Once the walk is over the runs shrink with what is left, so that the workers finish
        // together.
        const std::size_t length =
            walkDone_ ? std::clamp<std::size_t>(
                            (waiting_.size() + 2 * workers_ - 1) / (2 * workers_), 1, kRunLength)
                      : kRunLength;
        auto run = std::make_unique<Run>();
        run->items.reserve(length);
        for (std::size_t i = 0; i < length; ++i) {
            run->items.push_back(std::move(waiting_.front()));
            waiting_.pop_front();
        }
        claimed_.push_back(std::move(run));
        return claimed_.back().get();
    }

    void finish(Run& run) {
        bool first = false;
        {
            std::lock_guard lock(mutex_);
            run.done = true;
            first = claimed_.front().get() == &run;
        }
        // The writer waits for the first run only; the ones behind it it takes along.
        if (first)
            finished_.notify_one();
    }

    // With `wait`, waits until the first run has finished, or everything is written.
    Finished take(bool wait) {
        std::unique_lock lock(mutex_);
        const auto firstDone = [&] { return !claimed_.empty() && claimed_.front()->done; };
        if (wait) {
            finished_.wait(lock, [&] {
                return firstDone() || (walkDone_ && waiting_.empty() && claimed_.empty());
            });
        }
        Finished finished;
        for (; firstDone(); claimed_.pop_front())
            finished.runs.push_back(std::move(claimed_.front()));
        finished.found = found_;
        finished.walkDone = walkDone_;
        return finished;
    }

private:
    const std::size_t workers_;
    std::mutex mutex_;
    std::condition_variable claimable_;
    std::condition_variable finished_;
    std::deque<WalkItem> waiting_;
    std::deque<std::unique_ptr<Run>> claimed_;
    std::size_t found_ = 0;
    std::size_t idle_ = 0;
    bool walkDone_ = false;
};

// The worker threads, started as the walk finds enough work for them; they are let go and
// joined on the way out, also when the walk throws.
class Workers {
public:
    Workers(app::ProgramContext& ctx, Pipeline& pipeline, const ItemWork& work, std::size_t most)
        : ctx_(ctx), pipeline_(pipeline), work_(work), most_(most) {}
    ~Workers() {
        pipeline_.endWalk();
        for (std::thread& thread : threads_)
            thread.join();
    }

    // Starts workers until there are `wanted` of them, or as many as allowed.
    void grow(std::size_t wanted) {
        while (threads_.size() < std::min(wanted, most_))
            threads_.emplace_back([this] { work(); });
    }

    bool none() const { return threads_.empty(); }

private:
    void work() {
        app::ProgramContext own(ctx_.programDirectory, ctx_.user);
        copyReferenceData(ctx_, own);
        while (Run* run = pipeline_.claim()) {
            run->outputs.reserve(run->items.size());
            for (const WalkItem& item : run->items)
                run->outputs.push_back(process(own, item, work_));
            pipeline_.finish(*run);
        }
    }

    app::ProgramContext& ctx_;
    Pipeline& pipeline_;
    const ItemWork& work_;
    const std::size_t most_;
    std::vector<std::thread> threads_;
};

void writeRuns(const Finished& finished, Writer& writer) {
    for (const std::unique_ptr<Run>& run : finished.runs)
        for (const ItemOutput& output : run->outputs)
            writer.write(output);
    writer.bar().setTotal(finished.found, finished.walkDone);
    writer.bar().update(writer.written());
}

std::size_t runsFor(std::size_t items) {
    return (items + kRunLength - 1) / kRunLength;
}

} // namespace

int hardwareThreads() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int runBatch(app::ProgramContext& ctx, const ItemSource& source, const ItemWork& work,
             const BatchOptions& options, std::ostream& out, std::ostream& err) {
    const auto jobs = static_cast<std::size_t>(std::max(1, options.jobs));
    if (jobs == 1) {
        std::vector<WalkItem> items;
        source([&](WalkItem item) { items.push_back(std::move(item)); });
        Writer writer(options, items.size(), out, err);
        runHere(ctx, items, work, writer);
        return writer.finish();
    }

    Writer writer(options, 0, out, err);
    Pipeline pipeline(jobs);
    std::size_t found = 0;
    {
        Workers workers(ctx, pipeline, work, jobs);
        // A worker starts for each full run found; between runs the walk writes what is done.
        source([&](WalkItem item) {
            found = pipeline.add(std::move(item));
            if (found % kRunLength == 0) {
                workers.grow(found / kRunLength);
                writeRuns(pipeline.take(false), writer);
            }
        });
        pipeline.endWalk();
        if (workers.none()) {
            // Too little for a thread of its own.
            writer.bar().setTotal(found, true);
            runHere(ctx, pipeline.takeWaiting(), work, writer);
        } else {
            workers.grow(runsFor(found));
            for (Finished finished; !(finished = pipeline.take(true)).runs.empty();)
                writeRuns(finished, writer);
        }
    }
    return writer.finish();
}

int runBatch(app::ProgramContext& ctx, const std::vector<std::string>& args, const ItemWork& work,
             const BatchOptions& options, std::ostream& out, std::ostream& err) {
    return runBatch(
        ctx, [&](const WalkSink& found) { walkDesigns(ctx, args, found); }, work, options, out,
        err);
}

} // namespace fpw::cli
