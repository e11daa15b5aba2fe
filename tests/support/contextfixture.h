// A program context over a fresh program folder and a scripted user, for tests of one procedure.
#pragma once

#include "app/programcontext.h"
#include "support/scripteduser.h"
#include "support/tempdir.h"

namespace fpw::testing {

struct ContextFixture {
    TempDir dir;
    ScriptedUser user;
    app::ProgramContext ctx{dir.path(), user};
};

} // namespace fpw::testing
