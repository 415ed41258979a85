// OpenGL on the headless backend: pixel formats, contexts, a frame drawn
// and read back by pixels, resizing, and context deletion.
#include <GL/gl.h>

#include "platform_fixture.h"

namespace fixture {
namespace {

constexpr std::uint32_t Blue = 0x0000FF;
constexpr std::uint32_t Red = 0xFF0000;

PIXELFORMATDESCRIPTOR Request(BYTE depthBits) {
    PIXELFORMATDESCRIPTOR request{};
    request.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 24;
    request.cDepthBits = depthBits;
    return request;
}

class Gl : public Platform {
  protected:
    // A frame with a context current on it, made before the frame is shown.
    void MakeFrameWithContext() {
        frame = CreateFrame(false);
        ASSERT_NE(frame, nullptr);
        dc = GetDC(frame);
        PIXELFORMATDESCRIPTOR request = Request(32);
        int format = ChoosePixelFormat(dc, &request);
        ASSERT_GT(format, 0);
        ASSERT_TRUE(SetPixelFormat(dc, format, &request));
        context = wglCreateContext(dc);
        ASSERT_NE(context, nullptr);
        ASSERT_TRUE(wglMakeCurrent(dc, context));
    }
    void DrawFrame() {
        glClearColor(0, 0, 1, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(list);
        SwapBuffers(dc);
    }
    // A red triangle over the upper half of the picture, the centre included.
    void CompileTriangle() {
        list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        glColor3f(1, 0, 0);
        glBegin(GL_TRIANGLES);
        glVertex2f(-1.0f, -0.1f);
        glVertex2f(1.0f, -0.1f);
        glVertex2f(0.0f, 1.0f);
        glEnd();
        glEndList();
    }
    HWND frame = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
    GLuint list = 0;
};

TEST_F(Gl, ListCompiledBeforeShowingDrawsAndIsReadBackTopRowFirst) {
    MakeFrameWithContext();
    CompileTriangle();
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    glViewport(0, 0, 512, 512);
    DrawFrame();
    EXPECT_EQ(HeadlessSwapCount(frame), 1);
    EXPECT_EQ(HeadlessFrameWidth(frame), 512);
    EXPECT_EQ(HeadlessFrameHeight(frame), 512);
    EXPECT_EQ(HeadlessPixel(frame, 256, 256), Red) << "centre";
    EXPECT_EQ(HeadlessPixel(frame, 256, 40), Red) << "near the apex, at the top";
    EXPECT_EQ(HeadlessPixel(frame, 256, 480), Blue) << "bottom: clear colour";
    EXPECT_EQ(HeadlessPixel(frame, 0, 0), Blue) << "top-left corner";
    EXPECT_EQ(HeadlessPixel(frame, 512, 0), 0u) << "outside the picture";
}

TEST_F(Gl, ResizeGivesSizeMessageRepaintAndASurfaceOfTheNewSize) {
    MakeFrameWithContext();
    CompileTriangle();
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    int paints = CountOf(frame, WM_PAINT);
    ASSERT_TRUE(HeadlessResizeClient(frame, 300, 200));
    ASSERT_FALSE(Events.empty());
    EXPECT_EQ(Events.back().message, WM_SIZE);
    EXPECT_EQ(Events.back().lParam, MAKELPARAM(300, 200));
    RECT client{};
    GetClientRect(frame, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    UpdateWindow(frame);
    EXPECT_EQ(CountOf(frame, WM_PAINT), paints + 1) << "CS_HREDRAW | CS_VREDRAW";
    glViewport(0, 0, 300, 200);
    DrawFrame();
    EXPECT_EQ(HeadlessFrameWidth(frame), 300);
    EXPECT_EQ(HeadlessFrameHeight(frame), 200);
    EXPECT_EQ(HeadlessPixel(frame, 150, 100), Red) << "the list survives the new surface";
    EXPECT_EQ(HeadlessPixel(frame, 150, 190), Blue);

    ASSERT_TRUE(HeadlessResizeClient(frame, 300, 0));
    EXPECT_EQ(Events.back().wParam, SIZE_MINIMIZED);
}

TEST_F(Gl, PixelFormatChoiceAndItsInjectedFailures) {
    HWND window = CreateFrame();
    HDC windowDC = GetDC(window);
    PIXELFORMATDESCRIPTOR deep = Request(32);
    PIXELFORMATDESCRIPTOR shallow = Request(16);
    PIXELFORMATDESCRIPTOR colourIndex = Request(16);
    colourIndex.iPixelType = 1;
    int deepFormat = ChoosePixelFormat(windowDC, &deep);
    EXPECT_GT(deepFormat, 0);
    EXPECT_GT(ChoosePixelFormat(windowDC, &shallow), 0);
    EXPECT_EQ(ChoosePixelFormat(windowDC, &colourIndex), 0) << "nothing fits a colour-index request";
    HeadlessFailChoosePixelFormat(true);
    EXPECT_EQ(ChoosePixelFormat(windowDC, &deep), 0);
    HeadlessFailChoosePixelFormat(false);
    HeadlessFailSetPixelFormat(true);
    EXPECT_FALSE(SetPixelFormat(windowDC, deepFormat, &deep));
    EXPECT_EQ(wglCreateContext(windowDC), nullptr) << "no context without a format";
    HeadlessFailSetPixelFormat(false);
    EXPECT_TRUE(SetPixelFormat(windowDC, deepFormat, &deep));
    EXPECT_FALSE(SetPixelFormat(windowDC, deepFormat, &deep)) << "a window's format is set once";
}

TEST_F(Gl, DeletingTheCurrentContextIsSafe) {
    MakeFrameWithContext();
    ASSERT_TRUE(wglDeleteContext(context));
    EXPECT_FALSE(wglDeleteContext(context));
    EXPECT_FALSE(wglMakeCurrent(dc, context));
    EXPECT_TRUE(SwapBuffers(dc)) << "swapping without a context reads nothing but does no harm";
    EXPECT_EQ(ReleaseDC(frame, dc), 1);
    // Destroying a window whose context is current unbinds it first.
    HGLRC second = wglCreateContext(dc);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(wglMakeCurrent(dc, second));
    ASSERT_TRUE(DestroyWindow(frame));
    EXPECT_FALSE(SwapBuffers(dc));
    EXPECT_TRUE(wglDeleteContext(second));
}

}  // namespace
}  // namespace fixture
