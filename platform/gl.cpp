// Device contexts, pixel formats and OpenGL contexts. A window has one
// device context for its whole life; a context may outlive the window it
// was made on, and is never current on a dead window.
#include "platform/internal.h"

namespace core {

namespace {

Window* WindowOfDC(HDC dc) {
    if (dc == nullptr) return nullptr;
    auto found = Core().dcs.find(HandleValue(dc));
    if (found == Core().dcs.end()) return nullptr;
    return FindWindowObject(found->second);
}

Context* FindContext(HGLRC context) {
    if (context == nullptr) return nullptr;
    auto found = Core().contexts.find(HandleValue(context));
    return found == Core().contexts.end() ? nullptr : &found->second;
}

void Unbind() {
    State& state = Core();
    if (state.currentContext != nullptr) state.backend->MakeCurrent(nullptr, nullptr);
    state.currentContext = nullptr;
    state.currentDC = nullptr;
}

}  // namespace

void ForgetWindowDC(Window& window) {
    if (window.dc == nullptr) return;
    if (Core().currentDC == window.dc) Unbind();
    Core().dcs.erase(HandleValue(window.dc));
    window.dc = nullptr;
}

}  // namespace core

HDC GetDC(HWND handle) {
    using namespace core;
    Window* window = FindWindowObject(handle);
    if (window == nullptr || window->type == WindowType::Control) return nullptr;
    if (window->dc == nullptr) {
        window->dc = MakeHandle<HDC>(NewHandleValue());
        Core().dcs.emplace(HandleValue(window->dc), handle);
    }
    return window->dc;
}

int ReleaseDC(HWND handle, HDC dc) {
    // The context stays usable until its window dies: a GL context made on
    // it may still be current, and the program swaps through it.
    core::Window* window = core::WindowOfDC(dc);
    return window != nullptr && window->handle == handle ? 1 : 0;
}

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* descriptor) {
    if (core::WindowOfDC(dc) == nullptr || descriptor == nullptr) return 0;
    int format = core::Core().backend->ChoosePixelFormat(*descriptor);
    return format > 0 ? format : 0;
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
    core::Window* window = core::WindowOfDC(dc);
    if (window == nullptr || format <= 0 || window->pixelFormat != 0) return FALSE;
    if (!core::Core().backend->SetPixelFormat(window->backend, format)) return FALSE;
    window->pixelFormat = format;
    return TRUE;
}

BOOL SwapBuffers(HDC dc) {
    core::Window* window = core::WindowOfDC(dc);
    if (window == nullptr || window->pixelFormat == 0) return FALSE;
    return core::Core().backend->SwapBuffers(window->backend) ? TRUE : FALSE;
}

HGLRC wglCreateContext(HDC dc) {
    using namespace core;
    Window* window = WindowOfDC(dc);
    if (window == nullptr || window->pixelFormat == 0) return nullptr;
    BackendContext* backend = Core().backend->CreateContext(window->backend);
    if (backend == nullptr) return nullptr;
    std::uintptr_t handle = NewHandleValue();
    Core().contexts.emplace(handle, Context{backend});
    return MakeHandle<HGLRC>(handle);
}

BOOL wglMakeCurrent(HDC dc, HGLRC context) {
    using namespace core;
    if (!Started()) return FALSE;
    if (context == nullptr) {
        Unbind();
        return TRUE;
    }
    Context* record = FindContext(context);
    Window* window = WindowOfDC(dc);
    if (record == nullptr || window == nullptr || window->pixelFormat == 0) return FALSE;
    if (!Core().backend->MakeCurrent(window->backend, record->backend)) return FALSE;
    Core().currentContext = context;
    Core().currentDC = dc;
    return TRUE;
}

BOOL wglDeleteContext(HGLRC context) {
    using namespace core;
    Context* record = FindContext(context);
    if (record == nullptr) return FALSE;
    if (Core().currentContext == context) Unbind();
    Core().backend->DeleteContext(record->backend);
    Core().contexts.erase(HandleValue(context));
    return TRUE;
}
