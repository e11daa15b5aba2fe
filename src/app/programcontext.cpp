#include "app/programcontext.h"

#include "app/files.h"

namespace fpw::app {

ProgramContext::ProgramContext(std::string directory, UserInteraction& userInteraction)
    : programDirectory(std::move(directory)), user(userInteraction),
      log(joinPath(programDirectory, "kelmor.log"), &userInteraction), errors(user, log) {}

std::string ProgramContext::programFile(std::string_view name) const {
    return joinPath(programDirectory, name);
}

} // namespace fpw::app
