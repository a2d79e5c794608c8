#include "buttons/function_catalogue.h"
#include "device/commands.h"
#include "device/upload.h"
#include "sim/section_decoder.h"
#include "storage/macro_files.h"
#include "upload_sandbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMacros = 20;
constexpr int kEventsPerMacro = 40;
constexpr int kRuns = 3;
// The protocol's own waits. The echo of a write arrives one USB frame after it, well inside the
// pause that follows every write, so the frame adds nothing to the floor.
constexpr double kWriteWaitMs = 10.0; // sendCommand's pause after every write
constexpr double kMacroWaitMs = 50.0; // the pause after encoding each macro
constexpr double kGoalRatio = 1.05;

struct Run
{
    double wallMs = 0;
    int reports = 0;
    int macros = 0;
    double floorMs = 0;
};

int macrosReceived(VirtualMouse& mouse)
{
    const auto macroSlots = decodeMacroSection(mouse.section(CommandCode::MacroSection));
    return static_cast<int>(std::count_if(macroSlots.begin(), macroSlots.end(),
                                          [](const DecodedMacroSlot& slot) { return !slot.isEmpty(); }));
}

ConfigRecord configurationWithMacros()
{
    ConfigRecord config = UploadSandbox::configuration();
    for (int m = 0; m < kMacros; ++m) {
        const QString name = QStringLiteral("bench_%1").arg(m);
        MacroFile macro;
        for (int e = 0; e < kEventsPerMacro; ++e) {
            macro.events.append({ e % 2 ? MacroKind::KeyRelease : MacroKind::KeyPress, static_cast<quint8>(4 + m), 0 });
        }
        saveMacro(name, macro);
        ButtonEntry& entry = config.profiles[0].buttons[m];
        entry.Fun = FunctionCode::Macro;
        entry.macroname = name;
        entry.LoopNumber = 1;
    }
    return config;
}

Run measure()
{
    UploadSandbox sandbox;
    sandbox.setProductCounts(kMacros, 6);
    const ConfigRecord config = configurationWithMacros();
    sandbox.clearTrace();

    QElapsedTimer clock;
    clock.start();
    const quint8 result = uploadConfiguration(config, ChangeFlag::All, nullptr);
    Run run;
    run.wallMs = clock.nsecsElapsed() / 1e6;
    if (result != 0) {
        std::fprintf(stderr, "upload failed with %d\n", result);
        return run;
    }
    run.reports = static_cast<int>(sandbox.writes().size());
    // Each macro in the mouse's macro section was encoded once, with its pause.
    run.macros = macrosReceived(sandbox.mouse());
    run.floorMs = run.reports * kWriteWaitMs + run.macros * kMacroWaitMs;
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::vector<Run> runs;
    for (int i = 0; i < kRuns; ++i) {
        runs.push_back(measure());
    }
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.wallMs < b.wallMs; });
    const Run& median = runs[runs.size() / 2];
    std::printf("full upload, %d macros of %d events, median of %d runs\n", kMacros, kEventsPerMacro, kRuns);
    std::printf("wall_ms %.1f\n", median.wallMs);
    std::printf("reports %d\n", median.reports);
    std::printf("macros %d\n", median.macros);
    std::printf("floor_ms %.1f  (%.0f ms per report, %.0f ms per macro)\n", median.floorMs, kWriteWaitMs, kMacroWaitMs);
    std::printf("ratio %.3f  (goal <= %.2f)\n", median.floorMs > 0 ? median.wallMs / median.floorMs : 0.0, kGoalRatio);
    return median.reports > 0 ? 0 : 1;
}
