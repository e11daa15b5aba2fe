// fpw-corpus COUNT DIR: writes COUNT varied designs into a folder tree below DIR, for
// benchmarks and batch tests, each built and saved through the editor. Uses the reference
// files in its own program directory.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/programcontext.h"
#include "clicontext.h"
#include "consoleuser.h"
#include "corpus.h"

int main(int argc, char** argv) {
    using namespace fpw;
    if (argc != 3) {
        std::cerr << "usage: fpw-corpus COUNT DIR\n";
        return 2;
    }
    char* end = nullptr;
    const long count = std::strtol(argv[1], &end, 10);
    if (*end != '\0' || count < 0 || count > 10'000'000) {
        std::cerr << "fpw-corpus: COUNT must be a number from 0 to 10000000\n";
        return 2;
    }
    cli::ConsoleUser user(std::cerr);
    app::ProgramContext ctx(cli::executableDirectory(argv[0]), user);
    if (!cli::loadReferenceData(ctx))
        return 2;
    corpus::Generator generator(ctx);
    const std::filesystem::path root(argv[2]);
    for (int n = 0; n < count; ++n) {
        if (!generator.write(n, root)) {
            std::cerr << "fpw-corpus: design " << n << " could not be saved below " << root.string()
                      << '\n';
            return 1;
        }
    }
    return 0;
}
