// Handing a command line over to a sibling executable: a program installed beside this one
// that takes the same arguments.
#pragma once

#include <iosfwd>
#include <string>

namespace fpw::cli {

// Replaces this process with the program `name` of the executable's own folder, given the same
// arguments (argv[0] included, so that its usage lines name the tool that was typed); its
// output and exit status are then the run's. Returns only when the program cannot be started:
// after a message on `err` naming the command (argv[1]) and the program, with the status 2.
int handOver(const std::string& name, char** argv, std::ostream& err);

} // namespace fpw::cli
