// An editor over the shipped reference data (weapon database, BV data, default prices) and a
// scripted user, so that editor tests see the names players see.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "app/programcontext.h"
#include "editor/editor.h"
#include "support/scripteduser.h"

namespace fpw::testing {

struct EditorKit {
    EditorKit();

    // The database index of an Inner Sphere record by name; fails the test when missing.
    std::int16_t weapon(std::string_view name) const;

    ScriptedUser user;
    app::ProgramContext ctx;
    std::unique_ptr<editor::Editor> editor;
};

} // namespace fpw::testing
