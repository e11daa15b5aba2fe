// forgeplanwork-cli: batch work over design files with the program's own reference files.
// Each subcommand is registered by one function below, which leaves in `run` what the
// subcommand does once the reference files are loaded.
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "app/programcontext.h"
#include "checkcommand.h"
#include "clicontext.h"
#include "consoleuser.h"
#include "editcommand.h"
#include "editor/script.h"
#include "handover.h"
#include "infocommand.h"
#include "muxcommand.h"
#include "progressbar.h"
#include "reportcommand.h"
#include "sheetcommand.h"
#ifdef FPW_CLI_SHEET
#include "catalog/plotfile.h"
#include "ui/recordsheet/pdfdocument.h"
#endif

namespace {

using namespace fpw;
using Run = std::function<int(app::ProgramContext&)>;

// The batch commands' defaults (every hardware thread, a progress bar on a terminal) and their
// -j option.
cli::BatchOptions batchOptions() {
    cli::BatchOptions options;
    options.jobs = cli::hardwareThreads();
    options.progress = cli::ProgressBar::standardErrorIsTerminal();
    options.outputOnTerminal = cli::ProgressBar::standardOutputIsTerminal();
    return options;
}

void addJobsOption(CLI::App* sub, cli::BatchOptions& options) {
    sub->add_option("-j,--jobs", options.jobs, "Worker threads (default: all hardware threads)")
        ->check(CLI::PositiveNumber);
}

void registerInfo(CLI::App& tool, Run& run) {
    struct Options {
        std::vector<std::string> files;
        bool json = false;
        cli::BatchOptions batch;
    };
    auto o = std::make_shared<Options>();
    CLI::App* info = tool.add_subcommand("info", "Recompute and print the figures of each design");
    info->add_option("FILE", o->files, "Design files (.FPM) and directories to walk")->required();
    info->add_flag("--json", o->json, "Print one JSON object per line");
    o->batch = batchOptions();
    addJobsOption(info, o->batch);
    info->callback([&run, o] {
        run = [o](app::ProgramContext& ctx) {
            return cli::runInfo(ctx, o->files, o->json, o->batch, std::cout, std::cerr);
        };
    });
}

void registerMux(CLI::App& tool, Run& run) {
    struct Options {
        std::string file;
        std::string output;
    };
    auto o = std::make_shared<Options>();
    CLI::App* mux = tool.add_subcommand("mux", "Write the MUX export of a design file");
    mux->add_option("FILE", o->file, "Design file (.FPM)")->required();
    mux->add_option("-o,--output", o->output, "Output file (default: FILE with extension .mux)");
    mux->callback([&run, o] {
        run = [o](app::ProgramContext& ctx) {
            return cli::runMux(ctx, o->file, o->output, std::cerr);
        };
    });
}

// `bv` and `cost` differ only in the report they print.
void registerReport(CLI::App& tool, Run& run, const char* name, const char* description,
                    cli::Report report) {
    struct Options {
        std::string file;
        std::string config;
    };
    auto o = std::make_shared<Options>();
    CLI::App* sub = tool.add_subcommand(name, description);
    sub->add_option("FILE", o->file, "Design file (.FPM)")->required();
    sub->add_option("-c,--config", o->config,
                    "Configuration of a locked OmniMech (default: the one it was saved in)");
    sub->callback([&run, o, report] {
        run = [o, report](app::ProgramContext& ctx) {
            return cli::runReport(ctx, report, o->file, o->config, std::cout, std::cerr);
        };
    });
}

void registerCheck(CLI::App& tool, Run& run) {
    struct Options {
        std::vector<std::string> files;
        cli::BatchOptions batch;
    };
    auto o = std::make_shared<Options>();
    CLI::App* check =
        tool.add_subcommand("check", "Run the editor's save checks on each design (status 0: "
                                     "every design would save)");
    check->add_option("FILE", o->files, "Design files (.FPM) and directories to walk")->required();
    o->batch = batchOptions();
    addJobsOption(check, o->batch);
    check->callback([&run, o] {
        run = [o](app::ProgramContext& ctx) {
            return cli::runCheck(ctx, o->files, o->batch, std::cout, std::cerr);
        };
    });
}

void registerWriteBVs(CLI::App& tool, Run& run) {
    auto directories = std::make_shared<std::vector<std::string>>();
    CLI::App* sub = tool.add_subcommand(
        "write-bvs", "Write the Battle Value of every design in each directory tree to the log "
                     "and to standard output");
    sub->add_option("DIR", *directories, "Directories")->required();
    sub->callback([&run, directories] {
        run = [directories](app::ProgramContext& ctx) {
            return cli::runWriteBVs(ctx, *directories, std::cout, std::cerr);
        };
    });
}

#if defined(FPW_CLI_SHEET) || defined(FPW_CLI_SHEETS_EXECUTABLE)
constexpr const char* kSheetDescription =
    "Write the record sheets of design files as PDF documents";
#endif

#ifdef FPW_CLI_SHEET
// Only with the desktop layer: the sheets are written by Qt's PDF writer.
void registerSheet(CLI::App& tool, Run& run, int argc, char** argv) {
    auto o = std::make_shared<cli::SheetOptions>();
    CLI::App* sheet = tool.add_subcommand("sheet", kSheetDescription);
    sheet->add_option("FILE", o->files, "Design files (.FPM)")->required();
    CLI::Option* output = sheet->add_option("-o,--output", o->output, "One PDF with every sheet");
    CLI::Option* each = sheet->add_option("--each", o->eachDirectory,
                                          "Write one PDF per design file into this folder");
    output->excludes(each);
    sheet->add_option("--pilot", o->pilotName, "Pilot name");
    sheet->add_option("--gunnery", o->gunnery, "Gunnery skill (0 to 7)");
    sheet->add_option("--piloting", o->piloting, "Piloting skill (0 to 7)");
    sheet->callback([&run, o, argc, argv] {
        run = [o, argc, argv](app::ProgramContext& ctx) {
            if (o->output.empty() && o->eachDirectory.empty()) {
                std::cerr << "sheet: give -o OUT.pdf or --each DIR\n";
                return 2;
            }
            // The standard armour diagram places its points by the plot files.
            if (!catalog::LoadArmorPlot(ctx) || !catalog::LoadInternalPlot(ctx))
                return 2;
            return ui::withGuiApplication(argc, argv, [&] {
                return cli::runSheet(
                    ctx, *o, [] { return std::make_unique<ui::PdfDocument>(); }, std::cerr);
            });
        };
    });
}
#endif

#ifdef FPW_CLI_SHEETS_EXECUTABLE
// Loading Qt would cost every run of the tool milliseconds, so the sheets are drawn by a
// sibling executable, the same tool built with the desktop layer. A subcommand can only come
// first, so main hands a command line starting with `sheet` over to it before any parsing; the
// subcommand registered here gives `sheet` its line in the help.
bool handsOverSheet(int argc, char** argv) {
    return argc > 1 && std::string(argv[1]) == "sheet";
}

void registerSheetHandOver(CLI::App& tool) {
    tool.add_subcommand("sheet", kSheetDescription);
}
#endif

// `edit` needs a context whose person is the script, so it runs outside `Run`.
void registerEdit(CLI::App& tool, std::shared_ptr<cli::EditRequest>& edit) {
    auto request = std::make_shared<cli::EditRequest>();
    CLI::App* sub =
        tool.add_subcommand("edit", "Run an editor script on a new or an opened design");
    sub->add_option("--open", request->openFile, "Design file to start from (.FPM)");
    sub->add_option("SCRIPT", request->scriptFile, "Editor script")->required();
    sub->add_option("--save", request->saveFile,
                    "Save the design here at the end, replacing the file");
    sub->callback([&edit, request] { edit = request; });
}

} // namespace

