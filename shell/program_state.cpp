// The shell's process-wide values, and the reset that returns the whole
// program to its start state.
#include <cstring>

#include "geometry/selection.h"
#include "render/frame.h"
#include "render/view_state.h"
#include "shell/shell.h"

HINSTANCE AppInstance = nullptr;
HWND MainWindow = nullptr;
HGLRC MainGLContext = nullptr;
MENUITEMINFOA StepMenuItem = {};
char WindowTitle[TextBufferSize] = {};
char WindowClassName[TextBufferSize] = {};

namespace {
constexpr char StartPresetLabel[] = "59-icosahedra";
static_assert(sizeof(StartPresetLabel) <= PresetLabelSize);
}  // namespace

void ResetProgramState() {
    ResetViewState();
    std::memset(TileFlags, 0, sizeof TileFlags);
    TileFlags[0] = 1;
    std::memset(PresetLabel, 0, sizeof PresetLabel);
    std::memcpy(PresetLabel, StartPresetLabel, sizeof StartPresetLabel);
    AppInstance = nullptr;
    MainWindow = nullptr;
    MainGLContext = nullptr;
    MainDC = nullptr;
    TileSelector = nullptr;
    StepMenuItem = {};
    std::memset(WindowTitle, 0, sizeof WindowTitle);
    std::memset(WindowClassName, 0, sizeof WindowClassName);
}
