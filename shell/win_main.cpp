// Start-up: constants, texts, the window class, the main window with its
// radio-marked step items and the tile selector, then the message loop.
#include "geometry/model.h"
#include "render/frame.h"
#include "render/view_state.h"
#include "resources/ids.h"
#include "shell/shell.h"

namespace {

// The record is the form without hbmpItem; the layer knows that form by its
// size on this platform.
constexpr UINT MenuItemRecordSize = sizeof(MENUITEMINFOA);

constexpr int ClientWidth = 512;
constexpr int ClientHeight = 512;

// The step items' own texts in menu 109: setting the type rewrites the text.
// clang-format off
struct StepItemType {
    UINT command;
    const char* text;
};
const StepItemType StepItemTypes[] = {
    {CommandStep1, "x1 (&1)"},
    {CommandStep2, "x2 (&2)"},
    {CommandStep5, "x5 (&5)"},
};
// clang-format on

void GiveStepItemsRadioMarks() {
    StepMenuItem.cbSize = MenuItemRecordSize;
    StepMenuItem.fMask = MIIM_TYPE;
    StepMenuItem.fType = MFT_RADIOCHECK;
    StepMenuItem.hbmpChecked = nullptr;
    for (const StepItemType& item : StepItemTypes) {
        // The record holds a writable pointer; the layer only reads the text.
        StepMenuItem.dwTypeData = const_cast<LPSTR>(item.text);
        SetMenuItemInfoA(GetMenu(MainWindow), item.command, FALSE, &StepMenuItem);
    }
    StepMenuItem.fMask = MIIM_STATE;
    StepMenuItem.fState = MFS_CHECKED;
    SetMenuItemInfoA(GetMenu(MainWindow), CommandStep1, FALSE, &StepMenuItem);
}

int RunMessageLoop(HACCEL accelerators) {
    MSG msg = {};
    // A negative result is the layer's failure report, not a message: the
    // loop stops on it as it does on the quit request.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TileSelector != nullptr && IsDialogMessageA(TileSelector, &msg)) continue;
        if (TranslateAcceleratorA(msg.hwnd, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    InitViewConstants();
    InitModelConstants();

    LoadStringA(instance, StringWindowTitle, WindowTitle, TextBufferSize);
    LoadStringA(instance, StringWindowClass, WindowClassName, TextBufferSize);
    RegisterMainClass(instance);
    if (!CreateMainWindow(instance, showCommand)) return 0;

    const HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(MainAccelerators));
    return RunMessageLoop(accelerators);
}

void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IconLarge));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(MainMenu);
    windowClass.lpszClassName = WindowClassName;
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IconSmall));
    RegisterClassExA(&windowClass);
}

bool CreateMainWindow(HINSTANCE instance, int showCommand) {
    AppInstance = instance;
    const int width = ClientWidth + 2 * GetSystemMetrics(SM_CXFRAME);
    const int height = ClientHeight + 2 * GetSystemMetrics(SM_CYFRAME) +
                       GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    MainWindow = CreateWindowExA(0, WindowClassName, WindowTitle, WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, CW_USEDEFAULT, width, height, nullptr, nullptr,
                                 AppInstance, nullptr);
    if (MainWindow == nullptr) return false;

    ShowWindow(MainWindow, showCommand);
    UpdateWindow(MainWindow);  // the first frame, drawn before the selector exists
    GiveStepItemsRadioMarks();

    TileSelector = CreateDialogParamA(AppInstance, MAKEINTRESOURCEA(TileSelectorDialog),
                                      MainWindow, TileSelectorProc, 0);
    return TileSelector != nullptr;
}
