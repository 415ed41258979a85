#include "tests/hardening/viewer_run.h"

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "resources/resources.h"
#include "shell/shell.h"

ViewerRun RunViewer(const std::function<bool()>& idle) {
    ViewerRun run;
    if (!HeadlessStart()) return run;
    run.started = true;
    const HINSTANCE instance = RegisterResourceModule(&MorvatResources);
    ResetProgramState();
    HeadlessSetIdleHandler(idle);
    char commandLine[] = "";
    run.exitCode = WinMain(instance, nullptr, commandLine, SW_SHOWDEFAULT);
    run.ranOutOfInput = HeadlessRanOutOfInput();
    run.windowsLeft = static_cast<int>(HeadlessTopLevelWindows().size());
    HeadlessSetIdleHandler(nullptr);
    HeadlessStop();
    return run;
}

ViewerRun RunViewerSteps(const std::vector<std::function<void()>>& steps) {
    std::size_t next = 0;
    return RunViewer([&steps, &next] {
        if (next == steps.size()) return false;
        steps[next++]();
        return true;
    });
}
