// The program started over the shipped reference files beside the benchmark, with settings in
// memory: what every desktop benchmark measures against.
#pragma once

#include <QCoreApplication>

#include "app/programcontext.h"
#include "app/settings.h"
#include "app/startup.h"
#include "bench/benchsupport.h"

namespace fpw::bench {

struct StartedProgram {
    BenchContext context{QCoreApplication::applicationDirPath().toStdString()};
    app::ProgramContext& ctx = context.ctx;
    app::MemorySettingsStore store;
    app::StartupHooks hooks;
    bool started = app::RunStartup(ctx, store, hooks);
};

} // namespace fpw::bench
