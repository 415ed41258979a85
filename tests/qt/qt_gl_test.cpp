// OpenGL on the Qt backend: a context made while the window is created,
// drawing before the window is shown, and frames that reach the screen with
// the display list compiled before it was shown.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "platform/qt/qt_gl.h"
#include "tests/qt/qt_test_session.h"

namespace {

struct GLProgram {
    HDC dc = nullptr;
    HGLRC context = nullptr;
    int format = 0;
    BOOL formatSet = FALSE;
    BOOL current = FALSE;
    GLuint list = 0;
    GLint depthBits = 0;
    std::uint32_t pixelBeforeShow = 0;
    int paints = 0;
};

GLProgram Program;

std::uint32_t ReadBackPixel(int x, int y) {
    unsigned char rgb[3] = {};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return (std::uint32_t{rgb[0]} << 16) | (std::uint32_t{rgb[1]} << 8) | rgb[2];
}

LRESULT GLProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            Program.dc = GetDC(window);
            PIXELFORMATDESCRIPTOR request{};
            request.nSize = sizeof(request);
            request.nVersion = 1;
            request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
            request.iPixelType = PFD_TYPE_RGBA;
            request.cColorBits = 24;
            request.cDepthBits = 32;
            Program.format = ChoosePixelFormat(Program.dc, &request);
            Program.formatSet = SetPixelFormat(Program.dc, Program.format, &request);
            Program.context = wglCreateContext(Program.dc);
            Program.current = wglMakeCurrent(Program.dc, Program.context);
            if (Program.current) {
                glGetIntegerv(GL_DEPTH_BITS, &Program.depthBits);
                glViewport(0, 0, 256, 256);
                glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
                glClear(GL_COLOR_BUFFER_BIT);
                Program.pixelBeforeShow = ReadBackPixel(128, 128);
                // Blue over the left half of whatever the viewport is.
                Program.list = glGenLists(1);
                glNewList(Program.list, GL_COMPILE);
                glColor3f(0.0f, 0.0f, 1.0f);
                glBegin(GL_QUADS);
                glVertex2f(-1.0f, -1.0f);
                glVertex2f(0.0f, -1.0f);
                glVertex2f(0.0f, 1.0f);
                glVertex2f(-1.0f, 1.0f);
                glEnd();
                glEndList();
            }
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            RECT client{};
            GetClientRect(window, &client);
            glViewport(0, 0, client.right, client.bottom);
            glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glCallList(Program.list);
            SwapBuffers(Program.dc);
            ++Program.paints;
            return 0;
        }
        case WM_DESTROY:
            wglDeleteContext(Program.context);
            ReleaseDC(window, Program.dc);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

TEST(QtGL, FramesAreDrawnBeforeAndAfterTheWindowIsShown) {
    START_QT_OR_SKIP();
    Program = GLProgram{};
    const HWND frame = CreateTestFrame("gl test", 256, 256, GLProc);
    ASSERT_NE(frame, nullptr);
    // Everything in WM_CREATE ran before the window was ever shown.
    EXPECT_FALSE(GLWindowOf(frame)->isVisible());
    EXPECT_GT(Program.format, 0);
    EXPECT_TRUE(Program.formatSet);
    ASSERT_NE(Program.context, nullptr);
    ASSERT_TRUE(Program.current);
    EXPECT_GE(Program.depthBits, 16);
    EXPECT_EQ(Program.pixelBeforeShow, 0xFF0000u);
    EXPECT_NE(Program.list, 0u);

    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
    GLClientWindow* gl = GLWindowOf(frame);
    ASSERT_TRUE(PumpUntil([gl] { return gl->isExposed(); }));
    // A frame drawn while the window is on the screen.
    const int paintsBefore = Program.paints;
    InvalidateRect(frame, nullptr, FALSE);
    ASSERT_TRUE(PumpUntil([paintsBefore] { return Program.paints > paintsBefore; }));

    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(gl->winId()).toImage();
    ASSERT_EQ(shot.size(), QSize(256, 256));
    EXPECT_EQ(shot.pixel(64, 128) & 0xFFFFFFu, 0x0000FFu) << "left half: the list compiled before showing";
    EXPECT_EQ(shot.pixel(192, 128) & 0xFFFFFFu, 0x00FF00u) << "right half: the clear colour";
    DestroyWindow(frame);
}

}  // namespace
