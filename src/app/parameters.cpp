#include "app/parameters.h"

#include "app/files.h"
#include "app/programcontext.h"
#include "app/textutil.h"

namespace fpw::app {

bool ParmExists(const ProgramContext& ctx, std::string_view name) {
    const auto bytes = ctx.files->read(ctx.programFile(kParameterFile));
    if (!bytes) {
        return false;
    }
    const std::string text = textFileToUtf8(*bytes);
    const std::string wanted = lowerCase(name);
    for (const std::string_view line : splitLines(text)) {
        if (lowerCase(line) == wanted) {
            return true;
        }
    }
    return false;
}

} // namespace fpw::app
