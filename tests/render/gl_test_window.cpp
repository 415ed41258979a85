#include "gl_test_window.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "geometry/selection.h"
#include "platform/headless/headless.h"
#include "render/frame.h"
#include "render/scene.h"
#include "render/view_state.h"

namespace {

constexpr const char* TestClassName = "RenderTestWindow";

// What the window's creation left behind, for OpenGlTestWindow to hand out.
GlTestWindow Creating;
const char* CreationFailure = nullptr;

bool Fail(const char* reason) {
    CreationFailure = reason;
    return false;
}

// The main window's creation steps: device context, pixel format, context
// made current, geometry, then the one-time GL set-up.
bool SetUpGl(HWND window) {
    Creating.window = window;
    Creating.dc = GetDC(window);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof(format);
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 32;
    format.iLayerType = PFD_MAIN_PLANE;
    const int chosen = ChoosePixelFormat(Creating.dc, &format);
    if (chosen == 0 || !SetPixelFormat(Creating.dc, chosen, &format)) {
        return Fail("no pixel format");
    }
    Creating.context = wglCreateContext(Creating.dc);
    if (Creating.context == nullptr || !wglMakeCurrent(Creating.dc, Creating.context)) {
        return Fail("no GL context");
    }
    MainDC = Creating.dc;
    BuildGeometry();
    RECT client{};
    GetClientRect(window, &client);
    InitGL(client.right - client.left, client.bottom - client.top);
    return true;
}

LRESULT TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return SetUpGl(window) ? 0 : -1;
        case WM_SIZE: {
            RECT client{};
            GetClientRect(window, &client);
            ApplyResizeRule(client.right - client.left, client.bottom - client.top);
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            RenderFrame();
            return 0;
        }
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool OpenGlTestWindow(int width, int height, GlTestWindow& out, const char** why) {
    const auto fail = [&](const char* reason) {
        if (why != nullptr) {
            *why = reason;
        }
        return false;
    };
    if (!HeadlessStart()) {
        return fail("no offscreen GL on this machine");
    }
    InitViewConstants();
    ResetViewState();
    InitModelConstants();
    SelectTiles("A");  // only records the flags: there is no context yet
    MainDC = nullptr;
    TileSelector = nullptr;

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.lpszClassName = TestClassName;
    if (RegisterClassExA(&windowClass) == 0) {
        return fail("RegisterClassExA failed");
    }
    Creating = GlTestWindow{};
    CreationFailure = "CreateWindowExA failed";
    // A popup has no frame, so the client area is the window's whole size.
    const HWND window = CreateWindowExA(0, TestClassName, "render test", WS_POPUP, 0, 0, width,
                                        height, nullptr, nullptr, nullptr, nullptr);
    out = Creating;
    if (window == nullptr) {
        return fail(CreationFailure);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return true;
}

void CloseGlTestWindow(GlTestWindow& gl) {
    if (gl.context != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(gl.context);
    }
    if (gl.window != nullptr) {
        ReleaseDC(gl.window, gl.dc);
        DestroyWindow(gl.window);
    }
    MainDC = nullptr;
    TileSelector = nullptr;
    gl = GlTestWindow{};
    HeadlessStop();
}

void SelectTiles(const char* letters) {
    std::memset(TileFlags, 0, sizeof(TileFlags));
    for (const char* c = letters; *c != '\0'; ++c) {
        TileFlags[*c - 'A'] = 1;
    }
    if (MainDC != nullptr) {
        BuildSceneList();
    }
}

std::vector<std::uint32_t> Snapshot(HWND window) {
    const int width = HeadlessFrameWidth(window);
    const int height = HeadlessFrameHeight(window);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(HeadlessPixel(window, x, y));
        }
    }
    return pixels;
}

int CountPixelsOtherThan(HWND window, std::uint32_t colour) {
    int count = 0;
    for (std::uint32_t pixel : Snapshot(window)) {
        count += ColoursClose(pixel, colour) ? 0 : 1;
    }
    return count;
}

std::uint32_t PackColour(float red, float green, float blue) {
    const auto channel = [](float v) { return static_cast<std::uint32_t>(std::lround(v * 255.0f)); };
    return (channel(red) << 16) | (channel(green) << 8) | channel(blue);
}

bool ColoursClose(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > 1) {
            return false;
        }
    }
    return true;
}
