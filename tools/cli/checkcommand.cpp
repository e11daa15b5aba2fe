#include "checkcommand.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <set>
#include <sstream>

#include "app/errorreporter.h"
#include "app/programcontext.h"
#include "clicontext.h"
#include "consoleuser.h"
#include "designwalk.h"
#include "editor/documentcommands.h"
#include "editor/editor.h"
#include "editor/writebvs.h"
#include "infocommand.h"

namespace fpw::cli {
namespace {

// Every line of what was shown, behind the file's name.
std::string linesOf(const std::string& file, const std::string& shown) {
    std::string result;
    std::istringstream in(shown);
    for (std::string line; std::getline(in, line);)
        result += failureLine(file, line);
    return result;
}

// Counts what it shows: the write-BVs command shows one message per file that did not open
// and "Done" at the end.
class CountingUser : public ConsoleUser {
public:
    using ConsoleUser::ConsoleUser;
    void message(std::string_view text, std::string_view title, app::MessageIcon icon) override {
        ++shown;
        ConsoleUser::message(text, title, icon);
    }
    int shown = 0;
};

// A context per working thread whose person writes into a text that is emptied before each
// design, so that what is shown is known to be about that file. Each is made once, on
// its thread's first design: copying the reference data costs more than checking a design.
class CheckContexts {
public:
    struct Own {
        explicit Own(const app::ProgramContext& thread) : ctx(thread.programDirectory, user) {
            copyReferenceData(thread, ctx);
        }
        std::ostringstream shown;
        ConsoleUser user{shown};
        app::ProgramContext ctx;
    };

    Own& of(const app::ProgramContext& thread) {
        std::lock_guard lock(mutex_);
        std::unique_ptr<Own>& own = byThread_[&thread];
        if (!own)
            own = std::make_unique<Own>(thread);
        return *own;
    }

private:
    std::mutex mutex_;
    std::map<const app::ProgramContext*, std::unique_ptr<Own>> byThread_;
};

} // namespace

int runCheck(app::ProgramContext& ctx, const std::vector<std::string>& args,
             const BatchOptions& options, std::ostream& out, std::ostream& err) {
    CheckContexts contexts;
    const ItemWork work = [&contexts](app::ProgramContext& threadCtx, const std::string& path) {
        CheckContexts::Own& own = contexts.of(threadCtx);
        own.shown.str({});
        editor::Editor editor(own.ctx);
        ItemOutput output;
        if (!editor::OpenMech(editor, path)) {
            output.failed = true;
            output.err = linesOf(path, own.shown.str());
            return output;
        }
        output.failed = !editor::PassesSaveChecks(editor);
        output.out = linesOf(path, own.shown.str());
        return output;
    };
    return runBatch(ctx, args, work, options, out, err);
}

int runWriteBVs(app::ProgramContext& ctx, const std::vector<std::string>& directories,
                std::ostream& out, std::ostream& err) {
    namespace fs = std::filesystem;
    int status = 0;
    std::set<fs::path> visited;
    for (const std::string& directory : directories) {
        std::error_code ec;
        if (!fs::is_directory(directory, ec)) {
            err << failureLine(directory, "This is not a directory.");
            status = 1;
            continue;
        }
        // The command itself follows no links; a tree named twice is written once.
        if (!visited.insert(fs::canonical(directory, ec)).second)
            continue;
        CountingUser user(err);
        app::ProgramContext own(ctx.programDirectory, user);
        copyReferenceData(ctx, own);
        // The log also receives the error report of a file that did not open; that one is
        // shown on the error stream already and would only break the lines of the output.
        const std::string report = app::errorReportText({}, {});
        const std::string_view reportStart =
            std::string_view(report).substr(0, report.find_first_of(".\r\n"));
        own.log.setEcho([&out, reportStart](std::string_view line) {
            if (line.substr(0, reportStart.size()) != reportStart)
                out << line << '\n';
        });
        const editor::WriteBVsResult result = editor::WriteBVs(own, directory);
        err << result.statusText << '\n';
        if (user.shown > 1)
            status = 1;
    }
    out.flush();
    return status;
}

} // namespace fpw::cli
