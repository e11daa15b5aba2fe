// Targets: the program's start to the editor on the screen within 0.3 s with the shipped
// data; one control change, the window's update included, within one frame (16 ms).
#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSpinBox>

#include <benchmark/benchmark.h>

#include "app/programcontext.h"
#include "app/startup.h"
#include "bench/benchsupport.h"
#include "bench/ui/startedprogram.h"
#include "ui/editor/editorwindow.h"

namespace {

using namespace fpw;

// The program's own measurement: it prints the time from its start to the editor shown and
// ends when FPW_STARTUP_TIMING is "quit".
void BM_StartupToEditorShown(benchmark::State& state) {
    const QString program = QCoreApplication::applicationDirPath() + "/forgeplanwork";
    const QRegularExpression reported("Start-up to editor shown: ([0-9.]+) ms");
    for (auto _ : state) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FPW_STARTUP_TIMING", "quit");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start(program, {});
        if (!process.waitForFinished(10000)) {
            state.SkipWithError("the program did not end");
            return;
        }
        const QRegularExpressionMatch match =
            reported.match(QString::fromLocal8Bit(process.readAllStandardError()));
        if (!match.hasMatch()) {
            state.SkipWithError("the program printed no start-up time");
            return;
        }
        state.SetIterationTime(match.captured(1).toDouble() / 1000.0);
    }
}
BENCHMARK(BM_StartupToEditorShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The tonnage control stepped back and forth: the handler, the refresh and the repaint.
void BM_ControlChangeWithWindowUpdate(benchmark::State& state) {
    bench::StartedProgram program;
    if (!program.started) {
        state.SkipWithError("start-up failed");
        return;
    }
    ui::EditorWindow window(program.ctx, program.store);
    window.show();
    QApplication::processEvents();
    auto* tonnage = window.findChild<QSpinBox*>("tonnage");
    bool up = true;
    for (auto _ : state) {
        tonnage->setValue(up ? 55 : 50);
        up = !up;
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ControlChangeWithWindowUpdate)->Unit(benchmark::kMillisecond);

} // namespace
