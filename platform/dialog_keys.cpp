// The keyboard interface of a dialog: Tab and Shift+Tab among tab stops,
// Space on the focused button, Enter for IDOK, Esc for IDCANCEL.
#include "platform/internal.h"

namespace core {

namespace {

bool IsKeyboardMessage(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            return true;
        default:
            return false;
    }
}

bool IsTabStop(HWND handle) {
    Window* control = FindWindowObject(handle);
    return control != nullptr && (control->style & WS_TABSTOP) != 0 && control->visible && control->enabled;
}

void MoveAmongTabStops(Window& dialog, bool backwards) {
    const std::vector<HWND>& controls = dialog.controls;
    int count = static_cast<int>(controls.size());
    if (count == 0) return;
    int current = -1;
    for (int i = 0; i < count; ++i)
        if (controls[static_cast<std::size_t>(i)] == Core().focus) current = i;
    int step = backwards ? -1 : 1;
    int start = current >= 0 ? current : (backwards ? 0 : count - 1);
    for (int n = 1; n <= count; ++n) {
        int i = ((start + step * n) % count + count) % count;
        HWND candidate = controls[static_cast<std::size_t>(i)];
        if (IsTabStop(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

void SendCommand(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

constexpr LPARAM AutoRepeatBit = LPARAM{1} << 30;

}  // namespace

}  // namespace core

BOOL IsDialogMessageA(HWND dialog, MSG* msg) {
    using namespace core;
    Window* window = FindWindowObject(dialog);
    if (window == nullptr || window->type != WindowType::Dialog || msg == nullptr) return FALSE;
    Window* target = FindWindowObject(msg->hwnd);
    if (target == nullptr || TopLevelOf(target) != window) return FALSE;
    if (!IsKeyboardMessage(msg->message)) return FALSE;

    if (msg->message == WM_KEYDOWN) {
        const KeyRecord* record = FindKeyRecord(msg->time);
        unsigned modifiers = record != nullptr ? record->modifiers : Core().keyModifiers;
        switch (msg->wParam) {
            case VK_TAB:
                MoveAmongTabStops(*window, (modifiers & InputShift) != 0);
                return TRUE;
            case VK_RETURN:
                SendCommand(dialog, IDOK);
                return TRUE;
            case VK_ESCAPE:
                SendCommand(dialog, IDCANCEL);
                return TRUE;
            case VK_SPACE: {
                Window* focus = FindWindowObject(Core().focus);
                if ((msg->lParam & AutoRepeatBit) == 0 && focus != nullptr && focus->type == WindowType::Control &&
                    focus->owner == dialog)
                    SendMessageA(focus->handle, BM_CLICK, 0, 0);
                return TRUE;
            }
            default:
                break;
        }
    }
    // Every other key for the dialog is its own: it goes to its target and
    // never reaches accelerators or other windows.
    DispatchMessageA(msg);
    return TRUE;
}
