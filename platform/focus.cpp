// Keyboard focus and enabling: the focus is one window or control; a
// disabled window, or anything in a disabled top-level window, can't take it.
#include "platform/internal.h"

namespace core {

HWND MoveFocus(HWND target) {
    State& state = Core();
    HWND old = state.focus;
    if (old == target) return old;
    state.focus = target;
    if (FindWindowObject(old) != nullptr) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(target), 0);
    Window* window = FindWindowObject(target);
    if (window != nullptr && state.focus == target) {
        Window* top = TopLevelOf(window);
        if (top != nullptr)
            state.backend->SetFocus(top->backend, window->type == WindowType::Control ? window->controlIndex : -1);
        SendMessageA(target, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    }
    return old;
}

void EnableTopLevel(Window& window, bool enabled) {
    if (window.enabled == enabled) return;
    window.enabled = enabled;
    Core().backend->EnableWindow(window.backend, enabled);
    SendMessageA(window.handle, WM_ENABLE, enabled ? TRUE : FALSE, 0);
}

}  // namespace core

HWND SetFocus(HWND target) {
    using namespace core;
    Window* window = FindWindowObject(target);
    if (window == nullptr || window->destroying || !AcceptsInput(window)) return nullptr;
    return MoveFocus(target);
}

HWND GetFocus() { return core::FindWindowObject(core::Core().focus) != nullptr ? core::Core().focus : nullptr; }

BOOL IsWindowEnabled(HWND handle) {
    core::Window* window = core::FindWindowObject(handle);
    return window != nullptr && window->enabled ? TRUE : FALSE;
}
