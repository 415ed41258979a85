// OpenGL for the headless backend: Mesa's surfaceless EGL platform with the
// desktop OpenGL API, one pbuffer of the client size per window, and a
// read-back of the picture at every buffer swap.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "platform/headless/headless_internal.h"

namespace headless {

namespace {

// The pixel formats offered, by index - 1: RGBA with 8 bits a colour,
// double-buffered, with a depth buffer of the size named.
struct FormatRow {
    int depthBits;
    int stencilBits;
};
constexpr FormatRow FormatRows[PixelFormatCount] = {
    {24, 8},  // 1: the deepest depth buffer Mesa's pbuffers give
    {16, 0},  // 2: a shallow one
};
static_assert(sizeof(FormatRows) / sizeof(FormatRows[0]) == PixelFormatCount);

EGLConfig FindConfig(EGLDisplay display, int depthBits, int stencilBits) {
    const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                 EGL_RED_SIZE,     8,               EGL_GREEN_SIZE,      8,
                                 EGL_BLUE_SIZE,    8,               EGL_DEPTH_SIZE,      depthBits,
                                 EGL_STENCIL_SIZE, stencilBits,     EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (eglChooseConfig(display, attributes, &config, 1, &count) != EGL_TRUE || count < 1) return nullptr;
    return config;
}

bool Bind(EGLSurface surface, EGLContext context) {
    return eglMakeCurrent(Headless()->display, surface, surface, context) == EGL_TRUE;
}

// A pbuffer may not be empty: a minimised window keeps a 1 x 1 surface.
EGLSurface MakeSurface(EGLConfig config, int width, int height) {
    const EGLint attributes[] = {EGL_WIDTH, std::max(1, width), EGL_HEIGHT, std::max(1, height), EGL_NONE};
    return eglCreatePbufferSurface(Headless()->display, config, attributes);
}

}  // namespace

bool OpenDisplay(State& state) {
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr) return false;
    EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY) return false;
    EGLint major = 0;
    EGLint minor = 0;
    if (eglInitialize(display, &major, &minor) != EGL_TRUE) return false;
    if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) {
        eglTerminate(display);
        return false;
    }
    state.display = display;
    bool any = false;
    for (int i = 0; i < PixelFormatCount; ++i) {
        state.formats[i] = PixelFormat{FormatRows[i].depthBits, FormatRows[i].stencilBits,
                                       FindConfig(display, FormatRows[i].depthBits, FormatRows[i].stencilBits)};
        any = any || state.formats[i].config != nullptr;
    }
    if (!any) {
        eglTerminate(display);
        state.display = EGL_NO_DISPLAY;
    }
    return any;
}