int main(int argc, char** argv) {
#ifdef FPW_CLI_SHEETS_EXECUTABLE
    if (handsOverSheet(argc, argv))
        return cli::handOver(FPW_CLI_SHEETS_EXECUTABLE, argv, std::cerr);
#endif
    CLI::App tool{"Forgeplanwork command-line tool: figures, exports and editor scripts of mech "
                  "design files"};
    tool.require_subcommand(1);
    Run run;
    registerInfo(tool, run);
    registerMux(tool, run);
    registerReport(tool, run, "bv", "Print the Battle Value calculation of a design",
                   cli::Report::BattleValue);
    registerReport(tool, run, "cost", "Print the cost breakdown of a design", cli::Report::Cost);
    registerCheck(tool, run);
    registerWriteBVs(tool, run);
#ifdef FPW_CLI_SHEET
    registerSheet(tool, run, argc, argv);
#endif
#ifdef FPW_CLI_SHEETS_EXECUTABLE
    registerSheetHandOver(tool);
#endif
    std::shared_ptr<cli::EditRequest> edit;
    registerEdit(tool, edit);

    CLI11_PARSE(tool, argc, argv);

    if (edit) {
        // The script plays the person: its answers, and every message printed.
        editor::script::ScriptUser user(std::cout);
        app::ProgramContext ctx(cli::executableDirectory(argv[0]), user);
        if (!cli::loadReferenceData(ctx))
            return 2;
        return cli::runEdit(ctx, user, *edit, std::cout, std::cerr);
    }

    cli::ConsoleUser user(std::cerr);
    app::ProgramContext ctx(cli::executableDirectory(argv[0]), user);
    if (!cli::loadReferenceData(ctx))
        return 2;
    return run(ctx);
}
