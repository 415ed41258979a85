// The whole program on the headless backend, started from WinMain's first
// step as the system starts it, with a person acting whenever it is idle.
#pragma once

#include <functional>
#include <vector>

// Starts the window layer with the program's resources and the program's
// variables at their start values, runs WinMain until it returns, and stops
// the layer again. `idle` is called whenever the program waits for input and
// returns false when the person has nothing more to do. The result is
// WinMain's exit code; `ranOutOfInput` tells whether the program was still
// waiting when the person stopped. False when no offscreen OpenGL exists.
struct ViewerRun {
    bool started = false;
    int exitCode = -1;
    bool ranOutOfInput = false;
    int windowsLeft = -1;  // top-level windows still alive after WinMain returned
};
ViewerRun RunViewer(const std::function<bool()>& idle);

// The same with a scripted person: each step runs at the next idle moment,
// after everything the previous one caused has been handled and painted.
// The last step is expected to end the program.
ViewerRun RunViewerSteps(const std::vector<std::function<void()>>& steps);
