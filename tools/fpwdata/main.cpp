// fpw-data: builds the program's reference files from the readable sources and prints them
// back as text.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "app/files.h"
#include "fpwdata/databuild.h"

namespace {

constexpr std::string_view kUsage =
    "usage:\n"
    "  fpw-data build <data dir> <out dir>    write the reference files from the sources\n"
    "  fpw-data dump <file>                   print a built binary file as its source text\n"
    "  fpw-data plots <layout file> armor|internal\n"
    "                                         print the plot points a layout generates\n";

int fail(const std::string& message) {
    std::cerr << "fpw-data: " << message << "\n";
    return 1;
}

std::string readOrThrow(const std::string& path) {
    std::optional<std::string> bytes = fpw::app::readWholeFile(path);
    if (!bytes) {
        throw std::runtime_error(path + ": cannot be read");
    }
    return std::move(*bytes);
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "build" && argc == 4) {
            fpw::datatool::buildReferenceFiles(argv[2], argv[3]);
            return 0;
        }
        if (command == "dump" && argc == 3) {
            const std::string path = argv[2];
            std::string bytes = readOrThrow(path);
            try {
                std::cout << fpw::datatool::dumpReferenceFile(bytes);
            } catch (const std::exception& e) {
                return fail(path + ": " + e.what());
            }
            return std::cout.flush() ? 0 : 1;
        }
        if (command == "plots" && argc == 4) {
            const std::string path = argv[2];
            std::cout << fpw::datatool::plotTextFromLayout(readOrThrow(path), path, argv[3]);
            return std::cout.flush() ? 0 : 1;
        }
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    std::cerr << kUsage;
    return 2;
}
