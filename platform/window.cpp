// Top-level windows: creation in Win32 message order, showing, destruction
// (owned windows first), and the tear-down of everything at stop.
#include <algorithm>

#include "platform/internal.h"

namespace core {

namespace {
// The outer size a window gets when its creator leaves the choice to us.
constexpr int DefaultOuterWidth = 640;
constexpr int DefaultOuterHeight = 480;

int Metric(int index) { return Core().backend->SystemMetric(index); }
}  // namespace

void DestroyEverything() {
    State& state = Core();
    // Newest first, so that owned windows go before their owners.
    while (true) {
        HWND newest = nullptr;
        for (const auto& entry : state.windows)
            if (entry.second->type != WindowType::Control && !entry.second->destroying) newest = entry.second->handle;
        if (newest == nullptr) break;
        DestroyWindow(newest);
    }
    if (state.currentContext != nullptr) state.backend->MakeCurrent(nullptr, nullptr);
    state.currentContext = nullptr;
    for (auto& entry : state.contexts) state.backend->DeleteContext(entry.second.backend);
    state.contexts.clear();
}

}  // namespace core

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE, void*) {
    using namespace core;
    if (!Started()) return nullptr;
    const WindowClass* windowClass = FindClass(className);
    if (windowClass == nullptr) return nullptr;
    if (parent != nullptr && FindWindowObject(parent) == nullptr) return nullptr;
    if (menu != nullptr && (FindMenu(menu) == nullptr || FindMenu(menu)->window != nullptr)) return nullptr;

    HMENU menuHandle = menu;
    if (menuHandle == nullptr && windowClass->menuId != 0) {
        const MenuResource* resource = FindMenuResource(windowClass->instance, windowClass->menuId);
        if (resource != nullptr) menuHandle = CreateMenuFromResource(*resource);
    }

    int outerWidth = width == CW_USEDEFAULT ? DefaultOuterWidth : width;
    int outerHeight = width == CW_USEDEFAULT ? DefaultOuterHeight : height;
    int frameX = (style & WS_THICKFRAME) ? Metric(SM_CXFRAME) : 0;
    int frameY = (style & WS_THICKFRAME) ? Metric(SM_CYFRAME) : 0;
    int caption = ((style & WS_CAPTION) == WS_CAPTION) ? Metric(SM_CYCAPTION) : 0;
    int menuBar = menuHandle != nullptr ? Metric(SM_CYMENU) : 0;

    auto owned = std::make_unique<Window>();
    Window& window = *owned;
    window.handle = MakeHandle<HWND>(NewHandleValue());
    window.type = WindowType::Frame;
    window.owner = parent;
    window.proc = windowClass->proc;
    window.classStyle = windowClass->style;
    window.text = windowName != nullptr ? windowName : "";
    window.style = style & ~WS_VISIBLE;
    window.enabled = (style & WS_DISABLED) == 0;
    window.clientWidth = std::max(0, outerWidth - 2 * frameX);
    window.clientHeight = std::max(0, outerHeight - 2 * frameY - caption - menuBar);
    window.menu = menuHandle;
    HWND handle = window.handle;
    Core().windows.emplace(HandleValue(handle), std::move(owned));
    if (Menu* menuRecord = FindMenu(menuHandle)) menuRecord->window = handle;

    std::vector<MenuEntry> entries;
    if (Menu* menuRecord = FindMenu(menuHandle)) entries = MenuEntriesForBackend(*menuRecord);
    Window* ownerWindow = FindWindowObject(parent);
    WindowDescription description{};
    description.handle = handle;
    description.kind = WindowKind::Frame;
    description.owner = ownerWindow != nullptr ? TopLevelOf(ownerWindow)->backend : nullptr;
    description.title = window.text.c_str();
    description.style = style;
    description.defaultPosition = x == CW_USEDEFAULT;
    description.x = x == CW_USEDEFAULT ? 0 : x;
    description.y = x == CW_USEDEFAULT ? 0 : y;
    description.clientWidth = window.clientWidth;
    description.clientHeight = window.clientHeight;
    description.icon = FindIconResource(windowClass->icon);
    description.menu = entries;
    window.backend = Core().backend->CreateWindow(description);
    if (window.backend == nullptr) {
        DestroyMenuOf(window);
        Core().windows.erase(HandleValue(handle));
        return nullptr;
    }

    // The creator learns the handle only after WM_CREATE and WM_SIZE ran.
    if (SendMessageA(handle, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    Window* created = FindWindowObject(handle);
    if (created == nullptr) return nullptr;  // it destroyed itself while being created
    SendMessageA(handle, WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(static_cast<WORD>(created->clientWidth), static_cast<WORD>(created->clientHeight)));
    if ((style & WS_VISIBLE) != 0 && FindWindowObject(handle) != nullptr) ShowWindow(handle, SW_SHOW);
    return FindWindowObject(handle) != nullptr ? handle : nullptr;
}

// Owned windows go first, by the same call. The depth is bounded by the
// ownership chain, and a window marked destroying is never entered twice.
// NOLINTNEXTLINE(misc-no-recursion)
BOOL DestroyWindow(HWND handle) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr || window->destroying || window->type == WindowType::Control) return FALSE;
    window->destroying = true;
    State& state = Core();

    std::vector<HWND> owned;
    for (auto& entry : state.windows)
        if (entry.second->type != WindowType::Control && entry.second->owner == handle)
            owned.push_back(entry.second->handle);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) DestroyWindow(*it);

    // Only DestroyWindow removes records, and this one is guarded above.
    if (window->visible) {
        window->visible = false;
        state.backend->ShowWindow(window->backend, false);
    }
    SendMessageA(handle, WM_DESTROY, 0, 0);

    Window* focus = FindWindowObject(state.focus);
    if (focus != nullptr && TopLevelOf(focus) == window) {
        state.focus = nullptr;
        Window* owner = FindWindowObject(window->owner);
        if (owner != nullptr && !owner->destroying && AcceptsInput(owner)) MoveFocus(owner->handle);
    }
    if (state.openMenuWindow == handle) {
        state.openMenuWindow = nullptr;
        state.openMenuEntry = -1;
    }
    DestroyControls(*window);
    ForgetWindowDC(*window);
    DestroyMenuOf(*window);
    state.backend->DestroyWindow(window->backend);
    state.windows.erase(HandleValue(handle));
    return TRUE;
}

BOOL ShowWindow(HWND handle, int showCommand) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr || window->type == WindowType::Control || window->destroying) return FALSE;
    BOOL wasVisible = window->visible ? TRUE : FALSE;
    bool show = showCommand != SW_HIDE;
    if (show == window->visible) return wasVisible;
    window->visible = show;
    Core().backend->ShowWindow(window->backend, show);
    if (show) {
        MarkNeedsPaint(*window);
        // Showing a frame activates it, and activation brings the focus.
        if (window->type == WindowType::Frame && AcceptsInput(window)) SetFocus(handle);
    } else {
        Window* focus = FindWindowObject(Core().focus);
        if (focus != nullptr && TopLevelOf(focus) == window) {
            Window* owner = FindWindowObject(window->owner);
            MoveFocus(owner != nullptr && AcceptsInput(owner) ? owner->handle : nullptr);
        }
    }
    return wasVisible;
}

BOOL IsWindow(HWND handle) { return core::FindWindowObject(handle) != nullptr ? TRUE : FALSE; }

HWND GetParent(HWND handle) {
    core::Window* window = core::FindWindowObject(handle);
    return window != nullptr ? window->owner : nullptr;
}

int GetSystemMetrics(int index) { return core::Started() ? core::Core().backend->SystemMetric(index) : 0; }
