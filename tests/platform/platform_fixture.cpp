#include "platform_fixture.h"

#include <iterator>

namespace fixture {

std::vector<Event> Events;
HWND KnownHandle = nullptr;
bool HandleKnownDuringCreate = true;
INT_PTR InitDialogResult = FALSE;
bool EndDialogOnCommand = false;

namespace {

constexpr StringResource Strings[] = {
    {TitleString, "morvat"},
    {JapaneseString, "日本語のテキスト"},
};

// clang-format off
constexpr MenuEntry MenuEntries[] = {
    {0, MenuEntryKind::Popup, 0, "ﾌｧｲﾙ(&F)"},
    {1, MenuEntryKind::Item, ExitCommand, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
    {0, MenuEntryKind::Popup, 0, "表示(&V)"},
    {1, MenuEntryKind::Separator, 0, nullptr},
    {1, MenuEntryKind::Popup, 0, "背景色"},
    {2, MenuEntryKind::Item, BlackCommand, "黒"},
    {0, MenuEntryKind::Popup, 0, "加速(&A)"},
    {1, MenuEntryKind::Item, StepOne, "x1 (&1)"},
    {1, MenuEntryKind::Item, StepTwo, "x2 (&2)"},
    {1, MenuEntryKind::Item, StepFive, "x5 (&5)"},
};
// clang-format on
constexpr MenuResource Menus[] = {{MenuId, MenuEntries}};

constexpr ACCEL CharEntries[] = {
    {FALT, '?', AboutCommand},
    {FALT | ACCEL_END_MARK, '/', AboutCommand},
    {FALT, 'x', ExitCommand},  // after the end mark: never used
};
constexpr ACCEL KeyEntries[] = {{FVIRTKEY | FCONTROL | ACCEL_END_MARK, 'Q', QuitCommand}};
constexpr AcceleratorResource Accelerators[] = {{CharAccelerators, CharEntries}, {KeyAccelerators, KeyEntries}};

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
// clang-format off
constexpr DialogControlTemplate SelectorControls[] = {
    {ButtonClass, IDOK, "OK", 5, 270, 60, 15, Child | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {ButtonClass, -1, "Tiles", 5, 30, 60, 235, Child | BS_GROUPBOX},
    {ButtonClass, CheckA, "0", 15, 40, 20, 10, Child | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX},
    {ButtonClass, CheckB, "1", 15, 55, 19, 10, Child | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX},
    {ButtonClass, PresetButton, "1: A", 80, 15, 44, 14, Child | WS_TABSTOP | BS_PUSHBUTTON},
    {StaticClass, StatusField, "0", 5, 290, 20, 10, Child | WS_GROUP | SS_CENTER},
};
constexpr DialogControlTemplate AboutControls[] = {
    {StaticClass, IconControl, "107", 14, 9, 20, 20, Child | SS_ICON},
    {StaticClass, -1, "morvat Version 1.2", 49, 10, 119, 8, Child | WS_GROUP | SS_NOPREFIX},
    {ButtonClass, IDOK, "OK", 195, 6, 30, 11, Child | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
};
constexpr DialogTemplate Dialogs[] = {
    {SelectorDialog, "morvat tile selector", "ＭＳ Ｐゴシック", 9, 300, 0, 229, 328,
     WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, SelectorControls},
    {AboutDialog, "ﾊﾞｰｼﾞｮﾝ情報", "System", 8, 22, 17, 230, 75,
     WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, AboutControls},
};
// clang-format on

constexpr std::uint32_t Palette[16] = {0x00000000, 0xFFFFFFFF};
constexpr const char* IconRows[] = {"01", "10"};
constexpr IconImage IconImages[] = {{2, Palette, IconRows}};
constexpr IconResource Icons[] = {{IconId, IconImages}};

constexpr ResourceModule Module{Strings, Menus, Accelerators, Dialogs, Icons};

LRESULT RecordingFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Events.push_back(Event{window, message, wParam, lParam});
    switch (message) {
        case WM_CREATE:
            HandleKnownDuringCreate = KnownHandle == window;
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == ExitCommand) DestroyWindow(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

INT_PTR RecordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Events.push_back(Event{dialog, message, wParam, lParam});
    switch (message) {
        case WM_INITDIALOG:
            HandleKnownDuringCreate = KnownHandle == dialog;
            return InitDialogResult;
        case WM_COMMAND:
            if (EndDialogOnCommand && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
                EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

std::vector<UINT> MessagesTo(HWND window) {
    std::vector<UINT> messages;
    for (const Event& event : Events)
        if (event.window == window) messages.push_back(event.message);
    return messages;
}

int CountOf(HWND window, UINT message) {
    int count = 0;
    for (const Event& event : Events)
        if (event.window == window && event.message == message) ++count;
    return count;
}

std::vector<WORD> CommandsTo(HWND window) {
    std::vector<WORD> commands;
    for (const Event& event : Events)
        if (event.window == window && event.message == WM_COMMAND) commands.push_back(LOWORD(event.wParam));
    return commands;
}

void Platform::SetUp() {
    Events.clear();
    KnownHandle = nullptr;
    HandleKnownDuringCreate = true;
    InitDialogResult = FALSE;
    EndDialogOnCommand = false;
    ASSERT_TRUE(HeadlessStart());
    instance = RegisterResourceModule(&Module);
    ASSERT_NE(instance, nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = RecordingFrameProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IconId));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(MenuId);
    windowClass.lpszClassName = "RECORDER";
    ASSERT_NE(RegisterClassExA(&windowClass), 0);
}

void Platform::TearDown() { HeadlessStop(); }

HWND Platform::CreateFrame(bool show) {
    int width = 512 + 2 * GetSystemMetrics(SM_CXFRAME);
    int height = 512 + 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    HWND window = CreateWindowExA(0, "RECORDER", "morvat", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, width,
                                  height, nullptr, nullptr, instance, nullptr);
    KnownHandle = window;
    if (window != nullptr && show) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

HWND Platform::CreateSelector(HWND owner) {
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(SelectorDialog), owner, RecordingDialogProc, 0);
    KnownHandle = dialog;
    return dialog;
}

int Platform::RunLoop(HWND* selector, HACCEL accelerators) {
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        if (*selector != nullptr && !IsWindow(*selector)) *selector = nullptr;
        if (*selector != nullptr && IsDialogMessageA(*selector, &msg)) continue;
        if (TranslateAcceleratorA(msg.hwnd, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(static_cast<LPARAM>(msg.wParam));
}

}  // namespace fixture
