// The main window's procedure: creation with its device and GL contexts,
// size changes, paint, destruction, and the focus request of the selector.
#include "geometry/tiles.h"
#include "render/frame.h"
#include "shell/shell.h"

namespace {

void OnCreate(HWND window) {
    MainDC = GetDC(window);
    // Without a pixel format there is nothing to draw on; the quit request
    // ends the program once the loop runs, and creation goes on so that
    // everything is torn down in the usual order.
    if (SetupPixelFormat(MainDC) == 0) PostQuitMessage(0);
    MainGLContext = wglCreateContext(MainDC);
    wglMakeCurrent(MainDC, MainGLContext);
    RECT client = {};
    GetClientRect(window, &client);
    BuildGeometry();
    InitGL(client.right - client.left, client.bottom - client.top);
}

void OnSize(HWND window) {
    // The client rectangle, not the size carried by the message.
    RECT client = {};
    GetClientRect(window, &client);
    ApplyResizeRule(client.right - client.left, client.bottom - client.top);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint = {};
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    RenderFrame();  // draws through MainDC, after the paint bracket closed
}

void OnDestroy(HWND window) {
    if (MainGLContext != nullptr) wglDeleteContext(MainGLContext);
    if (MainDC != nullptr) ReleaseDC(window, MainDC);
    PostQuitMessage(0);
}

}  // namespace

int SetupPixelFormat(HDC dc) {
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 24;
    request.cDepthBits = 32;
    request.cAccumBits = 0;
    request.cStencilBits = 0;
    request.dwLayerMask = 0;

    const int format = ChoosePixelFormat(dc, &request);
    if (format == 0) {
        MessageBoxA(nullptr, "ChoosePixelFormat failed", "Error", MB_OK);
        return 0;
    }
    if (!SetPixelFormat(dc, format, &request)) {
        MessageBoxA(nullptr, "SetPixelFormat failed", "Error", MB_OK);
        return 0;
    }
    return 1;
}

LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(window);  // MainWindow is still null here
            return 0;
        case WM_SIZE:
            OnSize(window);
            return 0;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_DESTROY:
            OnDestroy(window);
            return 0;
        case WM_USER:
            SetFocus(window);
            return 0;
        case WM_KEYDOWN:
            return HandleKeyDown(wParam);
        case WM_COMMAND:
            return HandleCommand(window, wParam, lParam);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
