// The headless backend's own records. The core keeps every window's state;
// the backend keeps only what has no place there: EGL surfaces and the
// picture of each window's last buffer swap, and what the test person does.
#pragma once

#include <EGL/egl.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "platform/backend.h"
#include "platform/headless/headless.h"

namespace headless {

struct Window {
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Frame;
    UINT templateId = 0;
    int width = 0;   // client size, which the GL surface follows
    int height = 0;
    int format = 0;  // pixel format, 0 until set
    EGLSurface surface = EGL_NO_SURFACE;
    bool visible = false;
    std::vector<std::uint8_t> picture;  // RGB, top row first
    int pictureWidth = 0;
    int pictureHeight = 0;
    int swapCount = 0;
};

struct Context {
    EGLContext context = EGL_NO_CONTEXT;
    int format = 0;
};

struct PixelFormat {
    int depthBits;
    int stencilBits;
    EGLConfig config;  // null when this machine's EGL has none
};

inline constexpr int PixelFormatCount = 2;

struct State {
    EGLDisplay display = EGL_NO_DISPLAY;
    PixelFormat formats[PixelFormatCount] = {};
    std::map<HWND, std::unique_ptr<Window>> windows;
    std::vector<std::unique_ptr<Context>> contexts;
    Window* currentWindow = nullptr;
    Context* currentContext = nullptr;
    IdleHandler idle;
    std::deque<std::function<void()>> script;
    bool ranOutOfInput = false;
    std::vector<MessageBoxRecord> messageBoxes;
    bool failChoosePixelFormat = false;
    bool failSetPixelFormat = false;
    UINT failDialogTemplate = 0;
    std::set<WORD> keysDown;
};

// Null before HeadlessStart and after HeadlessStop.
State* Headless();
Window* FindWindow(HWND handle);

// headless_gl.cpp
bool OpenDisplay(State& state);
void CloseDisplay(State& state);
int ChooseFormat(const PIXELFORMATDESCRIPTOR& request);
bool SetFormat(Window& window, int format);
Context* CreateContext(Window& window);
bool MakeCurrent(Window* window, Context* context);
void DeleteContext(Context* context);
bool Swap(Window& window);
void ResizeSurface(Window& window, int width, int height);
void DestroySurface(Window& window);

}  // namespace headless
