// forgeplanwork-cli: batch work over design files with the program's own reference files.
#include <iostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "app/programcontext.h"
#include "clicontext.h"
#include "consoleuser.h"
#include "infocommand.h"
#include "muxcommand.h"

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

    CLI11_PARSE(cli, argc, argv);

    fpw::cli::ConsoleUser user(std::cerr);
    fpw::app::ProgramContext ctx(fpw::cli::executableDirectory(argv[0]), user);
    if (!fpw::cli::loadReferenceData(ctx))
        return 2;

    if (info->parsed())
        return fpw::cli::runInfo(ctx, infoFiles, json, std::cout, std::cerr);
    return fpw::cli::runMux(ctx, muxFile, muxOut, std::cerr);
}
