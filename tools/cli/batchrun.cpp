#include "batchrun.h"

#include <sched.h>

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
    // Rows gathered when a run ends early still reach the stream, as they would have unheld.
    ~Writer() { writeRows(); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void write(const ItemOutput& output) {
        if (!output.err.empty()) {
            bar_.clear();
            // The error stream flushes the output stream before it writes, so that both sent to
            // one file keep their order; the rows held here go first for the same reason.
            writeRows();
            err_ << output.err << std::flush;
        }
        if (!output.out.empty()) {
            if (options_.outputOnTerminal) {
                bar_.clear();
                out_ << output.out;
            } else {
                // Off a terminal the rows reach the stream in large pieces anyway: gathered here
                // first, they are written without a call into the stream per row.
                rows_ += output.out;
                if (rows_.size() >= kRowsHeld)
                    writeRows();
            }
        }
        if (output.failed)
            status_ = 1;
        ++written_;
    }

    ProgressBar& bar() { return bar_; }
    std::size_t written() const { return written_; }

    int finish() {
        writeRows();
        out_.flush();
        return status_;
    }

private:
    static constexpr std::size_t kRowsHeld = 32 * 1024;

    void writeRows() {
        out_.write(rows_.data(), static_cast<std::streamsize>(rows_.size()));
        rows_.clear();
    }

    const BatchOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    ProgressBar bar_;
    std::string rows_;
    std::size_t written_ = 0;
    int status_ = 0;
};

// A run of items one thread has claimed, and then their outputs.
struct Run {
    std::vector<WalkItem> items;
    std::vector<ItemOutput> outputs;
    bool done = false;
};

// The items between the walk and the threads that work on them. The walk adds items one by one;
// a thread claims them a run at a time and hands the run back whole. Whoever finishes the first
// run in line writes it, and the finished runs behind it, so that no thread waits for writing
// and nobody has to be woken for it.
class Pipeline {
public:
    Pipeline(std::size_t threads, Writer& writer) : threads_(threads), writer_(writer) {}

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

    // Works on runs with `ctx` until the walk is over and every item is claimed.
    void work(app::ProgramContext& ctx, const ItemWork& work) {
        while (Run* run = claim()) {
            run->outputs.reserve(run->items.size());
            for (const WalkItem& item : run->items)
                run->outputs.push_back(process(ctx, item, work));
            finish(*run);
        }
    }

private:
    Run* claim() {
        std::unique_lock lock(mutex_);
        ++idle_;
        claimable_.wait(lock, [&] { return walkDone_ || waiting_.size() >= kRunLength; });
        --idle_;
        if (waiting_.empty())
            return nullptr;
        // Once the walk is over the runs shrink with what is left, so that the threads finish
        // together.
        const std::size_t length =
            walkDone_ ? std::clamp<std::size_t>(
                            (waiting_.size() + 2 * threads_ - 1) / (2 * threads_), 1, kRunLength)
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
        std::unique_lock lock(mutex_);
        run.done = true;
        if (writing_)
            return; // the thread that writes takes this run along when its turn comes
        writing_ = true;
        while (!claimed_.empty() && claimed_.front()->done) {
            std::vector<std::unique_ptr<Run>> runs;
            for (; !claimed_.empty() && claimed_.front()->done; claimed_.pop_front())
                runs.push_back(std::move(claimed_.front()));
            const std::size_t found = found_;
            const bool walkDone = walkDone_;
            lock.unlock();
            for (const std::unique_ptr<Run>& written : runs)
                for (const ItemOutput& output : written->outputs)
                    writer_.write(output);
            writer_.bar().setTotal(found, walkDone);
            writer_.bar().update(writer_.written());
            lock.lock();
        }
        writing_ = false;
    }

    const std::size_t threads_;
    Writer& writer_;
    std::mutex mutex_;
    std::condition_variable claimable_;
    std::deque<WalkItem> waiting_;
    std::deque<std::unique_ptr<Run>> claimed_;
    std::size_t found_ = 0;
    std::size_t idle_ = 0;
    bool walkDone_ = false;
    bool writing_ = false;
};

// Every design is an open and a close. Threads that share one table of file descriptors take
// its lock for each and, to read, a reference on the file each time; with a table of its own
// (the descriptors open now, copied) a helper does neither. Where that is refused, the shared
// table serves as before.
void useOwnDescriptorTable() {
#ifdef CLONE_FILES
    ::unshare(CLONE_FILES);
#endif
}

// The helper threads beside the calling one, started as the walk finds enough work for them;
// they are let go and joined on the way out, also when the walk throws.
class Helpers {
public:
    Helpers(app::ProgramContext& ctx, Pipeline& pipeline, const ItemWork& work, std::size_t most)
        : ctx_(ctx), pipeline_(pipeline), work_(work), most_(most) {}
    ~Helpers() {
        pipeline_.endWalk();
        for (std::thread& thread : threads_)
            thread.join();
    }

    // Starts helpers until there are `wanted` of them, or as many as allowed.
    void grow(std::size_t wanted) {
        while (threads_.size() < std::min(wanted, most_)) {
            // The copy is made here, so that only the calling thread ever touches ctx.
            auto own = std::make_unique<app::ProgramContext>(ctx_.programDirectory, ctx_.user);
            copyReferenceData(ctx_, *own);
            threads_.emplace_back([this, own = std::move(own)] {
                useOwnDescriptorTable();
                pipeline_.work(*own, work_);
            });
        }
    }

private:
    app::ProgramContext& ctx_;
    Pipeline& pipeline_;
    const ItemWork& work_;
    const std::size_t most_;
    std::vector<std::thread> threads_;
};

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
        for (const WalkItem& item : items) {
            writer.write(process(ctx, item, work));
            writer.bar().update(writer.written());
        }
        return writer.finish();
    }

    // The calling thread walks, helpers start on the first runs meanwhile, and once the walk is
    // over the calling thread works beside them.
    Writer writer(options, 0, out, err);
    Pipeline pipeline(jobs, writer);
    {
        Helpers helpers(ctx, pipeline, work, jobs - 1);
        source([&](WalkItem item) {
            const std::size_t found = pipeline.add(std::move(item));
            if (found % kRunLength == 0)
                helpers.grow(found / kRunLength);
        });
        pipeline.endWalk();
        pipeline.work(ctx, work);
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