void CloseDisplay(State& state) {
    if (state.display == EGL_NO_DISPLAY) return;
    eglMakeCurrent(state.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    for (auto& context : state.contexts) eglDestroyContext(state.display, context->context);
    state.contexts.clear();
    for (const auto& entry : state.windows) DestroySurface(*entry.second);
    // The display stays initialised for the next start: terminating it
    // unloads Mesa's driver, and a new start would load it all over again.
    state.display = EGL_NO_DISPLAY;
}

int ChooseFormat(const PIXELFORMATDESCRIPTOR& request) {
    const State& state = *Headless();
    if (state.failChoosePixelFormat) return 0;
    const DWORD offered = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    if ((request.dwFlags & ~offered) != 0 || request.iPixelType != PFD_TYPE_RGBA) return 0;
    if (request.cColorBits > 32 || request.cAccumBits != 0 || request.cAuxBuffers != 0) return 0;
    // Closest depth buffer: the smallest one at least as deep as asked,
    // else the deepest there is.
    int best = 0;
    for (int i = 0; i < PixelFormatCount; ++i) {
        const PixelFormat& format = state.formats[i];
        if (format.config == nullptr || format.stencilBits < request.cStencilBits) continue;
        if (best == 0) {
            best = i + 1;
            continue;
        }
        const PixelFormat& chosen = state.formats[best - 1];
        bool fits = format.depthBits >= request.cDepthBits;
        bool chosenFits = chosen.depthBits >= request.cDepthBits;
        if ((fits && (!chosenFits || format.depthBits < chosen.depthBits)) ||
            (!fits && !chosenFits && format.depthBits > chosen.depthBits))
            best = i + 1;
    }
    return best;
}

bool SetFormat(Window& window, int format) {
    const State& state = *Headless();
    if (state.failSetPixelFormat || format < 1 || format > PixelFormatCount) return false;
    EGLConfig config = state.formats[format - 1].config;
    if (config == nullptr) return false;
    EGLSurface surface = MakeSurface(config, window.width, window.height);
    if (surface == EGL_NO_SURFACE) return false;
    window.surface = surface;
    window.format = format;
    return true;
}

Context* CreateContext(Window& window) {
    State& state = *Headless();
    if (window.format == 0) return nullptr;
    EGLContext context =
        eglCreateContext(state.display, state.formats[window.format - 1].config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT) return nullptr;
    state.contexts.push_back(std::make_unique<Context>(Context{context, window.format}));
    return state.contexts.back().get();
}

bool MakeCurrent(Window* window, Context* context) {
    State& state = *Headless();
    if (window == nullptr || context == nullptr) {
        Bind(EGL_NO_SURFACE, EGL_NO_CONTEXT);
        state.currentWindow = nullptr;
        state.currentContext = nullptr;
        return true;
    }
    if (window->surface == EGL_NO_SURFACE || window->format != context->format) return false;
    if (!Bind(window->surface, context->context)) return false;
    state.currentWindow = window;
    state.currentContext = context;
    return true;
}

void DeleteContext(Context* context) {
    State& state = *Headless();
    if (state.currentContext == context) MakeCurrent(nullptr, nullptr);
    auto it = std::find_if(state.contexts.begin(), state.contexts.end(),
                           [&](const std::unique_ptr<Context>& owned) { return owned.get() == context; });
    if (it == state.contexts.end()) return;
    eglDestroyContext(state.display, context->context);
    state.contexts.erase(it);
}

bool Swap(Window& window) {
    State& state = *Headless();
    ++window.swapCount;
    // Only what was drawn into this window's surface can be read back; a
    // swap of a window no context draws into shows the picture it had.
    if (state.currentWindow != &window || window.surface == EGL_NO_SURFACE) return true;
    int width = std::max(0, window.width);
    int height = std::max(0, window.height);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    if (!rows.empty()) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
    }
    // GL counts rows from the bottom; a person looks from the top.
    window.picture.resize(rows.size());
    std::size_t stride = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(window.picture.data() + static_cast<std::size_t>(y) * stride,
                    rows.data() + static_cast<std::size_t>(height - 1 - y) * stride, stride);
    window.pictureWidth = width;
    window.pictureHeight = height;
    return true;
}

void ResizeSurface(Window& window, int width, int height) {
    State& state = *Headless();
    window.width = width;
    window.height = height;
    if (window.surface == EGL_NO_SURFACE) return;
    bool current = state.currentWindow == &window;
    if (current) Bind(EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroySurface(state.display, window.surface);
    window.surface = MakeSurface(state.formats[window.format - 1].config, width, height);
    if (current) {
        if (window.surface != EGL_NO_SURFACE && Bind(window.surface, state.currentContext->context)) return;
        state.currentWindow = nullptr;
        state.currentContext = nullptr;
    }
}

void DestroySurface(Window& window) {
    State& state = *Headless();
    if (state.currentWindow == &window) MakeCurrent(nullptr, nullptr);
    if (window.surface != EGL_NO_SURFACE) eglDestroySurface(state.display, window.surface);
    window.surface = EGL_NO_SURFACE;
}

}  // namespace headless
