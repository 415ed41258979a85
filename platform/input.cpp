// What a backend reports. Keys, clicks and close boxes are posted, as a
// window system queues input, so they are handled by the program's loop in
// order and never run the program inside a backend's own event handling;
// resizes and exposure take effect at once.
#include "platform/internal.h"

namespace core {
namespace {
constexpr LPARAM AltBit = LPARAM{1} << 29;
constexpr LPARAM PreviousStateBit = LPARAM{1} << 30;
constexpr LPARAM ReleasedBit = LPARAM{1} << 31;
}  // namespace
}  // namespace core

void PlatformKey(WORD vk, bool down, const char* text, unsigned modifiers, bool autoRepeat) {
    using namespace core;
    if (!Started()) return;
    State& state = Core();
    state.keyModifiers = modifiers;
    Window* focus = FindWindowObject(state.focus);
    if (focus == nullptr || !AcceptsInput(focus)) return;
    bool alt = (modifiers & InputAlt) != 0;
    UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam = 1;  // repeat count
    if (alt) lParam |= AltBit;
    if (!down || autoRepeat) lParam |= PreviousStateBit;
    if (!down) lParam |= ReleasedBit;
    Post(focus->handle, message, vk, lParam);
    RememberKey(state.queue.back().time, down ? text : "", modifiers);
}

bool PlatformControlClicked(HWND control) {
    using namespace core;
    Window* window = FindWindowObject(control);
    if (window == nullptr || window->type != WindowType::Control || !window->visible || !AcceptsInput(window))
        return false;
    if (window->controlKind != ControlKind::PushButton && window->controlKind != ControlKind::DefaultPushButton &&
        window->controlKind != ControlKind::CheckBox)
        return false;
    Window* dialog = FindWindowObject(window->owner);
    if (dialog == nullptr || !dialog->visible || dialog->destroying) return false;
    Post(control, BM_CLICK, 0, 0);
    return true;
}

bool PlatformMenuItemChosen(HWND handle, UINT command) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr || !AcceptsInput(window)) return false;
    Menu* menu = FindMenu(window->menu);
    if (menu == nullptr) return false;
    int index = FindMenuCommand(*menu, command);
    if (index < 0 || (menu->items[static_cast<std::size_t>(index)].state & MFS_DISABLED) != 0) return false;
    State& state = Core();
    state.openMenuWindow = nullptr;
    state.openMenuEntry = -1;
    Post(handle, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
    return true;
}

void PlatformMenuClosed(HWND handle) {
    core::State& state = core::Core();
    if (handle == nullptr || state.openMenuWindow != handle) return;
    state.openMenuWindow = nullptr;
    state.openMenuEntry = -1;
}

bool PlatformCloseBoxPressed(HWND handle) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr || window->type == WindowType::Control || !window->visible || !AcceptsInput(window))
        return false;
    Post(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool PlatformClientClicked(HWND handle) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr || window->type == WindowType::Control || !window->visible || !AcceptsInput(window))
        return false;
    if (Core().focus != handle) SetFocus(handle);
    return Core().focus == handle;
}

void PlatformClientResized(HWND handle, int width, int height) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr || window->type == WindowType::Control) return;
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;
    bool changedWidth = window->clientWidth != width;
    bool changedHeight = window->clientHeight != height;
    window->clientWidth = width;
    window->clientHeight = height;
    if ((changedWidth && (window->classStyle & CS_HREDRAW) != 0) ||
        (changedHeight && (window->classStyle & CS_VREDRAW) != 0))
        MarkNeedsPaint(*window);
    WPARAM kind = (width == 0 || height == 0) ? SIZE_MINIMIZED : SIZE_RESTORED;
    SendMessageA(handle, WM_SIZE, kind, MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
}

void PlatformWindowExposed(HWND handle) {
    core::Window* window = core::FindWindowObject(handle);
    if (window != nullptr) core::MarkNeedsPaint(*window);
}
