// What needs painting, and the paint bracket. Only frames are painted by
// the program; dialogs and controls are drawn by the backend.
#include "platform/internal.h"

namespace core {

void MarkNeedsPaint(Window& window) {
    if (window.type == WindowType::Frame) window.needsPaint = true;
}

}  // namespace core

BOOL InvalidateRect(HWND handle, const RECT*, BOOL) {
    core::Window* window = core::FindWindowObject(handle);
    if (window == nullptr) return FALSE;
    // The whole client area is repainted whatever part was named.
    core::MarkNeedsPaint(*window);
    return TRUE;
}

BOOL UpdateWindow(HWND handle) {
    core::Window* window = core::FindWindowObject(handle);
    if (window == nullptr) return FALSE;
    if (window->type == core::WindowType::Frame && window->needsPaint && window->visible)
        SendMessageA(handle, WM_PAINT, 0, 0);
    return TRUE;
}

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    core::Window* window = core::FindWindowObject(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    HDC dc = GetDC(handle);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->fErase = FALSE;
    paint->rcPaint = RECT{0, 0, window->clientWidth, window->clientHeight};
    window->needsPaint = false;
    return dc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    return core::FindWindowObject(handle) != nullptr && paint != nullptr ? TRUE : FALSE;
}

BOOL GetClientRect(HWND handle, RECT* rect) {
    core::Window* window = core::FindWindowObject(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = RECT{0, 0, window->clientWidth, window->clientHeight};
    return TRUE;
}
