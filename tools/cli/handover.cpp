#include "handover.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "clicontext.h"

namespace fpw::cli {

int handOver(const std::string& name, char** argv, std::ostream& err) {
    const std::string program =
        (std::filesystem::path(executableDirectory(argv[0])) / name).string();
    execv(program.c_str(), argv);
    const int error = errno;
    err << (argv[1] ? argv[1] : name.c_str()) << " needs " << program
        << ", which cannot be started: " << std::strerror(error) << "\n";
    return 2;
}

} // namespace fpw::cli
