// forgeplanwork-cli: batch work over design files with the program's own reference files.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "app/programcontext.h"
#include "clicontext.h"
#include "consoleuser.h"
#include "infocommand.h"
#include "muxcommand.h"
#include "sheetcommand.h"
#ifdef FPW_CLI_SHEET
#include "catalog/plotfile.h"
#include "ui/recordsheet/pdfdocument.h"
#endif

int main(int argc, char** argv) {
    CLI::App cli{"Forgeplanwork command-line tool: figures and exports of mech design files"};
    cli.require_subcommand(1);

    std::vector<std::string> infoFiles;
    bool json = false;
    CLI::App* info =
        cli.add_subcommand("info", "Recompute and print the figures of each design file");
    info->add_option("FILE", infoFiles, "Design files (.FPM)")->required();
    info->add_flag("--json", json, "Print one JSON object per line");

    std::string muxFile;
    std::string muxOut;
    CLI::App* mux = cli.add_subcommand("mux", "Write the MUX export of a design file");
    mux->add_option("FILE", muxFile, "Design file (.FPM)")->required();
    mux->add_option("-o,--output", muxOut, "Output file (default: FILE with extension .mux)");

#ifdef FPW_CLI_SHEET
    fpw::cli::SheetOptions sheetOptions;
    CLI::App* sheet =
        cli.add_subcommand("sheet", "Write the record sheets of design files as PDF documents");
    sheet->add_option("FILE", sheetOptions.files, "Design files (.FPM)")->required();
    CLI::Option* output =
        sheet->add_option("-o,--output", sheetOptions.output, "One PDF with every sheet");
    CLI::Option* each = sheet->add_option("--each", sheetOptions.eachDirectory,
                                          "Write one PDF per design file into this folder");
    output->excludes(each);
    sheet->add_option("--pilot", sheetOptions.pilotName, "Pilot name");
    sheet->add_option("--gunnery", sheetOptions.gunnery, "Gunnery skill (0 to 7)");
    sheet->add_option("--piloting", sheetOptions.piloting, "Piloting skill (0 to 7)");
#endif

    CLI11_PARSE(cli, argc, argv);

    fpw::cli::ConsoleUser user(std::cerr);
    fpw::app::ProgramContext ctx(fpw::cli::executableDirectory(argv[0]), user);
    if (!fpw::cli::loadReferenceData(ctx))
        return 2;

#ifdef FPW_CLI_SHEET
    if (sheet->parsed()) {
        if (sheetOptions.output.empty() && sheetOptions.eachDirectory.empty()) {
            std::cerr << "sheet: give -o OUT.pdf or --each DIR\n";
            return 2;
        }
        // The standard armour diagram places its points by the plot files.
        if (!fpw::catalog::LoadArmorPlot(ctx) || !fpw::catalog::LoadInternalPlot(ctx))
            return 2;
        return fpw::ui::withGuiApplication(argc, argv, [&] {
            return fpw::cli::runSheet(
                ctx, sheetOptions, [] { return std::make_unique<fpw::ui::PdfDocument>(); },
                std::cerr);
        });
    }
#endif
    if (info->parsed())
        return fpw::cli::runInfo(ctx, infoFiles, json, std::cout, std::cerr);
    return fpw::cli::runMux(ctx, muxFile, muxOut, std::cerr);
}
